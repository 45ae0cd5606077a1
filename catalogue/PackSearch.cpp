#include "PackSearch.h"

#include "Drives.h"
#include "FolderListings.h"
#include "HostName.h"
#include "ScenarioTypes.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

namespace {

QString userName()
{
    const QString fromEnvironment = qEnvironmentVariable("USER");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

bool isWithin(const QString& folder, const QString& root)
{
    return folder == root || folder.startsWith(root + QLatin1Char('/'));
}

} // namespace

namespace PackSearch {

bool isPack(const QString& folder)
{
    const QStringList folders = ScenarioTypes::sourceFolders();
    return std::any_of(folders.cbegin(), folders.cend(), [&folder](const QString& name) {
        return FolderListings::findIgnoringCase(folder, name, true).has_value();
    });
}

Where Where::fromMachine()
{
    Where where{QCoreApplication::applicationDirPath(), Drives::mountInfo(), userName(), {}};
    for (QChar letter : Drives::letters()) {
        if (Drives::type(letter) == DriveType::CdRom)
            where.cdRomFolders << *Drives::folder(letter);
    }
    return where;
}

QList<Place> places(const Where& where)
{
    QList<Place> candidates{{where.executableFolder, QString()}};
    // A user's own media folders first; /media holds them too, so each mount is taken once.
    QStringList mediaRoots{QStringLiteral("/media"), QStringLiteral("/mnt")};
    if (!where.user.isEmpty())
        mediaRoots = QStringList{QStringLiteral("/run/media/") + where.user,
                                 QStringLiteral("/media/") + where.user} +
                     mediaRoots;
    const QList<Drives::Mount> mounts = Drives::mounts(where.mountInfo);
    for (const QString& root : mediaRoots) {
        for (const Drives::Mount& mount : mounts) {
            // The search runs before any window shows: a share whose server is gone would hang it.
            if (isWithin(mount.folder, root) && !mount.fileSystem.mayKeepWaiting())
                candidates.append(
                    {mount.folder,
                     Drives::deviceLabel(mount.fileSystem.source).value_or(QString())});
        }
    }
    for (const QString& folder : where.cdRomFolders)
        candidates.append({folder, QString()});

    QList<Place> found;
    QSet<QString> seen;
    for (const Place& candidate : candidates) {
        const QString canonical = HostName::canonicalPath(candidate.folder);
        if (canonical.isEmpty() || seen.contains(canonical) || !isPack(canonical))
            continue;
        seen.insert(canonical);
        found.append({canonical, candidate.label});
    }
    return found;
}

} // namespace PackSearch
