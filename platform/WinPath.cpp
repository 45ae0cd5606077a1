#include "WinPath.h"

#include "Drives.h"
#include "FolderListings.h"
#include "HostName.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>

#include <algorithm>

namespace {

constexpr int pathNotFound = 3;

QString hostChild(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

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

std::optional<QString> fail(int* error)
{
    if (error != nullptr)
        *error = pathNotFound;
    return std::nullopt;
}

bool isDriveLetter(QChar c)
{
    const char16_t unit = c.toUpper().unicode();
    return unit >= 'A' && unit <= 'Z';
}

bool refusedInNames(QChar c)
{
    return c.unicode() < 32 || QStringView(u"<>:\"|?*").contains(c);
}

} // namespace

namespace WinPath {

std::optional<QString> toHost(const QString& windowsPath, int* error)
{
    if (error != nullptr)
        *error = 0;
    if (windowsPath.isEmpty())
        return fail(error); // as Win32 has it: an empty path names nothing, not the current folder
    QString base;
    QStringView rest(windowsPath);
    bool canClimbAboveBase = false;
    if (windowsPath.size() >= 2 && windowsPath[1] == QLatin1Char(':') &&
        isDriveLetter(windowsPath[0])) {
        // "C:name" is taken from the drive's root: the program keeps no current folder per drive.
        const std::optional<QString> folder = Drives::folder(windowsPath[0]);
        if (!folder)
            return fail(error);
        base = *folder;
        rest = rest.sliced(2);
    } else if (windowsPath.startsWith(QLatin1String("\\\\"))) {
        return fail(error); // network paths lead nowhere here
    } else if (windowsPath.startsWith(QLatin1Char('\\'))) {
        const std::optional<QString> folder = currentDriveFolder();
        if (!folder)
            return fail(error);
        base = *folder;
    } else {
        base = HostName::currentFolder();
        canClimbAboveBase = true;
    }

    QStringList components;
    for (QStringView component : rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (component.contains(QLatin1Char('/')) || component.contains(QChar(0)))
            return fail(error);
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
        const QString exact = hostChild(host, name);
        if (last ? entryExists(exact) : isFolder(exact)) {
            host = exact;
            continue;
        }
        const std::optional<QString> onDisk = FolderListings::findIgnoringCase(host, name, !last);
        if (onDisk)
            host = hostChild(host, *onDisk);
        else if (last)
            host = exact; // not there yet: a file about to be created keeps this spelling
        else
            return fail(error);
    }
    return host;
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
    if (rest.size() >= 2 && rest[1] == QLatin1Char(':') && isDriveLetter(rest[0]))
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
