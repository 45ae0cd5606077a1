#include "FontSubstitutes.h"
#include "FormControls.h"
#include "Guarded.h"
#include "Install_AboutForm.h"
#include "Install_ChoiceForm.h"
#include "Install_MainForm.h"
#include "Install_NewFolderPromptForm.h"
#include "Install_PromptForm.h"
#include "Install_SelectDirForm.h"
#include "IntroLauncher.h"
#include "TestDoubles.h"
#include "TestWorld.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>
#include <stdexcept>

namespace {

// One of the program's windows by a short name; null for the new-folder prompt, which is given.
std::unique_ptr<QWidget> makeWindow(const QString& window, TNewFolderPromptForm& newFolderPrompt)
{
    if (window == u"main")
        return std::make_unique<TMainForm>(MainFormServices{});
    if (window == u"prompt")
        return std::make_unique<TPromptForm>();
    if (window == u"about")
        return std::make_unique<TAboutForm>();
    if (window == u"folder")
        return std::make_unique<TSelectDirForm>(nullptr, newFolderPrompt);
    if (window == u"choice")
        return std::make_unique<TChoiceForm>();
    return nullptr;
}

const char* const uninstallSection =
    "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Age of "
    "Empires] 1796692437\n";

// Stands in for the intro window: counts the showings, or fails as a missing video does.
class CountingIntro : public IntroLauncher
{
public:
    int shown = 0;
    bool fail = false;
    void showIntro(QWidget*) override
    {
        ++shown;
        if (fail)
            throw std::runtime_error("Intro.avi cannot be opened");
    }
};

bool textFits(const QLabel& label)
{
    return label.width() >= label.fontMetrics().horizontalAdvance(label.text());
}

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void titleBarButtons_data();
    void titleBarButtons();
    void windowIcons_data();
    void windowIcons();
    void geometry_data();
    void geometry();
    void texts_data();
    void texts();
    void fonts_data();
    void fonts();
    void limeOnBlack();
    void startState();
    void tabOrderAndFocus();
    void accessibleNames_data();
    void accessibleNames();
    void statusLineReadsAsText();
    void listAndSelectorReadWhatTheyShow_data();
    void listAndSelectorReadWhatTheyShow();

    void startUp_data();
    void startUp();
    void failingIntroKeepsTheGameFolder();
    void prefixInUse_data();
    void prefixInUse();
    void introButtonRereadsTheRegistry();
    void showStatusPaintsAtOnce();
    void exitButtonEndsTheEventLoop();

private:
    RecordingReporter m_reporter;
};

void MainFormTest::initTestCase()
{
    installFontSubstitutes();
}

void MainFormTest::init()
{
    m_reporter.messages.clear();
    setErrorReporter(&m_reporter);
}

void MainFormTest::cleanup()
{
    setErrorReporter(nullptr);
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void MainFormTest::window()
{
    TestWorld world;
    TMainForm form({});
    QCOMPARE(form.windowTitle(), QStringLiteral("Korvane Installer"));
    QCOMPARE(form.size(), QSize(632, 453));
    QCOMPARE(form.minimumSize(), QSize(632, 453));
    QCOMPARE(form.maximumSize(), QSize(632, 453));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!form.windowIcon().isNull());
    const QRect screen = form.screen()->geometry();
    QVERIFY(qAbs(form.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 1);
}

void MainFormTest::titleBarButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<bool>("close");
    QTest::addColumn<bool>("help");

    // No window offers maximise; window managers that draw buttons at will keep to the
    // explicit set only when the customised flags say so.
    QTest::newRow("main window") << "main" << true << true << false;
    QTest::newRow("duplicate prompt") << "prompt" << false << true << false;
    QTest::newRow("about box") << "about" << false << true << false;
    QTest::newRow("folder dialog") << "folder" << false << true << true;
    QTest::newRow("new-folder prompt") << "newFolder" << false << false << false;
    QTest::newRow("start-up choice list") << "choice" << false << true << false;
}

