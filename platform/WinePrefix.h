#pragma once

#include <QString>

// The Wine prefix the installer sees the machine through: $WINEPREFIX if set, else ~/.wine.
// An absent or unreadable prefix is the bare machine: no registry files, one drive Z: = /.
namespace WinePrefix {
QString path();
bool isBareMachine();
} // namespace WinePrefix
