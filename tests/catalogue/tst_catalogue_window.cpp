#include "DuplicatePrompt.h"
#include "FormControls.h"
#include "Guarded.h"
#include "Install_MainForm.h"
#include "ScenarioFile.h"
#include "TestDoubles.h"
#include "TestWorld.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeView>
#include <functional>

namespace {

class ScriptedPrompt : public DuplicatePrompt
{
public:
    QList<int> answers;
    QStringList asked;
    std::function<void()> whileAsking;
    int ask(const QString& destinationPath) override
    {
        asked << destinationPath;
        if (whileAsking)
            whileAsking();
        return answers.isEmpty() ? int(SkipFile) : answers.takeFirst();
    }
};

// The demo's game in a world of its own: C:\Game from the registry, scenarios on the medium.
struct Window
{
    TestWorld world;
    RecordingReporter reporter;
    ScriptedPrompt prompt;
    std::unique_ptr<TMainForm> form;

    explicit Window(const QStringList& histscr, const QStringList& campaign = {})
    {
        world.setUninstallString(QStringLiteral("C:\\Game\\Uninstal.exe"), true);
        world.makeFolder(QStringLiteral("prefix/drive_c/Game"));
        int seed = 0;
        for (const QString& name : histscr)
            world.writeFile("medium/HISTSCR/" + name,
                            makeScenarioFile("About " + name.toLatin1(), 3000 + 1024 * seed++));
        for (const QString& name : campaign)
            world.writeFile("medium/CAMPAIGN/" + name, makeScenarioFile("", 5000));
        setErrorReporter(&reporter);
        MainFormServices services;
        services.duplicatePrompt = &prompt;
        form = std::make_unique<TMainForm>(services);
        form->FormCreate();
    }
    ~Window() { setErrorReporter(nullptr); }

    template <class Widget = QWidget> Widget* control(const char* name) const
    {
        return ::control<Widget>(*form, QLatin1String(name));
    }
    QTreeView* list() const { return control<QTreeView>("FileListView"); }
    QAbstractItemModel* model() const { return list()->model(); }
    QString countLine() const { return control<QLabel>("ScenNumLabel")->text(); }
    QString description() const { return control<QPlainTextEdit>("ScenDescMemo")->toPlainText(); }
    bool startEnabled() const { return control<QPushButton>("StartButton")->isEnabled(); }
    QStringList names() const
    {
        QStringList result;
        for (int row = 0; row < model()->rowCount(); ++row)
            result << model()->index(row, 0).data().toString();
        return result;
    }
    void tick(int row, bool ticked) const
    {
        model()->setData(model()->index(row, 0), ticked ? Qt::Checked : Qt::Unchecked,
                         Qt::CheckStateRole);
    }
    void chooseType(int index) const
    {
        auto* combo = control<QComboBox>("FileTypeCombo");
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    QString installedFolder() const { return world.driveC() + "/Game/SCENARIO"; }
};

const QStringList threeNames{"alpha.scn", "beta.scn", "gamma.scn"};

} // namespace

class TestCatalogueWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup();

    void startShowsTheFirstType();
    void entryChangesFollowTheList();
    void buttonsAndDoubleClick();
    void doubleClickOnAnotherEntry_data();
    void doubleClickOnAnotherEntry();
    void headerClicksSort();
    void typeWithoutFolderKeepsTheCount();
    void campaignsReadTheirCompanion();
    void installs();
    void actsDuringTheRunWaitForItsEnd_data();
    void actsDuringTheRunWaitForItsEnd();
};

void TestCatalogueWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestCatalogueWindow::startShowsTheFirstType()
{
    Window window(threeNames);
    QCOMPARE(window.control<QComboBox>("FileTypeCombo")->currentIndex(), 0);
    QCOMPARE(window.names(), threeNames);
    QCOMPARE(window.list()->currentIndex().row(), 0);
    QVERIFY(window.list()->selectionModel()->isRowSelected(0, {}));
    QCOMPARE(window.description(), QStringLiteral("About alpha.scn"));
    QCOMPARE(window.countLine(), QStringLiteral("0 ( 0.0 kB )"));
    QVERIFY(!window.startEnabled());
    QCOMPARE(window.list()->header()->sectionSize(0), 290);
    QCOMPARE(window.list()->header()->sectionSize(1), 60);
    QCOMPARE(window.model()->index(0, 1).data(Qt::TextAlignmentRole).value<int>(),
             int(Qt::AlignRight | Qt::AlignVCenter));
}

