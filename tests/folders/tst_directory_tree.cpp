#include "DirTree.h"
#include "FolderWorld.h"
#include "StalledMount.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList labels(const QTreeWidgetItem* node)
{
    QStringList result;
    for (int i = 0; i < node->childCount(); ++i)
        result << node->child(i)->text(0);
    return result;
}

using Listing = TDirectoryTree::Listing;

// The node reached by following labels from My Computer ("C:[SYSTEM]", "Games").
QTreeWidgetItem* nodeAt(TDirectoryTree& tree, const QStringList& path)
{
    QTreeWidgetItem* node = tree.myComputerNode();
    for (const QString& label : path) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; node && i < node->childCount(); ++i) {
            if (node->child(i)->text(0) == label)
                next = node->child(i);
        }
        node = next;
    }
    return node;
}

class Follower : public DirectoryFollower
{
public:
    void followDirectory(const QString& path) override { seen << path; }
    QStringList seen;
};

} // namespace

class TestDirectoryTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void myComputerListsDrives();
    void floppyOpensOnlyWhenAsked_data();
    void floppyOpensOnlyWhenAsked();
    void driveThatDoesNotAnswer();
    void walks_data();
    void walks();
    void longPathIsWalkedInFull();
    void childrenSortedDesktopNot();
    void hiddenFoldersNeverAppear();
    void nodePaths_data();
    void nodePaths();
    void everyWayOfOpeningReadsFirst_data();
    void everyWayOfOpeningReadsFirst();
    void reopenedNodeIsNotReadAgain();
    void focusSelectsNothing();
    void selectionStaysHighlightedWithoutFocus_data();
    void selectionStaysHighlightedWithoutFocus();
    void createFolder_data();
    void createFolder();
    void createFolderUnderDesktop();
    void createFolderWithoutSelection();
    void createFolderNeedsADrivePath();
    void labelEditing_data();
    void labelEditing();
    void recycleBin();
    void bareRegistryGivesEmptyTexts();
    void shellTextOfWrongTypeFailsConstruction();
};

void TestDirectoryTree::myComputerListsDrives()
{
    FolderWorld world;
    TDirectoryTree tree;
    QTreeWidgetItem* computer = tree.myComputerNode();
    QCOMPARE(labels(computer), (QStringList{"A:", "C:[SYSTEM]", "D:"}));

    struct Expected
    {
        int image;
        bool expandable;
    };
    const Expected expected[] = {{TDirectoryTree::RemovableDriveImage, true},
                                 {TDirectoryTree::FixedDriveImage, true},
                                 {TDirectoryTree::CdRomDriveImage, false}};
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem* drive = computer->child(i);
        QCOMPARE(drive->data(0, TDirectoryTree::ImageRole).toInt(), expected[i].image);
        QCOMPARE(drive->childCount() > 0, expected[i].expandable);
        QCOMPARE(TDirectoryTree::listingOf(drive), Listing::NotRead);
        QVERIFY(!drive->isExpanded());
    }
    // A's folder is not read: its one child is the empty placeholder, not the folder on the disk.
    QCOMPARE(labels(computer->child(0)), QStringList{QString()});
    // C's look-ahead holds its root folders and nothing below them.
    const QStringList onC = labels(computer->child(1));
    QVERIFY(onC.contains("Games") && onC.contains("users") && !onC.contains(".config"));
    QCOMPARE(nodeAt(tree, {"C:[SYSTEM]", "Games"})->childCount(), 0);
    QVERIFY(tree.desktopNode()->isExpanded());
    QVERIFY(computer->isExpanded());
    QCOMPARE(tree.currentItem(), nullptr);
}

void TestDirectoryTree::floppyOpensOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("diskInDrive");
    QTest::addColumn<QStringList>("children");
    QTest::newRow("disk in the drive") << true << QStringList{"Secret"};
    QTest::newRow("no disk") << false << QStringList{};
}

