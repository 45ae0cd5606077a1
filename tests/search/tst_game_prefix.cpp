#include "GamePrefix.h"
#include "StalledMount.h"
#include "WorldBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <vector>

#include <sys/stat.h>

namespace {

// A prefix with drive C; "live" and "stale" hold the game's entry, and "live" its folder too.
void makePrefix(const QString& folder, const QString& kind)
{
    PrefixBuilder prefix(folder);
    if (kind != "bare")
        prefix.setUninstallString("C:\\AoE\\Uninst.exe", true);
    if (kind == "live")
        WorldFiles::makeFolder(prefix.driveC() + "/AoE");
}

// Steam's shortcuts.vdf holding one game added to Steam, as Steam writes it: a map per entry of
// typed items (1 text, 2 a 32-bit number, 0 a map, 8 its end).
QByteArray shortcutsFile(quint32 appId, const QByteArray& name)
{
    QByteArray id(4, '\0');
    qToLittleEndian(appId, id.data());
    return QByteArray("\0shortcuts\0\0"
                      "0\0",
                      14) +
           "\x02" + "appid" + '\0' + id + "\x01" + "AppName" + '\0' + name + '\0' + "\x01" + "Exe" +
           '\0' + "\"x.exe\"" + '\0' + QByteArray("\0tags\0\x08\x08\x08\x08", 10);
}

} // namespace

class TestGamePrefix : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decide_data();
    void decide();
};

