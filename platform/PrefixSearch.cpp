#include "PrefixSearch.h"

#include "FrontEndFiles.h"
#include "HostName.h"
#include "WinePrefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Configuration files are small; a larger one is no configuration file of a front-end.
constexpr qint64 largestConfiguration = 4 * 1024 * 1024;

QByteArray readConfiguration(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestConfiguration)
        return {};
    return file.read(largestConfiguration);
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

class Collector
{
public:
    explicit Collector(QList<PrefixSearch::FoundPrefix>& found) : m_found(found) {}

    void add(const QString& frontEnd, const QString& folder)
    {
        const std::optional<QString> prefix = WinePrefix::prefixIn(folder);
        if (!prefix)
            return;
        const QString canonical = HostName::canonicalPath(*prefix);
        if (canonical.isEmpty() || m_seen.contains(canonical))
            return;
        m_seen.insert(canonical);
        m_found.append({frontEnd, *prefix});
    }

    void addEach(const QString& frontEnd, const QStringList& folders)
    {
        for (const QString& folder : folders)
            add(frontEnd, folder);
    }

private:
    QList<PrefixSearch::FoundPrefix>& m_found;
    QSet<QString> m_seen;
};

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

QList<FoundPrefix> prefixes(const Roots& roots)
{
    QList<FoundPrefix> found;
    Collector collect(found);
    const QString& home = roots.home;
    const QString flatpak = home + QStringLiteral("/.var/app/");

    collect.add(QStringLiteral("Wine"), home + QStringLiteral("/.wine"));
    collect.addEach(QStringLiteral("winetricks"),
                    subfolders(roots.dataHome + QStringLiteral("/wineprefixes")));

    for (const QString& games :
         {roots.dataHome + QStringLiteral("/lutris/games"),
          roots.configHome + QStringLiteral("/lutris/games"),
          flatpak + QStringLiteral("net.lutris.Lutris/data/lutris/games"),
          flatpak + QStringLiteral("net.lutris.Lutris/config/lutris/games")}) {
        for (const QString& file : filesIn(games, QStringLiteral("*.yml"))) {
            const QString prefix = FrontEndFiles::lutrisPrefix(readConfiguration(file));
            if (!prefix.isEmpty())
                collect.add(QStringLiteral("Lutris"), withHome(prefix, home));
        }
    }
    collect.addEach(QStringLiteral("Lutris"), subfolders(home + QStringLiteral("/Games")));

    for (const QString& bottles :
         {roots.dataHome + QStringLiteral("/bottles/bottles"),
          flatpak + QStringLiteral("com.usebottles.bottles/data/bottles/bottles")})
        collect.addEach(QStringLiteral("Bottles"), subfolders(bottles));

    for (const QString& configs :
         {roots.configHome + QStringLiteral("/heroic/GamesConfig"),
          flatpak + QStringLiteral("com.heroicgameslauncher.hgl/config/heroic/GamesConfig")}) {
        for (const QString& file : filesIn(configs, QStringLiteral("*.json"))) {
            for (const QString& prefix : FrontEndFiles::heroicPrefixes(readConfiguration(file)))
                collect.add(QStringLiteral("Heroic"), withHome(prefix, home));
        }
    }
    collect.addEach(QStringLiteral("Heroic"),
                    subfolders(home + QStringLiteral("/Games/Heroic/Prefixes/default")));

    collect.addEach(QStringLiteral("PlayOnLinux"),
                    subfolders(home + QStringLiteral("/.PlayOnLinux/wineprefix")));

    QSet<QString> librariesSeen;
    for (const QString& steam :
         {roots.dataHome + QStringLiteral("/Steam"), home + QStringLiteral("/.steam/steam"),
          flatpak + QStringLiteral("com.valvesoftware.Steam/.local/share/Steam")}) {
        const QStringList libraries =
            QStringList{steam} + FrontEndFiles::steamLibraries(readConfiguration(
                                     steam + QStringLiteral("/steamapps/libraryfolders.vdf")));
        for (const QString& library : libraries) {
            const QString canonical = HostName::canonicalPath(library);
            if (canonical.isEmpty() || librariesSeen.contains(canonical))
                continue;
            librariesSeen.insert(canonical);
            collect.addEach(QStringLiteral("Steam (Proton)"),
                            subfolders(library + QStringLiteral("/steamapps/compatdata")));
        }
    }

    collect.addEach(QStringLiteral("CrossOver"), subfolders(home + QStringLiteral("/.cxoffice")));
    return found;
}

} // namespace PrefixSearch