void TestCatalogueWindow::entryChangesFollowTheList()
{
    Window window(threeNames);
    window.tick(2, true);
    QCOMPARE(window.description(), QStringLiteral("About gamma.scn"));
    QCOMPARE(window.countLine(), QStringLiteral("1 ( 4.9 kB )")); // 5048 bytes
    QVERIFY(window.startEnabled());

    window.list()->setCurrentIndex(window.model()->index(1, 0));
    QCOMPARE(window.description(), QStringLiteral("About beta.scn"));

    window.tick(2, false);
    QCOMPARE(window.countLine(), QStringLiteral("0 ( 0.0 kB )"));
    QVERIFY(!window.startEnabled());

    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    window.tick(0, true);
    QCOMPARE(window.countLine(), QStringLiteral("1 ( 2,9 kB )")); // 3000 bytes
}

void TestCatalogueWindow::buttonsAndDoubleClick()
{
    Window window(threeNames);
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    window.list()->setCurrentIndex(window.model()->index(2, 0));

    QTest::mouseClick(window.control<QPushButton>("CheckAll_Button"), Qt::LeftButton);
    QCOMPARE(window.countLine(), QStringLiteral("3 ( 11.8 kB )"));
    QCOMPARE(window.list()->currentIndex().row(), 0);

    const QRect second = window.list()->visualRect(window.model()->index(1, 1));
    QTest::mouseClick(window.list()->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(window.list()->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(window.countLine(), QStringLiteral("2 ( 7.9 kB )"));
    QCOMPARE(window.model()->index(1, 0).data(Qt::CheckStateRole).value<int>(), int(Qt::Unchecked));

    QTest::mouseClick(window.control<QPushButton>("UncheckAll_Button"), Qt::LeftButton);
    QCOMPARE(window.countLine(), QStringLiteral("0 ( 0.0 kB )"));
    QVERIFY(!window.startEnabled());

    // With the first entry selected already, the last entry ticked shows its description.
    QTest::mouseClick(window.control<QPushButton>("CheckAll_Button"), Qt::LeftButton);
    QCOMPARE(window.description(), QStringLiteral("About gamma.scn"));
}

void TestCatalogueWindow::doubleClickOnAnotherEntry_data()
{
    QTest::addColumn<bool>("onCheckBox");
    QTest::addColumn<bool>("clickedTicked");

    // Each click on a check box toggles it, so a double click there leaves it as it was.
    QTest::newRow("check box") << true << false;
    QTest::newRow("name") << false << true;
}

// The user double-clicks the third entry while the first is selected and ticked; the first
// must keep its tick either way.
void TestCatalogueWindow::doubleClickOnAnotherEntry()
{
    QFETCH(bool, onCheckBox);
    QFETCH(bool, clickedTicked);
    Window window(threeNames);
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    window.tick(0, true);
    QVERIFY(window.list()->selectionModel()->isRowSelected(0, {}));
    const auto isTicked = [&window](int row) {
        return window.model()->index(row, 0).data(Qt::CheckStateRole).value<int>() == Qt::Checked;
    };

    const QModelIndex clicked = window.model()->index(2, 0);
    QStyleOptionViewItem option;
    option.initFrom(window.list()->viewport());
    option.rect = window.list()->visualRect(clicked);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect checkBox = window.list()->style()->subElementRect(
        QStyle::SE_ItemViewItemCheckIndicator, &option, window.list());
    const QPoint at =
        onCheckBox ? checkBox.center() : QPoint(checkBox.right() + 40, option.rect.center().y());
    QWidget* viewport = window.list()->viewport();

    // What the window system sends for a double click: press, release, double click, release.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QCOMPARE(isTicked(2), onCheckBox); // the first click alone already toggles a check box
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);

    QCOMPARE(isTicked(2), clickedTicked);
    QVERIFY(isTicked(0));
    QVERIFY(!isTicked(1));
    QCOMPARE(window.countLine().section(u' ', 0, 0), clickedTicked ? u"2" : u"1");
}

void TestCatalogueWindow::headerClicksSort()
{
    Window window(threeNames); // sizes grow with the name
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QHeaderView* header = window.list()->header();
    const auto clickHeader = [header](int section) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, 5));
    };
    clickHeader(1);
    QCOMPARE(window.names(), threeNames);
    clickHeader(1);
    QCOMPARE(window.names(), (QStringList{"gamma.scn", "beta.scn", "alpha.scn"}));
    clickHeader(0);
    QCOMPARE(window.names(), threeNames);
    clickHeader(0);
    QCOMPARE(window.names(), (QStringList{"gamma.scn", "beta.scn", "alpha.scn"}));
}