void TestGamePrefix::decide_data()
{
    // The world under a scratch home: "live:", "stale:" and "bare:" prefixes (see makePrefix),
    // "file:path=content", "shortcut:path=<app id>,<name>" (Steam's shortcuts.vdf), "pipe:path",
    // "link:path=target", a mount that never answers "stalled:path" and "env:NAME=value"; $HOME
    // stands for the home folder.
    QTest::addColumn<QStringList>("world");
    QTest::addColumn<QStringList>("decided");

    QTest::newRow("Wine") << QStringList{"live:.wine"} << QStringList{"use .wine"};
    QTest::newRow("winetricks, XDG_DATA_HOME set")
        << QStringList{"env:XDG_DATA_HOME=$HOME/data", "live:data/wineprefixes/aoe"}
        << QStringList{"use data/wineprefixes/aoe"};
    QTest::newRow("winetricks, XDG_DATA_HOME empty")
        << QStringList{"env:XDG_DATA_HOME=", "live:.local/share/wineprefixes/aoe"}
        << QStringList{"use .local/share/wineprefixes/aoe"};
    QTest::newRow("Lutris game file, older place, XDG_CONFIG_HOME empty")
        << QStringList{"env:XDG_CONFIG_HOME=", "live:elsewhere/aoe",
                       "file:.config/lutris/games/aoe-1.yml=game:\n  exe: x.exe\n  prefix: "
                       "'~/elsewhere/aoe'\nname: Age of Empires\nprefix: /nowhere\n"}
        << QStringList{"use elsewhere/aoe"};
    QTest::newRow("Lutris, one prefix named twice")
        << QStringList{"live:Games/aoe", "file:.local/share/lutris/games/a.yml=game:\n"
                                         "  prefix: $HOME/Games/aoe\n"}
        << QStringList{"use Games/aoe"};
    QTest::newRow("Bottles, Flatpak")
        << QStringList{"live:.var/app/com.usebottles.bottles/data/bottles/bottles/AoE"}
        << QStringList{"use .var/app/com.usebottles.bottles/data/bottles/bottles/AoE"};
    QTest::newRow("Heroic game file, Proton's pfx, a damaged file beside")
        << QStringList{"live:heroic/Quail/pfx", "file:.config/heroic/GamesConfig/bad.json={[",
                       "file:.config/heroic/GamesConfig/Quail.json={\"Quail\": {\"winePrefix\": "
                       "\"$HOME/heroic/Quail\"}, \"version\": \"v0\"}"}
        << QStringList{"use heroic/Quail/pfx"};
    QTest::newRow("Steam, a second library")
        << QStringList{"live:library/steamapps/compatdata/221380/pfx",
                       "file:.local/share/Steam/steamapps/libraryfolders.vdf=\"libraryfolders\"\n"
                       "{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"$HOME/.local/share/Steam\"\n\t}\n"
                       "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"$HOME/library\"\n\t}\n}\n"}
        << QStringList{"use library/steamapps/compatdata/221380/pfx"};
    QTest::newRow("a stale entry loses to a live one")
        << QStringList{"stale:Games/old", "bare:.cxoffice/other",
                       "live:.PlayOnLinux/wineprefix/AoE"}
        << QStringList{"use .PlayOnLinux/wineprefix/AoE"};
    QTest::newRow("two live: the user chooses")
        << QStringList{"live:.cxoffice/AoE", "live:Games/aoe", "stale:.wine"}
        << QStringList{"choose Lutris Games/aoe", "choose CrossOver .cxoffice/AoE"};
    const QString flatpak = ".var/app/";
    QTest::newRow("a prefix in each front-end's place, offered in the search's order")
        << QStringList{"live:.cxoffice/AoE",
                       "live:" + flatpak +
                           "com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/7/pfx",
                       "live:.PlayOnLinux/wineprefix/AoE",
                       "live:Games/Heroic/Prefixes/default/AoE",
                       "live:.local/share/bottles/bottles/AoE",
                       "live:lutris-aoe",
                       "file:" + flatpak +
                           "net.lutris.Lutris/config/lutris/games/aoe.yml=game:\n"
                           "  prefix: $HOME/lutris-aoe\n",
                       "live:.local/share/wineprefixes/aoe",
                       "live:.wine"}
        << QStringList{"choose Wine .wine",
                       "choose winetricks .local/share/wineprefixes/aoe",
                       "choose Lutris lutris-aoe",
                       "choose Bottles .local/share/bottles/bottles/AoE",
                       "choose Heroic Games/Heroic/Prefixes/default/AoE",
                       "choose PlayOnLinux .PlayOnLinux/wineprefix/AoE",
                       "choose Steam (Proton) " + flatpak +
                           "com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/7/pfx",
                       "choose CrossOver .cxoffice/AoE"};
    QTest::newRow("no prefix holds the game")
        << QStringList{"bare:.wine", "bare:Games/x"} << QStringList{};
    QTest::newRow("WINEPREFIX at compatdata/<id>")
        << QStringList{"env:WINEPREFIX=$HOME/compatdata/7", "bare:compatdata/7/pfx", "live:.wine"}
        << QStringList{"use compatdata/7/pfx"};
    QTest::newRow("WINEPREFIX at a folder that is no prefix")
        << QStringList{"env:WINEPREFIX=$HOME/Games", "live:Games/aoe"}
        << QStringList{"not a prefix Games", "use Games/aoe"};
    QTest::newRow("Steam's library list is a named pipe")
        << QStringList{"pipe:.local/share/Steam/steamapps/libraryfolders.vdf", "live:.wine"}
        << QStringList{"use .wine"};
    QTest::newRow("Lutris and Heroic files are links to a pipe, and a device")
        << QStringList{"pipe:fifo", "link:.local/share/lutris/games/aoe.yml=$HOME/fifo",
                       "link:.config/heroic/GamesConfig/a.json=/dev/zero", "live:Games/aoe"}
        << QStringList{"use Games/aoe"};
    QTest::newRow("a Steam library on a mount that does not answer")
        << QStringList{"stalled:library",
                       "file:.steam/steam/steamapps/libraryfolders.vdf=\"1\" { \"path\" "
                       "\"$HOME/library\" }",
                       "live:.PlayOnLinux/wineprefix/AoE"}
        << QStringList{"use .PlayOnLinux/wineprefix/AoE"};
    QTest::newRow("a Lutris prefix on a mount that does not answer, a live one beside")
        << QStringList{"stalled:mnt", "live:Games/aoe",
                       "file:.local/share/lutris/games/a.yml=game:\n  prefix: $HOME/mnt/aoe\n"}
        << QStringList{"use Games/aoe"};
    const QString steam = ".local/share/Steam/";
    QTest::newRow("each prefix named as its front-end names the game")
        << QStringList{"live:Games/aoe",
                       "file:.local/share/lutris/games/aoe.yml=name: Age of Empires\ngame:\n"
                       "  prefix: $HOME/Games/aoe\n",
                       "live:.local/share/bottles/bottles/AoE",
                       "file:.local/share/bottles/bottles/AoE/bottle.yml=Name: AoE Gold\n",
                       "live:heroic/Quail",
                       "file:.config/heroic/GamesConfig/Quail.json={\"Quail\": {\"winePrefix\": "
                       "\"$HOME/heroic/Quail\"}}",
                       "file:.config/heroic/store_cache/gog_library.json={\"games\": "
                       "[{\"app_name\": \"Quail\", \"title\": \"Age: Definitive\"}]}",
                       "live:" + steam + "steamapps/compatdata/221380/pfx",
                       "file:" + steam +
                           "steamapps/appmanifest_221380.acf=\"AppState\"\n{\n"
                           "\t\"appid\"\t\"221380\"\n\t\"name\"\t\"Age of Empires II\"\n}\n",
                       "live:" + steam + "steamapps/compatdata/3123456789/pfx",
                       "shortcut:" + steam + "userdata/42/config/shortcuts.vdf=3123456789,Rise"}
        << QStringList{"choose Lutris Games/aoe as Age of Empires",
                       "choose Bottles .local/share/bottles/bottles/AoE as AoE Gold",
                       "choose Heroic heroic/Quail as Age: Definitive",
                       "choose Steam (Proton) " + steam +
                           "steamapps/compatdata/221380/pfx as Age of Empires II",
                       "choose Steam (Proton) " + steam +
                           "steamapps/compatdata/3123456789/pfx as Rise"};
    QTest::newRow("names that cannot be read: the folders' names")
        << QStringList{"live:Games/aoe",
                       "pipe:.local/share/lutris/games/aoe.yml",
                       "live:.local/share/bottles/bottles/AoE",
                       "file:.local/share/bottles/bottles/AoE/bottle.yml=Name: [open\n",
                       "live:" + steam + "steamapps/compatdata/221380/pfx",
                       "file:" + steam + "steamapps/appmanifest_221380.acf=\"AppState\" { \"",
                       "live:" + steam + "steamapps/compatdata/3123456789/pfx",
                       "shortcut:" + steam + "userdata/42/config/shortcuts.vdf=3123456788,Other"}
        << QStringList{"choose Lutris Games/aoe", "choose Bottles .local/share/bottles/bottles/AoE",
                       "choose Steam (Proton) " + steam + "steamapps/compatdata/221380/pfx",
                       "choose Steam (Proton) " + steam + "steamapps/compatdata/3123456789/pfx"};
    QTest::newRow("WINEPREFIX relative to the current directory, the home")
        << QStringList{"env:WINEPREFIX=Games/aoe", "live:Games/aoe"}
        << QStringList{"use Games/aoe"};
}

