#include "WinPath.h"

#include "Drives.h"
#include "Errors.h"
#include "FolderListings.h"
#include "HostName.h"
#include "NameCase.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>

#include <algorithm>

namespace {

bool isFolder(const QString& hostPath)
{
    struct stat info;
    return ::stat(HostName::encode(hostPath).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool entryExists(const QString& hostPath)
{
    struct stat info;
    return ::lstat(HostName::encode(hostPath).constData(), &info) == 0;
}

// The drive whose folder holds the current directory (the deepest one when drives nest).
std::optional<QString> currentDriveFolder()
{
    const QString current = HostName::currentFolder();
    std::optional<QString> best;
    qsizetype bestLength = -1;
    for (QChar letter : Drives::letters()) {
        const std::optional<QString> folder = Drives::folder(letter);
        if (!folder)
            continue;
        const QString canonical = HostName::canonicalPath(*folder);
        if (canonical.isEmpty())
            continue;
        const bool holds = current == canonical || canonical == QLatin1String("/") ||
                           current.startsWith(canonical + QLatin1Char('/'));
        if (holds && canonical.size() > bestLength) {
            best = *folder;
            bestLength = canonical.size();
        }
    }
    return best;
}

WinPath::HostPath notFound()
{
    return WinPath::HostPath::failure(Win32Error::PathNotFound);
}

bool refusedInNames(QChar c)
{
    return c.unicode() < 32 || QStringView(u"<>:\"|?*").contains(c);
}

// Where a Windows path starts on the host, and the part of it that follows from there.
struct PathStart
{
    QString base;
    QStringView rest;
    bool canClimbAboveBase = false; // a relative path may lead out of the current folder
};

// A drive's root for "C:..." (the program keeps no current folder per drive), the current
// drive's root for "\...", the current folder for a relative path; nullopt for a drive that does
// not exist, a current folder on no drive, or a network path, which leads nowhere here.
std::optional<PathStart> startOf(const QString& windowsPath)
{
    if (WinPath::startsWithDrive(windowsPath)) {
        const std::optional<QString> folder = Drives::folder(windowsPath[0]);
        if (!folder)
            return std::nullopt;
        return PathStart{*folder, QStringView(windowsPath).sliced(2)};
    }
    if (windowsPath.startsWith(QLatin1String("\\\\")))
        return std::nullopt;
    if (windowsPath.startsWith(QLatin1Char('\\'))) {
        const std::optional<QString> folder = currentDriveFolder();
        if (!folder)
            return std::nullopt;
        return PathStart{*folder, windowsPath};
    }
    return PathStart{HostName::currentFolder(), windowsPath, true};
}

// The names the rest of the path leads through, "." and ".." resolved. A ".." at a drive's root
// stays there; one above the current folder moves the start up. nullopt when a name holds a
// slash or a zero, which would mean something else on the host.
std::optional<QStringList> namesAfter(PathStart& start)
{
    QStringList names;
    for (QStringView component : start.rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (component.contains(QLatin1Char('/')) || component.contains(QChar(0)))
            return std::nullopt;
        if (component == QLatin1String("."))
            continue;
        if (component == QLatin1String("..")) {
            if (!names.isEmpty())
                names.removeLast();
            else if (start.canClimbAboveBase)
                start.base = QDir::cleanPath(start.base + QStringLiteral("/.."));
            continue;
        }
        names.append(component.toString());
    }
    return names;
}

// Follows the names down from base: each as spelt, else without regard to case. A last name
// found neither way keeps its spelling, as a file about to be created; any other fails.
WinPath::HostPath followNames(const QString& base, const QStringList& names)
{
    QString host = base;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        const bool last = i + 1 == names.size();
        const QString exact = HostName::child(host, name);
        if (last ? entryExists(exact) : isFolder(exact)) {
            host = exact;
            continue;
        }
        const std::optional<QString> onDisk = FolderListings::findIgnoringCase(host, name, !last);
        if (onDisk)
            host = HostName::child(host, *onDisk);
        else if (last)
            host = exact;
        else
            return notFound();
    }
    return WinPath::HostPath::to(host);
}

} // namespace

namespace WinPath {

HostPath HostPath::to(const QString& hostPath)
{
    HostPath mapped;
    mapped.m_path = hostPath;
    return mapped;
}

HostPath HostPath::failure(int error)
{
    HostPath failed;
    failed.m_error = error;
    return failed;
}

QString HostPath::orThrow() const
{
    if (m_error != 0)
        throw EInOutError(m_error);
    return m_path;
}

HostPath toHost(const QString& windowsPath)
{
    if (windowsPath.isEmpty())
        return notFound(); // as Win32 has it: an empty path names nothing, not the current folder
    std::optional<PathStart> start = startOf(windowsPath);
    if (!start)
        return notFound();
    const std::optional<QStringList> names = namesAfter(*start);
    if (!names)
        return notFound();
    return followNames(start->base, *names);
}

bool isDriveLetter(QChar c)
{
    const QChar upper = AsciiCase::upper(c);
    return upper >= u'A' && upper <= u'Z';
}

bool startsWithDrive(QStringView path)
{
    return path.size() >= 2 && path[1] == u':' && isDriveLetter(path[0]);
}

QString fileName(const QString& windowsPath)
{
    const qsizetype separator = std::max(windowsPath.lastIndexOf(QLatin1Char('\\')),
                                         windowsPath.lastIndexOf(QLatin1Char(':')));
    return windowsPath.mid(separator + 1);
}

bool makesValidName(const QString& windowsPath)
{
    QStringView rest(windowsPath);
    if (startsWithDrive(rest))
        rest = rest.sliced(2);
    QList<QStringView> kept;
    for (QStringView component : rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (component == QLatin1String("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
        } else if (component != QLatin1String(".")) {
            kept.append(component);
        }
    }
    return kept.isEmpty() || std::none_of(kept.last().begin(), kept.last().end(), refusedInNames);
}

bool isSingleName(const QString& name)
{
    const auto separatorOrRefused = [](QChar c) {
        return c == u'\\' || c == u'/' || refusedInNames(c);
    };
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           std::none_of(name.begin(), name.end(), separatorOrRefused);
}

QString join(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    const bool folderEnds = folder.endsWith(QLatin1Char('\\'));
    const bool nameStarts = name.startsWith(QLatin1Char('\\'));
    if (folderEnds && nameStarts)
        return folder + name.mid(1);
    if (folderEnds || nameStarts)
        return folder + name;
    return folder + QLatin1Char('\\') + name;
}

} // namespace WinPath