void MainFormTest::titleBarButtons()
{
    QFETCH(QString, window);
    QFETCH(bool, minimise);
    QFETCH(bool, close);
    QFETCH(bool, help);
    TestWorld world;
    TNewFolderPromptForm newFolderPrompt;
    std::unique_ptr<QWidget> form = makeWindow(window, newFolderPrompt);
    QWidget& shown = form ? *form : newFolderPrompt;

    const Qt::WindowFlags flags = shown.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimise);
    QCOMPARE(flags.testFlag(Qt::WindowCloseButtonHint), close);
    QCOMPARE(flags.testFlag(Qt::WindowSystemMenuHint), close);
    QCOMPARE(flags.testFlag(Qt::WindowContextHelpButtonHint), help);
    QCOMPARE(shown.minimumSize(), shown.maximumSize());
    // Showing a window must not bring back the buttons the flags leave out.
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QCOMPARE(shown.windowFlags(), flags);
    QCOMPARE(shown.windowHandle()->flags(), flags);
    shown.close();
}

void MainFormTest::windowIcons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("picture");
    QTest::newRow("main window") << "main"
                                 << ":/images/korvane.png";
    QTest::newRow("duplicate prompt") << "prompt"
                                      << ":/images/korvane.png";
    QTest::newRow("folder dialog") << "folder"
                                   << ":/images/hand.png";
}

// The picture each window shows in its title bar and the task bar.
void MainFormTest::windowIcons()
{
    QFETCH(QString, window);
    QFETCH(QString, picture);
    TestWorld world;
    TNewFolderPromptForm newFolderPrompt;
    std::unique_ptr<QWidget> form = makeWindow(window, newFolderPrompt);
    const QImage expected = QImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(form->windowIcon()
                 .pixmap(expected.size())
                 .toImage()
                 .convertToFormat(QImage::Format_ARGB32_Premultiplied),
             expected);
}

void MainFormTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("rect");

    const QString form = QStringLiteral("TMainForm");
    const QString top = QStringLiteral("AoEDirPanel");
    const QString sizes = QStringLiteral("SizesPanel");
    const struct
    {
        const char* name;
        QString parent;
        QRect rect;
    } rows[] = {
        {"AoEDirPanel", form, {0, 0, 632, 53}},
        {"ProgramPathLabel", top, {8, 6, 154, 15}},
        {"AoEpathEdit", top, {8, 24, 441, 22}},
        {"SelectDir_SButton", top, {456, 24, 22, 22}},
        {"ShowIntro_SButton", top, {495, 24, 22, 22}},
        {"About_SButton", top, {523, 24, 22, 22}},
        {"Exit_SButton", top, {555, 24, 22, 22}},
        {"BackgroundImage", form, {0, 53, 632, 381}},
        {"Label4", form, {20, 81, 98, 16}},
        {"FileTypeCombo", form, {121, 79, 164, 21}},
        {"SizesPanel", form, {352, 67, 261, 45}},
        {"Label1", sizes, {5, 5, 106, 15}},
        {"ScenNumLabel", sizes, {115, 5, 48, 15}},
        {"FreeSpaceLabel", sizes, {5, 22, 111, 15}},
        {"FileListView", form, {5, 131, 373, 202}},
        {"Label2", form, {386, 131, 133, 17}},
        {"ScenDescMemo", form, {386, 152, 241, 181}},
        {"CheckAll_Button", form, {27, 354, 85, 25}},
        {"UncheckAll_Button", form, {135, 354, 85, 25}},
        {"CopyProgressBar", form, {322, 357, 272, 16}},
        {"StartButton", form, {27, 395, 193, 29}},
        {"CopyProgressGauge", form, {322, 395, 272, 29}},
        {"StatusBar", form, {0, 434, 632, 19}},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.parent << row.rect;
}

void MainFormTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, rect);

    TestWorld world;
    TMainForm form({});
    const QWidget* widget = control(form, name);
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
    if (const auto* label = qobject_cast<const QLabel*>(widget);
        label != nullptr && !label->hasScaledContents() && label->frameShape() == QFrame::NoFrame) {
        // A label is as wide as its text, from where it stands.
        QCOMPARE(label->pos(), rect.topLeft());
        QCOMPARE(label->height(), rect.height());
        QVERIFY(textFits(*label));
        return;
    }
    QCOMPARE(widget->geometry(), rect);
}

