#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// What the Wine front-ends' own files say, read from their bytes: no file is opened here, so the
// readers can be handed anything (a fuzzer's input, a file cut short) and give what they
// understand of it. No widgets here.
namespace FrontEndFiles {

// A Lutris game file (YAML): the prefix under `game:`, as written (a leading `~` is left for the
// caller to expand); empty when it names none or is no YAML.
QString lutrisPrefix(const QByteArray& yaml);
// A Lutris game file: the game's `name:`; empty when it has none.
QString lutrisName(const QByteArray& yaml);

// A Bottles bottle.yml: the bottle's `Name:`; empty when it has none.
QString bottleName(const QByteArray& yaml);

// A Heroic game configuration (JSON): every game's `winePrefix`.
QStringList heroicPrefixes(const QByteArray& json);

// A game's prefix in a Heroic game configuration, with the game's id (its app name).
struct HeroicPrefix
{
    QString appName; // empty for a prefix named at the top of the file
    QString prefix;
};
QList<HeroicPrefix> heroicGamePrefixes(const QByteArray& json);

// A Heroic library file (store_cache/*_library.json, sideload_apps/library.json): each game's
// title by its app name.
QHash<QString, QString> heroicTitles(const QByteArray& json);

// Steam's steamapps/libraryfolders.vdf (Valve's KeyValues text): the libraries' folders.
QStringList steamLibraries(const QByteArray& vdf);

// A Steam app manifest, steamapps/appmanifest_<id>.acf (KeyValues text): the app's `name`; empty
// when it has none.
QString steamAppName(const QByteArray& acf);

// A game the user added to Steam, as userdata/<user>/config/shortcuts.vdf keeps it.
struct SteamShortcut
{
    quint32 appId = 0; // the number of its compatdata folder
    QString name;
    bool operator==(const SteamShortcut&) const = default;
};

// Steam's shortcuts.vdf (Valve's binary KeyValues): every entry that has both an app id and a
// name, in the file's order; those before any damage when the file is damaged or cut short.
QList<SteamShortcut> steamShortcuts(const QByteArray& vdf);

} // namespace FrontEndFiles
