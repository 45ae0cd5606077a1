#pragma once

#include <QString>
#include <optional>

// Windows paths (drive letters, backslashes, relative to the current directory) mapped onto the
// host's folders through the prefix's drives.
namespace WinPath {

// The host path for a Windows path. Empty components collapse; each component matches exactly
// first and then without regard to case; a component that matches nothing keeps its spelling
// (so a path to a file yet to be created maps). nullopt, with the Win32 error in *error, when the
// drive does not exist (3) or a folder on the way is missing (3) or is a file (3).
std::optional<QString> toHost(const QString& windowsPath, int* error = nullptr);

// The name after the last backslash or colon.
QString fileName(const QString& windowsPath);

// Whether Windows would make a file or folder of the path's last name (what is left of the path
// once "." and ".." are resolved): it refuses < > : " | ? * and control characters there.
bool makesValidName(const QString& windowsPath);

// Joins with a single backslash.
QString join(const QString& folder, const QString& name);

} // namespace WinPath
