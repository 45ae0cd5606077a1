#include "DuplicatePrompt.h"
#include "Errors.h"
#include "FileSystem.h"
#include "Guarded.h"
#include "InstallRun.h"
#include "ProgramState.h"
#include "ScenarioCatalogue.h"
#include "ScenarioFile.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"
#include "TestWorld.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>

namespace {

// The window's side of a run, answering the duplicate question from a script.
class ScriptedUi : public InstallRunUi
{
public:
    QList<int> answers;
    QStringList asked;
    QStringList statuses;
    QList<int> fileProgress;
    QList<int> overallProgress;
    int freeSpaceRefreshes = 0;
    std::function<void()> whileAsking;
    std::function<void()> whileCopying; // runs when a "Copying" status shows
    std::function<void()> onFreeSpace;
    std::function<void()> gameFolderCheck;

    void showStatus(const QString& text) override
    {
        statuses << text;
        if (whileCopying && text.startsWith(QLatin1String("Copying")))
            whileCopying();
    }
    void setFileProgress(int percent) override { fileProgress << percent; }
    void setOverallProgress(int percent) override { overallProgress << percent; }
    void showFreeSpace() override
    {
        ++freeSpaceRefreshes;
        if (onFreeSpace)
            onFreeSpace();
    }
    int askDuplicate(const QString& destinationPath) override
    {
        asked << destinationPath;
        if (whileAsking)
            whileAsking();
        return answers.isEmpty() ? int(SkipFile) : answers.takeFirst();
    }
    void checkGameFolder() override
    {
        if (gameFolderCheck)
            gameFolderCheck();
    }
};

// A medium, a game folder C:\Game with its SCENARIO folder, the program's state and a list.
struct Installation
{
    TestWorld world;
    ProgramState state;
    ScenarioListModel list;
    ScriptedUi ui;
    InstallRun run{state, list, ui};

    Installation()
    {
        world.makeFolder(QStringLiteral("prefix/drive_c/Game/SCENARIO"));
        state.gameFolder = QStringLiteral("C:\\Game");
    }

    QByteArray addSource(const QString& name, qint64 size, const QString& folder = "HISTSCR")
    {
        const QByteArray bytes =
            size == 0 ? QByteArray()
                      : makeScenarioFile("Scenario " + name.toLatin1(), size, qHash(name));
        world.writeFile(QStringLiteral("medium/%1/%2").arg(folder, name), bytes);
        return bytes;
    }
    QString sourcePath(const QString& name, const QString& folder = "HISTSCR") const
    {
        return QStringLiteral("%1/%2/%3").arg(world.medium(), folder, name);
    }
    QString gameFolderPath(const QString& subfolder = "SCENARIO") const
    {
        return world.driveC() + QStringLiteral("/Game/") + subfolder;
    }
    void addExisting(const QString& name)
    {
        world.writeFile(QStringLiteral("prefix/drive_c/Game/SCENARIO/") + name, oldBytes(name));
    }
    static QByteArray oldBytes(const QString& name) { return "the old " + name.toLatin1(); }

    // The list of a type, everything ticked.
    void openAndTickAll(int type = 0)
    {
        ScenarioTypes::selectTypeFolders(state, type);
        ScenarioCatalogue::fillFileList(list, state.sourceFolder);
        list.setAllTicks(true);
        ScenarioCatalogue::countTicked(state, list);
    }

