#include "DuplicatePrompt.h"
#include "InstallPlan.h"
#include "InstallRun.h"
#include "ProgramState.h"
#include "RunRecord.h"
#include "RunUndo.h"
#include "ScenarioCatalogue.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"
#include "TestWorld.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class AnsweringUi : public InstallRunUi, public UndoUi
{
public:
    bool agree = true;
    QList<int> answers; // to the questions about changed files, in order

    void setStatusText(const QString&) override {}
    void setFileProgress(int) override {}
    void setOverallProgress(int) override {}
    void updateFreeSpace() override {}
    int askDuplicate(const QString&) override { return OverwriteAll; }
    bool confirm(const RunRecord&, const QString&) override { return agree; }
    int askChanged(const QString&) override
    {
        return answers.isEmpty() ? int(SkipFile) : answers.takeFirst();
    }
};

// A file as the user sees it: its bytes and its modification time to the nanosecond.
struct Seen
{
    QByteArray bytes;
    qint64 modified = 0;
    bool operator==(const Seen&) const = default;
};

Seen seen(const QString& path)
{
    QFile file(path);
    struct stat info;
    if (!file.open(QIODevice::ReadOnly) || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {"<absent>", 0};
    return {file.readAll(), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void setModified(const QString& path, qint64 seconds, long nanoseconds)
{
    const struct timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

// A game folder C:\Game holding the user's own files, a pack's historical scenarios, and a
// state folder for the records.
struct Scene
{
    TestWorld world;
    QTemporaryDir state;
    AnsweringUi ui;

    Scene(const QStringList& existing, const QStringList& packed, const QString& stateBase = {})
        : state(stateBase.isEmpty() ? QDir::tempPath() + "/XXXXXX" : stateBase + "/korvane-XXXXXX")
    {
        world.makeFolder(QStringLiteral("prefix/drive_c/Game/SCENARIO"));
        for (const QString& name : existing) {
            world.writeFile("prefix/drive_c/Game/SCENARIO/" + name, "the user's " + name.toUtf8());
            setModified(folder() + '/' + name, 1000000000, 123456789);
        }
        for (const QString& name : packed)
            world.writeFile("medium/HISTSCR/" + name, "the pack's " + name.toUtf8());
    }
    QString folder() const { return world.driveC() + QStringLiteral("/Game/SCENARIO"); }
    QString records() const { return state.path() + QStringLiteral("/korvane-installer"); }

    QMap<QString, Seen> contents() const
    {
        QMap<QString, Seen> files;
        for (const QString& name : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
            files.insert(name, seen(folder() + '/' + name));
        return files;
    }

    void install()
    {
        ProgramState programState;
        programState.gameFolder = QStringLiteral("C:\\Game");
        ScenarioListModel list;
        ScenarioTypes::selectTypeFolders(programState, 0);
        ScenarioCatalogue::fillFileList(list, programState.sourceFolder);
        list.setEveryTick(true);
        ScenarioCatalogue::countTicked(programState, list);
        InstallRun run(ui);
        run.recordRunsIn(records());
        run.start(InstallPlan::ofTicked(list, programState));
    }

    // Through RunUndo, or through the program's --undo with `input` on its terminal.
    void undo(const QString& through, const QByteArray& input = "y\n")
    {
        if (through == QLatin1String("terminal")) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_STATE_HOME", state.path());
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(KORVANE_PROGRAM), {"--undo"});
            program.write(input);
            program.closeWriteChannel();
            QVERIFY(program.waitForFinished(20000));
            QCOMPARE(program.exitCode(), 0);
            return;
        }
        std::optional<RunUndo> undo = RunUndo::last(records(), world.driveC() + "/Game");
        QVERIFY(undo);
        undo->run(ui);
    }
};

} // namespace

class RunRecordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoGivesTheFolderBack_data();
    void undoGivesTheFolderBack();
    void changedFileIsAskedAbout_data();
    void changedFileIsAskedAbout();
    void crashNeverLeavesAReplacedFileWithoutItsCopy_data();
    void crashNeverLeavesAReplacedFileWithoutItsCopy();
    void recordsStayBounded_data();
    void recordsStayBounded();
};

void RunRecordTest::undoGivesTheFolderBack_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("packed");
    QTest::addColumn<QString>("through");
    QTest::addColumn<QString>("stateBase"); // where the records go; empty: beside the game
    QTest::addColumn<QString>("summary");

    const QStringList three{"a.scn", "b.scn", "c.scn"};
    const QStringList two{"a.scn", "c.scn"};
    for (const QString through : {"RunUndo", "terminal"}) {
        const QByteArray tag = through.toLatin1();
        QTest::newRow(tag + ", only added")
            << QStringList() << three << through << QString() << "remove 3 added files";
        QTest::newRow(tag + ", one replaced") << QStringList{"b.scn"} << QStringList{"b.scn"}
                                              << through << QString() << "restore 1 replaced one";
        QTest::newRow(tag + ", mixed")
            << two + QStringList{"mine.scn"} << three << through << QString()
            << "remove 1 added file, restore 2 replaced ones";
    }
    // On another file system the kept files are copies, not second names.
    QTest::newRow("kept on another file system") << two << three << "RunUndo"
                                                 << "/dev/shm"
                                                 << "remove 1 added file, restore 2 replaced ones";
    // A name in other letters on disk is the same file to the game; it keeps its spelling.
    QTest::newRow("replaced under other letters")
        << QStringList{"B.SCN"} << QStringList{"b.scn"} << "RunUndo" << QString()
        << "restore 1 replaced one";
}