void MainFormTest::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");

    QTest::newRow("ProgramPathLabel") << "ProgramPathLabel"
                                      << "\"Age of Empires\" directory:"
                                      << "";
    QTest::newRow("Label4") << "Label4"
                            << "Scenarios type:"
                            << "";
    QTest::newRow("Label1") << "Label1"
                            << "Total files selected:"
                            << "";
    QTest::newRow("ScenNumLabel") << "ScenNumLabel"
                                  << "0 ( 0 kB )"
                                  << "";
    QTest::newRow("FreeSpaceLabel") << "FreeSpaceLabel"
                                    << "Free space on drive "
                                    << "";
    QTest::newRow("Label2") << "Label2"
                            << "Scenario description"
                            << "";
    QTest::newRow("StatusBar") << "StatusBar"
                               << "Ready."
                               << "";
    QTest::newRow("CheckAll_Button") << "CheckAll_Button"
                                     << "&Check all"
                                     << "";
    QTest::newRow("UncheckAll_Button") << "UncheckAll_Button"
                                       << "&Uncheck all"
                                       << "";
    QTest::newRow("StartButton") << "StartButton"
                                 << "&Begin installation..."
                                 << "";
    QTest::newRow("SelectDir_SButton") << "SelectDir_SButton"
                                       << ""
                                       << "Select destination directory...";
    QTest::newRow("ShowIntro_SButton") << "ShowIntro_SButton"
                                       << ""
                                       << "Show intro animation";
    QTest::newRow("About_SButton") << "About_SButton"
                                   << ""
                                   << "About this program...";
    QTest::newRow("Exit_SButton") << "Exit_SButton"
                                  << ""
                                  << "Exit program";
}

void MainFormTest::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, hint);

    TestWorld world;
    TMainForm form({});
    const QWidget* widget = control(form, name);
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        QCOMPARE(label->text(), text);
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        QCOMPARE(button->text(), text);
    QCOMPARE(widget->toolTip(), hint);
    if (const auto* tool = qobject_cast<const QToolButton*>(widget)) {
        QVERIFY(tool->autoRaise());
        QVERIFY(!tool->icon().isNull());
        QVERIFY(!tool->icon().pixmap(tool->iconSize()).isNull());
    }
}

void MainFormTest::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    QTest::newRow("window") << "TMainForm"
                            << "MS Sans Serif" << 8 << false << false;
    QTest::newRow("buttons take the window's") << "StartButton"
                                               << "MS Sans Serif" << 8 << false << false;
    QTest::newRow("gauge takes the window's") << "CopyProgressGauge"
                                              << "MS Sans Serif" << 8 << false << false;
    QTest::newRow("ProgramPathLabel") << "ProgramPathLabel"
                                      << "Times New Roman" << 10 << true << true;
    QTest::newRow("AoEpathEdit") << "AoEpathEdit"
                                 << "Courier New" << 8 << false << false;
    QTest::newRow("Label4") << "Label4"
                            << "Arial" << 10 << true << false;
    QTest::newRow("Label1") << "Label1"
                            << "Arial" << 9 << false << false;
    QTest::newRow("ScenNumLabel") << "ScenNumLabel"
                                  << "Arial" << 9 << false << false;
    QTest::newRow("FreeSpaceLabel") << "FreeSpaceLabel"
                                    << "Arial" << 9 << false << false;
    QTest::newRow("Label2") << "Label2"
                            << "Arabia" << 11 << false << false;
}

void MainFormTest::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    TestWorld world;
    TMainForm form({});
    const QWidget* widget = name == form.objectName() ? &form : control(form, name);
    const QFont font = widget->font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSize(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    // The layout is in pixels at 96 dots per inch: 8 points are 11 pixels, 10 points 13.
    QCOMPARE(QFontInfo(font).pixelSize(), (points * 96 + 36) / 72);
}

void MainFormTest::limeOnBlack()
{
    TestWorld world;
    TMainForm form({});
    const auto* panel = control(form, QStringLiteral("SizesPanel"));
    QVERIFY(panel->autoFillBackground());
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::black));
    for (const char* name : {"Label1", "ScenNumLabel", "FreeSpaceLabel"}) {
        const auto* label = control(form, QString::fromLatin1(name));
        QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(label->palette().color(QPalette::Inactive, QPalette::WindowText),
                 QColor(0, 255, 0));
    }
}

