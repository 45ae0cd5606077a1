#include "Cp1252.h"
#include "DemoWorld.h"
#include "FileSystem.h"
#include "Registry.h"
#include "UninstallEntry.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

// The text at byte 20 up to its zero, as the installer shows a description.
QString descriptionOf(const QString& hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray head = file.read(2049);
    return Cp1252::decode(head.mid(20).left(head.mid(20).indexOf('\0')));
}

} // namespace

// The demo as the installer sees it: through the Wine prefix and from the medium.
class TestDemoWorld : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void scenarioFolders_data();
    void scenarioFolders();
    void campaignsHaveCompanions();
    void gameFolderFromTheRegistry();
    void duplicateWaitsInTheGameFolder();
    void withoutGameEntry();
    void replacesOnlyAnEarlierDemo();
    void introVideo();

private:
    QTemporaryDir m_dir;
    QString m_oldCurrent;
    QByteArray m_oldPrefix;
};

void TestDemoWorld::initTestCase()
{
    QVERIFY(m_dir.isValid());
    DemoOptions options;
    options.intro = false;
    options.userName = "tester";
    DemoWorld::make(m_dir.filePath("world"), options);
    m_oldCurrent = QDir::currentPath();
    m_oldPrefix = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", m_dir.filePath("world/prefix").toLocal8Bit());
    QVERIFY(QDir::setCurrent(m_dir.filePath("world/medium")));
}

void TestDemoWorld::cleanupTestCase()
{
    QDir::setCurrent(m_oldCurrent);
    qputenv("WINEPREFIX", m_oldPrefix);
}

void TestDemoWorld::scenarioFolders_data()
{
    QTest::addColumn<QString>("folder");
    for (const char* folder : {"HISTSCR", "CRAZYSCR", "REALMAP", "CAMPAIGN"})
        QTest::newRow(folder) << folder;
}

void TestDemoWorld::scenarioFolders()
{
    QFETCH(QString, folder);
    const QList<DirEntry> entries = FileSystem::list(folder + "\\*.??n", ListFilter::Everything);
    QVERIFY2(entries.size() >= 6 && entries.size() <= 12,
             qPrintable(QString::number(entries.size())));
    for (const DirEntry& entry : entries) {
        QVERIFY2(entry.size >= 3 * 1024 && entry.size <= 400 * 1024, qPrintable(entry.name));
        if (folder != "CAMPAIGN") {
            const QString description = descriptionOf(folder + '/' + entry.name);
            QVERIFY2(description.contains("\r\n"), qPrintable(entry.name));
        }
    }
}

void TestDemoWorld::campaignsHaveCompanions()
{
    bool accented = false;
    for (const DirEntry& entry : FileSystem::list("CAMPAIGN\\*.??n", ListFilter::Everything)) {
        QString companion = entry.name;
        companion.back() = entry.name.back() == 'N' ? 'D' : 'd';
        const QString description = descriptionOf("CAMPAIGN/" + companion);
        QVERIFY2(description.startsWith(entry.name.section('.', 0, -2)), qPrintable(companion));
        accented =
            accented || description.contains(QChar(0xe8)) || description.contains(QChar(0xe6));
    }
    QVERIFY(accented); // è in "Athènes", æ in "Cannæ": Windows-1252 bytes above 0x7F
}

void TestDemoWorld::gameFolderFromTheRegistry()
{
    const auto key = RegistryKey::open(RegistryRoot::LocalMachine, UninstallEntry::key, true);
    QVERIFY(key.has_value());
    QCOMPARE(key->readString("UninstallString"), "C:\\WINDOWS\\uninst.exe -f\"" +
                                                     DemoWorld::gameFolderWindowsPath() +
                                                     "\\DeIsL1.isu\"");
    // Written by a 32-bit installer: a 64-bit program's view does not see it.
    QVERIFY(!RegistryKey::open(RegistryRoot::LocalMachine, UninstallEntry::key, false).has_value());

    QVERIFY(FileSystem::folderExists(DemoWorld::gameFolderWindowsPath()));
    QVERIFY(FileSystem::folderExists(DemoWorld::gameFolderWindowsPath() + "\\SCENARIO"));
    QVERIFY(!FileSystem::folderExists(DemoWorld::gameFolderWindowsPath() + "\\CAMPAIGN"));
    QCOMPARE(
        RegistryKey::open(RegistryRoot::CurrentUser,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders")
            ->readString("Desktop"),
        QString("C:\\users\\tester\\Desktop"));
}

void TestDemoWorld::duplicateWaitsInTheGameFolder()
{
    const QString name = DemoWorld::preinstalledScenario();
    QVERIFY(FileSystem::fileExists("HISTSCR\\" + name));
    QVERIFY(FileSystem::fileExists(DemoWorld::gameFolderWindowsPath() + "\\SCENARIO\\" + name));
}

void TestDemoWorld::withoutGameEntry()
{
    QTemporaryDir dir;
    DemoOptions options;
    options.intro = false;
    options.gameEntry = false;
    DemoWorld::make(dir.path(), options);
    const QByteArray saved = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", dir.filePath("prefix").toLocal8Bit());
    const bool found =
        RegistryKey::open(RegistryRoot::LocalMachine, UninstallEntry::key, true).has_value();
    qputenv("WINEPREFIX", saved);
    QVERIFY(!found);
}

void TestDemoWorld::replacesOnlyAnEarlierDemo()
{
    QTemporaryDir dir;
    DemoOptions options;
    options.intro = false;
    DemoWorld::make(dir.path(), options);
    const QString stray = DemoWorld::gameFolder(dir.filePath("prefix")) + "/SCENARIO/stray.scn";
    QVERIFY(QFile(stray).open(QIODevice::WriteOnly));
    DemoWorld::make(dir.path(), options);
    QVERIFY(!QFile::exists(stray));

    QTemporaryDir someoneElses;
    QVERIFY(QFile(someoneElses.filePath("notes.txt")).open(QIODevice::WriteOnly));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, DemoWorld::make(someoneElses.path(), options));
    QVERIFY(QFile::exists(someoneElses.filePath("notes.txt")));
}

void TestDemoWorld::introVideo()
{
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
        QSKIP("ffmpeg is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath("Intro.avi");
    DemoWorld::makeIntroVideo(path, 1);
    QFile video(path);
    QVERIFY(video.open(QIODevice::ReadOnly));
    const QByteArray head = video.read(12);
    QCOMPARE(head.left(4), QByteArray("RIFF"));
    QCOMPARE(head.mid(8, 4), QByteArray("AVI "));
}

QTEST_GUILESS_MAIN(TestDemoWorld)
#include "tst_demo_world.moc"
