#include "DuplicatePrompt.h"
#include "Errors.h"
#include "FileFaults.h"
#include "FileSystem.h"
#include "Guarded.h"
#include "InstallPlan.h"
#include "InstallRun.h"
#include "ProgramState.h"
#include "ScenarioCatalogue.h"
#include "ScenarioFile.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"
#include "TestWorld.h"
#include "WorkerRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <functional>
#include <numeric>

using namespace Win32Error;

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
    // Everything the run asked of the window, in order: "status <text>", "file <percent>",
    // "overall <percent>", "free space", "ask <path>", "paint".
    QStringList events;
    int freeSpaceRefreshes = 0;
    std::function<void()> whileAsking;
    std::function<void()> whileCopying; // runs when a "Copying" status shows
    std::function<void()> onFreeSpace;

    bool calledOffItsThread = false; // by a run on a thread of its own

    void setStatusText(const QString& text) override
    {
        noteThread();
        statuses << text;
        events << QStringLiteral("status ") + text;
        if (whileCopying && text.startsWith(QLatin1String("Copying")))
            whileCopying();
    }
    void setFileProgress(int percent) override
    {
        fileProgress << percent;
        events << QStringLiteral("file %1").arg(percent);
    }
    void setOverallProgress(int percent) override
    {
        overallProgress << percent;
        events << QStringLiteral("overall %1").arg(percent);
    }
    void updateFreeSpace() override
    {
        ++freeSpaceRefreshes;
        events << QStringLiteral("free space");
        if (onFreeSpace)
            onFreeSpace();
    }
    int askDuplicate(const QString& destinationPath) override
    {
        noteThread();
        asked << destinationPath;
        events << QStringLiteral("ask ") + destinationPath;
        if (whileAsking)
            whileAsking();
        return answers.isEmpty() ? int(SkipFile) : answers.takeFirst();
    }
    void paintNow() override
    {
        noteThread();
        events << QStringLiteral("paint");
    }
    void noteThread() { calledOffItsThread |= QThread::currentThread() != qApp->thread(); }
};

class RecordingReporter : public ErrorReporter
{
public:
    QStringList shown;
    void showError(const QString& message) override { shown << errorBoxText(message); }
};