void MainFormTest::startState()
{
    TestWorld world;
    TMainForm form({});
    QVERIFY(!control(form, QStringLiteral("StartButton"))->isEnabled());
    // The status line takes no input, yet is no disabled control whose text greys out.
    const auto* status = control<QLabel>(form, QStringLiteral("StatusBar"));
    QVERIFY(status->isEnabled());
    QCOMPARE(status->focusPolicy(), Qt::NoFocus);
    const auto* edit = control<QLineEdit>(form, QStringLiteral("AoEpathEdit"));
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->focusPolicy(), Qt::NoFocus);
    QVERIFY(control<QPlainTextEdit>(form, QStringLiteral("ScenDescMemo"))->isReadOnly());
    const auto* bar = control<QProgressBar>(form, QStringLiteral("CopyProgressBar"));
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);

    const auto* combo = control<QComboBox>(form, QStringLiteral("FileTypeCombo"));
    QVERIFY(!combo->isEditable());
    QStringList types;
    for (int i = 0; i < combo->count(); ++i)
        types << combo->itemText(i);
    QCOMPARE(types, QStringList({"Historical scenarios", "Crazy scenarios", "Real-map scenarios",
                                 "Campaigns"}));

    const auto* list = control<QTreeView>(form, QStringLiteral("FileListView"));
    QVERIFY(!list->rootIsDecorated());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(list->header()->sectionSize(0), 290);
    QCOMPARE(list->header()->sectionSize(1), 60);
    QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight),
             list->palette().color(QPalette::Active, QPalette::Highlight));
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Scenario name"));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("File size"));

    // The background lies behind every other control.
    QCOMPARE(form.children().indexOf(control(form, QStringLiteral("BackgroundImage"))), 0);
}

void MainFormTest::tabOrderAndFocus()
{
    TestWorld world;
    TMainForm form({});
    control(form, QStringLiteral("StartButton"))->setEnabled(true);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_COMPARE(QApplication::focusWidget(), control(form, QStringLiteral("FileListView")));

    control(form, QStringLiteral("FileTypeCombo"))->setFocus();
    QStringList visited;
    for (int step = 0; step < 7; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited,
             QStringList({"FileTypeCombo", "CheckAll_Button", "UncheckAll_Button", "StartButton",
                          "ScenDescMemo", "FileListView", "FileTypeCombo"}));
}

void MainFormTest::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<int>("role");

    QTest::newRow("glyph button") << "Exit_SButton"
                                  << "Exit program" << int(QAccessible::Button);
    QTest::newRow("select button") << "SelectDir_SButton"
                                   << "Select destination directory..." << int(QAccessible::Button);
    QTest::newRow("intro button") << "ShowIntro_SButton"
                                  << "Show intro animation" << int(QAccessible::Button);
    QTest::newRow("about button") << "About_SButton"
                                  << "About this program..." << int(QAccessible::Button);
    QTest::newRow("push button") << "CheckAll_Button"
                                 << "Check all" << int(QAccessible::Button);
    QTest::newRow("start button") << "StartButton"
                                  << "Begin installation..." << int(QAccessible::Button);
    QTest::newRow("label") << "Label1"
                           << "Total files selected:" << int(QAccessible::StaticText);
    QTest::newRow("status line") << "StatusBar"
                                 << "Ready." << int(QAccessible::StatusBar);
    QTest::newRow("game folder") << "AoEpathEdit"
                                 << "\"Age of Empires\" directory"
                                 << int(QAccessible::EditableText);
    QTest::newRow("type selector") << "FileTypeCombo"
                                   << "Scenarios type" << int(QAccessible::ComboBox);
    QTest::newRow("list") << "FileListView"
                          << "Scenario files" << int(QAccessible::Tree);
    QTest::newRow("description") << "ScenDescMemo"
                                 << "Scenario description" << int(QAccessible::EditableText);
    QTest::newRow("file progress") << "CopyProgressBar"
                                   << "File progress" << int(QAccessible::ProgressBar);
    QTest::newRow("overall progress") << "CopyProgressGauge"
                                      << "Overall progress" << int(QAccessible::ProgressBar);
}

void MainFormTest::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(int, role);

    TestWorld world;
    TMainForm form({});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(form, name));
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QCOMPARE(int(accessible->role()), role);
}

void MainFormTest::listAndSelectorReadWhatTheyShow_data()
{
    QTest::addColumn<int>("ticked"); // the row ticked, -1 none
    QTest::addColumn<int>("current");

    QTest::newRow("the first row ticked and current") << 0 << 0;
    QTest::newRow("another row ticked") << 1 << 0;
    QTest::newRow("none ticked, the second current") << -1 << 1;
}

