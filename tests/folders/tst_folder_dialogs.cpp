#include "DirTree.h"
#include "FolderDialog.h"
#include "FolderWorld.h"
#include "FormControls.h"
#include "Install_NewFolderPromptForm.h"
#include "Install_SelectDirForm.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs answer on the next modal window of class Window that opens, as the user would; over the
// folder dialog, Window is the new-folder prompt.
template <class Window = QWidget> void whenModalOpens(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        QWidget* modal = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}

QTreeWidgetItem* childLabelled(QTreeWidgetItem* parent, const QString& label)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->text(0) == label)
            return parent->child(i);
    }
    return nullptr;
}

} // namespace

class TestFolderDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void buttonsFollowTheSelection_data();
    void buttonsFollowTheSelection();
    void opensAtTheGameFolder_data();
    void opensAtTheGameFolder();
    void promptOkFollowsTheName_data();
    void promptOkFollowsTheName();
    void reopenedPromptIsEmpty();
    void newFolder_data();
    void newFolder();
    void dialogResults_data();
    void dialogResults();
    void imagesAreThere();
    void everyControlHasAName();
};

void TestFolderDialogs::cleanup()
{
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestFolderDialogs::buttonsFollowTheSelection_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("My Computer") << "computer"
                                 << "My Computer" << false;
    QTest::newRow("drive") << "C:[SYSTEM]"
                           << "C:\\" << true;
    QTest::newRow("folder") << "C:[SYSTEM]/Games"
                            << "C:\\Games" << true;
    QTest::newRow("Desktop") << "desktop"
                             << "c:\\users\\me\\Desktop" << true;
    QTest::newRow("a floppy without disk") << "A:"
                                           << "A:\\" << true;
}

void TestFolderDialogs::buttonsFollowTheSelection()
{
    QFETCH(QString, node);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);
    FolderWorld world;
    TNewFolderPromptForm prompt;
    TSelectDirForm dialog(nullptr, prompt);
    TDirectoryTree* tree = dialog.directoryTree();
    auto* ok = control<QPushButton>(dialog, "OkButton");
    auto* newFolder = control<QPushButton>(dialog, "NewDirButton");
    auto* path = control<QLineEdit>(dialog, "DirEdit");

    QTreeWidgetItem* item = nullptr;
    if (node == "computer") {
        item = tree->myComputerNode();
    } else if (node == "desktop") {
        item = tree->desktopNode();
    } else {
        item = tree->myComputerNode();
        for (const QString& label : node.split(u'/')) {
            tree->expandNode(item);
            item = childLabelled(item, label);
            QVERIFY(item);
        }
    }
    // From the opposite state, so that the change is seen.
    tree->setCurrentItem(node == "computer" ? tree->desktopNode() : tree->myComputerNode());
    QCOMPARE(ok->isEnabled(), !enabled);
    tree->setCurrentItem(item);
    QCOMPARE(path->text(), shown);
    QCOMPARE(ok->isEnabled(), enabled);
    QCOMPARE(newFolder->isEnabled(), enabled);
    QVERIFY(path->isReadOnly());
}

void TestFolderDialogs::opensAtTheGameFolder_data()
{
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<QString>("shown");
    QTest::newRow("folder in another letter case") << "c:\\GAMES\\aoe"
                                                   << "C:\\Games\\AoE";
    QTest::newRow("no game folder") << ""
                                    << "";
    QTest::newRow("vanished folder") << "C:\\Games\\Gone"
                                     << "";
    QTest::newRow("drive root") << "C:\\"
                                << "";
}

void TestFolderDialogs::opensAtTheGameFolder()
{
    QFETCH(QString, gameFolder);
    QFETCH(QString, shown);
    FolderWorld world;
    TNewFolderPromptForm prompt;
    TSelectDirForm dialog(nullptr, prompt);
    dialog.directoryTree()->setDirectory(gameFolder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(control<QLineEdit>(dialog, "DirEdit")->text(), shown);
    // Before any selection both buttons are enabled; after one they follow it.
    QVERIFY(control<QPushButton>(dialog, "OkButton")->isEnabled());
    QVERIFY(control<QPushButton>(dialog, "NewDirButton")->isEnabled());
    QCOMPARE(dialog.directoryTree()->currentItem() != nullptr, !shown.isEmpty());
}

void TestFolderDialogs::promptOkFollowsTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("a letter") << "M" << true;
    QTest::newRow("blanks") << "  " << true;
}

