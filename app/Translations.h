#pragma once

#include <QStringList>

class QLocale;

namespace Translations {

// Where the program's catalogues are looked for: beside the program in a build, in the data
// folder once installed.
QStringList catalogueFolders();

// Speaks the locale's language where a catalogue for it exists: the program's own, from the first
// of the folders that has one, and Qt's for the standard texts of its dialogs. Any other locale,
// C and English among them, keeps the texts as written. Call once, with the application made.
void install(const QLocale& locale, const QStringList& folders = catalogueFolders());

} // namespace Translations
