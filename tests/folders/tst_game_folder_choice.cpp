#include "Errors.h"
#include "FolderWorld.h"
#include "GameFolderChoice.h"
#include "Guarded.h"
#include "ScriptedFolderDialog.h"
#include "TestDoubles.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>

namespace {

// The main window's side, as the choice sees it: what it was told, in order.
class Host : public GameFolderHost
{
public:
    QString gameFolder() const override { return folder; }
    void setGameFolder(const QString& value) override { folder = value; }
    void showGameFolder() override { calls << "show " + folder; }
    void selectTypeFolders() override { calls << "types " + folder; }
    void updateFreeSpace() override { calls << "space " + folder; }
    QWidget* dialogOwner() override { return owner; }

    QString folder;
    QWidget* owner = nullptr;
    QStringList calls;
};

} // namespace

class TestGameFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void adoptsTheChoice_data();
    void adoptsTheChoice();
    void autoOpenPolicy_data();
    void autoOpenPolicy();
    void cancelDoesNotTrapTheUser();
    void brokenDialogDoesNotLoop_data();
    void brokenDialogDoesNotLoop();
    void selectButtonAlwaysOpens();
    void checkBeforeRun_data();
    void checkBeforeRun();
};

void TestGameFolder::adoptsTheChoice_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("calls");
    using Answer = std::optional<QString>;
    QTest::newRow("lower-case drive letter")
        << "C:\\Old" << Answer("c:\\users\\me\\Desktop\\AoE") << "C:\\users\\me\\Desktop\\AoE"
        << QStringList{"show C:\\users\\me\\Desktop\\AoE", "types C:\\users\\me\\Desktop\\AoE",
                       "space C:\\users\\me\\Desktop\\AoE"};
    QTest::newRow("drive root") << "" << Answer("D:\\") << "D:\\"
                                << QStringList{"show D:\\", "types D:\\", "space D:\\"};
    QTest::newRow("cancelled") << "C:\\Old" << Answer() << "C:\\Old" << QStringList{};
    QTest::newRow("confirmed empty") << "C:\\Old" << Answer("") << "" << QStringList{};
    QTest::newRow("accented letter stays")
        << "" << Answer("é:\\x") << "é:\\x"
        << QStringList{"show é:\\x", "types é:\\x", "space é:\\x"};
}

void TestGameFolder::adoptsTheChoice()
{
    QFETCH(QString, before);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, after);
    QFETCH(QStringList, calls);
    Host host;
    host.folder = before;
    ScriptedFolderDialog dialog;
    dialog.answers.push_back(answer);
    GameFolderChooser chooser(host, &dialog);
    chooser.askForGameFolder();
    QCOMPARE(dialog.starts, QStringList{before});
    QCOMPARE(host.folder, after);
    QCOMPARE(host.calls, calls);
}

void TestGameFolder::autoOpenPolicy_data()
{
    // Steps: "a" the main window is activated without a game folder, "A" with one, "c" the
    // dialog closed, "i" the intro was played. Expected: one letter per activation, "o" when the
    // dialog opens by itself, "-" when it does not.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("opens");
    QTest::newRow("start-up without folder") << "a"
                                             << "o";
    QTest::newRow("start-up with folder") << "A"
                                          << "-";
    QTest::newRow("the activation after closing") << "a c a"
                                                  << "o -";
    QTest::newRow("back from elsewhere") << "a c a a"
                                         << "o - o";
    QTest::newRow("every return, never the echo") << "a c a a c a a"
                                                  << "o - o - o";
    QTest::newRow("after the intro") << "a c i a"
                                     << "o o";
    QTest::newRow("folder chosen") << "a c A A"
                                   << "o - -";
    QTest::newRow("folder known, then lost") << "A A a"
                                             << "- - o";
}

void TestGameFolder::autoOpenPolicy()
{
    QFETCH(QString, steps);
    QFETCH(QString, opens);
    FolderDialogAutoOpen policy;
    QStringList seen;
    for (const QString& step : steps.split(u' ')) {
        if (step == "a" || step == "A")
            seen << (policy.shouldOpen(step == "A") ? "o" : "-");
        else if (step == "c")
            policy.dialogClosed();
        else if (step == "i")
            policy.rearm();
        else
            QFAIL(qPrintable("unknown step " + step));
    }
    QCOMPARE(seen.join(u' '), opens);
}