// A medium, a game folder C:\Game with its SCENARIO folder, and the window's state and list,
// from which each run's plan is made.
struct Installation
{
    TestWorld world;
    ProgramState state;
    ScenarioListModel list;
    ScriptedUi ui;
    InstallRun run{ui};

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
        list.setEveryTick(true);
        ScenarioCatalogue::countTicked(state, list);
    }

    InstallPlan plan() const { return InstallPlan::ofTicked(list, state); }

    // Runs and returns the message of the error that ended the run, empty when none did.
    QString runCatchingError()
    {
        try {
            run.start(plan());
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

    // What a run should leave of name by its letter in a row's result: 'n' the new copy fresh,
    // 'o' the old file, '-' nothing; 'N' and 'S' where another program saved one meanwhile.
    static QByteArray expectedBytes(QChar outcome, const QString& name, const QByteArray& fresh)
    {
        return outcome == QLatin1Char('S')   ? QByteArray("saved meanwhile")
               : outcome.toLower() == u'n'   ? fresh
               : outcome == QLatin1Char('o') ? oldBytes(name)
                                             : QByteArray("<absent>");
    }
    static QStringList presentAfter(const QStringList& names, const QString& result)
    {
        QStringList present;
        for (int i = 0; i < names.size(); ++i) {
            if (result.at(i) != QLatin1Char('-'))
                present << names.at(i);
        }
        return present;
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
    void neverWritesThroughAPlantedLink();
    void keepsToTheFolderItOpened_data();
    void keepsToTheFolderItOpened();
    void namesWindowsCannotSpell_data();
    void namesWindowsCannotSpell();
    void emptyFiles();
    void secondRunCountsFromZero();
    void flagsStartAfreshEachRun();
    void gameFolder_data();
    void gameFolder();
    void cannotStartTwiceNorChangeThePlan();
    void paintsEachStatusAndEachFileEnd_data();
    void paintsEachStatusAndEachFileEnd();
    void onItsOwnThreadTheWindowSeesTheSame_data();
    void onItsOwnThreadTheWindowSeesTheSame();
    void percentagesOfFilesOver21MB();
    void fullDiskOnTmpfs();
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
    // Another program saves e.scn during its copy, after the run found no e.scn: S its file
    // kept, N replaced; "(link)" on a file system without a rename that refuses to replace.
    for (const char* how : {"", " (link)"}) {
        QTest::addRow("e saved, skip%s", how) << QList<int>{11, 11, 11, 11, 11} << "abcde"
                                              << "ooooS";
        QTest::addRow("e saved, skip all before%s", how) << QList<int>{12} << "a"
                                                         << "ooooS";
        QTest::addRow("e saved, overwrite%s", how) << QList<int>{11, 11, 11, 11, 13} << "abcde"
                                                   << "ooooN";
        QTest::addRow("e saved, overwrite all before%s", how) << QList<int>{14} << "a"
                                                              << "nnnnN";
        QTest::addRow("e saved, cancel%s", how) << QList<int>{11, 11, 11, 11, 15} << "abcde"
                                                << "ooooS";
    }
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
    const bool savedMeanwhile = result.back().isUpper();
    setup.ui.whileCopying = [&] {
        if (savedMeanwhile && setup.ui.statuses.last() == copying("e.scn"))
            setup.world.writeFile("prefix/drive_c/Game/SCENARIO/e.scn", "saved meanwhile");
    };
    if (QByteArrayView(QTest::currentDataTag()).endsWith("(link)"))
        FileFaults::withoutNoReplaceRename();

    QCOMPARE(setup.runCatchingError(), QString());

    QStringList expectedAsked;
    for (QChar letter : asked)
        expectedAsked << QStringLiteral("C:\\Game\\SCENARIO\\%1.scn").arg(letter);
    QCOMPARE(setup.ui.asked, expectedAsked);
    for (int i = 0; i < fiveNames.size(); ++i) {
        const QString& name = fiveNames.at(i);
        QVERIFY2(setup.installed(name) ==
                     Installation::expectedBytes(result.at(i), name, fresh.value(name)),
                 qPrintable(name));
    }
    QCOMPARE(setup.filesIn(setup.gameFolderPath()), Installation::presentAfter(fiveNames, result));
    QCOMPARE(setup.ui.statuses.last(), QStringLiteral("Ready."));
    QCOMPARE(setup.ui.freeSpaceRefreshes, result.count(QLatin1Char('n')) + savedMeanwhile);
}

void TestInstallRun::copiesEveryByte()
{
    Installation setup;
    const QByteArray big = setup.addSource(QStringLiteral("big.scn"), 1024 * 1024 + 1);
    const QByteArray block = setup.addSource(QStringLiteral("block.scn"), 2048);
    const QByteArray campaign =
        setup.addSource(QStringLiteral("camp.cpn"), 70001, QStringLiteral("CAMPAIGN"));
    // Twins but for a U+FEFF, which Qt's decoders drop as a byte-order mark.
    const QString plain = QStringLiteral("Babylon Twin.scn"), marked = u'\uFEFF' + plain;
    const QByteArray twins[] = {setup.addSource(plain, 3000), setup.addSource(marked, 4000)};
    setup.openAndTickAll();
    QCOMPARE(setup.runCatchingError(), QString());
    QVERIFY(setup.installed(QStringLiteral("big.scn")) == big);
    QVERIFY(setup.installed(QStringLiteral("block.scn")) == block);
    QVERIFY(setup.installed(plain) == twins[0] && setup.installed(marked) == twins[1]);
    QCOMPARE(setup.ui.statuses, (QStringList{copying(plain), copying("big.scn"),
                                             copying("block.scn"), copying(marked), "Ready."}));
    QCOMPARE(setup.run.copiedTotal(), qint64(big.size() + block.size() + 7000));
    QCOMPARE(setup.ui.fileProgress.last(), 100);
    QCOMPARE(setup.ui.overallProgress.last(), 100);

    setup.openAndTickAll(int(ScenarioTypes::sourceFolders().indexOf("CAMPAIGN")));
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
    QCOMPARE(setup.run.copiedTotal(), qint64(10001));
    QCOMPARE(setup.ui.statuses.last(), QStringLiteral("Ready."));
}

Q_DECLARE_METATYPE(std::function<void(Installation&)>)
using Setup = std::function<void(Installation&)>;

// b.scn is to be replaced; another program changes its source once its copy has begun.
Setup changingB(void (*change)(QFile&))
{
    return [change](Installation& s) {
        s.addExisting(QStringLiteral("b.scn"));
        s.ui.answers = {OverwriteFile};
        s.ui.whileCopying = [&s, change] {
            QFile b(s.sourcePath(QStringLiteral("b.scn")));
            if (s.ui.statuses.last() == copying("b.scn") && b.open(QIODevice::ReadWrite))
                change(b);
        };
    };
}

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
    const QString changed = QStringLiteral("The file HISTSCR\\b.scn changed as it was read.");
    QTest::newRow("a source cut while it is copied")
        << changingB([](QFile& b) { b.resize(1000); }) << changed << "no-" << copying("b.scn");
    QTest::newRow("disk full while writing a new file")
        << Setup([](Installation&) { FileFaults::failWritesAfter(5000 + 2500, ENOSPC); })
        << "I/O error 112."
        << "n--" << copying("b.scn");
    QTest::newRow("disk full while replacing a file") << Setup([](Installation& s) {
        s.addExisting(QStringLiteral("b.scn"));
        s.ui.answers = {OverwriteFile};
        FileFaults::failWritesAfter(5000 + 2500, ENOSPC);
    }) << "I/O error 112."
                                                      << "no-" << copying("b.scn");
    QTest::newRow("disk full on the first byte")
        << Setup([](Installation&) { FileFaults::failWritesAfter(0, ENOSPC); }) << "I/O error 112."
        << "---" << copying("a.scn");
    QTest::newRow("access denied by the disk")
        << Setup([](Installation&) { FileFaults::failWritesAfter(5000 + 100, EACCES); })
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

    for (int i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        QVERIFY2(setup.installed(name) ==
                     Installation::expectedBytes(result.at(i), name, fresh.value(name)),
                 qPrintable(name));
    }
    QStringList left = setup.filesIn(setup.gameFolderPath());
    left.removeAll(QStringLiteral(".b.scn"));
    QCOMPARE(left, Installation::presentAfter(names, result)); // no partial file, no temporary file
    QCOMPARE(setup.ui.statuses.value(setup.ui.statuses.size() - 1), lastStatus);
    QVERIFY(!setup.ui.statuses.contains(QStringLiteral("Ready.")));
    QVERIFY(!setup.run.isRunning());
    // An error in a copy ends the run with the gauge full; one after a file's end leaves the
    // run's share.
    if (!lastStatus.isEmpty())
        QCOMPARE(setup.ui.overallProgress.last(), setup.ui.onFreeSpace ? 33 : 100);
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

// Links planted at the names the run's hidden file would take lead elsewhere; none is followed.
void TestInstallRun::neverWritesThroughAPlantedLink()
{
    Installation setup;
    const QByteArray fresh = setup.addSource(QStringLiteral("a.scn"), 5000);
    setup.addSource(QStringLiteral("b.scn"), 3000);
    setup.openAndTickAll();
    const QString victim = setup.world.writeFile(QStringLiteral("victim"), "untouched");
    const QString nowhere = setup.world.root() + QStringLiteral("/nowhere");
    const QString stem = setup.gameFolderPath() +
                         QStringLiteral("/.install-%1-").arg(QCoreApplication::applicationPid());
    QVERIFY(QFile::link(victim, stem + QStringLiteral("0.tmp")));
    QVERIFY(QFile::link(nowhere, stem + QStringLiteral("1.tmp")));
    // A destination's name taken by a link that leads nowhere is asked about, not replaced.
    QVERIFY(QFile::link(nowhere, setup.gameFolderPath() + QStringLiteral("/b.scn")));
    setup.ui.answers = {SkipFile};

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.ui.asked, QStringList{QStringLiteral("C:\\Game\\SCENARIO\\b.scn")});
    QVERIFY(QFileInfo(setup.gameFolderPath() + QStringLiteral("/b.scn")).isSymLink());
    QCOMPARE(setup.installed(QStringLiteral("a.scn")), fresh);
    QFile planted(victim);
    QVERIFY(planted.open(QIODevice::ReadOnly));
    QCOMPARE(planted.readAll(), QByteArray("untouched"));
    QVERIFY(!QFile::exists(nowhere));
}

void TestInstallRun::keepsToTheFolderItOpened_data()
{
    QTest::addColumn<bool>("replacing"); // a.scn is there already and is overwritten
    QTest::addColumn<bool>("withoutNoReplaceRename");
    QTest::addColumn<QString>("message"); // the error that ends the run, empty for none

    QTest::newRow("swapped before the rename") << false << false << QString();
    QTest::newRow("swapped before the link and unlink that stand in for the rename")
        << false << true << QString();
    QTest::newRow("swapped before the rename over the old file") << true << false << QString();
    QTest::newRow("swapped before the temporary file is removed after a failure")
        << false << false << "I/O error 112.";
}

// The game's SCENARIO folder is swapped for a link to another folder while a file is copied.
void TestInstallRun::keepsToTheFolderItOpened()
{
    QFETCH(bool, replacing);
    QFETCH(bool, withoutNoReplaceRename);
    QFETCH(QString, message);

    Installation setup;
    const QByteArray fresh = setup.addSource(QStringLiteral("a.scn"), 5000);
    if (replacing) {
        setup.addExisting(QStringLiteral("a.scn"));
        setup.ui.answers = {OverwriteFile};
    }
    setup.openAndTickAll();
    const QString opened = setup.gameFolderPath();
    const QString movedAway = opened + QStringLiteral(".moved");
    const QString elsewhere = setup.world.makeFolder(QStringLiteral("elsewhere"));
    setup.ui.whileCopying = [&] {
        QVERIFY(QDir().rename(opened, movedAway));
        QVERIFY(QFile::link(elsewhere, opened));
    };
    if (withoutNoReplaceRename)
        FileFaults::withoutNoReplaceRename();
    if (!message.isEmpty())
        FileFaults::failWritesAfter(2500, ENOSPC);

    QCOMPARE(setup.runCatchingError(), message);
    // The folder the run opened is the one the user chose; a link put in its place mid-run must
    // not choose another, so the file lands in the opened folder, wherever it now lies.
    QCOMPARE(setup.filesIn(elsewhere), QStringList());
    const bool placed = message.isEmpty() || replacing;
    QCOMPARE(setup.filesIn(movedAway), placed ? QStringList{"a.scn"} : QStringList());
    QFile copy(movedAway + QStringLiteral("/a.scn"));
    if (message.isEmpty())
        QVERIFY(copy.open(QIODevice::ReadOnly) && copy.readAll() == fresh);
}

void TestInstallRun::namesWindowsCannotSpell_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("putInTheListByHand");

    for (const char* name :
         {"back\\slash.scn", "..\\pwn.scn", "..\\..\\pwn.scn", "a:pwn.scn", "a*b.scn"}) {
        QTest::addRow("%s, as the pack lists it", name) << QString::fromLatin1(name) << false;
        QTest::addRow("%s, put in the list by hand", name) << QString::fromLatin1(name) << true;
    }
}