// A screen reader hears each row's tick, the type selector's value, and the list's current row
// when the list has the focus.
void MainFormTest::listAndSelectorReadWhatTheyShow()
{
    QFETCH(int, ticked);
    QFETCH(int, current);
    TestWorld world;
    world.makeFolder(QStringLiteral("prefix/drive_c/Games/AoE"));
    world.setUninstallString(R"(C:\Games\AoE\Uninstal.exe)", true);
    for (const char* name : {"HISTSCR/a.scn", "HISTSCR/b.scn"})
        world.writeFile(QStringLiteral("medium/") + name, "scenario");
    TMainForm form({});
    form.FormCreate();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* list = control<QTreeView>(form, QStringLiteral("FileListView"));
    if (ticked >= 0)
        list->model()->setData(list->model()->index(ticked, 0), Qt::Checked, Qt::CheckStateRole);
    list->setCurrentIndex(list->model()->index(current, 0));
    list->setFocus();

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    QVERIFY(table != nullptr && table->tableInterface() != nullptr);
    for (int row = 0; row < 2; ++row) {
        QAccessibleInterface* cell = table->tableInterface()->cellAt(row, 0);
        QVERIFY(cell != nullptr);
        QVERIFY(cell->state().checkable);
        QCOMPARE(bool(cell->state().checked), row == ticked);
    }
    QAccessibleInterface* focused = table->focusChild();
    QVERIFY(focused != nullptr && focused->tableCellInterface() != nullptr);
    QCOMPARE(focused->tableCellInterface()->rowIndex(), current);

    QAccessibleInterface* selector =
        QAccessible::queryAccessibleInterface(control(form, QStringLiteral("FileTypeCombo")));
    QCOMPARE(selector->text(QAccessible::Value), QStringLiteral("Historical scenarios"));
}

void MainFormTest::statusLineReadsAsText()
{
    TestWorld world;
    TMainForm form({});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* status = control<QLabel>(form, QStringLiteral("StatusBar"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(status);
    QAccessibleTextInterface* text = accessible->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("Ready."));

    const QString copying = QStringLiteral("Copying Crazy.scn ...");
    form.ShowStatus(copying);
    QCOMPARE(text->characterCount(), int(copying.size()));
    QCOMPARE(text->text(0, text->characterCount()), copying);
    QCOMPARE(text->text(8, 13), QStringLiteral("Crazy"));
    QCOMPARE(accessible->text(QAccessible::Name), copying);

    // Each character's box leads back to it, left to right, and the ink of the first and the
    // last character lies in their boxes.
    const QImage image = status->grab().toImage();
    const QRect inside = status->contentsRect();
    int inkLeft = -1;
    int inkRight = -1;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                inkLeft = inkLeft < 0 ? x : inkLeft;
                inkRight = x;
            }
        }
    }
    const auto localBox = [&](int offset) {
        const QRect box = text->characterRect(offset);
        return QRect(status->mapFromGlobal(box.topLeft()), box.size());
    };
    QVERIFY2(localBox(0).contains(inkLeft, localBox(0).center().y()),
             qPrintable(QString::number(inkLeft)));
    const int last = int(copying.size()) - 1;
    QVERIFY2(localBox(last).contains(inkRight, localBox(last).center().y()),
             qPrintable(QString::number(inkRight)));
    int previousLeft = -1;
    for (int offset = 0; offset < copying.size(); ++offset) {
        const QRect box = text->characterRect(offset);
        QVERIFY2(box.left() > previousLeft, qPrintable(QString::number(offset)));
        QVERIFY(status->rect().contains(status->mapFromGlobal(box.center())));
        QCOMPARE(text->offsetAtPoint(box.center()), offset);
        previousLeft = box.left();
    }
}