void RunRecordTest::undoGivesTheFolderBack()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, packed);
    QFETCH(QString, through);
    QFETCH(QString, stateBase);
    QFETCH(QString, summary);
    if (!stateBase.isEmpty() &&
        QStorageInfo(stateBase).device() == QStorageInfo(QDir::tempPath()).device())
        QSKIP("no second file system here");
    Scene scene(existing, packed, stateBase);
    const QMap<QString, Seen> before = scene.contents();

    scene.install();
    QCOMPARE(RunUndo::last(scene.records())->summary(), summary);
    // Nothing of the records is in the game's folders.
    QCOMPARE(QDir(scene.world.driveC() + "/Game")
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"CAMPAIGN", "SCENARIO"}));

    scene.undo(through);
    QCOMPARE(scene.contents(), before);
    // Undone whole, the run leaves no record.
    QCOMPARE(RunRecords::all(scene.records()).size(), 0);
}

void RunRecordTest::changedFileIsAskedAbout_data()
{
    QTest::addColumn<QString>("name"); // a.scn was added, b.scn replaced
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("through");
    QTest::addColumn<QByteArray>("answers"); // to the terminal, or 'n' and 'y' to RunUndo
    QTest::addColumn<bool>("kept");

    for (const QString name : {"a.scn", "b.scn"}) {
        for (const QString change : {"bytes", "size", "time"}) {
            const QByteArray tag = (name + ", " + change).toLatin1();
            QTest::newRow(tag + ", no") << name << change << "RunUndo" << QByteArray("n") << true;
            QTest::newRow(tag + ", yes") << name << change << "RunUndo" << QByteArray("y") << false;
        }
        QTest::newRow((name + ", terminal, no").toLatin1())
            << name << "bytes"
            << "terminal" << QByteArray("y\nn\n") << true;
        QTest::newRow((name + ", terminal, yes").toLatin1())
            << name << "bytes"
            << "terminal" << QByteArray("y\ny\n") << false;
        // The end of the input is no consent.
        QTest::newRow((name + ", terminal, no answer").toLatin1())
            << name << "bytes"
            << "terminal" << QByteArray("y\n") << true;
    }
}

void RunRecordTest::changedFileIsAskedAbout()
{
    QFETCH(QString, name);
    QFETCH(QString, change);
    QFETCH(QString, through);
    QFETCH(QByteArray, answers);
    QFETCH(bool, kept);
    Scene scene({"b.scn"}, {"a.scn", "b.scn"});
    const QMap<QString, Seen> before = scene.contents();
    scene.install();

    // The user edits the file in the game's editor after the installation.
    const QString path = scene.folder() + '/' + name;
    const Seen installed = seen(path);
    QByteArray edited = installed.bytes;
    if (change == QLatin1String("bytes"))
        edited[0] = 'T'; // same size, time put back below
    else if (change == QLatin1String("size"))
        edited += '!';
    scene.world.writeFile("prefix/drive_c/Game/SCENARIO/" + name, edited);
    if (change == QLatin1String("time"))
        setModified(path, 1200000000, 0);
    else
        setModified(path, installed.modified / 1000000000, long(installed.modified % 1000000000));
    const Seen changed = seen(path);

    if (through == QLatin1String("RunUndo"))
        scene.ui.answers = {answers == "y" ? int(OverwriteFile) : int(SkipFile)};
    scene.undo(through, answers);

    // The other file is undone either way.
    const QString other = name == QLatin1String("a.scn") ? "b.scn" : "a.scn";
    QCOMPARE(scene.contents().value(other, {"<absent>", 0}), before.value(other, {"<absent>", 0}));
    QCOMPARE(seen(path), kept ? changed : before.value(name, {"<absent>", 0}));
    // A file kept stays in the record, with the user's file it replaced, for a later undo.
    std::optional<RunUndo> left = RunUndo::last(scene.records());
    QCOMPARE(bool(left), kept);
    if (left) {
        QCOMPARE(left->record().files.size(), 1);
        QCOMPARE(left->record().files[0].name, name);
    }
}

