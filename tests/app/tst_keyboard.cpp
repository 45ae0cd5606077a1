#include "DialogLook.h"
#include "DirTree.h"
#include "FolderDialog.h"
#include "FormControls.h"
#include "Guarded.h"
#include "Install_AboutForm.h"
#include "Install_IntroForm.h"
#include "Install_MainForm.h"
#include "Install_NewFolderPromptForm.h"
#include "Install_SelectDirForm.h"
#include "MediaBackend.h"
#include "ScenarioFile.h"
#include "TestDoubles.h"
#include "TestWorld.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

// A pack of three historical scenarios; with gameEntry, the game registered in C:\Games\AoE.
void makeWorld(TestWorld& world, bool gameEntry)
{
    world.makeFolder(QStringLiteral("prefix/drive_c/Games/AoE"));
    for (const char* name : {"Troy", "Ur", "Uruk"})
        world.writeFile(QStringLiteral("medium/HISTSCR/%1.scn").arg(name),
                        makeScenarioFile("A scenario", 4096));
    if (gameEntry)
        world.setUninstallString(QStringLiteral("C:\\Games\\AoE\\Uninstal.exe"), true);
}

// What the user sees of a widget: what it and its children paint.
QImage look(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Told from the other colour at a glance, not a faint tint of it.
bool standsOut(QRgb one, QRgb other)
{
    return qAbs(qRed(one) - qRed(other)) + qAbs(qGreen(one) - qGreen(other)) +
               qAbs(qBlue(one) - qBlue(other)) >=
           150;
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { DialogLook::showFocusClearly(); }
    void init() { setErrorReporter(&m_reporter); }
    void cleanup();
    void keyOpensItsWindow_data();
    void keyOpensItsWindow();
    void focusIsMarked_data();
    void focusIsMarked();

private:
    RecordingReporter m_reporter;
};

void KeyboardTest::cleanup()
{
    setErrorReporter(nullptr);
    m_reporter.messages.clear();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void KeyboardTest::keyOpensItsWindow_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("gameEntry");
    QTest::addColumn<QString>("opens"); // the modal window's class, or what the run showed
    QTest::newRow("F1 in the list") << "F1"
                                    << "FileListView" << true << "TAboutForm";
    QTest::newRow("Ctrl+O on a button") << "Ctrl+O"
                                        << "CheckAll_Button" << true << "TSelectDirForm";
    QTest::newRow("Ctrl+I in the description")
        << "Ctrl+I"
        << "ScenDescMemo" << true << "Intro.avi was not found in <medium>";
    QTest::newRow("Ctrl+Q in the type selector") << "Ctrl+Q"
                                                 << "FileTypeCombo" << true << "quit";
    // The dialog that opened by itself was closed with Esc: the key brings it back.
    QTest::newRow("Ctrl+O after Esc") << "Ctrl+O"
                                      << "FileListView" << false << "TSelectDirForm";
}

// The tool buttons take no focus; their keys reach them from whichever control has it.
void KeyboardTest::keyOpensItsWindow()
{
    QFETCH(QString, keys);
    QFETCH(QString, focused);
    QFETCH(bool, gameEntry);
    QFETCH(QString, opens);
    TestWorld world;
    makeWorld(world, gameEntry);
    TNewFolderPromptForm newFolderPrompt;
    SelectDirFolderDialog folderDialog(newFolderPrompt);
    IntroFormLauncher intro; // the pack has no video
    TMainForm form({.intro = &intro, .folderDialog = &folderDialog});
    form.FormCreate();
    m_reporter.messages.clear();

    QStringList opened; // each modal window is noted and closed with Esc as it shows
    QTimer watch;
    watch.callOnTimeout([&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isActiveWindow()) {
            opened << modal->metaObject()->className();
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    watch.start(10);
    form.show();
    form.activateWindow();
    QTRY_COMPARE(opened.size(), gameEntry ? 0 : 1);
    form.activateWindow(); // as the window manager hands the activation back
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* holder = control(form, focused);
    holder->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), holder);
    opened.clear();

    QTimer::singleShot(0, &watch, [&] { QTest::keySequence(holder, QKeySequence(keys)); });
    QTimer::singleShot(1000, &watch, [] { QCoreApplication::exit(1); });
    const bool quit = QApplication::exec() == 0;
    opened += m_reporter.messages;
    QCOMPARE(quit ? QStringLiteral("quit") : opened.join(u'|').replace(world.medium(), "<medium>"),
             opens);
}

void KeyboardTest::focusIsMarked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mark");
    for (const char* name : {"FileTypeCombo", "CheckAll_Button", "ScenDescMemo", "DirectoryTree"})
        QTest::addRow("ring: %s", name) << name << "ring";
    for (const char* name : {"FileListView", "DirectoryTree"}) {
        QTest::addRow("%s: selected current row", name) << name << "selected row";
        QTest::addRow("%s: current row alone", name) << name << "row";
    }
}

// The control that has the focus is ringed, and a view's current row framed, in lines that stand
// out from what is there without the focus; once no control has it the window is as before.
void KeyboardTest::focusIsMarked()
{
    QFETCH(QString, name);
    QFETCH(QString, mark);
    TestWorld world;
    makeWorld(world, true);
    TNewFolderPromptForm newFolderPrompt;
    std::unique_ptr<QWidget> window;
    if (name == u"DirectoryTree")
        window = std::make_unique<TSelectDirForm>(nullptr, newFolderPrompt);
    else
        window = std::make_unique<TMainForm>(MainFormServices{});
    if (auto* main = qobject_cast<TMainForm*>(window.get()))
        main->FormCreate();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWidget* focused = control(*window, name);
    auto* view = qobject_cast<QTreeView*>(focused);
    QModelIndex current; // the second row: a scenario, or My Computer
    if (mark != u"ring") {
        current = view->indexBelow(view->model()->index(0, 0));
        view->selectionModel()->setCurrentIndex(current, mark == u"row"
                                                             ? QItemSelectionModel::Clear
                                                             : QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
    }
    if (QApplication::focusWidget() != nullptr)
        QApplication::focusWidget()->clearFocus();
    const QImage before = look(*window);
    focused->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), focused);
    const QImage marked = look(*window);
    focused->clearFocus();

    // The ring's inner line lies just outside the control; a row's frame is what changed in it.
    QRect line(focused->mapTo(window.get(), QPoint()), focused->size());
    line.adjust(-1, -1, 1, 1);
    if (current.isValid()) {
        QRect row = view->visualRect(current);
        row |= view->visualRect(current.siblingAtColumn(view->model()->columnCount() - 1));
        row.moveTopLeft(view->viewport()->mapTo(window.get(), row.topLeft()));
        line = QRect();
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = row.left(); x <= row.right(); ++x)
                if (marked.pixel(x, y) != before.pixel(x, y))
                    line |= QRect(x, y, 1, 1);
    }
    int standingOut = 0;
    for (int x = line.left(); x <= line.right(); ++x)
        for (int y : {line.top(), line.bottom()})
            standingOut += standsOut(marked.pixel(x, y), before.pixel(x, y));
    QVERIFY2(line.width() > 20 && standingOut >= line.width() * 2 * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2").arg(standingOut).arg(line.width() * 2)));
    QCOMPARE(look(*window), before);
}

int main(int argc, char** argv)
{
    selectMediaBackend();
    QApplication app(argc, argv);
    KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyboard.moc"
