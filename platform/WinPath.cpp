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
    QString base;
    QStringView rest(windowsPath);
    bool canClimbAboveBase = false;
    if (startsWithDrive(windowsPath)) {
        // "C:name" is taken from the drive's root: the program keeps no current folder per drive.
        const std::optional<QString> folder = Drives::folder(windowsPath[0]);
        if (!folder)
            return notFound();
        base = *folder;
        rest = rest.sliced(2);
    } else if (windowsPath.startsWith(QLatin1String("\\\\"))) {
        return notFound(); // network paths lead nowhere here
    } else if (windowsPath.startsWith(QLatin1Char('\\'))) {
        const std::optional<QString> folder = currentDriveFolder();
        if (!folder)
            return notFound();
        base = *folder;
    } else {
        base = HostName::currentFolder();
        canClimbAboveBase = true;
    }

    QStringList components;
    for (QStringView component : rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (component.contains(QLatin1Char('/')) || component.contains(QChar(0)))
            return notFound();
        if (component == QLatin1String("."))
            continue;
        if (component == QLatin1String("..")) {
            if (!components.isEmpty())
                components.removeLast();
            else if (canClimbAboveBase)
                base = QDir::cleanPath(base + QStringLiteral("/.."));
            continue; // a drive's root has no parent
        }
        components.append(component.toString());
    }

    QString host = base;
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString& name = components[i];
        const bool last = i + 1 == components.size();
        const QString exact = HostName::child(host, name);
        if (last ? entryExists(exact) : isFolder(exact)) {
            host = exact;
            continue;
        }
        const std::optional<QString> onDisk = FolderListings::findIgnoringCase(host, name, !last);
        if (onDisk)
            host = HostName::child(host, *onDisk);
        else if (last)
            host = exact; // not there yet: a file about to be created keeps this spelling
        else
            return notFound();
    }
    return HostPath::to(host);
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
