#include "PrefixSearch.h"

#include "FrontEndFiles.h"
#include "HostName.h"
#include "SafeRead.h"
#include "WinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <functional>

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

// A folder that may be a prefix, and what the front-end calls the game in it (empty when it
// says nothing).
struct Named
{
    QString folder;
    QString name;
};
using NamedFolders = QList<Named>;

NamedFolders unnamed(const QStringList& folders)
{
    NamedFolders named;
    for (const QString& folder : folders)
        named.append({folder, QString()});
    return named;
}

// The folders named by each file of a kind in a folder.
NamedFolders namedInFiles(const QString& folder, const QString& pattern, const QString& home,
                          const std::function<NamedFolders(const QByteArray&)>& read)
{
    NamedFolders named;
    for (const QString& file : filesIn(folder, pattern)) {
        for (const Named& game : read(readConfiguration(file)))
            named.append({withHome(game.folder, home), game.name});
    }
    return named;
}

NamedFolders lutrisGame(const QByteArray& gameFile)
{
    const QString prefix = FrontEndFiles::lutrisPrefix(gameFile);
    if (prefix.isEmpty())
        return {};
    return {{prefix, FrontEndFiles::lutrisName(gameFile)}};
}

// Each bottle with the name in its bottle.yml.
NamedFolders bottles(const QString& folder)
{
    NamedFolders named;
    for (const QString& bottle : subfolders(folder))
        named.append({bottle, FrontEndFiles::bottleName(
                                  readConfiguration(bottle + QStringLiteral("/bottle.yml")))});
    return named;
}

// The titles Heroic's store caches and its list of added games give, by app name; gamesConfig
// is its GamesConfig folder, beside them.
QHash<QString, QString> heroicTitles(const QString& gamesConfig)
{
    const QString heroic = QFileInfo(gamesConfig).path();
    QStringList files =
        filesIn(heroic + QStringLiteral("/store_cache"), QStringLiteral("*_library.json"));
    files << heroic + QStringLiteral("/sideload_apps/library.json");
    QHash<QString, QString> titles;
    for (const QString& file : files)
        titles.insert(FrontEndFiles::heroicTitles(readConfiguration(file)));
    return titles;
}

NamedFolders heroicGames(const QString& gamesConfig, const QString& home)
{
    const QHash<QString, QString> titles = heroicTitles(gamesConfig);
    return namedInFiles(
        gamesConfig, QStringLiteral("*.json"), home, [&titles](const QByteArray& json) {
            NamedFolders named;
            for (const FrontEndFiles::HeroicPrefix& game : FrontEndFiles::heroicGamePrefixes(json))
                named.append({game.prefix, titles.value(game.appName)});
            return named;
        });
}

// A candidate prefix, and the front-end that keeps it there.
struct Candidate
{
    QString frontEnd;
    Named found;
};

// A place the search looks at and what the look gives: folders that may be prefixes (for a
// Steam installation, its libraries, each named by the installation that lists it).
using Places = QList<Lookout::Look<NamedFolders>>;