void TestDirectoryTree::floppyOpensOnlyWhenAsked()
{
    QFETCH(bool, diskInDrive);
    QFETCH(QStringList, children);
    FolderWorld world;
    if (!diskInDrive)
        QVERIFY(QDir(world.floppy()).removeRecursively());
    TDirectoryTree tree;
    QTreeWidgetItem* floppy = tree.myComputerNode()->child(0);
    tree.expandNode(floppy);
    QCOMPARE(labels(floppy), children);
    QCOMPARE(TDirectoryTree::listingOf(floppy), Listing::Read);
    QCOMPARE(floppy->isExpanded(), diskInDrive);
    // Once read, the drive stays as it was found, even when a disk is put in afterwards.
    world.world.makeFolder(QStringLiteral("floppy/Later"));
    floppy->setExpanded(false);
    tree.expandNode(floppy);
    QCOMPARE(labels(floppy), children);
}

// A drive on a mount whose server is gone: the tree is built without it, which shows its letter
// alone, ready to be read when it is opened; the other drives are read as always.
void TestDirectoryTree::driveThatDoesNotAnswer()
{
    FolderWorld world;
    const StalledMount stalled(world.world.root() + QStringLiteral("/stalled"));
    if (!stalled.isMounted())
        QSKIP("no FUSE file system can be mounted here (python3-fusepy, /dev/fuse)");
    world.world.addDrive(QLatin1Char('n'), world.world.root() + QStringLiteral("/stalled"));
    TDirectoryTree tree;
    QTreeWidgetItem* computer = tree.myComputerNode();
    QCOMPARE(computer->child(computer->childCount() - 1)->text(0), QStringLiteral("N:"));
    QCOMPARE(labels(computer->child(computer->childCount() - 1)), QStringList{QString()});
    QVERIFY(labels(computer->child(1)).contains("Games"));
}

void TestDirectoryTree::walks_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("selected");   // the selected node's folder; empty for none
    QTest::addColumn<QStringList>("opened"); // nodes below My Computer that are open afterwards

    const QStringList games{"C:[SYSTEM]", "C:[SYSTEM]/Games"};
    QTest::newRow("other letter case") << "c:\\games\\aoe"
                                       << "C:\\Games\\AoE" << games;
    QTest::newRow("exact case") << "C:\\Games\\AoE"
                                << "C:\\Games\\AoE" << games;
    QTest::newRow("trailing backslash") << "C:\\Games\\"
                                        << "" << games;
    QTest::newRow("drive root") << "C:\\"
                                << "" << QStringList{"C:[SYSTEM]"};
    QTest::newRow("drive") << "C:"
                           << "C:\\" << QStringList{};
    QTest::newRow("lower-case drive") << "c:"
                                      << "C:\\" << QStringList{};
    QTest::newRow("empty") << ""
                           << "" << QStringList{};
    QTest::newRow("absent drive") << "Q:\\Games"
                                  << "" << QStringList{};
    QTest::newRow("network path") << "\\\\server\\share"
                                  << "" << QStringList{};
    QTest::newRow("missing folder") << "C:\\Games\\Gone\\Deeper"
                                    << "" << games;
    QTest::newRow("a file is no folder") << "C:\\Games\\readme.txt"
                                         << "" << games;
    QTest::newRow("folder on the desktop, by its drive")
        << "C:\\users\\me\\Desktop\\Ezra"
        << "C:\\users\\me\\Desktop\\Ezra"
        << QStringList{"C:[SYSTEM]", "C:[SYSTEM]/users", "C:[SYSTEM]/users/me",
                       "C:[SYSTEM]/users/me/Desktop"};
}

