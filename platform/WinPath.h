#pragma once

#include <QString>
#include <QStringView>

// Windows paths (drive letters, backslashes, relative to the current directory) mapped onto the
// host's folders through the prefix's drives.
namespace WinPath {

// Where a Windows path leads on the host, or the Win32 error that keeps it from leading there.
class HostPath
{
public:
    static HostPath to(const QString& hostPath);
    static HostPath failure(int error);

    explicit operator bool() const { return m_error == 0; }
    const QString& operator*() const { return m_path; }
    const QString* operator->() const { return &m_path; }
    int error() const { return m_error; } // 0 when the path leads somewhere
    // The host path; throws EInOutError with the error when there is none.
    QString orThrow() const;

private:
    QString m_path;
    int m_error = 0;
};

// The host path for a Windows path. Empty components collapse; each component matches exactly
// first and then without regard to case; a component that matches nothing keeps its spelling
// (so a path to a file yet to be created maps). Fails with path not found (3) when the drive does
// not exist or a folder on the way is missing or is a file.
HostPath toHost(const QString& windowsPath);

// Whether c names a drive: A to Z in either case.
bool isDriveLetter(QChar c);
// Whether the path begins with a drive letter and a colon ("C:", "c:\Games").
bool startsWithDrive(QStringView path);

// The name after the last backslash or colon.
QString fileName(const QString& windowsPath);

// Whether Windows would make a file or folder of the path's last name (what is left of the path
// once "." and ".." are resolved): it refuses < > : " | ? * and control characters there.
bool makesValidName(const QString& windowsPath);
// Whether name is a single name a Windows program can spell, and so one entry of a folder: not
// empty, not "." or "..", and holding no separator (\ or /) nor anything makesValidName refuses.
bool isSingleName(const QString& name);

// Joins with a single backslash.
QString join(const QString& folder, const QString& name);

} // namespace WinPath
