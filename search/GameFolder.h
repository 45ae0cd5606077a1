#pragma once

#include <QString>
#include <functional>
#include <optional>

// Where the game is installed, as its uninstall entry in the registry tells, and the free-space
// line for its drive. No widgets here.
namespace GameFolder {

// The folder part of a path: up to its last backslash or colon, without that backslash unless it
// ends a drive root ("C:\") or follows another backslash. Empty when there is neither.
QString folderPart(const QString& path);

// The game folder an uninstall command names. An installer-log argument -f"<log>" (quoted or
// not, a separate argument outside quotation marks, either case) gives the log's folder;
// otherwise, or when no folder follows -f, the program path gives it, quoted or not, with any
// arguments after it ignored. Blanks around the command do not count.
QString fromUninstallString(const QString& uninstallString);

// The game folder from the registry, read afresh on each call; empty when the game's uninstall
// entry is missing. Throws when the value is not a string or cannot be read.
QString readGameFolder();

// A host path with the home folder written as "~", as a Linux user reads paths.
QString withTilde(const QString& hostPath);
// Where the game folder lies on the Linux side, home as "~"; empty when it maps to no folder.
QString hostFolder(const QString& gameFolder);
// Which prefix the machine is, as the game folder's edit shows it: "Wine prefix: <folder>", home
// as "~", or that there is none.
QString prefixHint();

using FreeSpaceQuery = std::function<std::optional<qint64>(int driveNumber)>;

// The drive number of the game folder's first character: "A" or "a" is 1, "C" or "c" is 3,
// "@" is 0 (the current drive). Throws Exception "Range check error" for an empty folder and for
// a first character that names no drive number from 0 to 255.
int driveNumber(const QString& gameFolder);

// "Free space on drive C - 512 kB" for the game folder's drive; the letter as the folder spells
// it, 0 kB when the drive cannot be queried. Throws as driveNumber does.
QString freeSpaceLine(const QString& gameFolder, const FreeSpaceQuery& freeBytes);
QString freeSpaceLine(const QString& gameFolder);

} // namespace GameFolder