void TestDirectoryTree::walks()
{
    QFETCH(QString, path);
    QFETCH(QString, selected);
    QFETCH(QStringList, opened);
    FolderWorld world;
    TDirectoryTree tree;
    Follower follower;
    tree.setFileListBox(&follower);
    QStringList changes;
    connect(&tree, &TDirectoryTree::changed, &tree, [&] { changes << tree.directory(); });

    tree.setDirectory(path);

    QCOMPARE(tree.directory(), path);
    if (selected.isEmpty()) {
        QCOMPARE(tree.currentItem(), nullptr);
        QVERIFY(changes.isEmpty());
    } else {
        QVERIFY(tree.currentItem());
        QVERIFY(tree.currentItem()->isSelected());
        QVERIFY(!tree.currentItem()->isExpanded());
        QCOMPARE(changes, QStringList{selected});
        QCOMPARE(follower.seen, QStringList{selected});
        QCOMPARE(tree.NodePath(tree.currentItem()), selected);
    }
    QStringList open;
    const std::function<void(QTreeWidgetItem*, const QString&)> collect =
        [&](QTreeWidgetItem* node, const QString& prefix) {
            for (int i = 0; i < node->childCount(); ++i) {
                QTreeWidgetItem* child = node->child(i);
                const QString name =
                    prefix.isEmpty() ? child->text(0) : prefix + u'/' + child->text(0);
                if (child->isExpanded()) {
                    open << name;
                    QCOMPARE(TDirectoryTree::listingOf(child), Listing::Read);
                }
                collect(child, name);
            }
        };
    collect(tree.myComputerNode(), QString());
    QCOMPARE(open, opened);
}

void TestDirectoryTree::longPathIsWalkedInFull()
{
    FolderWorld world;
    QString windowsPath = QStringLiteral("C:\\Games");
    QString hostPath = QStringLiteral("Games");
    for (int level = 0; level < 30; ++level) {
        const QString name = QStringLiteral("level%1xxxx").arg(level, 2, 10, QLatin1Char('0'));
        windowsPath += u'\\' + name;
        hostPath += u'/' + name;
    }
    QVERIFY(windowsPath.size() > 300);
    QVERIFY(QDir().mkpath(world.onC(hostPath)));
    TDirectoryTree tree;
    QSignalSpy changes(&tree, &TDirectoryTree::changed);
    tree.setDirectory(windowsPath);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(tree.NodePath(tree.currentItem()), windowsPath);

    // However deep, a folder's name is never cut down to its icon: the tree scrolls sideways.
    tree.resize(200, 300);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    int indent = 0;
    for (const QTreeWidgetItem* node = tree.currentItem(); node->parent(); node = node->parent())
        indent += tree.indentation();
    QVERIFY(tree.columnWidth(0) >=
            indent + tree.iconSize().width() +
                tree.fontMetrics().horizontalAdvance(tree.currentItem()->text(0)));
}

void TestDirectoryTree::childrenSortedDesktopNot()
{
    FolderWorld world;
    TDirectoryTree tree;
    tree.setDirectory(QStringLiteral("C:\\Games\\AoE"));
    QCOMPARE(labels(tree.currentItem()->parent()), FolderWorld::gameSubfolders);
    // Look-ahead children keep the disk's order until their own parent is read.
    world.world.makeFolder(QDir(world.world.root()).relativeFilePath(world.onC("Games/Zeta/b")));
    world.world.makeFolder(QDir(world.world.root()).relativeFilePath(world.onC("Games/Zeta/A")));
    tree.setDirectory(QStringLiteral("C:\\Games\\Zeta\\b"));
    QCOMPARE(labels(tree.currentItem()->parent()), (QStringList{"A", "b"}));
    // The desktop's own node lists My Computer, the Recycle Bin and then its folders as the disk
    // lists them.
    QCOMPARE(labels(tree.desktopNode()), (QStringList{"My Computer", "Trash", "Ezra", "Éclair"}));
}

