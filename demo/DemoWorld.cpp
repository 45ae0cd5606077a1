#include "DemoWorld.h"

#include "Cp1252.h"
#include "Registry.h"
#include "ScenarioFile.h"
#include "WorldBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

using WorldFiles::makeFolder;
using WorldFiles::writeFile;

// A file that marks a folder as made by this program, so that a re-run may replace it.
const char* const demoMark = ".korvane-demo";

struct PackFile
{
    const char* folder;
    const char* name;
    qint64 size;
    const char* description; // UTF-8 here, Windows-1252 in the file
};

// The pack: invented titles on ancient history, of many sizes, with both cases of extension.
const PackFile pack[] = {
    {"HISTSCR", "Kadesh, 1274 BC.scn", 214 * 1024,
     "Kadesh, 1274 BC\r\n\r\nRamsès II leads four divisions north along the Orontes. The Hittite "
     "chariots wait behind the city. Hold the camp until Amun’s division arrives."},
    {"HISTSCR", "The Walls of Jericho.scn", 36 * 1024,
     "The Walls of Jericho\r\n\r\nSeven days, seven circuits. Break the oldest walls in the "
     "world before the caravans from Moab relieve them."},
    {"HISTSCR", "MARATHON.SCN", 128 * 1024,
     "Marathon, 490 BC\r\n\r\nMiltiadès must hold the plain with the Athenian hoplites and the "
     "men of Platæa until the Persian cavalry leaves the field."},
    {"HISTSCR", "Thermopylae - The Hot Gates.scn", 301 * 1024,
     "The Hot Gates\r\n\r\nThree hundred Spartans, seven hundred Thespians — and a goat path "
     "over the mountain. How long can the pass be held?"},
    {"HISTSCR", "Salamis.scn", 77 * 1024,
     "Salamis\r\n\r\nThémistoclès lures the Great King’s fleet into the straits. Sink forty "
     "triremes before the sun sets on Xerxès’ throne."},
    {"HISTSCR", "Fall of Babylon.Scn", 398 * 1024,
     "The Fall of Babylon\r\n\r\nCyrus turns the Euphrates aside and marches along its bed. "
     "Take the palace while Belshazzar feasts."},
    {"HISTSCR", "Hammurabi's Law.scn", 3 * 1024 + 200,
     "Hammurabi’s Law\r\n\r\nUnite Sumer and Akkad under one code. A short scenario for one "
     "player."},
    {"HISTSCR", "The Sea Peoples.scn", 156 * 1024,
     "The Sea Peoples\r\n\r\nShips without number darken the Delta. Defend Égypte with the "
     "archers of Medinet Habu."},
    {"CRAZYSCR", "Chariot Derby.scn", 12 * 1024,
     "Chariot Derby\r\n\r\nEight teams, one hippodrome, no rules. First to seven laps wins "
     "the laurel — and the emperor’s façade of good humour."},
    {"CRAZYSCR", "Elephant Stampede.scn", 233 * 1024,
     "Elephant Stampede\r\n\r\nThe war elephants have escaped the stables of Carthage. Herd "
     "them back before they trample the granary."},
    {"CRAZYSCR", "Priests vs. Pirates.SCN", 64 * 1024,
     "Priests vs. Pirates\r\n\r\nConvert the corsairs of Cilicia, one galley at a time. A "
     "naïve plan, said the admiral."},
    {"CRAZYSCR", "catapult golf.scn", 5 * 1024,
     "Catapult Golf\r\n\r\nEighteen holes across the Nile. Par is three stones. Mind the "
     "crocodiles."},
    {"CRAZYSCR", "Hoplite Hold-'Em.scn", 92 * 1024,
     "Hoplite Hold-’Em\r\n\r\nEvery phalanx holds one card: a wonder, a plague or a flood. "
     "Bluff your way to the Acropolis."},
    {"CRAZYSCR", "The Great Wall of Sand.scn", 189 * 1024,
     "The Great Wall of Sand\r\n\r\nBuild a wall from the sea to the dunes with nothing but "
     "villagers and patience. Zoë the architect insists."},
    {"REALMAP", "Nile Delta.scn", 350 * 1024,
     "The Nile Delta\r\n\r\nA true map of the seven branches of the river, from Memphis to the "
     "sea. Four players, rich in fish and papyrus."},
    {"REALMAP", "Aegean Islands.scn", 276 * 1024,
     "The Ægean\r\n\r\nCrete, Thera, Naxos and Délos: a map for navies. Whoever holds the "
     "straits holds the trade."},
    {"REALMAP", "MESOPOTAMIA.SCN", 311 * 1024,
     "Mesopotamia\r\n\r\nBetween the two rivers: Ur, Uruk, Kish and Nippur on their true "
     "sites. Six players."},
    {"REALMAP", "Peloponnese.scn", 143 * 1024,
     "The Peloponnese\r\n\r\nSparta, Argos and Corinth on their hills; Olympia in its "
     "valley. Mountain passes decide everything."},
    {"REALMAP", "Land of Canaan.scn", 98 * 1024,
     "The Land of Canaan\r\n\r\nFrom Tyre to Gaza, with the Jordan and the Dead Sea. Œcumenical "
     "trade, constant war."},
    {"REALMAP", "Anatolian Plateau.scn", 205 * 1024,
     "The Anatolian Plateau\r\n\r\nHattusa on its rock, the Halys at its feet. Cold winters, "
     "scarce gold."},
    {"REALMAP", "crete.scn", 47 * 1024,
     "Crete\r\n\r\nKnossós, Phaistós and Mália: a small island map for two players."},
};