// A name that is a path to a Windows program must not steer what the run reads nor where it
// writes: the pack's list leaves it out, and the run refuses it should it be listed anyway.
void TestInstallRun::namesWindowsCannotSpell()
{
    QFETCH(QString, name);
    QFETCH(bool, putInTheListByHand);

    Installation setup;
    const QByteArray fresh = setup.addSource(QStringLiteral("a.scn"), 3000);
    setup.addSource(name, 4000);
    // Where the name leads as a path: the pack's root, the folder above it, a name after a colon.
    setup.world.writeFile(QStringLiteral("medium/pwn.scn"), "outside the type's folder");
    setup.world.writeFile(QStringLiteral("pwn.scn"), "outside the pack");
    if (putInTheListByHand) {
        setup.list.fill({DirEntry{QStringLiteral("a.scn"), 3000}, DirEntry{name, 4000}});
        setup.list.setEveryTick(true);
        ScenarioCatalogue::countTicked(setup.state, setup.list);
        ScenarioTypes::selectTypeFolders(setup.state, 0);
    } else {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("left out$")));
        setup.openAndTickAll();
        QCOMPARE(setup.list.rowCount(), 1);
    }

    QCOMPARE(setup.runCatchingError(),
             putInTheListByHand ? QStringLiteral("I/O error 123.") : QString());
    QCOMPARE(setup.ui.statuses.value(0), copying("a.scn"));
    QCOMPARE(setup.filesIn(setup.gameFolderPath()), QStringList{"a.scn"});
    QCOMPARE(setup.filesIn(setup.world.driveC() + QStringLiteral("/Game")), QStringList());
    QVERIFY(setup.installed(QStringLiteral("a.scn")) == fresh);
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
    QCOMPARE(setup.run.copiedTotal(), qint64(6000));

    setup.ui.answers = {OverwriteFile};
    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(setup.run.copiedTotal(), qint64(6000));
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
        s.list.setEveryTick(false);
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