void TestDirectoryTree::hiddenFoldersNeverAppear()
{
    FolderWorld world;
    TDirectoryTree tree;
    tree.setDirectory(QStringLiteral("C:\\Games"));
    tree.expandNode(tree.currentItem());
    const QStringList inGames = labels(tree.currentItem());
    QVERIFY(!inGames.contains(".hidden"));
    QVERIFY(!inGames.contains("readme.txt"));
    QVERIFY(!labels(tree.currentItem()->parent()).contains(".config"));
    QVERIFY(!labels(tree.desktopNode()).contains(".trash"));
    tree.setDirectory(QStringLiteral("C:\\Games\\.hidden"));
    QCOMPARE(tree.currentItem(), nodeAt(tree, {"C:[SYSTEM]", "Games"}));
}

void TestDirectoryTree::nodePaths_data()
{
    QTest::addColumn<QString>("node"); // "desktop", "computer" or labels below My Computer
    QTest::addColumn<QString>("path");
    QTest::newRow("Desktop node") << "desktop"
                                  << "c:\\users\\me\\Desktop";
    QTest::newRow("My Computer") << "computer"
                                 << "My Computer";
    QTest::newRow("drive with a label") << "C:[SYSTEM]"
                                        << "C:\\";
    QTest::newRow("folder") << "C:[SYSTEM]/Games/AoE"
                            << "C:\\Games\\AoE";
    QTest::newRow("folder on the desktop") << "desktop/Ezra/inside"
                                           << "c:\\users\\me\\Desktop\\Ezra\\inside";
    // Only a drive's label loses what follows its colon.
    QTest::newRow("folder with a colon second") << "C:[SYSTEM]/Games/AoE/a:b"
                                                << "C:\\Games\\AoE\\a:b";
}

void TestDirectoryTree::nodePaths()
{
    QFETCH(QString, node);
    QFETCH(QString, path);
    FolderWorld world;
    QVERIFY(QDir().mkpath(world.onC(QStringLiteral("Games/AoE/a:b"))));
    TDirectoryTree tree;
    tree.setDirectory(QStringLiteral("C:\\Games\\AoE"));
    QTreeWidgetItem* item = nullptr;
    if (node == "computer") {
        item = tree.myComputerNode();
    } else if (node.startsWith("desktop")) {
        item = tree.desktopNode();
        for (const QString& label : node.split(u'/').mid(1)) {
            QTreeWidgetItem* parent = item;
            item = nullptr;
            for (int i = 0; i < parent->childCount(); ++i) {
                if (parent->child(i)->text(0) == label)
                    item = parent->child(i);
            }
        }
    } else {
        item = nodeAt(tree, node.split(u'/'));
    }
    QVERIFY(item);
    tree.setCurrentItem(nullptr);
    QSignalSpy changes(&tree, &TDirectoryTree::changed);
    tree.setCurrentItem(item);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(tree.directory(), path);
}

void TestDirectoryTree::everyWayOfOpeningReadsFirst_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("branch button") << "button";
    QTest::newRow("double click") << "double click";
    QTest::newRow("right arrow") << "right";
    QTest::newRow("plus key") << "plus";
    QTest::newRow("asterisk key") << "asterisk";
    QTest::newRow("program") << "program";
}

void TestDirectoryTree::everyWayOfOpeningReadsFirst()
{
    QFETCH(QString, how);
    FolderWorld world;
    TDirectoryTree tree;
    tree.resize(300, 400);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QTreeWidgetItem* drive = nodeAt(tree, {"C:[SYSTEM]"});
    QTreeWidgetItem* games = nullptr;
    const QRect rect = tree.visualItemRect(drive);
    QWidget* viewport = tree.viewport();
    if (how == "button") {
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          QPoint(rect.left() - tree.indentation() / 2, rect.center().y()));
    } else if (how == "double click") {
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, rect.center());
    } else if (how == "program") {
        drive->setExpanded(true);
    } else {
        tree.setCurrentItem(drive);
        const Qt::Key key = how == "right"  ? Qt::Key_Right
                            : how == "plus" ? Qt::Key_Plus
                                            : Qt::Key_Asterisk;
        QTest::keyClick(&tree, key);
    }
    QVERIFY(drive->isExpanded());
    QCOMPARE(TDirectoryTree::listingOf(drive), Listing::Read);
    QCOMPARE(labels(drive), (QStringList{"Games", "users"}));
    games = drive->child(0);
    // Each child was read one level ahead, so it shows its expand button, unsorted and unread.
    QCOMPARE(labels(games), FolderWorld::gameSubfoldersOnDisk);
    QCOMPARE(TDirectoryTree::listingOf(games), Listing::NotRead);
    QVERIFY(!games->isExpanded());
    QVERIFY(!tree.isEditingLabel());
}