void TestGameFolder::cancelDoesNotTrapTheUser()
{
    Host host;
    ScriptedFolderDialog dialog;
    GameFolderChooser chooser(host, &dialog);
    chooser.FormActivate(); // start-up: opens, the user cancels
    chooser.FormActivate(); // the main window comes back from the dialog: the user is free
    QCOMPARE(dialog.starts.size(), 1);
    chooser.FormActivate(); // back from another program
    QCOMPARE(dialog.starts.size(), 2);
    dialog.answers.push_back(QStringLiteral("C:\\Games"));
    chooser.FormActivate(); // echo of the second closing
    chooser.FormActivate(); // a return: opens, the user picks a folder
    QCOMPARE(dialog.starts.size(), 3);
    QCOMPARE(host.folder, QStringLiteral("C:\\Games"));
    chooser.FormActivate();
    chooser.FormActivate();
    QCOMPARE(dialog.starts.size(), 3);
}

void TestGameFolder::brokenDialogDoesNotLoop_data()
{
    QTest::addColumn<QString>("firstAttempt");
    QTest::newRow("start-up activation") << "activation";
    QTest::newRow("select button") << "button";
    QTest::newRow("check before a run") << "check";
}

// A dialog that cannot be made fails with an error box; closing the box activates the main
// window, which must not try again by itself, or the user meets the same box for ever.
void TestGameFolder::brokenDialogDoesNotLoop()
{
    QFETCH(QString, firstAttempt);
    RecordingReporter reporter;
    setErrorReporter(&reporter);
    const auto restore = qScopeGuard([] { setErrorReporter(nullptr); });
    // The main window is active when the dialog fails, having never lost the activation.
    QWidget mainWindow;
    mainWindow.show();
    mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
    Host host;
    host.owner = &mainWindow;
    ScriptedFolderDialog dialog;
    dialog.broken = true;
    GameFolderChooser chooser(host, &dialog);
    const auto activate = [&chooser] { runGuarded([&chooser] { chooser.FormActivate(); }); };

    if (firstAttempt == "activation")
        activate();
    else if (firstAttempt == "button")
        runGuarded([&chooser] { chooser.askForGameFolder(); });
    else
        runGuarded([&chooser] { chooser.checkBeforeRun(); });
    QCOMPARE(dialog.starts.size(), 1);
    QCOMPARE(reporter.messages, QStringList{"Invalid data type for 'Desktop'"});

    activate(); // the box closes
    QCOMPARE(dialog.starts.size(), 1);
    QCOMPARE(reporter.messages.size(), 1);

    activate(); // back from elsewhere: one more try, one more box, and again no loop
    activate();
    QCOMPARE(dialog.starts.size(), 2);
    QCOMPARE(reporter.messages.size(), 2);

    runGuarded([&chooser] { chooser.askForGameFolder(); }); // the button always tries
    QCOMPARE(dialog.starts.size(), 3);
}

void TestGameFolder::selectButtonAlwaysOpens()
{
    Host host;
    host.folder = QStringLiteral("C:\\Games");
    ScriptedFolderDialog dialog;
    GameFolderChooser chooser(host, &dialog);
    chooser.askForGameFolder();
    chooser.askForGameFolder();
    QCOMPARE(dialog.starts, (QStringList{"C:\\Games", "C:\\Games"}));
    dialog.answers.push_back(QStringLiteral(""));
    chooser.askForGameFolder(); // confirmed empty: the folder is forgotten
    chooser.FormActivate();     // the echo of that closing
    QCOMPARE(dialog.starts.size(), 3);
    chooser.FormActivate(); // the next return offers the dialog again
    QCOMPARE(dialog.starts.size(), 4);
}

void TestGameFolder::checkBeforeRun_data()
{
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<bool>("offered");
    QTest::newRow("existing folder") << "C:\\Games\\AoE" << false;
    QTest::newRow("other letter case") << "c:\\GAMES\\aoe" << false;
    QTest::newRow("vanished folder") << "C:\\Games\\Gone" << true;
    QTest::newRow("a file") << "C:\\Games\\readme.txt" << true;
    QTest::newRow("absent drive") << "Q:\\Games" << true;
    QTest::newRow("empty") << "" << true;
}

void TestGameFolder::checkBeforeRun()
{
    QFETCH(QString, gameFolder);
    QFETCH(bool, offered);
    FolderWorld world;
    Host host;
    host.folder = gameFolder;
    ScriptedFolderDialog dialog;
    GameFolderChooser chooser(host, &dialog);
    chooser.checkBeforeRun();
    QCOMPARE(dialog.starts.size(), offered ? 1 : 0);
    // Cancelled: the run goes on with the folder it had.
    QCOMPARE(host.folder, gameFolder);
}

QTEST_MAIN(TestGameFolder)
#include "tst_game_folder_choice.moc"
