#pragma once

#include <QStringList>

// Before the main window is made: the Wine prefix that is the machine, and the pack's folder as
// the current directory, so that everything after reads them as when the program is started in
// the pack's folder with WINEPREFIX set. Asks the user only when there is a real choice.
namespace StartPlaces {

// arguments: the program's, where the only one may name the pack's folder. False when the user
// gave up the start: while a search was waiting for a place, or by cancelling a question on the
// pack or the prefix.
bool settle(const QStringList& arguments);

} // namespace StartPlaces