// The run copies its plan: a start or a change of the list while it runs changes nothing of it.
void TestInstallRun::cannotStartTwiceNorChangeThePlan()
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
        setup.run.start(setup.plan());
        setup.list.setEveryTick(false);
        setup.list.clickColumn(ScenarioListModel::NameColumn);
        setup.list.clickColumn(ScenarioListModel::NameColumn);
        setup.list.fill({});
    };

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(nestedStarts, 1);
    QCOMPARE(setup.ui.statuses,
             (QStringList{copying("a.scn"), copying("b.scn"), copying("c.scn"), "Ready."}));
    QCOMPARE(setup.filesIn(setup.gameFolderPath()), (QStringList{"a.scn", "b.scn", "c.scn"}));
}

void TestInstallRun::paintsEachStatusAndEachFileEnd_data()
{
    QTest::addColumn<QList<int>>("sizes"); // files a, b, c...
    QTest::addColumn<QString>("skipped");  // the files that exist already and are skipped

    QTest::newRow("a file within one block") << QList<int>{1000} << QString();
    QTest::newRow("empty files") << QList<int>{0, 0} << QString();
    QTest::newRow("files of many blocks") << QList<int>{300000, 2048, 5000} << QString();
    QTest::newRow("a skipped file paints nothing of its own")
        << QList<int>{3000, 3000, 3000} << "b";
    QTest::newRow("the first file skipped: the gauge starts at 0") << QList<int>{3000, 1000} << "a";
}

