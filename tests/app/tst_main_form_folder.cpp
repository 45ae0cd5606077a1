#include "FormControls.h"
#include "Guarded.h"
#include "Install_MainForm.h"
#include "Install_NewFolderPromptForm.h"
#include "ScriptedFolderDialog.h"
#include "TestDoubles.h"
#include "TestWorld.h"

#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// Behaves as the error box does towards the windows: it takes the activation while it shows and
// hands it back to the window that had it when it closes. A program that answers that
// activation with a new error would come back here without end; the test stops it at a few.
class ActivatingReporter : public ErrorReporter
{
public:
    void showError(const QString& message) override
    {
        messages << message;
        if (messages.size() > 5)
            return;
        QWidget* previous = QApplication::activeWindow();
        QWidget box;
        box.show();
        box.activateWindow();
        handedOver &= QTest::qWaitForWindowActive(&box);
        box.hide();
        if (previous) {
            previous->activateWindow();
            handedOver &= QTest::qWaitForWindowActive(previous);
        }
    }
    QStringList messages;
    bool handedOver = true; // every activation took place
};

// A prefix with the game in C:\Games\AoE and a second drive D.
void makeWorld(TestWorld& world, bool gameEntry)
{
    world.makeFolder(QStringLiteral("prefix/drive_c/Games/AoE"));
    world.addDrive(u'd', world.makeFolder(QStringLiteral("d-drive")));
    world.makeFolder(QStringLiteral("d-drive/maps"));
    if (gameEntry)
        world.setUninstallString(QStringLiteral("C:\\Games\\AoE\\Uninstal.exe"), true);
}

} // namespace

class MainFormFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setErrorReporter(&m_reporter); }
    void cleanup() { setErrorReporter(nullptr); }
    void selectButtonAdoptsTheChoice_data();
    void selectButtonAdoptsTheChoice();
    void activationOffersTheDialogOnce();
    void brokenDialogShowsOneError();
    void startChecksTheGameFolder_data();
    void startChecksTheGameFolder();

private:
    RecordingReporter m_reporter;
};

void MainFormFolderTest::selectButtonAdoptsTheChoice_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("freeSpaceDrive");
    QTest::addColumn<QString>("destination");
    using Answer = std::optional<QString>;
    QTest::newRow("lower-case drive letter") << Answer("d:\\maps") << "D:\\maps"
                                             << "D:\\maps"
                                             << "drive D"
                                             << "D:\\maps\\SCENARIO";
    QTest::newRow("cancelled") << Answer() << "C:\\Games\\AoE"
                               << "C:\\Games\\AoE"
                               << "drive C"
                               << "C:\\Games\\AoE\\SCENARIO";
    QTest::newRow("confirmed empty") << Answer("") << ""
                                     << "C:\\Games\\AoE"
                                     << "drive C"
                                     << "C:\\Games\\AoE\\SCENARIO";
}

void MainFormFolderTest::selectButtonAdoptsTheChoice()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, gameFolder);
    QFETCH(QString, shown);
    QFETCH(QString, freeSpaceDrive);
    QFETCH(QString, destination);
    TestWorld world;
    makeWorld(world, true);
    ScriptedFolderDialog dialog;
    dialog.answers.push_back(answer);
    TMainForm form({.folderDialog = &dialog});
    form.FormCreate();

    QTest::mouseClick(control<QToolButton>(form, "SelectDir_SButton"), Qt::LeftButton);

    QCOMPARE(dialog.starts, QStringList{"C:\\Games\\AoE"});
    QCOMPARE(form.state().gameFolder, gameFolder);
    QCOMPARE(control<QLineEdit>(form, "AoEpathEdit")->text(), shown);
    QVERIFY2(control<QLabel>(form, "FreeSpaceLabel")->text().contains(freeSpaceDrive),
             qPrintable(control<QLabel>(form, "FreeSpaceLabel")->text()));
    QCOMPARE(form.state().destinationFolder, destination);
}