void TestDirectoryTree::reopenedNodeIsNotReadAgain()
{
    FolderWorld world;
    TDirectoryTree tree;
    tree.setDirectory(QStringLiteral("C:\\Games\\AoE"));
    QTreeWidgetItem* games = tree.currentItem()->parent();
    world.world.makeFolder(QDir(world.world.root()).relativeFilePath(world.onC("Games/Later")));
    QVERIFY(QDir(world.onC("Games/Zeta")).removeRecursively());
    games->setExpanded(false);
    tree.expandNode(games);
    QVERIFY(games->isExpanded());
    QCOMPARE(labels(games), FolderWorld::gameSubfolders);
}

void TestDirectoryTree::focusSelectsNothing()
{
    FolderWorld world;
    TDirectoryTree tree;
    QSignalSpy changes(&tree, &TDirectoryTree::changed);
    tree.setDirectory(QStringLiteral("C:\\Games\\Gone"));
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.activateWindow();
    tree.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&tree));
    QTRY_VERIFY(tree.hasFocus());
    QCOMPARE(tree.currentItem(), nullptr);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(tree.directory(), QStringLiteral("C:\\Games\\Gone"));
    // The user can still pick a node from the keyboard.
    QTest::keyClick(&tree, Qt::Key_Down);
    QVERIFY(tree.currentItem());
    QCOMPARE(changes.count(), 1);
}

void TestDirectoryTree::selectionStaysHighlightedWithoutFocus_data()
{
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::newRow("highlight") << QPalette::Highlight;
    QTest::newRow("highlighted text") << QPalette::HighlightedText;
}

// The folder dialog's buttons and edit take the focus from the tree; the selected folder they act
// on must still stand out.
void TestDirectoryTree::selectionStaysHighlightedWithoutFocus()
{
    QFETCH(QPalette::ColorRole, role);
    // A desktop whose inactive selection is pale, unlike the offscreen platform's.
    const QPalette desktop = QApplication::palette();
    const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
    QPalette pale = desktop;
    pale.setColor(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
    pale.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::darkGray);
    QApplication::setPalette(pale);

    FolderWorld world;
    TDirectoryTree tree;
    const QPalette colours = tree.palette();
    QCOMPARE(colours.brush(QPalette::Inactive, role), colours.brush(QPalette::Active, role));
}

void TestDirectoryTree::createFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("made");            // the folder exists afterwards, and is selected
    QTest::addColumn<QStringList>("children"); // of C:\Games afterwards

    QStringList withMaps = FolderWorld::gameSubfolders;
    withMaps.insert(withMaps.indexOf("Zeta"), "Maps");
    QTest::newRow("new name") << "Maps" << true << withMaps;
    QTest::newRow("existing folder") << "AoE" << true << FolderWorld::gameSubfolders;
    QTest::newRow("existing in another case") << "aoe" << true << FolderWorld::gameSubfolders;
    QTest::newRow("a slash cannot be made") << "bad/name" << false << FolderWorld::gameSubfolders;
    QTest::newRow("a star cannot be made") << "bad*name" << false << FolderWorld::gameSubfolders;
    QTest::newRow("a colon cannot be made") << "bad:name" << false << FolderWorld::gameSubfolders;
    QTest::newRow("a tab cannot be made") << "bad\tname" << false << FolderWorld::gameSubfolders;
    QTest::newRow("under a file") << "readme.txt\\sub" << false << FolderWorld::gameSubfolders;
    QTest::newRow("empty name") << "" << false << FolderWorld::gameSubfolders;
}