// What a person sees: each status text and each file's end are painted before the run goes on
// (the next file may take long to open); in between, the progress is painted now and then.
void TestInstallRun::paintsEachStatusAndEachFileEnd()
{
    QFETCH(QList<int>, sizes);
    QFETCH(QString, skipped);

    Installation setup;
    const qint64 total = std::accumulate(sizes.cbegin(), sizes.cend(), qint64(0));
    // The gauge's true share: the files before count whole, copied or skipped; a run starts at 0.
    const auto share = [total](qint64 done) { return total == 0 ? 100 : int(done * 100 / total); };
    qint64 done = 0;
    QStringList expected{QStringLiteral("overall %1").arg(share(0))};
    for (int i = 0; i < sizes.size(); ++i) {
        const QString name = QChar(u'a' + i) + QStringLiteral(".scn");
        setup.addSource(name, sizes.at(i));
        const int startShare = share(done);
        done += sizes.at(i);
        if (skipped.contains(name.front())) {
            setup.addExisting(name);
            expected << QStringLiteral("ask C:\\Game\\SCENARIO\\") + name;
            continue;
        }
        // Each file's status is painted with the bars where that file starts.
        expected << QStringLiteral("file %1").arg(sizes.at(i) == 0 ? 100 : 0)
                 << QStringLiteral("overall %1").arg(startShare) << "status " + copying(name)
                 << "paint"
                 << "file 100" << QStringLiteral("overall %1").arg(share(done)) << "free space"
                 << "paint";
    }
    expected << "status Ready."
             << "paint";
    setup.openAndTickAll();

    QElapsedTimer running;
    running.start();
    QCOMPARE(setup.runCatchingError(), QString());
    const qint64 elapsed = running.elapsed();

    // The progress painted on the way: "file", "overall", "paint" together, each time.
    QStringList fixedPaints;
    qsizetype onTheWay = 0;
    const QStringList& events = setup.ui.events;
    for (qsizetype i = 0; i < events.size(); ++i) {
        if (events.at(i).startsWith(QLatin1String("file ")) && i + 2 < events.size() &&
            events.at(i + 1).startsWith(QLatin1String("overall ")) &&
            events.at(i + 2) == QLatin1String("paint")) {
            ++onTheWay;
            i += 2;
            continue;
        }
        fixedPaints << events.at(i);
    }
    QCOMPARE(fixedPaints, expected);
    QVERIFY2(onTheWay <= elapsed / InstallRun::PaintInterval + 1,
             qPrintable(QStringLiteral("%1 paints in %2 ms").arg(onTheWay).arg(elapsed)));
}