void TestGamePrefix::decide()
{
    QFETCH(QStringList, world);
    QFETCH(QStringList, decided);
    QTemporaryDir scratch;
    const QString home = QFileInfo(scratch.path()).canonicalFilePath();
    const QList<QByteArray> variables{"HOME", "WINEPREFIX", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};
    QList<std::optional<QByteArray>> saved;
    for (const QByteArray& name : variables) {
        saved << (qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qunsetenv(name);
    }
    qputenv("HOME", QFile::encodeName(home));
    QDir::setCurrent(home);
    std::vector<std::unique_ptr<StalledMount>> stalled;
    for (QString entry : world) {
        entry.replace("$HOME", home);
        const QString kind = entry.section(':', 0, 0), rest = entry.section(':', 1);
        const QString name = rest.section('=', 0, 0), value = rest.section('=', 1);
        if (kind == "env") {
            qputenv(name.toLatin1(), value.toUtf8());
        } else if (kind == "file") {
            WorldFiles::writeFile(home + '/' + name, value.toUtf8());
        } else if (kind == "shortcut") {
            WorldFiles::writeFile(
                home + '/' + name,
                shortcutsFile(value.section(',', 0, 0).toUInt(), value.section(',', 1).toUtf8()));
        } else if (kind == "pipe") {
            QDir().mkpath(QFileInfo(home + '/' + name).path());
            QVERIFY(::mkfifo(QFile::encodeName(home + '/' + name).constData(), 0600) == 0);
        } else if (kind == "link") {
            QDir().mkpath(QFileInfo(home + '/' + name).path());
            QVERIFY(QFile::link(value, home + '/' + name));
        } else if (kind == "stalled") {
            stalled.push_back(std::make_unique<StalledMount>(home + '/' + name));
            if (!stalled.back()->isMounted())
                QSKIP("no FUSE file system can be mounted here (python3-fusepy, /dev/fuse)");
        } else {
            makePrefix(home + '/' + rest, kind);
        }
    }

    // Short, so that the places that never answer cost the test little.
    Lookout lookout(std::chrono::milliseconds(500));
    const GamePrefix::Decision decision =
        GamePrefix::decide(PrefixSearch::Roots::fromEnvironment(), lookout);
    for (qsizetype i = 0; i < variables.size(); ++i)
        saved[i] ? qputenv(variables[i], *saved[i]) : qunsetenv(variables[i]);

    const QDir relative(home);
    QStringList seen;
    if (!decision.notAPrefix.isEmpty())
        seen << "not a prefix " + relative.relativeFilePath(decision.notAPrefix);
    if (QDir::isAbsolutePath(decision.prefix))
        seen << "use " + relative.relativeFilePath(decision.prefix);
    for (const GamePrefix::Candidate& choice : decision.choices)
        seen << "choose " + choice.prefix.frontEnd + ' ' +
                    relative.relativeFilePath(choice.prefix.folder) +
                    (choice.prefix.gameName.isEmpty() ? QString()
                                                      : " as " + choice.prefix.gameName);
    QCOMPARE(seen, decided);
}

QTEST_GUILESS_MAIN(TestGamePrefix)
#include "tst_game_prefix.moc"
