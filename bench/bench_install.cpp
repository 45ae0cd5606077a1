// An installation of 1,000 files of 200 KB through the real run in the main window (status line,
// progress bar, gauge, free-space line and painting, started by its buttons), through the same
// run with no window, against a bare loop of 2048-byte reads and writes (also followed by the one
// sync of the file system that the run makes) and against `cp`, each into the demo prefix's
// empty game folder, in the same run, with the longest time the window's
// event loop stood still during a run in the window, and the run with no window again over the
// files it copied (each one replaced), and that again keeping each replaced file in the run's
// record against the same without; then filling the list from a folder of 10,000 files, and "Check
// all" on that list in the main window, against listing the folder with QDir. Run with the
// accessibility bus, it says so.
//
//   bench_install [rounds]    medians over the rounds (default 8)

#include "DemoWorld.h"
#include "DesktopScale.h"
#include "DuplicatePrompt.h"
#include "FileSystem.h"
#include "FontSubstitutes.h"
#include "InstallPlan.h"
#include "InstallRun.h"
#include "Install_MainForm.h"
#include "ProgramState.h"
#include "ScenarioCatalogue.h"
#include "ScenarioFile.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

constexpr int fileCount = 1000;
constexpr qint64 fileSize = 200 * 1024;
constexpr int listedCount = 10000;

// The same run with nothing on screen: what the file services cost apart from painting.
class SilentUi : public InstallRunUi
{
public:
    void setStatusText(const QString&) override {}
    void setFileProgress(int) override {}
    void setOverallProgress(int) override {}
    void updateFreeSpace() override { FileSystem::freeSpace(3); }
    int askDuplicate(const QString&) override { return OverwriteFile; }
};

void click(QWidget& window, const char* button)
{
    auto* pushButton = window.findChild<QPushButton*>(QLatin1String(button));
    if (pushButton == nullptr || !pushButton->isEnabled())
        qFatal("the main window has no usable %s", button);
    pushButton->click();
}

// The longest time between two turns of the event loop while it watches: a window that stands
// still for long stops answering the desktop, which then offers to end it.
class StallWatch
{
public:
    StallWatch()
    {
        m_ticks.setTimerType(Qt::PreciseTimer);
        m_ticks.setInterval(5);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] { turn(); });
    }
    void start()
    {
        m_sinceTurn.start();
        m_ticks.start();
    }
    void stop()
    {
        turn();
        m_ticks.stop();
    }
    double longestMs() const { return m_longestMs; }

private:
    void turn()
    {
        m_longestMs = std::max(m_longestMs, m_sinceTurn.nsecsElapsed() / 1e6);
        m_sinceTurn.restart();
    }

    QTimer m_ticks;
    QElapsedTimer m_sinceTurn;
    double m_longestMs = 0;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void emptyFolder(const QString& path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

// The same copy without anything else: 2048-byte reads and writes, file by file.
void bareCopy(const QString& from, const QString& to)
{
    char buffer[2048];
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        const int in = ::open(QFile::encodeName(from + '/' + name).constData(), O_RDONLY);
        const int out = ::open(QFile::encodeName(to + '/' + name).constData(),
                               O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0)
            qFatal("cannot open %s", qPrintable(name));
        ssize_t got;
        while ((got = ::read(in, buffer, sizeof buffer)) > 0)
            if (::write(out, buffer, size_t(got)) != got)
                qFatal("short write");
        ::close(in);
        ::close(out);
    }
}

void syncFileSystem(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0 || ::syncfs(descriptor) != 0)
        qFatal("cannot sync %s", qPrintable(folder));
    ::close(descriptor);
}

} // namespace

