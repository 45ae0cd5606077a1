// Time from start to the main window shown, against a bare Qt window started the same way, and
// the start from a home holding 50 Wine prefixes that the program searches for the game; then
// the memory of the main window after the intro has played, against the bare window's.
//
//   bench_startup [runs]     runs the kinds of child process in turn, prints medians
//   bench_startup --child main|search|intro|bare
//                            one start: prints "shown" when the window is on screen, then waits
//
// The main window starts on a prefix whose system.reg is a real Wine prefix's (1.7 MB, from the
// shared fixtures) with the game's entry added, from the demo medium, without the intro. The
// search starts without WINEPREFIX in a home with 50 such prefixes, one of which holds the game;
// then in a home with 300 Steam (Proton) prefixes of 4 MB, one of which holds the game, against
// the same start in a home with no prefix at all.
// The intro start plays the demo's one-second intro first, as the program does.

#include "DemoWorld.h"
#include "DesktopScale.h"
#include "FontSubstitutes.h"
#include "Guarded.h"
#include "Identity.h"
#include "Install_IntroForm.h"
#include "Install_MainForm.h"
#include "MediaBackend.h"
#include "StartPlaces.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// Waits, once the window is shown, for the parent to read its memory and end it.
int showAndReport(QWidget& window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("shown\n");
    std::fflush(stdout);
    return QApplication::exec();
}

int runChild(int argc, char* argv[], const QString& kind)
{
    DesktopScale::settle();
    selectMediaBackend();
    QApplication application(argc, argv);
    QApplication::setApplicationName(Identity::programTitle);
    if (kind == "bare") {
        QWidget window;
        window.setFixedSize(632, 453);
        return showAndReport(window);
    }
    installFontSubstitutes();
    if (kind == "search")
        StartPlaces::settle(QApplication::arguments());
    IntroFormLauncher intro;
    MainFormServices services;
    if (kind == "intro")
        services.intro = &intro;
    TMainForm window(services);
    runGuarded([&window] { window.FormCreate(); });
    return showAndReport(window);
}

struct Memory
{
    double residentMb = 0;
    double dirtyMb = 0;
};

// Kilobytes of the first line of a /proc file that starts with label.
double procFigureKb(const QString& path, const QByteArray& label)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(label))
            return line.mid(label.size()).trimmed().split(' ').value(0).toDouble();
    return 0;
}

// Resident: all the pages the process holds in memory. Dirty: the pages it has written, its own
// and those it shares (the window's image, shared with the X server), which cannot be dropped
// and read back from a file.
Memory memoryOf(qint64 pid)
{
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    return {procFigureKb(proc + "status", "VmRSS:") / 1024,
            (procFigureKb(proc + "smaps_rollup", "Private_Dirty:") +
             procFigureKb(proc + "smaps_rollup", "Shared_Dirty:")) /
                1024};
}

// Milliseconds from starting the child to its window being shown. The search starts in the
// medium, as the others do, so that only the prefixes are looked for.
double timeOneStart(const QString& kind, const QString& medium, const QString& prefix,
                    const QString& home, Memory* memory = nullptr)
{
    QProcess child;
    child.setWorkingDirectory(medium);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"WINEPREFIX", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        environment.remove(variable);
    if (kind == "search")
        environment.insert("HOME", home);
    else
        environment.insert("WINEPREFIX", prefix);
    child.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {"--child", kind});
    while (!child.canReadLine())
        if (!child.waitForReadyRead(20000))
            qFatal("the %s window never showed: %s", qPrintable(kind),
                   child.readAllStandardError().constData());
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (memory != nullptr) {
        // What the window holds once it has settled after its first paint.
        child.waitForFinished(1000);
        *memory = memoryOf(child.processId());
    }
    child.kill();
    child.waitForFinished();
    return elapsed;
}