struct Seen
{
    QString canonical; // empty when the folder is not there
    NamedFolders found;
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

// Steam's shortcuts (games added to it by the user) in an installation, by app id, from each
// user's shortcuts.vdf.
QHash<quint32, QString> steamShortcutNames(const QString& installation)
{
    QHash<quint32, QString> names;
    for (const QString& user : subfolders(installation + QStringLiteral("/userdata"))) {
        const QByteArray vdf = readConfiguration(user + QStringLiteral("/config/shortcuts.vdf"));
        for (const FrontEndFiles::SteamShortcut& shortcut : FrontEndFiles::steamShortcuts(vdf))
            names.insert(shortcut.appId, shortcut.name);
    }
    return names;
}

// A library's compatdata folders, each named by its app's manifest, or for a game added to
// Steam by the installation's shortcuts.
NamedFolders steamGames(const QString& library, const QString& installation)
{
    const QHash<quint32, QString> shortcuts = steamShortcutNames(installation);
    NamedFolders named;
    for (const QString& folder : subfolders(library + QStringLiteral("/steamapps/compatdata"))) {
        const QString id = QFileInfo(folder).fileName();
        bool isNumber = false;
        const quint32 appId = id.toUInt(&isNumber);
        QString name = FrontEndFiles::steamAppName(
            readConfiguration(library + QStringLiteral("/steamapps/appmanifest_%1.acf").arg(id)));
        if (name.isEmpty() && isNumber)
            name = shortcuts.value(appId);
        named.append({folder, name});
    }
    return named;
}

// Each Steam library's games, each library once however often it is listed.
NamedFolders steamCompatdata(Lookout& lookout, const NamedFolders& libraries)
{
    QList<Lookout::Look<Seen>> looks;
    for (const Named& library : libraries)
        looks.append({library.folder, [library] {
                          return Seen{HostName::canonicalPath(library.folder),
                                      steamGames(library.folder, library.name)};
                      }});
    NamedFolders folders;
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
        const QString folder = candidate.found.folder;
        looks.append(
            {folder, [folder] {
                 const std::optional<QString> prefix = WinePrefix::prefixIn(folder);
                 return prefix ? Seen{HostName::canonicalPath(*prefix), {{*prefix, {}}}} : Seen();
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
        found.append(
            {candidates[i].frontEnd, prefix.found.constFirst().folder, candidates[i].found.name});
    }
    return found;
}

const QString steamFrontEnd = QStringLiteral("Steam (Proton)");

// The folders of a folder, each a prefix perhaps.
Lookout::Look<NamedFolders> subfoldersOf(const QString& folder)
{
    return {folder, [folder] { return unnamed(subfolders(folder)); }};
}

// Where Flatpak keeps its applications' own homes.
QString flatpakApps(const PrefixSearch::Roots& roots)
{
    return roots.home + QStringLiteral("/.var/app/");
}

Places winePlaces(const PrefixSearch::Roots& roots)
{
    const QString wine = roots.home + QStringLiteral("/.wine");
    return {{wine, [wine] { return NamedFolders{{wine, QString()}}; }}};
}

// Lutris' game files, the current and the older place, native and Flatpak, then its default
// folder for games.
Places lutrisPlaces(const PrefixSearch::Roots& roots)
{
    const QString flatpak = flatpakApps(roots);
    const QString home = roots.home;
    Places places;
    for (const QString& games : {roots.dataHome + QStringLiteral("/lutris/games"),
                                 roots.configHome + QStringLiteral("/lutris/games"),
                                 flatpak + QStringLiteral("net.lutris.Lutris/data/lutris/games"),
                                 flatpak + QStringLiteral("net.lutris.Lutris/config/lutris/games")})
        places << Lookout::Look<NamedFolders>{
            games, [games, home] {
                return namedInFiles(games, QStringLiteral("*.yml"), home, lutrisGame);
            }};
    places << subfoldersOf(home + QStringLiteral("/Games"));
    return places;
}

Places bottlesPlaces(const PrefixSearch::Roots& roots)
{
    Places places;
    for (const QString& folder :
         {roots.dataHome + QStringLiteral("/bottles/bottles"),
          flatpakApps(roots) + QStringLiteral("com.usebottles.bottles/data/bottles/bottles")})
        places << Lookout::Look<NamedFolders>{folder, [folder] { return bottles(folder); }};
    return places;
}

// Heroic's game configurations, native and Flatpak, then its default folder for prefixes.
Places heroicPlaces(const PrefixSearch::Roots& roots)
{
    const QString home = roots.home;
    Places places;
    for (const QString& configs :
         {roots.configHome + QStringLiteral("/heroic/GamesConfig"),
          flatpakApps(roots) +
              QStringLiteral("com.heroicgameslauncher.hgl/config/heroic/GamesConfig")})
        places << Lookout::Look<NamedFolders>{
            configs, [configs, home] { return heroicGames(configs, home); }};
    places << subfoldersOf(home + QStringLiteral("/Games/Heroic/Prefixes/default"));
    return places;
}

// Each Steam installation's list of libraries, which gives the installation itself and every
// library it lists, each named by the installation.
Places steamLibraryPlaces(const PrefixSearch::Roots& roots)
{
    Places places;
    for (const QString& installation :
         {roots.dataHome + QStringLiteral("/Steam"), roots.home + QStringLiteral("/.steam/steam"),
          flatpakApps(roots) + QStringLiteral("com.valvesoftware.Steam/.local/share/Steam")}) {
        const QString list = installation + QStringLiteral("/steamapps/libraryfolders.vdf");
        places.append({list, [installation, list] {
                           NamedFolders libraries{{installation, installation}};
                           for (const QString& library :
                                FrontEndFiles::steamLibraries(readConfiguration(list)))
                               libraries.append({library, installation});
                           return libraries;
                       }});
    }
    return places;
}

// Each front-end's places, in the order their prefixes are offered. Steam's give its libraries.
QList<QPair<QString, Places>> frontEndPlaces(const PrefixSearch::Roots& roots)
{
    return {
        {QStringLiteral("Wine"), winePlaces(roots)},
        {QStringLiteral("winetricks"),
         {subfoldersOf(roots.dataHome + QStringLiteral("/wineprefixes"))}},
        {QStringLiteral("Lutris"), lutrisPlaces(roots)},
        {QStringLiteral("Bottles"), bottlesPlaces(roots)},
        {QStringLiteral("Heroic"), heroicPlaces(roots)},
        {QStringLiteral("PlayOnLinux"),
         {subfoldersOf(roots.home + QStringLiteral("/.PlayOnLinux/wineprefix"))}},
        {steamFrontEnd, steamLibraryPlaces(roots)},
        {QStringLiteral("CrossOver"), {subfoldersOf(roots.home + QStringLiteral("/.cxoffice"))}},
    };
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
    if (!gameName.isEmpty())
        return gameName;
    const QFileInfo info(folder);
    if (info.fileName() == QLatin1String("pfx"))
        return QFileInfo(info.path()).fileName();
    return info.fileName();
}

QList<FoundPrefix> prefixes(const Roots& roots, Lookout& lookout)
{
    const QList<QPair<QString, Places>> frontEnds = frontEndPlaces(roots);
    Places places;
    for (const auto& [frontEnd, its] : frontEnds)
        places << its;
    const QList<NamedFolders> looked = answered(lookout, places);
    QList<Candidate> candidates;
    qsizetype next = 0;
    for (const auto& [frontEnd, its] : frontEnds) {
        NamedFolders folders;
        for (qsizetype i = 0; i < its.size(); ++i)
            folders << looked[next++];
        if (frontEnd == steamFrontEnd)
            folders = steamCompatdata(lookout, folders);
        for (const Named& folder : folders)
            candidates.append({frontEnd, folder});
    }
    return verified(lookout, candidates);
}

} // namespace PrefixSearch