void MainFormFolderTest::activationOffersTheDialogOnce()
{
    TestWorld world;
    makeWorld(world, false);
    ScriptedFolderDialog dialog;
    MainFormServices services;
    services.folderDialog = &dialog;
    TMainForm form(services);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(dialog.starts, QStringList{QString()});

    // The user cancelled; the main window stays usable until the user comes back to it.
    QTest::qWait(50);
    QCOMPARE(dialog.starts.size(), 1);

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    dialog.answers.push_back(QStringLiteral("d:\\maps"));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(dialog.starts.size(), 2);
    QCOMPARE(form.state().gameFolder, QStringLiteral("D:\\maps"));

    // With a folder known, coming back opens nothing.
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(dialog.starts.size(), 2);
}

// A desktop folder stored as a number makes the folder dialog fail as it is made.
void MainFormFolderTest::brokenDialogShowsOneError()
{
    TestWorld world;
    makeWorld(world, false);
    world.writeUserReg(
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
        "\"Desktop\"=dword:00000001\n\n");
    ActivatingReporter reporter;
    setErrorReporter(&reporter);
    TNewFolderPromptForm prompt;
    SelectDirFolderDialog dialog(prompt);
    MainFormServices services;
    services.folderDialog = &dialog;
    TMainForm form(services);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::qWait(50);
    QCOMPARE(reporter.messages, QStringList{"Invalid data type for 'Desktop'"});
    QVERIFY(reporter.handedOver);
    QVERIFY(form.isActiveWindow());

    // The select button still tries, and its error box brings no second one.
    QTest::mouseClick(control<QToolButton>(form, "SelectDir_SButton"), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(reporter.messages.size(), 2);
}

void MainFormFolderTest::startChecksTheGameFolder_data()
{
    QTest::addColumn<bool>("gameEntry");
    QTest::addColumn<bool>("removeFolder");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<int>("offered");
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<QString>("madeFolder"); // the one SCENARIO folder afterwards, empty: none
    using Answer = std::optional<QString>;
    QTest::newRow("folder present") << true << false << Answer() << 0 << "C:\\Games\\AoE"
                                    << "prefix/drive_c/Games/AoE/SCENARIO";
    // Cancelled: the run goes on with the folder it had, and fails.
    QTest::newRow("folder removed, cancelled") << true << true << Answer() << 1 << "C:\\Games\\AoE"
                                               << "";
    QTest::newRow("folder removed, another chosen")
        << true << true << Answer("D:\\maps") << 1 << "D:\\maps"
        << "d-drive/maps/SCENARIO";
    QTest::newRow("no game folder, cancelled: no run") << false << false << Answer() << 1 << ""
                                                       << "";
}

void MainFormFolderTest::startChecksTheGameFolder()
{
    QFETCH(bool, gameEntry);
    QFETCH(bool, removeFolder);
    QFETCH(std::optional<QString>, answer);
    QFETCH(int, offered);
    QFETCH(QString, gameFolder);
    QFETCH(QString, madeFolder);
    TestWorld world;
    makeWorld(world, gameEntry);
    ScriptedFolderDialog dialog;
    TMainForm form({.folderDialog = &dialog});
    form.FormCreate();
    dialog.answers.push_back(answer);
    if (removeFolder)
        QVERIFY(QDir(world.driveC() + QStringLiteral("/Games/AoE")).removeRecursively());
    auto* start = control<QPushButton>(form, "StartButton");
    start->setEnabled(true);
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(dialog.starts.size(), offered);
    QCOMPARE(form.state().gameFolder, gameFolder);
    QStringList made;
    for (QDirIterator found(world.root(), {"SCENARIO"}, QDir::Dirs, QDirIterator::Subdirectories);
         found.hasNext();)
        made << QDir(world.root()).relativeFilePath(found.next());
    QCOMPARE(made, madeFolder.isEmpty() ? QStringList() : QStringList{madeFolder});
}

QTEST_MAIN(MainFormFolderTest)
#include "tst_main_form_folder.moc"