void RunRecordTest::crashNeverLeavesAReplacedFileWithoutItsCopy_data()
{
    QTest::addColumn<int>("crashAt");    // the step of the record at which the program dies
    QTest::addColumn<bool>("linesLost"); // a power cut loses the lines not yet synced too
    // Opening the record, then three for each of the two replaced files; 0 runs to the end.
    for (int step = 0; step <= 7; ++step) {
        QTest::newRow(qPrintable(QStringLiteral("step %1").arg(step))) << step << false;
        QTest::newRow(qPrintable(QStringLiteral("step %1, lines lost").arg(step))) << step << true;
    }
}

void RunRecordTest::crashNeverLeavesAReplacedFileWithoutItsCopy()
{
    QFETCH(int, crashAt);
    QFETCH(bool, linesLost);
    Scene scene({"b.scn", "d.scn"}, {"a.scn", "b.scn", "c.scn", "d.scn"});
    const QMap<QString, Seen> before = scene.contents();

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        int steps = 0;
        RunRecords::setStepHook([&] {
            if (++steps == crashAt)
                ::_exit(0);
        });
        scene.install();
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    if (linesLost) {
        const QStringList runs = QDir(scene.records()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& run : runs) {
            QFile journal(scene.records() + '/' + run + "/journal");
            QVERIFY(journal.open(QIODevice::ReadWrite));
            const QByteArrayList lines = journal.readAll().split('\n');
            QVERIFY(journal.resize(lines.mid(0, 7).join('\n').size() + 1)); // the heading alone
        }
    }

    // Each of the user's files is in the folder, or kept in a whole record.
    const QList<RunRecord> records = RunRecords::all(scene.records());
    QVERIFY(records.size() <= 1);
    for (const QString name : {"b.scn", "d.scn"}) {
        if (seen(scene.folder() + '/' + name) == before[name])
            continue;
        QVERIFY2(!records.isEmpty(), qPrintable(name + " is replaced without a record"));
        const auto file = std::find_if(records[0].files.begin(), records[0].files.end(),
                                       [&](const RecordedFile& f) { return f.name == name; });
        QVERIFY2(file != records[0].files.end(), qPrintable(name + " is replaced unrecorded"));
        QCOMPARE(seen(records[0].folder + '/' + file->backup), before[name]);
    }
    // And undoing what was recorded gives each of them back.
    scene.ui.answers = {OverwriteAll};
    if (!records.isEmpty() && !records[0].files.isEmpty())
        scene.undo("RunUndo");
    for (const QString name : {"b.scn", "d.scn"})
        QCOMPARE(seen(scene.folder() + '/' + name), before[name]);
}

void RunRecordTest::recordsStayBounded_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("folderRemoved");
    QTest::addColumn<int>("left");

    QTest::newRow("a few runs") << 3 << false << 3;
    QTest::newRow("many runs") << RunRecords::Kept + 6 << false << RunRecords::Kept;
    QTest::newRow("game folder gone") << 2 << true << 0;
}

void RunRecordTest::recordsStayBounded()
{
    QFETCH(int, runs);
    QFETCH(bool, folderRemoved);
    QFETCH(int, left);
    Scene scene({}, {"a.scn"});
    for (int run = 0; run < runs; ++run) {
        QFile::remove(scene.folder() + "/a.scn");
        scene.install();
        QTest::qWait(2); // each run's record is named by its start to the millisecond
    }
    // What a run or a removal cut short left behind.
    QVERIFY(QDir().mkpath(scene.records() + "/.new-19990101-000000-000-1"));
    QVERIFY(QDir().mkpath(scene.records() + "/.gone-19990101-000000-000-2"));
    if (folderRemoved)
        QVERIFY(QDir(scene.world.driveC() + "/Game").removeRecursively());
    const QList<RunRecord> newest = RunRecords::all(scene.records()).mid(runs - left);

    RunRecords::tidy(scene.records());
    const QList<RunRecord> kept = RunRecords::all(scene.records());
    QCOMPARE(kept.size(), left);
    for (int at = 0; at < left; ++at)
        QCOMPARE(kept[at].folder, newest[at].folder);
    QCOMPARE(
        QDir(scene.records()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        left);
}

QTEST_GUILESS_MAIN(RunRecordTest)
#include "tst_run_record.moc"