void MainFormTest::startUp_data()
{
    QTest::addColumn<bool>("hasPrefix");
    QTest::addColumn<QByteArray>("systemReg");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("freeSpacePrefix"); // the whole line unless it ends in " - "
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QStringList>("errors");

    const QByteArray key(uninstallSection);
    const QString noLine = QStringLiteral("Free space on drive ");

    QTest::newRow("no prefix") << false << QByteArray() << "" << noLine << -1 << QStringList();
    QTest::newRow("prefix without the game")
        << true << QByteArray() << "" << noLine << -1 << QStringList();
    QTest::newRow("game in the 32-bit view")
        << true << key + "\"UninstallString\"=\"C:\\\\Games\\\\AoE\\\\Uninstal.exe\"\n"
        << R"(C:\Games\AoE)"
        << "Free space on drive C - " << 0 << QStringList();
    QTest::newRow("installer-log entry")
        << true
        << key + "\"UninstallString\"=\"C:\\\\WINDOWS\\\\uninst.exe "
                 "-f\\\"C:\\\\Program Files\\\\AoE\\\\DeIsL1.isu\\\"\"\n"
        << R"(C:\Program Files\AoE)"
        << "Free space on drive C - " << 0 << QStringList();
    QTest::newRow("game on a drive that is gone")
        << true << key + "\"UninstallString\"=\"K:\\\\AoE\\\\Uninstal.exe\"\n"
        << R"(K:\AoE)"
        << "Free space on drive K - 0 kB" << 0 << QStringList();
    QTest::newRow("number instead of text")
        << true << key + "\"UninstallString\"=dword:00000001\n"
        << "" << noLine << -1 << QStringList({"Invalid data type for 'UninstallString'"});
}

void MainFormTest::startUp()
{
    QFETCH(bool, hasPrefix);
    QFETCH(QByteArray, systemReg);
    QFETCH(QString, folder);
    QFETCH(QString, freeSpacePrefix);
    QFETCH(int, typeIndex);
    QFETCH(QStringList, errors);

    TestWorld world;
    world.writeSystemReg(systemReg);
    if (!hasPrefix)
        qputenv("WINEPREFIX", QFile::encodeName(world.root() + QStringLiteral("/no-prefix")));

    CountingIntro intro;
    MainFormServices services;
    services.intro = &intro;
    TMainForm form(services);
    runGuarded([&form] { form.FormCreate(); });

    QCOMPARE(intro.shown, 1);
    QCOMPARE(m_reporter.messages, errors);
    QCOMPARE(form.state().gameFolder, folder);
    QCOMPARE(control<QLineEdit>(form, QStringLiteral("AoEpathEdit"))->text(), folder);
    // A figure that depends on the disk is checked by its beginning, the others whole.
    const QString freeSpace = control<QLabel>(form, QStringLiteral("FreeSpaceLabel"))->text();
    if (freeSpacePrefix.endsWith(QLatin1String(" - ")))
        QVERIFY2(freeSpace.startsWith(freeSpacePrefix) && freeSpace.endsWith(QLatin1String(" kB")),
                 qPrintable(freeSpace));
    else
        QCOMPARE(freeSpace, freeSpacePrefix);
    QCOMPARE(control<QComboBox>(form, QStringLiteral("FileTypeCombo"))->currentIndex(), typeIndex);
    QVERIFY(textFits(*control<QLabel>(form, QStringLiteral("FreeSpaceLabel"))));
    QCOMPARE(control<QLabel>(form, QStringLiteral("StatusBar"))->text(), QStringLiteral("Ready."));
}

void MainFormTest::prefixInUse_data()
{
    // How the game folder's edit shows the prefix in use; "<prefix>" and "<drive C>" stand for
    // the world's, "<none>" for a prefix folder that is not there.
    QTest::addColumn<QString>("uninstallString");
    QTest::addColumn<bool>("hasPrefix");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("placeholder");

    const QString inUse = "Wine prefix: <prefix>", missing = "No Wine prefix: <none> is missing";
    QTest::newRow("the game's folder, gone or not")
        << R"(C:\AoE\Uninst.exe)" << true << "<drive C>/AoE" << inUse;
    QTest::newRow("no game entry: the prefix") << "" << true << inUse << inUse;
    QTest::newRow("no prefix: its folder named") << "" << false << missing << missing;
}

