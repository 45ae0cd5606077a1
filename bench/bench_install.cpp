// An installation of 1,000 files of 200 KB through the real run (status line, progress bars,
// free-space line and painting), against a bare loop of 2048-byte reads and writes and against
// `cp`, each into an empty game folder, in the same run; then filling the list from a folder of
// 10,000 files, against listing the folder with QDir.
//
//   bench_install [rounds]    medians over the rounds (default 3)

#include "DuplicatePrompt.h"
#include "FileSystem.h"
#include "InstallRun.h"
#include "ProgramState.h"
#include "ScenarioCatalogue.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int fileCount = 1000;
constexpr qint64 fileSize = 200 * 1024;
constexpr int listedCount = 10000;

// The window side of a run: the controls a run updates, painted as the main window paints them.
class BenchWindow : public QWidget, public InstallRunUi
{
public:
    BenchWindow()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_status);
        layout->addWidget(m_fileBar);
        layout->addWidget(m_overallBar);
        layout->addWidget(m_freeSpace);
        resize(400, 150);
    }

    void showStatus(const QString& text) override { m_status->setText(text); }
    void setFileProgress(int percent) override { m_fileBar->setValue(percent); }
    void setOverallProgress(int percent) override { m_overallBar->setValue(percent); }
    void showFreeSpace() override
    {
        const qint64 free = FileSystem::freeSpace(3).value_or(-1);
        m_freeSpace->setText(QStringLiteral("Free space on drive C - %1 kB").arg(free / 1024));
    }
    int askDuplicate(const QString&) override { return OverwriteFile; }
    void paintNow() override
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    QLabel* m_status = new QLabel(this);
    QProgressBar* m_fileBar = new QProgressBar(this);
    QProgressBar* m_overallBar = new QProgressBar(this);
    QLabel* m_freeSpace = new QLabel(this);
};

// The same run with nothing on screen: what the file services cost apart from painting.
class SilentUi : public InstallRunUi
{
public:
    void showStatus(const QString&) override {}
    void setFileProgress(int) override {}
    void setOverallProgress(int) override {}
    void showFreeSpace() override { FileSystem::freeSpace(3); }
    int askDuplicate(const QString&) override { return OverwriteFile; }
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    QTemporaryDir root;
    const QString prefix = root.filePath("prefix");
    const QString medium = root.filePath("medium");
    const QString game = prefix + "/drive_c/Game";
    QDir().mkpath(prefix + "/dosdevices");
    QDir().mkpath(game);
    QFile::link("../drive_c", prefix + "/dosdevices/c:");
    qputenv("WINEPREFIX", QFile::encodeName(prefix));
    QDir().mkpath(medium + "/HISTSCR");
    QDir().mkpath(medium + "/REALMAP");
    QDir::setCurrent(medium);

    for (int i = 0; i < fileCount; ++i) {
        QByteArray bytes(fileSize, Qt::Uninitialized);
        QRandomGenerator(quint32(i))
            .fillRange(reinterpret_cast<quint32*>(bytes.data()), fileSize / 4);
        writeFile(QStringLiteral("%1/HISTSCR/scenario%2.scn").arg(medium).arg(i, 4, 10, QChar('0')),
                  bytes);
    }
    for (int i = 0; i < listedCount; ++i)
        writeFile(QStringLiteral("%1/REALMAP/map %2.scn").arg(medium).arg(i), QByteArray(100, 'm'));

    BenchWindow window;
    window.show();
    QCoreApplication::processEvents();

    ProgramState state;
    state.gameFolder = QStringLiteral("C:\\Game");
    ScenarioListModel list;
    InstallRun run(state, list, window);
    SilentUi silent;
    InstallRun silentRun(state, list, silent);

    QList<double> runTimes, silentTimes, bareTimes, cpTimes;
    for (int round = 0; round < rounds; ++round) {
        emptyFolder(game);
        ScenarioTypes::selectTypeFolders(state, 0);
        ScenarioCatalogue::fillFileList(list, state.sourceFolder);
        list.setAllTicks(true);
        ScenarioCatalogue::countTicked(state, list);
        QElapsedTimer timer;
        timer.start();
        run.start();
        runTimes << timer.nsecsElapsed() / 1e6;
        if (QDir(game + "/SCENARIO").entryList(QDir::Files).size() != fileCount)
            qFatal("the run did not copy every file");

        emptyFolder(game + "/SCENARIO");
        ScenarioCatalogue::countTicked(state, list);
        timer.restart();
        silentRun.start();
        silentTimes << timer.nsecsElapsed() / 1e6;

        emptyFolder(game + "/SCENARIO");
        timer.restart();
        bareCopy(medium + "/HISTSCR", game + "/SCENARIO");
        bareTimes << timer.nsecsElapsed() / 1e6;

        emptyFolder(game + "/SCENARIO");
        QStringList arguments;
        for (const QString& name : QDir(medium + "/HISTSCR").entryList(QDir::Files))
            arguments << medium + "/HISTSCR/" + name;
        arguments << game + "/SCENARIO/";
        timer.restart();
        if (QProcess::execute(QStringLiteral("cp"), arguments) != 0)
            qFatal("cp failed");
        cpTimes << timer.nsecsElapsed() / 1e6;
    }
    emptyFolder(game);

    const double runMs = median(runTimes), silentMs = median(silentTimes);
    const double bareMs = median(bareTimes), cpMs = median(cpTimes);
    std::printf("install %d files of %lld KB (median of %d rounds)\n", fileCount, fileSize / 1024,
                rounds);
    std::printf("  the run:    %8.1f ms\n", runMs);
    std::printf("  no window:  %8.1f ms   run / no window = %.3f\n", silentMs, runMs / silentMs);
    std::printf("  bare loop:  %8.1f ms   run / bare loop = %.3f\n", bareMs, runMs / bareMs);
    std::printf("  cp:         %8.1f ms   run / cp        = %.3f\n", cpMs, runMs / cpMs);

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
    std::printf("fill the list from %d files (median of 5)\n", listedCount);
    std::printf("  fill, select, paint: %6.1f ms\n", median(fillTimes));
    std::printf("  QDir::entryList:     %6.1f ms   ratio = %.2f\n", median(dirTimes),
                median(fillTimes) / median(dirTimes));
    return 0;
}
