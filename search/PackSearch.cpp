#include "PackSearch.h"

#include "Drives.h"
#include "FolderListings.h"
#include "HostName.h"
#include "ScenarioTypes.h"
#include "WinePrefix.h"

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

// This user's media: the mounts under their own folders in /run/media and /media, and a mount
// point directly in /media or /mnt, or /mnt itself, where a CD is often mounted by hand. What
// lies in another user's folder there is theirs, and a mount deeper in /mnt is some other
// program's.
bool isUsersMedium(const QString& folder, const QString& user)
{
    if (!user.isEmpty()) {
        for (const QString& root : {QStringLiteral("/run/media/"), QStringLiteral("/media/")}) {
            if (folder.startsWith(root + user + QLatin1Char('/')))
                return true;
        }
    }
    const QString parent = folder.section(QLatin1Char('/'), 0, -2);
    return folder == QLatin1String("/mnt") || parent == QLatin1String("/media") ||
           parent == QLatin1String("/mnt");
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

Where Where::fromMachine(Lookout& lookout)
{
    // The drives' folders may lie anywhere, on a mount that no longer answers too.
    const QStringList cdRomFolders =
        lookout
            .look<QStringList>(WinePrefix::path() + QStringLiteral("/dosdevices"),
                               [prefix = WinePrefix::path()] {
                                   const WinePrefix::Scope scope(prefix);
                                   QStringList folders;
                                   for (QChar letter : Drives::letters()) {
                                       if (Drives::type(letter) == DriveType::CdRom)
                                           folders << *Drives::folder(letter);
                                   }
                                   return folders;
                               })
            .value_or(QStringList());
    return {QCoreApplication::applicationDirPath(), Drives::mountInfo(), userName(), cdRomFolders};
}

QList<Place> places(const Where& where, Lookout& lookout)
{
    QList<Place> candidates{{where.executableFolder, QString()}};
    for (const Drives::Mount& mount : Drives::mounts(where.mountInfo)) {
        // A share whose server is gone would only cost the lookout's time: not looked at.
        if (isUsersMedium(mount.folder, where.user) && !mount.fileSystem.mayKeepWaiting())
            candidates.append(
                {mount.folder, Drives::deviceLabel(mount.fileSystem.source).value_or(QString())});
    }
    for (const QString& folder : where.cdRomFolders)
        candidates.append({folder, QString()});

    QList<Lookout::Look<QString>> looks;
    for (const Place& candidate : candidates) {
        const QString folder = candidate.folder;
        looks.append({folder, [folder] {
                          const QString canonical = HostName::canonicalPath(folder);
                          return !canonical.isEmpty() && isPack(canonical) ? canonical : QString();
                      }});
    }
    const QList<std::optional<QString>> packs = lookout.lookAll(looks);
    QList<Place> found;
    QSet<QString> seen;
    for (qsizetype i = 0; i < packs.size(); ++i) {
        const QString canonical = packs[i].value_or(QString());
        if (canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen.insert(canonical);
        found.append({canonical, candidates[i].label});
    }
    return found;
}

} // namespace PackSearch