void TestDirectoryTree::createFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, made);
    QFETCH(QStringList, children);
    FolderWorld world;
    TDirectoryTree tree;
    tree.setDirectory(QStringLiteral("C:\\Games"));
    QTreeWidgetItem* games = tree.currentItem();
    tree.expandNode(games);
    QSignalSpy changes(&tree, &TDirectoryTree::changed);

    tree.CreateFolder(name);

    QCOMPARE(labels(games), children);
    QCOMPARE(TDirectoryTree::listingOf(games), Listing::Read);
    if (made) {
        QCOMPARE(tree.currentItem()->parent(), games);
        QCOMPARE(tree.currentItem()->text(0).toLower(), name.toLower());
        QCOMPARE(tree.directory(), QStringLiteral("C:\\Games\\") + name);
        QCOMPARE(changes.count(), 1);
        QVERIFY(QFileInfo(world.onC("Games/" + tree.currentItem()->text(0))).isDir());
    } else {
        QCOMPARE(tree.currentItem(), games);
        QCOMPARE(tree.directory(), QStringLiteral("C:\\Games"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(QDir(world.onC("Games"))
                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)
                     .size(),
                 FolderWorld::gameSubfolders.size() + 1);
    }
}

void TestDirectoryTree::createFolderUnderDesktop()
{
    FolderWorld world;
    TDirectoryTree tree;
    tree.setCurrentItem(tree.desktopNode());
    tree.CreateFolder(QStringLiteral("New"));
    QVERIFY(QFileInfo(world.onC("users/me/Desktop/New")).isDir());
    // Selected in its drive branch, spelled as the disk spells it.
    QCOMPARE(tree.NodePath(tree.currentItem()), QStringLiteral("C:\\users\\me\\Desktop\\New"));
    QCOMPARE(tree.directory(), QStringLiteral("c:\\users\\me\\Desktop\\New"));
    // The Desktop node, never read again, shows it after its folders.
    QCOMPARE(labels(tree.desktopNode()),
             (QStringList{"My Computer", "Trash", "Ezra", "Éclair", "New"}));

    tree.setCurrentItem(tree.desktopNode());
    tree.CreateFolder(QStringLiteral("bad/name"));
    QCOMPARE(tree.currentItem(), tree.desktopNode());
    QCOMPARE(labels(tree.desktopNode()).size(), 5);
}

void TestDirectoryTree::createFolderWithoutSelection()
{
    FolderWorld world;
    TDirectoryTree tree;
    // The walk opens and reads C:\Games, then fails on the empty last component.
    tree.setDirectory(QStringLiteral("C:\\Games\\"));
    QCOMPARE(tree.currentItem(), nullptr);
    tree.CreateFolder(QStringLiteral("Fresh"));
    QVERIFY(QFileInfo(world.onC("Games/Fresh")).isDir());
    QVERIFY(tree.currentItem());
    QCOMPARE(tree.NodePath(tree.currentItem()), QStringLiteral("C:\\Games\\Fresh"));
    QVERIFY(labels(tree.currentItem()->parent()).contains("Fresh"));
}

void TestDirectoryTree::createFolderNeedsADrivePath()
{
    FolderWorld world;
    TDirectoryTree tree;
    tree.setCurrentItem(tree.myComputerNode());
    QCOMPARE(tree.directory(), QStringLiteral("My Computer"));
    tree.CreateFolder(QStringLiteral("Stray"));
    tree.setDirectory(QStringLiteral("Games"));
    tree.CreateFolder(QStringLiteral("Stray"));
    // Nothing appears in the current directory, whatever the texts said.
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("My Computer")));
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("Games")));
}