// Bytes x 100 no longer fits 32 bits beyond 21,474,836 bytes.
void TestInstallRun::percentagesOfFilesOver21MB()
{
    Installation setup;
    const qint64 smallSize = 1000;
    const qint64 bigSize = 24 * 1024 * 1024 + 1;
    setup.addSource(QStringLiteral("a.scn"), smallSize);
    {
        QFile big(setup.sourcePath(QStringLiteral("b.scn")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(bigSize)); // sparse: quick to write and to read
    }
    setup.openAndTickAll();
    QCOMPARE(setup.state.selectedTotal, smallSize + bigSize);
    setup.run.setPaintInterval(0);

    QCOMPARE(setup.runCatchingError(), QString());
    QCOMPARE(QFileInfo(setup.gameFolderPath() + "/b.scn").size(), bigSize);

    QList<int> expectedFile;
    QList<int> expectedOverall;
    for (qint64 done = 0; done < bigSize;) {
        done = std::min(done + InstallRun::BlockSize, bigSize);
        expectedFile << int(done * 100 / bigSize);
        expectedOverall << int((smallSize + done) * 100 / (smallSize + bigSize));
    }
    expectedFile << 100; // the file's end
    expectedOverall << 100;
    QCOMPARE(setup.ui.fileProgress.mid(setup.ui.fileProgress.size() - expectedFile.size()),
             expectedFile);
    QCOMPARE(setup.ui.overallProgress.mid(setup.ui.overallProgress.size() - expectedOverall.size()),
             expectedOverall);
}

// A real full disk: a tmpfs of 64 KB, which the test "tst_install_run_full_tmpfs" mounts in a
// mount namespace of its own where the machine allows it.
void TestInstallRun::fullDiskOnTmpfs()
{
    const QString small = qEnvironmentVariable("KORVANE_SMALL_TMPFS");
    if (small.isEmpty())
        QSKIP("KORVANE_SMALL_TMPFS names no small tmpfs: the machine allowed no mount "
              "(run as root with CAP_SYS_ADMIN for tst_install_run_full_tmpfs to mount one)");

    Installation setup;
    const QString scenarioFolder = small + QStringLiteral("/Game/SCENARIO");
    QVERIFY(QDir().mkpath(scenarioFolder));
    const auto tidy =
        qScopeGuard([&] { QDir(small + QStringLiteral("/Game")).removeRecursively(); });
    setup.world.addDrive(QLatin1Char('D'), small);
    setup.state.gameFolder = QStringLiteral("D:\\Game");
    const QByteArray first = setup.addSource(QStringLiteral("a.scn"), 5000);
    setup.addSource(QStringLiteral("b.scn"), 200000); // more than the whole disk
    setup.addSource(QStringLiteral("c.scn"), 3000);
    const QByteArray old = QByteArray("the old b.scn ").repeated(500);
    {
        QFile existing(scenarioFolder + QStringLiteral("/b.scn"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        QCOMPARE(existing.write(old), qint64(old.size()));
    }
    setup.openAndTickAll();
    setup.ui.answers = {OverwriteFile};

    RecordingReporter reporter;
    setErrorReporter(&reporter);
    const auto restore = qScopeGuard([] { setErrorReporter(nullptr); });
    runGuarded([&] { setup.run.start(setup.plan()); });

    QCOMPARE(reporter.shown, QStringList{"I/O error 112."});
    QCOMPARE(setup.filesIn(scenarioFolder), (QStringList{"a.scn", "b.scn"})); // nothing hidden
    QFile copied(scenarioFolder + QStringLiteral("/a.scn"));
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QVERIFY(copied.readAll() == first);
    QFile kept(scenarioFolder + QStringLiteral("/b.scn"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll() == old);
    QCOMPARE(setup.ui.statuses.last(), copying(QStringLiteral("b.scn")));
    QVERIFY(!setup.run.isRunning());
}

void TestInstallRun::onItsOwnThreadTheWindowSeesTheSame_data()
{
    QTest::addColumn<QString>("failure");

    QTest::newRow("three files, one asked about") << "";
    QTest::newRow("a source gone") << "source";
    QTest::newRow("the window failing after the question") << "window 2";
    QTest::newRow("the window failing before the question") << "window 1";
}

// The same installation directly and on a thread of its own: the window is called on its own
// thread with the same calls in the same order, the error is the same, and meanwhile the window's
// thread handles its events.
void TestInstallRun::onItsOwnThreadTheWindowSeesTheSame()
{
    QFETCH(QString, failure);
    QStringList seen[2];
    QString errors[2];
    bool handledEventsMeanwhile = false;
    for (const bool onItsOwnThread : {false, true}) {
        Installation setup;
        for (const char* name : {"a.scn", "b.scn", "c.scn"})
            setup.addSource(name, 5000);
        setup.addExisting(QStringLiteral("b.scn"));
        setup.openAndTickAll();
        setup.ui.answers = {OverwriteFile};
        if (failure == u"source")
            QFile::remove(setup.sourcePath(QStringLiteral("c.scn")));
        if (failure.startsWith(u"window"))
            setup.ui.onFreeSpace = [&setup, after = failure.back().digitValue()] {
                if (setup.ui.freeSpaceRefreshes == after)
                    throw EInOutError(NotReady);
            };
        WorkerRun worker(setup.ui);
        worker.setPaintInterval(0); // every block: the same paints whatever the timing
        setup.run.setPaintInterval(0);
        QTimer::singleShot(0, &worker, [&] { handledEventsMeanwhile = worker.isRunning(); });
        try {
            onItsOwnThread ? worker.start(setup.plan()) : setup.run.start(setup.plan());
        } catch (const Exception& error) {
            errors[onItsOwnThread] = error.message();
        }
        seen[onItsOwnThread] = setup.ui.events;
        // The worker may be a few paints ahead when the window fails, and copy the next file
        // before it hears of the failure: the files are the same only when the window holds.
        if (!failure.startsWith(u"window"))
            seen[onItsOwnThread] += setup.filesIn(setup.gameFolderPath());
        QVERIFY(!setup.ui.calledOffItsThread);
    }
    QCOMPARE(seen[1], seen[0]);
    QCOMPARE(errors[1], errors[0]);
    QCOMPARE(errors[0].isEmpty(), failure.isEmpty());
    QVERIFY(handledEventsMeanwhile);
}

QTEST_GUILESS_MAIN(TestInstallRun)
#include "tst_install_run.moc"