    // Runs and returns the message of the error that ended the run, empty when none did.
    QString runCatchingError()
    {
        try {
            run.start();
        } catch (const Exception& error) {
            return errorBoxText(error.message());
        }
        return {};
    }

    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QByteArray installed(const QString& name, const QString& subfolder = "SCENARIO") const
    {
        QFile file(gameFolderPath(subfolder) + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
    }
};

QString copying(const QString& name)
{
    return QStringLiteral("Copying %1 ...").arg(name);
}

const QStringList fiveNames{"a.scn", "b.scn", "c.scn", "d.scn", "e.scn"};

} // namespace

class TestInstallRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void duplicateAnswers_data();
    void duplicateAnswers();
    void copiesEveryByte();
    void followsTheDisplayOrder();
    void shortWritesGoOn();
    void failures_data();
    void failures();
    void overwritesTheNameOnDisk();
    void readOnlySources();
    void theFileBeingWrittenIsHidden();
    void emptyFiles();
    void secondRunCountsFromZero();
    void flagsStartAfreshEachRun();
    void gameFolder_data();
    void gameFolder();
    void cannotStartTwiceNorChangeTheList();
};

void TestInstallRun::cleanup()
{
    FileFaults::clearFaults();
}

void TestInstallRun::duplicateAnswers_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("asked");  // the files the prompt named
    QTest::addColumn<QString>("result"); // per file a..e: n new, o old, - absent

    // a to d exist already, e does not.
    QTest::newRow("skip each") << QList<int>{11, 11, 11, 11} << "abcd"
                               << "oooon";
    QTest::newRow("skip all") << QList<int>{12} << "a"
                              << "oooon";
    QTest::newRow("overwrite each") << QList<int>{13, 13, 13, 13} << "abcd"
                                    << "nnnnn";
    QTest::newRow("overwrite all") << QList<int>{14} << "a"
                                   << "nnnnn";
    QTest::newRow("skip, then overwrite all") << QList<int>{11, 14} << "ab"
                                              << "onnnn";
    QTest::newRow("overwrite, then skip all") << QList<int>{13, 12} << "ab"
                                              << "nooon";
    QTest::newRow("cancel on the third file") << QList<int>{11, 13, 15} << "abc"
                                              << "onoo-";
    QTest::newRow("prompt closed on the first file") << QList<int>{2} << "a"
                                                     << "oooo-";
    QTest::newRow("prompt closed on the second file") << QList<int>{13, 2} << "ab"
                                                      << "nooo-";
    QTest::newRow("any other answer copies") << QList<int>{1, 0, 16, 1} << "abcd"
                                             << "nnnnn";
}

void TestInstallRun::duplicateAnswers()
{
    QFETCH(QList<int>, answers);
    QFETCH(QString, asked);
    QFETCH(QString, result);

    Installation setup;
    QHash<QString, QByteArray> fresh;
    for (const QString& name : fiveNames)
        fresh[name] = setup.addSource(name, 3000 + 1000 * fresh.size());
    for (const QString& name : fiveNames.mid(0, 4))
        setup.addExisting(name);
    setup.openAndTickAll();
    setup.ui.answers = answers;

    QCOMPARE(setup.runCatchingError(), QString());

    QStringList expectedAsked;
    for (QChar letter : asked)
        expectedAsked << QStringLiteral("C:\\Game\\SCENARIO\\%1.scn").arg(letter);
    QCOMPARE(setup.ui.asked, expectedAsked);
    QStringList present;
    for (int i = 0; i < fiveNames.size(); ++i) {
        const QString& name = fiveNames.at(i);
        const QByteArray expected = result.at(i) == QLatin1Char('n') ? fresh.value(name)
                                    : result.at(i) == QLatin1Char('o')
                                        ? Installation::oldBytes(name)
                                        : QByteArray("<absent>");
        QVERIFY2(setup.installed(name) == expected, qPrintable(name));
        if (result.at(i) != QLatin1Char('-'))
            present << name;
    }
    QCOMPARE(setup.filesIn(setup.gameFolderPath()), present);
    QCOMPARE(setup.ui.statuses.last(), QStringLiteral("Ready."));
    QCOMPARE(setup.ui.freeSpaceRefreshes, result.count(QLatin1Char('n')));
}

