#include "DuplicatePrompt.h"
#include "FormControls.h"
#include "Install_MainForm.h"
#include "RunRecord.h"
#include "TestWorld.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class OverwritingPrompt : public DuplicatePrompt
{
public:
    int ask(const QString&) override { return OverwriteAll; }
};

QMap<QString, QByteArray> filesIn(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(folder + '/' + name);
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

} // namespace

class MainFormUndoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoButtonTakesTheLastRunBack_data();
    void undoButtonTakesTheLastRunBack();
};

void MainFormUndoTest::undoButtonTakesTheLastRunBack_data()
{
    QTest::addColumn<bool>("recording");
    QTest::addColumn<bool>("otherFolder"); // the run went to another game folder
    QTest::addColumn<QMessageBox::StandardButton>("answer");

    QTest::newRow("yes") << true << false << QMessageBox::Yes;
    QTest::newRow("no") << true << false << QMessageBox::No;
    QTest::newRow("another game folder") << true << true << QMessageBox::Yes;
    QTest::newRow("nothing recorded") << false << false << QMessageBox::Yes;
}

void MainFormUndoTest::undoButtonTakesTheLastRunBack()
{
    QFETCH(bool, recording);
    QFETCH(bool, otherFolder);
    QFETCH(QMessageBox::StandardButton, answer);
    TestWorld world;
    world.setUninstallString(R"(C:\Games\AoE\Uninstal.exe)", true);
    const QString scenarios = world.makeFolder("prefix/drive_c/Games/AoE/SCENARIO");
    world.writeFile("prefix/drive_c/Games/AoE/SCENARIO/b.scn", "the user's b.scn");
    world.makeFolder("prefix/drive_c/Other/SCENARIO");
    for (const char* name : {"a.scn", "b.scn"})
        world.writeFile(QStringLiteral("medium/HISTSCR/") + name, "the pack's " + QByteArray(name));
    const QMap<QString, QByteArray> before = filesIn(scenarios);
    QTemporaryDir state;
    OverwritingPrompt prompt;
    TMainForm form(
        {.duplicatePrompt = &prompt, .runRecords = recording ? state.path() : QString()});
    form.FormCreate();
    auto* undo = control<QToolButton>(form, QStringLiteral("Undo_SButton"));
    QVERIFY(!undo->isEnabled());

    control<QPushButton>(form, QStringLiteral("CheckAll_Button"))->click();
    control<QPushButton>(form, QStringLiteral("StartButton"))->click();
    QCOMPARE(filesIn(scenarios).size(), 2);
    QCOMPARE(undo->isEnabled(), recording);
    if (otherFolder) {
        world.setUninstallString(R"(C:\Other\Uninstal.exe)", true);
        form.FormCreate();
        QVERIFY(!undo->isEnabled());
    }
    if (!undo->isEnabled())
        return;

    const QMap<QString, QByteArray> installed = filesIn(scenarios);
    QString question;
    QTimer::singleShot(0, &form, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        question = box->text();
        box->button(answer)->click();
    });
    undo->click();
    QVERIFY2(question.endsWith("This will remove 1 added file, restore 1 replaced one."),
             qPrintable(question));
    const bool undone = answer == QMessageBox::Yes;
    QCOMPARE(filesIn(scenarios), undone ? before : installed);
    QCOMPARE(undo->isEnabled(), !undone);
}

QTEST_MAIN(MainFormUndoTest)
#include "tst_main_form_undo.moc"
