// The folder tree: its first build on the demo prefix, and a walk to a folder three levels down
// whose parents each hold 20,000 subfolders. Each figure comes with a baseline measured in the
// same run: QDir listing the folders the tree has to read for the same result.
//
//   bench_tree [runs]

#include "DemoWorld.h"
#include "DirTree.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int wideCount = 20000;
constexpr int loopCount = 1000;
const QString wideName = QStringLiteral("w10000");

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Lists the subfolders of folder, and those of each of them down to depth more levels.
int listFolders(const QString& folder, int depth)
{
    const QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    int listed = 1;
    if (depth > 0) {
        for (const QString& name : names)
            listed += listFolders(folder + u'/' + name, depth - 1);
    }
    return listed;
}

void makeWideLevels(const QString& base)
{
    QString parent = base;
    for (int level = 0; level < 3; ++level) {
        QDir dir(parent);
        for (int i = 0; i < wideCount; ++i)
            dir.mkdir(QStringLiteral("w%1").arg(i, 5, 10, QLatin1Char('0')));
        parent += u'/' + wideName;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QTemporaryDir scratch;
    DemoOptions options;
    options.intro = false;
    DemoWorld::make(scratch.path(), options);
    const QString prefix = scratch.path() + QStringLiteral("/prefix");
    qputenv("WINEPREFIX", QFile::encodeName(prefix));

    // First build: the drives' roots one level deep, the desktop three levels.
    const double build = medianMs(runs, [] {
        TDirectoryTree tree;
        tree.myComputerNode();
    });
    const QString driveC = prefix + QStringLiteral("/drive_c");
    const double buildBaseline = medianMs(runs, [&] {
        listFolders(driveC, 0);
        listFolders(QStringLiteral("/"), 0);
    });
    std::printf("first build of the tree (demo prefix): %.1f ms; listing the drive roots with "
                "QDir: %.1f ms (ratio %.1f)\n",
                build, buildBaseline, build / std::max(buildBaseline, 0.001));

    // A folder holding links to itself, opened: each link is shown, none is read ahead.
    const QString loops = driveC + QStringLiteral("/loops");
    QDir().mkpath(loops);
    for (int i = 0; i < loopCount; ++i)
        QFile::link(loops, loops + QStringLiteral("/self%1").arg(i));
    const double open = medianMs(runs, [] {
        TDirectoryTree tree;
        tree.setDirectory(QStringLiteral("C:\\loops"));
        tree.expandNode(tree.currentItem());
    });
    const double openBaseline = medianMs(runs, [&] { listFolders(loops, 0); });
    std::printf(
        "open a folder holding %d links to itself (tree built, walked to, opened): %.1f ms; "
        "listing its folders with QDir: %.1f ms\n",
        loopCount, open, openBaseline);
    QDir(loops).removeRecursively();

    const QString wide = driveC + QStringLiteral("/wide");
    QDir().mkpath(wide);
    QElapsedTimer making;
    making.start();
    makeWideLevels(wide);
    std::printf("made 3 x %d folders in %.1f s\n", wideCount, double(making.elapsed()) / 1000);

    const QString target = QStringLiteral("C:\\wide\\%1\\%1\\%1").arg(wideName);
    const int walkRuns = std::max(1, runs / 2);
    QString selected;
    const double walk = medianMs(walkRuns, [&] {
        TDirectoryTree tree;
        tree.setDirectory(target);
        selected = tree.NodePath(tree.currentItem());
    });
    // What the walk reads: each parent on the way and every one of its subfolders (the look-ahead
    // that gives each node its expand button).
    const double walkBaseline = medianMs(walkRuns, [&] {
        QString folder = wide;
        for (int level = 0; level < 3; ++level) {
            listFolders(folder, 1);
            folder += u'/' + wideName;
        }
    });
    std::printf("walk to %s through 3 x %d subfolders: %.0f ms; listing the same folders with "
                "QDir: %.0f ms (ratio %.1f)%s\n",
                qPrintable(target), wideCount, walk, walkBaseline,
                walk / std::max(walkBaseline, 0.001),
                selected.compare(target, Qt::CaseInsensitive) == 0 ? "" : " -- NOT SELECTED");
    return 0;
}