void TestInstallRun::copiesEveryByte()
{
    Installation setup;
    const QByteArray big = setup.addSource(QStringLiteral("big.scn"), 1024 * 1024 + 1);
    const QByteArray block = setup.addSource(QStringLiteral("block.scn"), 2048);
    const QByteArray campaign =
        setup.addSource(QStringLiteral("camp.cpn"), 70001, QStringLiteral("CAMPAIGN"));
    setup.openAndTickAll();
    QCOMPARE(setup.runCatchingError(), QString());
    QVERIFY(setup.installed(QStringLiteral("big.scn")) == big);
    QVERIFY(setup.installed(QStringLiteral("block.scn")) == block);
    QCOMPARE(setup.ui.statuses, (QStringList{copying("big.scn"), copying("block.scn"), "Ready."}));
    QCOMPARE(setup.state.copiedTotal, qint64(big.size() + block.size()));
    QCOMPARE(setup.ui.fileProgress.last(), 100);
    QCOMPARE(setup.ui.overallProgress.last(), 100);

    setup.openAndTickAll(ScenarioTypes::Campaigns);
    QCOMPARE(setup.runCatchingError(), QString());
    QVERIFY(setup.installed(QStringLiteral("camp.cpn"), QStringLiteral("CAMPAIGN")) == campaign);
}

void TestInstallRun::followsTheDisplayOrder()
{
    Installation setup;
    setup.addSource(QStringLiteral("small.scn"), 3000);
    setup.addSource(QStringLiteral("big.scn"), 9000);
    setup.addSource(QStringLiteral("middle.scn"), 6000);
    setup.addSource(QStringLiteral("skipped.scn"), 7000);
    setup.openAndTickAll();
    setup.list.clickColumn(ScenarioListModel::SizeColumn);
    setup.list.clickColumn(ScenarioListModel::SizeColumn);
    setup.list.setTicked(1, false); // skipped.scn, second largest
    ScenarioCatalogue::countTicked(setup.state, setup.list);

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.ui.statuses, (QStringList{copying("big.scn"), copying("middle.scn"),
                                             copying("small.scn"), "Ready."}));
    QCOMPARE(setup.filesIn(setup.gameFolderPath()),
             (QStringList{"big.scn", "middle.scn", "small.scn"}));
}

void TestInstallRun::shortWritesGoOn()
{
    Installation setup;
    const QByteArray fresh = setup.addSource(QStringLiteral("a.scn"), 10001);
    setup.openAndTickAll();
    FileFaults::shortWritesOf(333);

    QCOMPARE(setup.runCatchingError(), QString());
    QVERIFY(setup.installed(QStringLiteral("a.scn")) == fresh);
    QCOMPARE(setup.state.copiedTotal, qint64(10001));
    QCOMPARE(setup.ui.statuses.last(), QStringLiteral("Ready."));
}

Q_DECLARE_METATYPE(std::function<void(Installation&)>)
using Setup = std::function<void(Installation&)>;