struct Campaign
{
    const char* name; // the campaign file; its companion ends in "d" instead of "n"
    qint64 size;
    const char* description;
};

const Campaign campaigns[] = {
    {"Sons of the Nile.cpn", 380 * 1024,
     "Sons of the Nile\r\n\r\nFive scenarios from the first dynasty to the pyramids of Gîza. "
     "Unite the Two Lands under Narmer’s crown."},
    {"Mr. Darius Goes West.cpn", 122 * 1024,
     "Mr. Darius Goes West\r\n\r\nA comic campaign in four parts: the Great King tries, and "
     "tries again, to reach Athènes."},
    {"The Bronze Collapse.CPN", 260 * 1024,
     "The Bronze Collapse\r\n\r\nSix scenarios as the palaces of Mycenae, Ugarit and Hattusa "
     "fall one after another."},
    {"Hannibal.cpn", 41 * 1024,
     "Hannibal\r\n\r\nFrom Carthago Nova over the Alps to Cannæ — and back to Zama."},
    {"Daughters of Ur.cpn", 9 * 1024,
     "Daughters of Ur\r\n\r\nThree short scenarios of the priestess Enheduanna."},
    {"Legions of the Rhône.cpn", 188 * 1024,
     "Legions of the Rhône\r\n\r\nCésar’s first years in Gaul, in five scenarios."},
};

QByteArray toCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const int code = Cp1252::code(c);
        bytes.append(static_cast<char>(code < 0 ? '?' : code));
    }
    return bytes;
}

quint32 seedOf(const QString& name)
{
    return static_cast<quint32>(qHash(name, 1998));
}

// A campaign file as the game keeps one: its name in a 256-byte field, then its scenarios.
QByteArray campaignFile(const Campaign& campaign)
{
    QByteArray bytes("1.00");
    QByteArray title = toCp1252(QString::fromUtf8(campaign.name).section('.', 0, -2));
    title.resize(256, '\0');
    bytes.append(title);
    const quint32 seed = seedOf(campaign.name);
    bytes.append(makeScenarioFile(QByteArray(), campaign.size - bytes.size(), seed));
    return bytes;
}

QString userNameOf(const DemoOptions& options)
{
    if (!options.userName.isEmpty())
        return options.userName;
    for (const char* variable : {"USER", "LOGNAME"})
        if (const QString user = qEnvironmentVariable(variable); !user.isEmpty())
            return user;
    return QStringLiteral("player");
}

QString ffmpegText(const QString& text)
{
    return "'" + QString(text).replace(":", "\\:") + "'";
}

} // namespace

namespace DemoWorld {

QString gameFolderWindowsPath()
{
    return QStringLiteral("C:\\Program Files\\Microsoft Games\\Age of Empires");
}

QString gameFolder(const QString& prefix)
{
    return prefix + "/drive_c/Program Files/Microsoft Games/Age of Empires";
}

QString preinstalledScenario()
{
    return QStringLiteral("Salamis.scn");
}

void makeIntroVideo(const QString& path, int seconds)
{
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty())
        throw std::runtime_error("ffmpeg is missing: it makes the intro video");

    QTemporaryDir work;
    const QString background = work.filePath("background.png");
    if (!work.isValid() || !QFile::copy(":/images/background.png", background))
        throw std::runtime_error("cannot unpack the background picture");

