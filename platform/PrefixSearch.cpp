#include "PrefixSearch.h"

#include "FrontEndFiles.h"
#include "HostName.h"
#include "SafeRead.h"
#include "WinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

using PrefixSearch::FoundPrefix;

// Configuration files are small; a larger one is no configuration file of a front-end.
constexpr qint64 largestConfiguration = 4 * 1024 * 1024;

QByteArray readConfiguration(const QString& path)
{
    return SafeRead::whole(path, largestConfiguration).value_or(QByteArray());
}

QString orDefault(const QString& variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(qPrintable(variable));
    return value.isEmpty() ? fallback : QDir::cleanPath(value);
}

// The folders in a folder, by name, hidden ones too; links to folders count.
QStringList subfolders(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QStringList filesIn(const QString& folder, const QString& pattern)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QString withHome(const QString& path, const QString& home)
{
    if (path == QLatin1String("~"))
        return home;
    if (path.startsWith(QLatin1String("~/")))
        return home + path.mid(1);
    return path;
}

// The folders named by each file of a kind in a folder.
QStringList namedInFiles(const QString& folder, const QString& pattern, const QString& home,
                         QStringList (*read)(const QByteArray&))
{
    QStringList named;
    for (const QString& file : filesIn(folder, pattern)) {
        for (const QString& path : read(readConfiguration(file)))
            named << withHome(path, home);
    }
    return named;
}

QStringList lutrisPrefixes(const QByteArray& gameFile)
{
    const QString prefix = FrontEndFiles::lutrisPrefix(gameFile);
    return prefix.isEmpty() ? QStringList() : QStringList{prefix};
}

// A folder that may be a prefix, and the front-end that keeps it there.
struct Candidate
{
    QString frontEnd;
    QString folder;
};

// A place the search looks at and what the look gives: folders that may be prefixes (for a
// Steam installation, its libraries).
using Places = QList<Lookout::Look<QStringList>>;

struct Seen
{
    QString canonical; // empty when the folder is not there
    QStringList found;
};

// Every look a thread of its own, so one place that does not answer holds no other.
template <class Result>
QList<Result> answered(Lookout& lookout, const QList<Lookout::Look<Result>>& looks)
{
    QList<Result> results;
    for (const std::optional<Result>& result : lookout.lookAll(looks))
        results << result.value_or(Result());
    return results;
}

// Each Steam library's compatdata folders, each library once however often it is listed.
QStringList steamCompatdata(Lookout& lookout, const QStringList& libraries)
{
    QList<Lookout::Look<Seen>> looks;
    for (const QString& library : libraries)
        looks.append({library, [library] {
                          return Seen{
                              HostName::canonicalPath(library),
                              subfolders(library + QStringLiteral("/steamapps/compatdata"))};
                      }});
    QStringList folders;
    QSet<QString> seen;
    for (const Seen& library : answered(lookout, looks)) {
        if (library.canonical.isEmpty() || seen.contains(library.canonical))
            continue;
        seen.insert(library.canonical);
        folders << library.found;
    }
    return folders;
}

// The candidates that are prefixes, each once (the first front-end that names it keeps it).
QList<FoundPrefix> verified(Lookout& lookout, const QList<Candidate>& candidates)
{
    QList<Lookout::Look<Seen>> looks;
    for (const Candidate& candidate : candidates) {
        const QString folder = candidate.folder;
        looks.append(
            {folder, [folder] {
                 const std::optional<QString> prefix = WinePrefix::prefixIn(folder);
                 return prefix ? Seen{HostName::canonicalPath(*prefix), {*prefix}} : Seen();
             }});
    }
    const QList<Seen> looked = answered(lookout, looks);
    QList<FoundPrefix> found;
    QSet<QString> seen;
    for (qsizetype i = 0; i < looked.size(); ++i) {
        const Seen& prefix = looked[i];
        if (prefix.canonical.isEmpty() || seen.contains(prefix.canonical))
            continue;
        seen.insert(prefix.canonical);
        found.append({candidates[i].frontEnd, prefix.found.constFirst()});
    }
    return found;
}

} // namespace