void TestInstallRun::failures_data()
{
    QTest::addColumn<Setup>("arrange");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("result"); // per file a, b, c: n new, o old, - absent
    QTest::addColumn<QString>("lastStatus");

    QTest::newRow("a source that vanished after listing")
        << Setup([](Installation& s) { QFile::remove(s.sourcePath(QStringLiteral("b.scn"))); })
        << "File not found."
        << "n--" << copying("a.scn");
    QTest::newRow("a read-only destination") << Setup([](Installation& s) {
        s.addExisting(QStringLiteral("b.scn"));
        QFile::setPermissions(s.gameFolderPath() + "/b.scn", QFile::ReadOwner);
        s.ui.answers = {OverwriteFile};
    }) << "File access denied."
                                             << "no-" << copying("a.scn");
    QTest::newRow("a hidden destination") << Setup([](Installation& s) {
        QFile::rename(s.sourcePath(QStringLiteral("b.scn")),
                      s.sourcePath(QStringLiteral(".b.scn")));
        s.world.writeFile(QStringLiteral("prefix/drive_c/Game/SCENARIO/.b.scn"), "hidden");
        s.openAndTickAll(); // .b.scn comes first
        s.ui.answers = {OverwriteFile};
    }) << "File access denied."
                                          << "---" << QString();
    QTest::newRow("disk full while writing a new file")
        << Setup([](Installation&) { FileFaults::failWritesAfter(5000 + 2500, 112); })
        << "I/O error 112."
        << "n--" << copying("b.scn");
    QTest::newRow("disk full while replacing a file") << Setup([](Installation& s) {
        s.addExisting(QStringLiteral("b.scn"));
        s.ui.answers = {OverwriteFile};
        FileFaults::failWritesAfter(5000 + 2500, 112);
    }) << "I/O error 112."
                                                      << "no-" << copying("b.scn");
    QTest::newRow("disk full on the first byte")
        << Setup([](Installation&) { FileFaults::failWritesAfter(0, 112); }) << "I/O error 112."
        << "---" << copying("a.scn");
    QTest::newRow("access denied by the disk")
        << Setup([](Installation&) { FileFaults::failWritesAfter(5000 + 100, 5); })
        << "File access denied."
        << "n--" << copying("b.scn");
    QTest::newRow("the free-space line fails after the first file") << Setup([](Installation& s) {
        s.ui.onFreeSpace = [] { throw Exception(QStringLiteral("Range check error")); };
    }) << "Range check error."
                                                                    << "n--" << copying("a.scn");
    QTest::newRow("a game folder that cannot hold the scenario folder")
        << Setup([](Installation& s) {
               s.state.gameFolder = QStringLiteral("C:\\Missing\\Deeper");
               s.state.destinationFolder = QStringLiteral("C:\\Missing\\Deeper\\SCENARIO");
           })
        << "Invalid filename."
        << "---" << QString();
}

void TestInstallRun::failures()
{
    QFETCH(Setup, arrange);
    QFETCH(QString, message);
    QFETCH(QString, result);
    QFETCH(QString, lastStatus);

    Installation setup;
    const QStringList names{"a.scn", "b.scn", "c.scn"};
    QHash<QString, QByteArray> fresh;
    for (const QString& name : names)
        fresh[name] = setup.addSource(name, 5000);
    setup.openAndTickAll();
    arrange(setup);

    QCOMPARE(setup.runCatchingError(), message);

    QStringList present;
    for (int i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        const QByteArray expected = result.at(i) == QLatin1Char('n') ? fresh.value(name)
                                    : result.at(i) == QLatin1Char('o')
                                        ? Installation::oldBytes(name)
                                        : QByteArray("<absent>");
        QVERIFY2(setup.installed(name) == expected, qPrintable(name));
        if (result.at(i) != QLatin1Char('-'))
            present << name;
    }
    QStringList left = setup.filesIn(setup.gameFolderPath());
    left.removeAll(QStringLiteral(".b.scn"));
    QCOMPARE(left, present); // no partial file, no temporary file
    QCOMPARE(setup.ui.statuses.value(setup.ui.statuses.size() - 1), lastStatus);
    QVERIFY(!setup.ui.statuses.contains(QStringLiteral("Ready.")));
    QVERIFY(!setup.run.isRunning());
    QVERIFY(!setup.list.isFrozen());
    if (!lastStatus.isEmpty())
        QCOMPARE(setup.ui.overallProgress.last(), 100);
}

void TestInstallRun::overwritesTheNameOnDisk()
{
    Installation setup;
    const QByteArray fresh = setup.addSource(QStringLiteral("camelot.scn"), 4000);
    setup.world.writeFile(QStringLiteral("prefix/drive_c/Game/SCENARIO/CAMELOT.SCN"), "old");
    setup.openAndTickAll();
    setup.ui.answers = {OverwriteFile};

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.ui.asked, QStringList{"C:\\Game\\SCENARIO\\camelot.scn"});
    QCOMPARE(setup.filesIn(setup.gameFolderPath()), QStringList{"CAMELOT.SCN"});
    QVERIFY(setup.installed(QStringLiteral("CAMELOT.SCN")) == fresh);
}