constexpr int searchedPrefixes = 50;
constexpr int prefixWithGame = 37;
constexpr int steamPrefixes = 300;
constexpr qsizetype steamRegistrySize = 4 * 1024 * 1024;
constexpr int memoryRuns = 3;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Memory median(const QList<Memory>& samples)
{
    QList<double> resident, dirty;
    for (const Memory& sample : samples) {
        resident << sample.residentMb;
        dirty << sample.dirtyMb;
    }
    return {median(resident), median(dirty)};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    const QString shared = qEnvironmentVariable("KORVANE_SHARED", KORVANE_SHARED_DEFAULT);
    const QString bigRegistry = shared + "/fixtures/wine-registry/fresh-wine8-prefix/system.reg";
    if (!QFile::exists(bigRegistry)) {
        std::printf("bench_startup: skipped, %s is missing\n", qPrintable(bigRegistry));
        return 0;
    }

    QTemporaryDir world;
    DemoOptions options;
    options.introSeconds = 1;
    DemoWorld::make(world.path(), options);
    const QString prefix = world.filePath("prefix");
    QFile demoRegistry(prefix + "/system.reg");
    QFile big(bigRegistry);
    if (!demoRegistry.open(QIODevice::ReadOnly) || !big.open(QIODevice::ReadOnly))
        qFatal("cannot read the registry files");
    // The real prefix's keys, then the demo's (without its header): the game's entry.
    const auto keysOf = [](const QByteArray& file) { return file.mid(file.indexOf("\n[") + 1); };
    const QByteArray bigFile = big.readAll();
    const QByteArray registry = bigFile + "\n" + keysOf(demoRegistry.readAll());
    demoRegistry.close();
    if (!demoRegistry.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        demoRegistry.write(registry) != registry.size())
        qFatal("cannot write the registry");
    demoRegistry.close();

    // Fifty winetricks prefixes of the same size; the game is in the thirty-eighth.
    const QString home = world.filePath("home");
    const QString prefixes = home + "/.local/share/wineprefixes";
    QDir().mkpath(prefixes);
    for (int number = 0; number < searchedPrefixes; ++number) {
        const QString other =
            QStringLiteral("%1/prefix%2").arg(prefixes).arg(number, 2, 10, QChar('0'));
        if (number == prefixWithGame) {
            QProcess::execute("cp", {"-a", prefix, other});
            continue;
        }
        PrefixBuilder(other).writeSystemReg(keysOf(bigFile));
    }

    // Steam's compatdata folders, each a Proton prefix of 4 MB; the game is in one of them.
    const QString steamHome = world.filePath("steam-home");
    const QString compatdata = steamHome + "/.local/share/Steam/steamapps/compatdata";
    QByteArray steamKeys = keysOf(bigFile);
    while (steamKeys.size() < steamRegistrySize)
        steamKeys += keysOf(bigFile);
    steamKeys.truncate(steamKeys.lastIndexOf("\n[", steamRegistrySize) + 1);
    for (int number = 0; number < steamPrefixes; ++number) {
        const QString pfx = QStringLiteral("%1/%2/pfx").arg(compatdata).arg(2000000000 + number);
        QDir().mkpath(QFileInfo(pfx).path());
        if (number == prefixWithGame)
            QProcess::execute("cp", {"-a", prefix, pfx});
        else
            PrefixBuilder(pfx).writeSystemReg(steamKeys);
    }
    const QString emptyHome = world.filePath("empty-home");
    QDir().mkpath(emptyHome);

    const QString medium = world.filePath("medium");
    QList<double> mainTimes, bareTimes, searchTimes, steamTimes, emptyTimes;
    for (const char* kind : {"bare", "main", "search"}) // warm the caches once
        timeOneStart(kind, medium, prefix, home);
    timeOneStart("search", medium, prefix, steamHome);
    for (int run = 0; run < runs; ++run) {
        bareTimes.append(timeOneStart("bare", medium, prefix, home));
        mainTimes.append(timeOneStart("main", medium, prefix, home));
        searchTimes.append(timeOneStart("search", medium, prefix, home));
        emptyTimes.append(timeOneStart("search", medium, prefix, emptyHome));
        steamTimes.append(timeOneStart("search", medium, prefix, steamHome));
    }
    const double main = median(mainTimes), bare = median(bareTimes), search = median(searchTimes);
    std::printf("start to window shown, median of %d runs (system.reg %.1f MB)\n", runs,
                registry.size() / 1048576.0);
    std::printf("  bare Qt window: %7.1f ms\n  main window:    %7.1f ms\n  ratio:          %7.2f\n",
                bare, main, main / bare);
    std::printf("  %d prefixes searched: %7.1f ms (%+.1f ms)\n  ratio to the main window: %.2f\n",
                searchedPrefixes, search, search - main, search / main);
    const double steam = median(steamTimes), empty = median(emptyTimes);
    std::printf("  %d Steam prefixes of %.0f MB searched: %7.1f ms against %7.1f ms from a home "
                "without prefixes: ratio %.2f (%+.1f ms)\n",
                steamPrefixes, steamKeys.size() / 1048576.0, steam, empty, steam / empty,
                steam - empty);

    // Pages of a file written a moment ago count as dirty until they reach the disk, and the
    // programs measured were just built.
    ::sync();
    QList<Memory> bareMemory, introMemory;
    for (int run = 0; run < memoryRuns; ++run) {
        bareMemory << Memory();
        timeOneStart("bare", medium, prefix, home, &bareMemory.last());
        introMemory << Memory();
        timeOneStart("intro", medium, prefix, home, &introMemory.last());
    }
    const Memory bareFigures = median(bareMemory), introFigures = median(introMemory);
    std::printf("memory at the main window after the intro, median of %d runs\n", memoryRuns);
    std::printf("  resident: %6.1f MB against %6.1f MB for the bare window: ratio %.2f\n",
                introFigures.residentMb, bareFigures.residentMb,
                introFigures.residentMb / bareFigures.residentMb);
    std::printf("  dirty:    %6.1f MB against %6.1f MB for the bare window: ratio %.2f\n",
                introFigures.dirtyMb, bareFigures.dirtyMb,
                introFigures.dirtyMb / bareFigures.dirtyMb);
    return 0;
}