void MainFormTest::prefixInUse()
{
    QFETCH(QString, uninstallString);
    QFETCH(bool, hasPrefix);
    QFETCH(QString, toolTip);
    QFETCH(QString, placeholder);

    TestWorld world;
    if (!uninstallString.isEmpty())
        world.setUninstallString(uninstallString, true);
    const QString none = world.root() + QStringLiteral("/no-prefix");
    if (!hasPrefix)
        qputenv("WINEPREFIX", QFile::encodeName(none));
    CountingIntro intro;
    MainFormServices services;
    services.intro = &intro;
    TMainForm form(services);
    runGuarded([&form] { form.FormCreate(); });

    const auto shown = [&](QString text) {
        return text.replace("<prefix>", world.prefix())
            .replace("<drive C>", world.driveC())
            .replace("<none>", none);
    };
    const auto* edit = control<QLineEdit>(form, QStringLiteral("AoEpathEdit"));
    QCOMPARE(edit->toolTip(), shown(toolTip));
    QCOMPARE(edit->placeholderText(), shown(placeholder));
}

void MainFormTest::failingIntroKeepsTheGameFolder()
{
    TestWorld world;
    world.setUninstallString(R"(C:\Games\AoE\Uninstal.exe)", true);
    world.makeFolder("prefix/drive_c/Games/AoE");
    CountingIntro intro;
    intro.fail = true;
    MainFormServices services;
    services.intro = &intro;
    TMainForm form(services);
    form.FormCreate();

    // The error shows, and the start goes on as when the intro played.
    QCOMPARE(m_reporter.messages, QStringList({"Intro.avi cannot be opened"}));
    QCOMPARE(form.state().gameFolder, QStringLiteral(R"(C:\Games\AoE)"));
    // The prefix in use shows as the edit's hint, the folder on the Linux side.
    QCOMPARE(control<QLineEdit>(form, QStringLiteral("AoEpathEdit"))->toolTip(),
             world.driveC() + "/Games/AoE");
    QCOMPARE(control<QComboBox>(form, QStringLiteral("FileTypeCombo"))->currentIndex(), 0);

    // So does the same failure from the intro button.
    world.writeSystemReg(QByteArray(uninstallSection) +
                         "\"UninstallString\"=\"D:\\\\Other\\\\Uninstal.exe\"\n");
    control<QToolButton>(form, QStringLiteral("ShowIntro_SButton"))->click();
    QCOMPARE(m_reporter.messages.size(), 2);
    QCOMPARE(control<QLineEdit>(form, QStringLiteral("AoEpathEdit"))->text(),
             QStringLiteral(R"(D:\Other)"));
}

void MainFormTest::introButtonRereadsTheRegistry()
{
    TestWorld world;
    CountingIntro intro;
    MainFormServices services;
    services.intro = &intro;
    TMainForm form(services);
    form.FormCreate();
    QCOMPARE(form.state().gameFolder, QString());

    world.setUninstallString(R"(C:\Games\AoE\Uninstal.exe)", true);
    control<QToolButton>(form, QStringLiteral("ShowIntro_SButton"))->click();
    QCOMPARE(intro.shown, 2);
    QCOMPARE(form.state().gameFolder, QStringLiteral(R"(C:\Games\AoE)"));
    QVERIFY(control<QLabel>(form, QStringLiteral("FreeSpaceLabel"))
                ->text()
                .startsWith(QLatin1String("Free space on drive C - ")));
    QCOMPARE(control<QComboBox>(form, QStringLiteral("FileTypeCombo"))->currentIndex(), 0);

    // A value that turns bad is reported, and the folder shown before stays.
    world.writeSystemReg(QByteArray(uninstallSection) + "\"UninstallString\"=hex:01\n");
    control<QToolButton>(form, QStringLiteral("ShowIntro_SButton"))->click();
    QCOMPARE(m_reporter.messages, QStringList({"Invalid data type for 'UninstallString'"}));
    QCOMPARE(form.state().gameFolder, QStringLiteral(R"(C:\Games\AoE)"));
}

void MainFormTest::showStatusPaintsAtOnce()
{
    TestWorld world;
    TMainForm form({});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();

    auto* status = control<QLabel>(form, QStringLiteral("StatusBar"));
    PaintCounter counter;
    status->installEventFilter(&counter);
    form.ShowStatus(QStringLiteral("Copying x.scn"));
    QCOMPARE(status->text(), QStringLiteral("Copying x.scn"));
    QVERIFY(counter.paints >= 1);
}

void MainFormTest::exitButtonEndsTheEventLoop()
{
    TestWorld world;
    TMainForm form({});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto* exitButton = control<QToolButton>(form, QStringLiteral("Exit_SButton"));
    QTimer::singleShot(0, exitButton, &QToolButton::click);
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(MainFormTest)
#include "tst_main_form.moc"