    const QString font = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf";
    const QString fade = QString::number(seconds - 0.6);
    QString video = "[0:v]scale=960:720,zoompan=z='1+0.004*on':x='iw/2-(iw/zoom/2)':"
                    "y='ih/2-(ih/zoom/2)':d=1:s=320x240:fps=15";
    if (QFileInfo::exists(font)) {
        const QString title = "drawtext=fontfile=" + font + ":text=" + ffmpegText("KORVANE") +
                              ":fontcolor=0xF4D27A:fontsize=36:borderw=2:bordercolor=0x3A1E08:"
                              "x=(w-text_w)/2:y=40:alpha='min(1,t/1.5)'";
        const QString subtitle = "drawtext=fontfile=" + font +
                                 ":text=" + ffmpegText("Tales of the Ancient World") +
                                 ":fontcolor=0xFFF0C8:fontsize=18:borderw=2:bordercolor=0x3A1E08:"
                                 "x=(w-text_w)/2:y=82:alpha='min(1,max(0,(t-1)/1.5))'";
        video += "," + title + "," + subtitle;
    }
    video += ",fade=t=out:st=" + fade + ":d=0.6[v]";

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, {"-y",
                           "-loglevel",
                           "error",
                           "-loop",
                           "1",
                           "-framerate",
                           "15",
                           "-i",
                           background,
                           "-f",
                           "lavfi",
                           "-i",
                           "sine=frequency=196:sample_rate=22050:beep_factor=2",
                           "-t",
                           QString::number(seconds),
                           "-filter_complex",
                           video,
                           "-map",
                           "[v]",
                           "-map",
                           "1:a",
                           "-c:v",
                           "mjpeg",
                           "-q:v",
                           "3",
                           "-pix_fmt",
                           "yuvj420p",
                           "-c:a",
                           "pcm_s16le",
                           "-ac",
                           "1",
                           path});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error("ffmpeg could not make the intro video: " +
                                 process.readAll().toStdString());
}

void makeMedium(const WorldBuilder& world, const DemoOptions& options)
{
    const QString medium = world.medium();
    for (const PackFile& file : pack)
        writeFile(medium + '/' + file.folder + '/' + file.name,
                  makeScenarioFile(toCp1252(QString::fromUtf8(file.description)), file.size,
                                   seedOf(file.name)));
    for (const Campaign& campaign : campaigns) {
        const QString name = QString::fromUtf8(campaign.name);
        writeFile(medium + "/CAMPAIGN/" + name, campaignFile(campaign));
        // X.cpn has its description in X.cpd, X.CPN in X.CPD.
        QString companion = name;
        companion.back() = name.back() == 'N' ? 'D' : 'd';
        writeFile(medium + "/CAMPAIGN/" + companion,
                  makeScenarioFile(toCp1252(QString::fromUtf8(campaign.description)), 2600,
                                   seedOf(companion)));
    }
    writeFile(medium + "/ReadMe.txt",
              "Tales of the Ancient World - a scenario pack.\r\nStart the installer from this "
              "folder.\r\n");
    if (options.intro)
        makeIntroVideo(medium + "/Intro.avi", options.introSeconds);
}

void makePrefix(PrefixBuilder& builder, const DemoOptions& options)
{
    const QString user = userNameOf(options);
    const QString prefix = builder.prefix();
    const QString game = gameFolder(prefix);
    builder.addDrive(u'z', "/");
    makeFolder(prefix + "/drive_c/windows/system32");
    makeFolder(prefix + "/drive_c/users/" + user + "/Desktop");
    makeFolder(game + "/SCENARIO");
    makeFolder(game + "/avi");
    writeFile(prefix + "/drive_c/windows/uninst.exe", QByteArray("MZ", 2) + QByteArray(510, '\0'));
    writeFile(game + "/Empires.exe", QByteArray("MZ", 2) + QByteArray(4094, '\0'));
    writeFile(game + "/DeIsL1.isu", QByteArray(1024, '\0'));
    // An older copy of one pack file, so that installing it asks whether to overwrite.
    writeFile(game + "/SCENARIO/" + preinstalledScenario(),
              makeScenarioFile("Salamis (first edition)", 40 * 1024, 480));

    builder.addShellNames();
    builder.setSystemString("Software\\Classes\\" + ShellKeys::recycleBinClass + "\\DefaultIcon",
                            "", "C:\\windows\\system32\\shell32.dll,-33");
    // Where the game's 32-bit installer writes in a 64-bit prefix, in its log form.
    if (options.gameEntry)
        builder.setUninstallString(
            "C:\\WINDOWS\\uninst.exe -f\"" + gameFolderWindowsPath() + "\\DeIsL1.isu\"", true);
    builder.setUserString(ShellKeys::shellFolders, "Desktop", "C:\\users\\" + user + "\\Desktop");
    builder.setUserString(ShellKeys::shellFolders, "Personal",
                          "C:\\users\\" + user + "\\Documents");
}

void make(const QString& folder, const DemoOptions& options)
{
    QDir root(folder);
    if (root.exists() && !root.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) &&
        !root.exists(demoMark))
        throw std::runtime_error(
            ("refusing to replace " + folder + ": it holds something other than a demo")
                .toStdString());
    for (const char* part : {"medium", "prefix"}) {
        QDir old(root.filePath(part));
        if (old.exists() && !old.removeRecursively())
            throw std::runtime_error(("cannot remove " + old.path()).toStdString());
    }
    writeFile(root.filePath(demoMark), "made by make_demo\n");
    WorldBuilder world(folder);
    makeMedium(world, options);
    makePrefix(world, options);
}

} // namespace DemoWorld
