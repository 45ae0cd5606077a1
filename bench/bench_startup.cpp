// Time from start to the main window shown, against a bare Qt window started the same way, and
// the start from a home holding 50 Wine prefixes that the program searches for the game.
//
//   bench_startup [runs]                   runs the kinds of child process in turn, prints medians
//   bench_startup --child main|search|bare one start: prints "shown" when the window is on screen
//
// The main window starts on a prefix whose system.reg is a real Wine prefix's (1.7 MB, from the
// shared fixtures) with the game's entry added, from the demo medium, without the intro. The
// search starts without WINEPREFIX in a home with 50 such prefixes, one of which holds the game.

#include "DemoWorld.h"
#include "FontSubstitutes.h"
#include "Install_MainForm.h"
#include "StartPlaces.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

int showAndReport(QWidget& window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}

int runChild(int argc, char* argv[], const QString& kind)
{
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane Installer"));
    if (kind == "bare") {
        QWidget window;
        window.setFixedSize(632, 453);
        return showAndReport(window);
    }
    installFontSubstitutes();
    if (kind == "search")
        StartPlaces::settle(QApplication::arguments());
    MainFormServices services; // no intro
    TMainForm window(services);
    return showAndReport(window);
}

// Milliseconds from starting the child to its window being shown. The search starts in the
// medium, as the others do, so that only the prefixes are looked for.
double timeOneStart(const QString& kind, const QString& medium, const QString& prefix,
                    const QString& home)
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
    child.kill();
    child.waitForFinished();
    return elapsed;
}

constexpr int searchedPrefixes = 50;
constexpr int prefixWithGame = 37;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    options.intro = false;
    DemoWorld::make(world.path(), options);
    const QString prefix = world.filePath("prefix");
    QFile demoRegistry(prefix + "/system.reg");
    QFile big(bigRegistry);
    if (!demoRegistry.open(QIODevice::ReadOnly) || !big.open(QIODevice::ReadOnly))
        qFatal("cannot read the registry files");
    // The real prefix's keys, then the demo's (without its header): the game's entry.
    const QByteArray demoFile = demoRegistry.readAll();
    const QByteArray demoKeys = demoFile.mid(demoFile.indexOf("\n[") + 1);
    const QByteArray registry = big.readAll() + "\n" + demoKeys;
    demoRegistry.close();
    if (!demoRegistry.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        demoRegistry.write(registry) != registry.size())
        qFatal("cannot write the registry");
    demoRegistry.close();

    // Fifty winetricks prefixes of the same size; the game is in the thirty-eighth.
    const QString home = world.filePath("home");
    const QString prefixes = home + "/.local/share/wineprefixes";
    QDir().mkpath(prefixes);
    if (!QFile::copy(bigRegistry, world.filePath("plain.reg")))
        qFatal("cannot copy the registry");
    for (int number = 0; number < searchedPrefixes; ++number) {
        const QString other =
            QStringLiteral("%1/prefix%2").arg(prefixes).arg(number, 2, 10, QChar('0'));
        if (number == prefixWithGame) {
            QProcess::execute("cp", {"-a", prefix, other});
            continue;
        }
        QDir().mkpath(other + "/dosdevices");
        QDir().mkpath(other + "/drive_c");
        QFile::link("../drive_c", other + "/dosdevices/c:");
        QFile::copy(world.filePath("plain.reg"), other + "/system.reg");
    }

    const QString medium = world.filePath("medium");
    QList<double> mainTimes, bareTimes, searchTimes;
    for (const char* kind : {"bare", "main", "search"}) // warm the caches once
        timeOneStart(kind, medium, prefix, home);
    for (int run = 0; run < runs; ++run) {
        bareTimes.append(timeOneStart("bare", medium, prefix, home));
        mainTimes.append(timeOneStart("main", medium, prefix, home));
        searchTimes.append(timeOneStart("search", medium, prefix, home));
    }
    const double main = median(mainTimes), bare = median(bareTimes), search = median(searchTimes);
    std::printf("start to window shown, median of %d runs (system.reg %.1f MB)\n", runs,
                registry.size() / 1048576.0);
    std::printf("  bare Qt window: %7.1f ms\n  main window:    %7.1f ms\n  ratio:          %7.2f\n",
                bare, main, main / bare);
    std::printf("  %d prefixes searched: %7.1f ms (%+.1f ms)\n  ratio to the main window: %.2f\n",
                searchedPrefixes, search, search - main, search / main);
    return 0;
}
