// Time from start to the main window shown, against a bare Qt window started the same way.
//
//   bench_startup [runs]            runs both kinds of child process in turn, prints medians
//   bench_startup --child main|bare one start: prints "shown" when the window is on screen
//
// The main window starts on a prefix whose system.reg is a real Wine prefix's (1.7 MB, from the
// shared fixtures) with the game's entry added, from the demo medium, without the intro.

#include "DemoWorld.h"
#include "FontSubstitutes.h"
#include "Install_MainForm.h"

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
    MainFormServices services; // no intro
    TMainForm window(services);
    return showAndReport(window);
}

// Milliseconds from starting the child to its window being shown.
double timeOneStart(const QString& kind, const QString& medium, const QString& prefix)
{
    QProcess child;
    child.setWorkingDirectory(medium);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
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

    const QString medium = world.filePath("medium");
    QList<double> mainTimes, bareTimes;
    timeOneStart("bare", medium, prefix); // warm the caches once
    timeOneStart("main", medium, prefix);
    for (int run = 0; run < runs; ++run) {
        bareTimes.append(timeOneStart("bare", medium, prefix));
        mainTimes.append(timeOneStart("main", medium, prefix));
    }
    const double main = median(mainTimes), bare = median(bareTimes);
    std::printf("start to window shown, median of %d runs (system.reg %.1f MB)\n", runs,
                registry.size() / 1048576.0);
    std::printf("  bare Qt window: %7.1f ms\n  main window:    %7.1f ms\n  ratio:          %7.2f\n",
                bare, main, main / bare);
    return 0;
}