void TestFolderDialogs::promptOkFollowsTheName()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    TNewFolderPromptForm prompt;
    bool okEnabled = !enabled;
    whenModalOpens([&](QWidget* modal) {
        auto* name = control<QLineEdit>(*modal, "NewFolderNameEdit");
        QTest::keyClicks(name, typed);
        okEnabled = control<QPushButton>(*modal, "OkButton")->isEnabled();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(prompt.ask(QStringLiteral("C:\\Games")), std::nullopt);
    QCOMPARE(okEnabled, enabled);
}

void TestFolderDialogs::reopenedPromptIsEmpty()
{
    TNewFolderPromptForm prompt;
    whenModalOpens([](QWidget* modal) {
        QTest::keyClicks(control<QLineEdit>(*modal, "NewFolderNameEdit"), QStringLiteral("Maps"));
        QTest::keyClick(modal, Qt::Key_Return);
    });
    QCOMPARE(prompt.ask(QStringLiteral("C:\\Games")), QStringLiteral("Maps"));

    QString nameShown = QStringLiteral("?");
    QString folderShown;
    bool okEnabled = true;
    whenModalOpens([&](QWidget* modal) {
        nameShown = control<QLineEdit>(*modal, "NewFolderNameEdit")->text();
        folderShown = control<QLineEdit>(*modal, "CurFolderEdit")->text();
        okEnabled = control<QPushButton>(*modal, "OkButton")->isEnabled();
        QTest::mouseClick(control<QPushButton>(*modal, "CancelButton"), Qt::LeftButton);
    });
    QCOMPARE(prompt.ask(QStringLiteral("C:\\Games\\Maps")), std::nullopt);
    QCOMPARE(nameShown, QString());
    QCOMPARE(folderShown, QStringLiteral("C:\\Games\\Maps"));
    QVERIFY(!okEnabled);
}

void TestFolderDialogs::newFolder_data()
{
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<QString>("answer");  // "ok", "cancel", "esc"
    QTest::addColumn<QString>("current"); // what the prompt shows as the current folder
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<bool>("made");
    QTest::newRow("Ok") << "C:\\Games"
                        << "ok"
                        << "C:\\Games"
                        << "C:\\Games\\Maps" << true;
    QTest::newRow("Cancel") << "C:\\Games"
                            << "cancel"
                            << "C:\\Games"
                            << "C:\\Games" << false;
    QTest::newRow("Esc") << "C:\\Games"
                         << "esc"
                         << "C:\\Games"
                         << "C:\\Games" << false;
    QTest::newRow("no folder yet") << ""
                                   << "ok"
                                   << ""
                                   << "" << false;
}

void TestFolderDialogs::newFolder()
{
    QFETCH(QString, gameFolder);
    QFETCH(QString, answer);
    QFETCH(QString, current);
    QFETCH(QString, shownAfter);
    QFETCH(bool, made);
    FolderWorld world;
    TNewFolderPromptForm prompt;
    TSelectDirForm dialog(nullptr, prompt);
    dialog.directoryTree()->setDirectory(gameFolder);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QString currentShown;
    whenModalOpens<TNewFolderPromptForm>([&](QWidget* modal) {
        currentShown = control<QLineEdit>(*modal, "CurFolderEdit")->text();
        QTest::keyClicks(control<QLineEdit>(*modal, "NewFolderNameEdit"), QStringLiteral("Maps"));
        if (answer == "ok")
            QTest::mouseClick(control<QPushButton>(*modal, "OkButton"), Qt::LeftButton);
        else if (answer == "cancel")
            QTest::mouseClick(control<QPushButton>(*modal, "CancelButton"), Qt::LeftButton);
        else
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mouseClick(control<QPushButton>(dialog, "NewDirButton"), Qt::LeftButton);

    QCOMPARE(currentShown, current);
    QVERIFY(dialog.isVisible());
    QCOMPARE(control<QLineEdit>(dialog, "DirEdit")->text(), shownAfter);
    QCOMPARE(QFileInfo(world.onC("Games/Maps")).isDir(), made);
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("Maps")));
}

void TestFolderDialogs::dialogResults_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<std::optional<QString>>("chosen");
    QTest::newRow("Ok button") << "ok" << std::optional<QString>(QStringLiteral("C:\\Games\\AoE"));
    QTest::newRow("Enter") << "enter" << std::optional<QString>(QStringLiteral("C:\\Games\\AoE"));
    QTest::newRow("Cancel button") << "cancel" << std::optional<QString>();
    QTest::newRow("Esc") << "esc" << std::optional<QString>();
    QTest::newRow("title-bar close") << "close" << std::optional<QString>();
}

void TestFolderDialogs::dialogResults()
{
    QFETCH(QString, answer);
    QFETCH(std::optional<QString>, chosen);
    FolderWorld world;
    TNewFolderPromptForm prompt;
    SelectDirFolderDialog folderDialog(prompt);
    QString title;
    whenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        if (answer == "ok")
            QTest::mouseClick(control<QPushButton>(*modal, "OkButton"), Qt::LeftButton);
        else if (answer == "enter")
            QTest::keyClick(modal, Qt::Key_Return);
        else if (answer == "cancel")
            QTest::mouseClick(control<QPushButton>(*modal, "CancelButton"), Qt::LeftButton);
        else if (answer == "esc")
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            modal->close();
    });
    QCOMPARE(folderDialog.choose(nullptr, QStringLiteral("c:\\games\\aoe")), chosen);
    QCOMPARE(title, QStringLiteral("Select Age of Empires\u2122 folder.."));
}

void TestFolderDialogs::imagesAreThere()
{
    FolderWorld world;
    TNewFolderPromptForm prompt;
    TSelectDirForm dialog(nullptr, prompt);
    QCOMPARE(dialog.windowIcon().availableSizes().value(0), QSize(32, 32));
    TDirectoryTree* tree = dialog.directoryTree();
    for (int image = 0; image < TDirectoryTree::ImageCount; ++image)
        QVERIFY2(!tree->image(image).pixmap(16, 16).isNull(), qPrintable(QString::number(image)));
}

void TestFolderDialogs::everyControlHasAName()
{
    FolderWorld world;
    TNewFolderPromptForm prompt;
    TSelectDirForm dialog(nullptr, prompt);
    for (QWidget* window : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&prompt)}) {
        for (QWidget* widget : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (widget->inherits("QLabel") || widget->objectName() == "BkgndBevel")
                continue; // labels are read as text; the bevel is drawing only
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(widget->objectName()));
        }
    }
}

QTEST_MAIN(TestFolderDialogs)
#include "tst_folder_dialogs.moc"