int main(int argc, char* argv[])
{
    DesktopScale::settle();
    QApplication application(argc, argv);
    installFontSubstitutes();
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 8;

    QTemporaryDir root;
    WorldBuilder world(root.path());
    const QString prefix = world.prefix();
    const QString medium = world.medium();
    DemoOptions options;
    options.intro = false;
    DemoWorld::makePrefix(world, options);
    qputenv("WINEPREFIX", QFile::encodeName(prefix));
    QDir::setCurrent(medium);

    for (int i = 0; i < fileCount; ++i) {
        QByteArray bytes(fileSize, Qt::Uninitialized);
        QRandomGenerator(quint32(i))
            .fillRange(reinterpret_cast<quint32*>(bytes.data()), fileSize / 4);
        WorldFiles::writeFile(
            QStringLiteral("%1/HISTSCR/scenario%2.scn").arg(medium).arg(i, 4, 10, QChar('0')),
            bytes);
    }
    // Scenario files as the game writes them, each with its description.
    for (int i = 0; i < listedCount; ++i)
        WorldFiles::writeFile(
            QStringLiteral("%1/REALMAP/map %2.scn").arg(medium).arg(i),
            makeScenarioFile("A map of the known world, number " + QByteArray::number(i),
                             2500 + 10 * (i % 100), quint32(i)));

    MainFormServices services; // no intro; no prompt is needed, the game folder starts empty
    TMainForm window(services);
    window.FormCreate();
    window.show();
    QCoreApplication::processEvents();
    if (window.state().sourceFolder != QLatin1String("HISTSCR"))
        qFatal("the main window did not start on the historical scenarios");

    ProgramState state;
    state.gameFolder = DemoWorld::gameFolderWindowsPath();
    ScenarioListModel list;
    SilentUi silent;
    InstallRun silentRun(silent);

    QStringList copied;
    for (const QString& name : QDir(medium + "/HISTSCR").entryList(QDir::Files))
        copied << medium + "/HISTSCR/" + name;
    const QString scenarios = DemoWorld::gameFolder(prefix) + "/SCENARIO";
    auto checkCopied = [&] {
        if (QDir(scenarios).entryList(QDir::Files).size() != fileCount)
            qFatal("the run did not copy every file");
    };
    StallWatch stalls;
    auto installInWindow = [&] {
        click(window, "CheckAll_Button");
        stalls.start();
        click(window, "StartButton");
        stalls.stop();
        checkCopied();
    };
    auto installSilentlyWith = [&](InstallRun& run) {
        ScenarioTypes::selectTypeFolders(state, 0);
        ScenarioCatalogue::fillFileList(list, state.sourceFolder);
        list.setEveryTick(true);
        ScenarioCatalogue::countTicked(state, list);
        run.start(InstallPlan::ofTicked(list, state));
        checkCopied();
    };
    auto installSilently = [&] { installSilentlyWith(silentRun); };
    struct Contender
    {
        std::function<void()> copy;
        QList<double> times;
    };
    std::array<Contender, 5> contenders{{
        {installInWindow, {}},
        {installSilently, {}},
        {[&] { bareCopy(medium + "/HISTSCR", scenarios); }, {}},
        // The run waits for its new files to reach the disk before it says "Ready.": the same
        // loop with the same one sync at its end.
        {[&] {
             bareCopy(medium + "/HISTSCR", scenarios);
             syncFileSystem(scenarios);
         },
         {}},
        {[&] {
             if (QProcess::execute(QStringLiteral("cp"), copied + QStringList{scenarios + '/'}) !=
                 0)
                 qFatal("cp failed");
         },
         {}},
    }};
    // Each starts from an empty folder with nothing left to write back, and the order turns
    // from round to round: the file system's cost of reusing freshly freed inodes falls on each
    // contender alike.
    for (int round = 0; round < rounds; ++round) {
        for (size_t turn = 0; turn < contenders.size(); ++turn) {
            Contender& contender = contenders[(size_t(round) + turn) % contenders.size()];
            emptyFolder(scenarios);
            ::sync();
            QElapsedTimer timer;
            timer.start();
            contender.copy();
            contender.times << timer.nsecsElapsed() / 1e6;
        }
    }
    const QList<double>& runTimes = contenders[0].times;
    const QList<double>& silentTimes = contenders[1].times;
    const QList<double>& bareTimes = contenders[2].times;
    const QList<double>& bareSyncedTimes = contenders[3].times;
    const QList<double>& cpTimes = contenders[4].times;
    const double runMs = median(runTimes), silentMs = median(silentTimes);
    const double bareMs = median(bareTimes), cpMs = median(cpTimes);
    const double syncedMs = median(bareSyncedTimes);
    std::printf("install %d files of %lld KB (median of %d rounds)%s\n", fileCount, fileSize / 1024,
                rounds, QAccessible::isActive() ? ", with the accessibility bus" : "");
    std::printf("  the run, main window: %8.1f ms   / bare loop = %.3f   / synced = %.3f   / cp = "
                "%.3f\n",
                runMs, runMs / bareMs, runMs / syncedMs, runMs / cpMs);
    std::printf("  the run, no window:   %8.1f ms   / bare loop = %.3f   / synced = %.3f   / cp = "
                "%.3f\n",
                silentMs, silentMs / bareMs, silentMs / syncedMs, silentMs / cpMs);
    // Every file there already and overwritten: each one's data reaches the disk before its
    // rename, where a new file waits for the one sync at the end of the run.
    QList<double> replaceTimes;
    for (int round = 0; round < std::max(1, rounds / 2); ++round) {
        ::sync();
        QElapsedTimer timer;
        timer.start();
        installSilently();
        replaceTimes << timer.nsecsElapsed() / 1e6;
    }
    std::printf("  the same, replacing:  %8.1f ms   / bare loop = %.3f\n", median(replaceTimes),
                median(replaceTimes) / bareMs);
    // The same again, each replaced file kept in the run's record, in turns with the run that
    // keeps nothing; each round's record is removed after it, outside the time.
    QTemporaryDir records;
    InstallRun recordingRun(silent);
    recordingRun.recordRunsIn(records.path() + QStringLiteral("/korvane-installer"));
    QList<double> plainTimes, keptTimes;
    for (int round = 0; round < std::max(1, rounds / 2); ++round) {
        for (const bool keeping : {false, true}) {
            ::sync();
            QElapsedTimer timer;
            timer.start();
            installSilentlyWith(keeping ? recordingRun : silentRun);
            (keeping ? keptTimes : plainTimes) << timer.nsecsElapsed() / 1e6;
        }
        QDir(records.path() + QStringLiteral("/korvane-installer")).removeRecursively();
    }
    std::printf("  replacing, kept:      %8.1f ms   / the same unkept = %.3f (%.1f ms)\n",
                median(keptTimes), median(keptTimes) / median(plainTimes), median(plainTimes));
    std::printf("  bare loop:            %8.1f ms\n", bareMs);
    std::printf("  bare loop and syncfs: %8.1f ms (synced)\n", syncedMs);
    std::printf("  cp:                   %8.1f ms\n", cpMs);
    std::printf("  longest stall of the window's event loop during a run: %.1f ms\n",
                stalls.longestMs());

    QTreeView view;
    view.setRootIsDecorated(false);
    view.setModel(&list);
    view.setSelectionModel(list.selectionModel());
    view.resize(373, 202);
    view.show();
    QCoreApplication::processEvents();
    QList<double> fillTimes, dirTimes;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        ScenarioCatalogue::fillFileList(list, QStringLiteral("REALMAP"));
        list.selectFirst();
        view.repaint();
        fillTimes << timer.nsecsElapsed() / 1e6;
        if (list.rowCount() != listedCount)
            qFatal("the list holds %d entries", list.rowCount());

        timer.restart();
        const QStringList names = QDir(medium + "/REALMAP").entryList({"*.??n"}, QDir::Files);
        dirTimes << timer.nsecsElapsed() / 1e6;
    }

    // "Check all" as the user feels it: the click and the paint of what it changed.
    auto* typeCombo = window.findChild<QComboBox*>(QStringLiteral("FileTypeCombo"));
    typeCombo->setCurrentIndex(2);
    Q_EMIT typeCombo->activated(2);
    QCoreApplication::processEvents();
    if (window.state().sourceFolder != QLatin1String("REALMAP"))
        qFatal("the main window did not show the real-map scenarios");
    QList<double> checkAllTimes;
    for (int round = 0; round < 5; ++round) {
        click(window, "UncheckAll_Button");
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        click(window, "CheckAll_Button");
        QCoreApplication::processEvents();
        checkAllTimes << timer.nsecsElapsed() / 1e6;
        if (window.state().tickedCount != listedCount)
            qFatal("Check all ticked %d entries", window.state().tickedCount);
    }

    const double dirMs = median(dirTimes);
    std::printf("fill the list from %d files (median of 5)\n", listedCount);
    std::printf("  fill, select, paint: %6.1f ms   / QDir = %.2f\n", median(fillTimes),
                median(fillTimes) / dirMs);
    std::printf("  \"Check all\", main window: %6.1f ms   / QDir = %.2f\n", median(checkAllTimes),
                median(checkAllTimes) / dirMs);
    std::printf("  QDir::entryList:     %6.1f ms\n", dirMs);
    return 0;
}
