#pragma once

#include <QString>

// The game's uninstall entry, which its setup writes below HKEY_LOCAL_MACHINE and from which the
// installer learns the game folder. A 32-bit setup in a 64-bit prefix writes it below
// Software\Wow6432Node instead of Software.
namespace UninstallEntry {
inline const QString keyBelowSoftware =
    QStringLiteral("Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires");
inline const QString key = QStringLiteral("SOFTWARE\\") + keyBelowSoftware;
// The value holding the command that uninstalls the game, whose folder is the game's.
inline const QString commandValue = QStringLiteral("UninstallString");
} // namespace UninstallEntry