namespace PrefixSearch {

Roots Roots::fromEnvironment()
{
    const QString home = QDir::cleanPath(QDir::homePath());
    return {home,
            orDefault(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share")),
            orDefault(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"))};
}

QString FoundPrefix::name() const
{
    const QFileInfo info(folder);
    if (info.fileName() == QLatin1String("pfx"))
        return QFileInfo(info.path()).fileName();
    return info.fileName();
}

} // namespace PrefixSearch

namespace {

const QString steamFrontEnd = QStringLiteral("Steam (Proton)");

// Each front-end's places, in the order their prefixes are offered. Steam's give its libraries.
QList<QPair<QString, Places>> frontEndPlaces(const PrefixSearch::Roots& roots)
{
    const QString& home = roots.home;
    const QString flatpak = home + QStringLiteral("/.var/app/");
    // Each front-end's places, in the order their prefixes are offered.
    QList<QPair<QString, Places>> frontEnds;
    const auto listed = [](const QString& folder) {
        return Lookout::Look<QStringList>{folder, [folder] { return subfolders(folder); }};
    };
    const auto named = [&home](const QString& folder, const QString& pattern,
                               QStringList (*read)(const QByteArray&)) {
        return Lookout::Look<QStringList>{
            folder, [=] { return namedInFiles(folder, pattern, home, read); }};
    };

    const QString wine = home + QStringLiteral("/.wine");
    frontEnds.append({QStringLiteral("Wine"), {{wine, [wine] { return QStringList{wine}; }}}});
    frontEnds.append(
        {QStringLiteral("winetricks"), {listed(roots.dataHome + QStringLiteral("/wineprefixes"))}});
    Places lutris;
    for (const QString& games : {roots.dataHome + QStringLiteral("/lutris/games"),
                                 roots.configHome + QStringLiteral("/lutris/games"),
                                 flatpak + QStringLiteral("net.lutris.Lutris/data/lutris/games"),
                                 flatpak + QStringLiteral("net.lutris.Lutris/config/lutris/games")})
        lutris << named(games, QStringLiteral("*.yml"), lutrisPrefixes);
    lutris << listed(home + QStringLiteral("/Games"));
    frontEnds.append({QStringLiteral("Lutris"), lutris});
    frontEnds.append(
        {QStringLiteral("Bottles"),
         {listed(roots.dataHome + QStringLiteral("/bottles/bottles")),
          listed(flatpak + QStringLiteral("com.usebottles.bottles/data/bottles/bottles"))}});
    Places heroic;
    for (const QString& configs :
         {roots.configHome + QStringLiteral("/heroic/GamesConfig"),
          flatpak + QStringLiteral("com.heroicgameslauncher.hgl/config/heroic/GamesConfig")})
        heroic << named(configs, QStringLiteral("*.json"), FrontEndFiles::heroicPrefixes);
    heroic << listed(home + QStringLiteral("/Games/Heroic/Prefixes/default"));
    frontEnds.append({QStringLiteral("Heroic"), heroic});
    frontEnds.append({QStringLiteral("PlayOnLinux"),
                      {listed(home + QStringLiteral("/.PlayOnLinux/wineprefix"))}});
    Places steamLibraries;
    for (const QString& installation :
         {roots.dataHome + QStringLiteral("/Steam"), home + QStringLiteral("/.steam/steam"),
          flatpak + QStringLiteral("com.valvesoftware.Steam/.local/share/Steam")}) {
        const QString list = installation + QStringLiteral("/steamapps/libraryfolders.vdf");
        steamLibraries.append({list, [installation, list] {
                                   return QStringList{installation} +
                                          FrontEndFiles::steamLibraries(readConfiguration(list));
                               }});
    }
    frontEnds.append({steamFrontEnd, steamLibraries});
    frontEnds.append({QStringLiteral("CrossOver"), {listed(home + QStringLiteral("/.cxoffice"))}});
    return frontEnds;
}

} // namespace

namespace PrefixSearch {

QList<FoundPrefix> prefixes(const Roots& roots, Lookout& lookout)
{
    const QList<QPair<QString, Places>> frontEnds = frontEndPlaces(roots);
    Places places;
    for (const auto& [frontEnd, its] : frontEnds)
        places << its;
    const QList<QStringList> looked = answered(lookout, places);
    QList<Candidate> candidates;
    qsizetype next = 0;
    for (const auto& [frontEnd, its] : frontEnds) {
        QStringList folders;
        for (qsizetype i = 0; i < its.size(); ++i)
            folders << looked[next++];
        if (frontEnd == steamFrontEnd)
            folders = steamCompatdata(lookout, folders);
        for (const QString& folder : folders)
            candidates.append({frontEnd, folder});
    }
    return verified(lookout, candidates);
}

} // namespace PrefixSearch