void TestCatalogueWindow::typeWithoutFolderKeepsTheCount()
{
    Window window(threeNames);
    window.tick(0, true);
    window.chooseType(1); // no CRAZYSCR on this medium
    QCOMPARE(window.model()->rowCount(), 0);
    QCOMPARE(window.description(), QString());
    QCOMPARE(window.countLine(), QStringLiteral("1 ( 2.9 kB )"));
    QVERIFY(window.startEnabled());

    // A run then finds nothing to copy and only says so.
    QTest::mouseClick(window.control<QPushButton>("StartButton"), Qt::LeftButton);
    QCOMPARE(window.control<QLabel>("StatusBar")->text(), QStringLiteral("Ready."));
    QCOMPARE(QDir(window.installedFolder()).entryList(QDir::Files), QStringList());
}

void TestCatalogueWindow::campaignsReadTheirCompanion()
{
    Window window(threeNames, {"Mr. Smith.cpn"});
    window.world.writeFile("medium/CAMPAIGN/Mr. Smith.cpd",
                           makeScenarioFile("The campaign of Mr. Smith", 2500));
    window.chooseType(3);
    QCOMPARE(window.names(), QStringList{"Mr. Smith.cpn"});
    QCOMPARE(window.description(), QStringLiteral("The campaign of Mr. Smith"));
}

void TestCatalogueWindow::installs()
{
    Window window(threeNames);
    window.world.writeFile("prefix/drive_c/Game/SCENARIO/beta.scn", "old");
    window.prompt.answers = {OverwriteFile};
    QTest::mouseClick(window.control<QPushButton>("CheckAll_Button"), Qt::LeftButton);
    QTest::mouseClick(window.control<QPushButton>("StartButton"), Qt::LeftButton);

    QCOMPARE(window.reporter.messages, QStringList());
    QCOMPARE(window.prompt.asked, QStringList{"C:\\Game\\SCENARIO\\beta.scn"});
    QCOMPARE(QDir(window.installedFolder()).entryList(QDir::Files), threeNames);
    QFile beta(window.installedFolder() + "/beta.scn");
    QVERIFY(beta.open(QIODevice::ReadOnly));
    QCOMPARE(beta.size(), qint64(3000 + 1024));
    QCOMPARE(window.control<QLabel>("StatusBar")->text(), QStringLiteral("Ready."));
    QCOMPARE(window.control<QProgressBar>("CopyProgressBar")->value(), 100);
    QVERIFY(window.startEnabled());
    QVERIFY(
        window.control<QLabel>("FreeSpaceLabel")->text().startsWith("Free space on drive C - "));

    // A failed run shows its message and gives the window back.
    QFile::remove(window.world.medium() + "/HISTSCR/alpha.scn");
    window.prompt.answers = {OverwriteAll};
    QTest::mouseClick(window.control<QPushButton>("StartButton"), Qt::LeftButton);
    QCOMPARE(window.reporter.messages, QStringList{"File not found"});
    QVERIFY(window.startEnabled());
}

void TestCatalogueWindow::actsDuringTheRunWaitForItsEnd_data()
{
    // Or, as an assistive technology may, presses "Uncheck all" and chooses another type.
    QTest::addColumn<bool>("closes");
    QTest::newRow("a close request") << true;
    QTest::newRow("a button pressed") << false;
}

void TestCatalogueWindow::actsDuringTheRunWaitForItsEnd()
{
    QFETCH(bool, closes);
    Window window(threeNames);
    window.world.writeFile("prefix/drive_c/Game/SCENARIO/alpha.scn", "old");
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QTest::mouseClick(window.control<QPushButton>("CheckAll_Button"), Qt::LeftButton);
    const QString allTicked = window.countLine();
    QString countDuringRun;
    bool visibleDuringRun = false;
    window.prompt.whileAsking = [&] {
        closes ? void(window.form->close())
               : (window.control<QPushButton>("UncheckAll_Button")->click(), window.chooseType(3));
        visibleDuringRun = window.form->isVisible();
        countDuringRun = window.countLine();
        QVERIFY(!window.startEnabled());
    };
    QTest::mouseClick(window.control<QPushButton>("StartButton"), Qt::LeftButton);
    // A click made during the run comes before what the run held back, and starts a second run.
    QTest::mouseClick(window.control<QPushButton>("StartButton"), Qt::LeftButton);

    QVERIFY(visibleDuringRun);
    QCOMPARE(countDuringRun, allTicked);
    QCOMPARE(QDir(window.installedFolder()).entryList(QDir::Files), threeNames);
    if (closes)
        QTRY_VERIFY(!window.form->isVisible());
    else
        QTRY_COMPARE(window.countLine(), QStringLiteral("0 ( 0.0 kB )"));
    QCOMPARE(window.names().isEmpty(), !closes);
}

QTEST_MAIN(TestCatalogueWindow)
#include "tst_catalogue_window.moc"