void TestDirectoryTree::labelEditing_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("byKey"); // F2, or a click on the selected node
    QTest::newRow("F2") << false << true;
    QTest::newRow("click on the selected node") << false << false;
    QTest::newRow("read-only, F2") << true << true;
}

void TestDirectoryTree::labelEditing()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, byKey);
    FolderWorld world;
    TDirectoryTree tree;
    tree.setReadOnly(readOnly);
    tree.resize(300, 400);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.setDirectory(QStringLiteral("C:\\Games\\AoE"));
    QTreeWidgetItem* aoe = tree.currentItem();

    // A double click opens the node; it never starts an edit.
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(aoe).center());
    QVERIFY(aoe->isExpanded());
    QTest::qWait(qApp->doubleClickInterval() + 100);
    QVERIFY(!tree.isEditingLabel());

    if (byKey) {
        QTest::keyClick(&tree, Qt::Key_F2);
    } else {
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(aoe).center());
        QTest::qWait(qApp->doubleClickInterval() + 100);
    }
    QCOMPARE(tree.isEditingLabel(), !readOnly);
    if (readOnly)
        return;
    auto* editor = tree.viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("Renamed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!tree.isEditingLabel());
    QCOMPARE(aoe->text(0), QStringLiteral("Renamed"));
    QCOMPARE(tree.NodePath(aoe), QStringLiteral("C:\\Games\\Renamed"));
    QVERIFY(QFileInfo(world.onC("Games/AoE")).isDir());
    QVERIFY(!QFileInfo::exists(world.onC("Games/Renamed")));
}

void TestDirectoryTree::recycleBin()
{
    FolderWorld world;
    TDirectoryTree hidden;
    hidden.setShowRecycleBin(false);
    QCOMPARE(labels(hidden.desktopNode()), (QStringList{"My Computer", "Ezra", "Éclair"}));
    hidden.setShowRecycleBin(true);
    QCOMPARE(labels(hidden.desktopNode()), (QStringList{"My Computer", "Ezra", "Éclair", "Trash"}));
    QCOMPARE(hidden.recycleBinNode()->data(0, TDirectoryTree::ImageRole).toInt(),
             int(TDirectoryTree::RecycleBinImage));
    hidden.setCurrentItem(hidden.recycleBinNode());
    QCOMPARE(hidden.directory(), QStringLiteral("Trash"));
    hidden.setCurrentItem(nullptr);
    hidden.setShowRecycleBin(false);
    QCOMPARE(hidden.recycleBinNode(), nullptr);
    QCOMPARE(labels(hidden.desktopNode()), (QStringList{"My Computer", "Ezra", "Éclair"}));
}

void TestDirectoryTree::bareRegistryGivesEmptyTexts()
{
    TestWorld world;
    world.writeSystemReg(QByteArray());
    world.writeUserReg(QByteArray());
    world.addDrive(u'c', world.driveC());
    TDirectoryTree tree;
    QCOMPARE(tree.desktopNode()->text(0), QString());
    QCOMPARE(tree.desktopFolder(), QString());
    // Without a desktop folder the Desktop node lists no folders.
    QCOMPARE(tree.desktopNode()->childCount(), 2);
    QCOMPARE(tree.myComputerNode()->text(0), QString());
}

void TestDirectoryTree::shellTextOfWrongTypeFailsConstruction()
{
    FolderWorld world;
    world.world.writeUserReg(
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
        "\"Desktop\"=dword:00000001\n\n");
    bool failed = false;
    try {
        TDirectoryTree tree;
    } catch (const std::exception&) {
        failed = true;
    }
    QVERIFY(failed);
}

QTEST_MAIN(TestDirectoryTree)
#include "tst_directory_tree.moc"