void TestInstallRun::readOnlySources()
{
    Installation setup;
    const QByteArray fresh = setup.addSource(QStringLiteral("cd.scn"), 4000);
    QFile::setPermissions(setup.sourcePath(QStringLiteral("cd.scn")),
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(setup.world.medium() + "/HISTSCR",
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    setup.openAndTickAll();

    QCOMPARE(setup.runCatchingError(), QString());
    QVERIFY(setup.installed(QStringLiteral("cd.scn")) == fresh);
    const QFile::Permissions copied = QFileInfo(setup.gameFolderPath() + "/cd.scn").permissions();
    QVERIFY(copied & QFile::WriteOwner); // not the medium's read-only mode
    QVERIFY(!(copied & QFile::ExeOwner));

    QFile::setPermissions(setup.world.medium() + "/HISTSCR",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestInstallRun::theFileBeingWrittenIsHidden()
{
    Installation setup;
    setup.addSource(QStringLiteral("a.scn"), 5000);
    setup.openAndTickAll();
    QStringList onDisk;
    QStringList listed;
    setup.ui.whileCopying = [&] {
        onDisk = setup.filesIn(setup.gameFolderPath());
        for (const DirEntry& entry :
             FileSystem::list(QStringLiteral("C:\\Game\\SCENARIO\\*.??n"), ListFilter::Everything))
            listed << entry.name;
    };

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(onDisk.size(), 1);
    QVERIFY2(onDisk.first().startsWith(QLatin1Char('.')), qPrintable(onDisk.first()));
    QCOMPARE(listed, QStringList());
    QCOMPARE(setup.filesIn(setup.gameFolderPath()), QStringList{"a.scn"});
}

void TestInstallRun::emptyFiles()
{
    Installation setup;
    setup.addSource(QStringLiteral("empty1.scn"), 0);
    setup.addSource(QStringLiteral("empty2.scn"), 0);
    setup.openAndTickAll();
    QCOMPARE(setup.state.selectedTotal, qint64(0));

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.filesIn(setup.gameFolderPath()), (QStringList{"empty1.scn", "empty2.scn"}));
    QCOMPARE(QFileInfo(setup.gameFolderPath() + "/empty2.scn").size(), qint64(0));
    QVERIFY(!setup.ui.fileProgress.isEmpty());
    for (int percent : setup.ui.fileProgress)
        QCOMPARE(percent, 100);
    for (int percent : setup.ui.overallProgress)
        QCOMPARE(percent, 100);
}

void TestInstallRun::secondRunCountsFromZero()
{
    Installation setup;
    const QByteArray fresh = setup.addSource(QStringLiteral("a.scn"), 6000);
    setup.openAndTickAll();
    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.state.copiedTotal, qint64(6000));

    setup.ui.answers = {OverwriteFile};
    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.state.copiedTotal, qint64(6000));
    QVERIFY(setup.installed(QStringLiteral("a.scn")) == fresh);
}

void TestInstallRun::flagsStartAfreshEachRun()
{
    Installation setup;
    for (const QString& name : fiveNames.mid(0, 2)) {
        setup.addSource(name, 3000);
        setup.addExisting(name);
    }
    setup.openAndTickAll();

    setup.ui.answers = {SkipAll};
    QCOMPARE(setup.runCatchingError(), QString());
    setup.ui.answers = {CancelInstallation};
    QCOMPARE(setup.runCatchingError(), QString());
    setup.ui.answers = {OverwriteAll};
    QCOMPARE(setup.runCatchingError(), QString());
    setup.ui.answers = {SkipFile, SkipFile};
    QCOMPARE(setup.runCatchingError(), QString());

    QCOMPARE(setup.ui.asked.size(), 1 + 1 + 1 + 2);
    QVERIFY(setup.installed(QStringLiteral("b.scn")) != Installation::oldBytes("b.scn"));
}

void TestInstallRun::gameFolder_data()
{
    QTest::addColumn<Setup>("arrange");
    QTest::addColumn<QString>("installedIn"); // host folder below drive C, empty: nowhere
    QTest::addColumn<QStringList>("statuses");

    QTest::newRow("no game folder: nothing happens, not even Ready")
        << Setup([](Installation& s) { s.state.gameFolder.clear(); }) << QString() << QStringList();
    QTest::newRow("the check empties the game folder") << Setup([](Installation& s) {
        s.ui.gameFolderCheck = [&s] { s.state.gameFolder.clear(); };
    }) << QString() << QStringList();
    QTest::newRow("the folder chosen in the check is used") << Setup([](Installation& s) {
        s.world.makeFolder(QStringLiteral("prefix/drive_c/Chosen"));
        s.ui.gameFolderCheck = [&s] {
            s.state.gameFolder = QStringLiteral("C:\\Chosen");
            ScenarioTypes::selectTypeFolders(s.state, 0);
        };
    }) << "Chosen/SCENARIO" << QStringList{copying("a.scn"), "Ready."};
    QTest::newRow("both scenario folders are made") << Setup([](Installation& s) {
        s.world.makeFolder(QStringLiteral("prefix/drive_c/Bare"));
        s.state.gameFolder = QStringLiteral("C:\\Bare");
        ScenarioTypes::selectTypeFolders(s.state, 0);
    }) << "Bare/SCENARIO" << QStringList{copying("a.scn"), "Ready."};
    QTest::newRow("a drive root as game folder") << Setup([](Installation& s) {
        s.state.gameFolder = QStringLiteral("C:\\");
        ScenarioTypes::selectTypeFolders(s.state, 0);
    }) << "SCENARIO" << QStringList{copying("a.scn"), "Ready."};
    QTest::newRow("nothing ticked: only Ready") << Setup([](Installation& s) {
        s.list.setAllTicks(false);
        ScenarioCatalogue::countTicked(s.state, s.list);
    }) << QString() << QStringList{"Ready."};
}

void TestInstallRun::gameFolder()
{
    QFETCH(Setup, arrange);
    QFETCH(QString, installedIn);
    QFETCH(QStringList, statuses);

    Installation setup;
    setup.addSource(QStringLiteral("a.scn"), 3000);
    setup.openAndTickAll();
    arrange(setup);

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.ui.statuses, statuses);
    if (!installedIn.isEmpty()) {
        const QString folder = setup.world.driveC() + QLatin1Char('/') + installedIn;
        QCOMPARE(setup.filesIn(folder), QStringList{"a.scn"});
        QVERIFY(QFileInfo(folder + "/../CAMPAIGN").isDir());
    }
    if (installedIn != QLatin1String("Game/SCENARIO"))
        QCOMPARE(setup.filesIn(setup.gameFolderPath()), QStringList());
}

void TestInstallRun::cannotStartTwiceNorChangeTheList()
{
    Installation setup;
    for (const QString& name : fiveNames.mid(0, 3))
        setup.addSource(name, 3000);
    setup.addExisting(QStringLiteral("a.scn"));
    setup.openAndTickAll();
    setup.ui.answers = {OverwriteFile};
    int nestedStarts = 0;
    setup.ui.whileAsking = [&] {
        ++nestedStarts;
        setup.run.start();
        setup.list.setAllTicks(false);
        setup.list.clickColumn(ScenarioListModel::NameColumn);
        setup.list.clickColumn(ScenarioListModel::NameColumn);
        setup.list.fill({});
    };

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(nestedStarts, 1);
    QCOMPARE(setup.ui.statuses,
             (QStringList{copying("a.scn"), copying("b.scn"), copying("c.scn"), "Ready."}));
    QCOMPARE(setup.list.rowCount(), 3);

    setup.list.setTicked(0, false); // the list is the user's again
    QVERIFY(!setup.list.entry(0).ticked);
}

QTEST_GUILESS_MAIN(TestInstallRun)
#include "tst_install_run.moc"
