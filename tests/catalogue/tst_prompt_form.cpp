#include "DuplicatePrompt.h"
#include "Install_PromptForm.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

QPushButton* button(const TPromptForm& prompt, const char* name)
{
    return prompt.findChild<QPushButton*>(QLatin1String(name));
}

// Asks, and while the prompt is shown runs `answer` once the prompt is on screen.
int askAndAnswer(TPromptForm& prompt, const QString& path,
                 const std::function<void(TPromptForm&)>& answer)
{
    QTimer::singleShot(0, &prompt, [&prompt, answer] {
        QTRY_VERIFY(prompt.isVisible());
        answer(prompt);
    });
    return prompt.ask(path);
}

} // namespace

using Answer = std::function<void(TPromptForm&)>;
Q_DECLARE_METATYPE(Answer)

class TestPromptForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void answers_data();
    void answers();
    void focusReturnsToSkipEachTime();
    void namesTheFile_data();
    void namesTheFile();
    void readableByAssistiveTechnology();
};

void TestPromptForm::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestPromptForm::answers_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");

    const auto click = [](const char* name) {
        return Answer([name](TPromptForm& prompt) {
            QTest::mouseClick(button(prompt, name), Qt::LeftButton);
        });
    };
    QTest::newRow("Skip this file") << click("Skip_Button") << 11;
    QTest::newRow("Skip all") << click("SkipAll_Button") << 12;
    QTest::newRow("Overwrite file") << click("Overwrite_Button") << 13;
    QTest::newRow("Overwrite all") << click("OverwriteAll_Button") << 14;
    QTest::newRow("Cancel installation") << click("CancelCopy_Button") << 15;
    QTest::newRow("close box") << Answer([](TPromptForm& prompt) { prompt.close(); }) << 2;
    QTest::newRow("Enter skips") << Answer([](TPromptForm& prompt) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                    : static_cast<QWidget*>(&prompt),
                        Qt::Key_Return);
    }) << 11;
    QTest::newRow("Enter on another button presses that one") << Answer([](TPromptForm& prompt) {
        button(prompt, "Overwrite_Button")->setFocus();
        QTest::keyClick(button(prompt, "Overwrite_Button"), Qt::Key_Return);
    }) << 13;
    QTest::newRow("Esc does nothing") << Answer([](TPromptForm& prompt) {
        QTest::keyClick(&prompt, Qt::Key_Escape);
        QTest::keyClick(button(prompt, "Skip_Button"), Qt::Key_Escape);
        QVERIFY(prompt.isVisible());
        QTest::mouseClick(button(prompt, "OverwriteAll_Button"), Qt::LeftButton);
    }) << 14;
    QTest::newRow("Space on the focused Skip button") << Answer([](TPromptForm& prompt) {
        QTest::keyClick(button(prompt, "Skip_Button"), Qt::Key_Space);
    }) << 11;
}

void TestPromptForm::answers()
{
    QFETCH(Answer, answer);
    QFETCH(int, result);

    TPromptForm prompt;
    QCOMPARE(askAndAnswer(prompt, QStringLiteral("C:\\Game\\SCENARIO\\a.scn"), answer), result);
    QVERIFY(!prompt.isVisible());
}

void TestPromptForm::focusReturnsToSkipEachTime()
{
    TPromptForm prompt;
    QWidget* skip = button(prompt, "Skip_Button");
    for (int round = 0; round < 3; ++round) {
        QWidget* focused = nullptr;
        const int result = askAndAnswer(prompt, QStringLiteral("C:\\x.scn"), [&](TPromptForm& p) {
            focused = p.focusWidget();
            button(p, "CancelCopy_Button")->setFocus(); // the user moved the focus
            QTest::keyClick(button(p, "CancelCopy_Button"), Qt::Key_Return);
        });
        QCOMPARE(result, int(CancelInstallation));
        QCOMPARE(focused, skip);
    }
}

void TestPromptForm::namesTheFile_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("short") << "C:\\A\\SCENARIO\\x.scn";
    QTest::newRow("long") << "C:\\Program Files\\Microsoft Games\\Age of Empires\\SCENARIO\\"
                             "The Destruction of Rome.scn";
    QTest::newRow("markup is shown as typed") << "C:\\Game\\SCENARIO\\<b>bold</b> & more.scn";
}

void TestPromptForm::namesTheFile()
{
    QFETCH(QString, path);

    TPromptForm prompt;
    auto* label = prompt.findChild<QLabel*>(QStringLiteral("FileName_Label"));
    int shownWidth = 0;
    askAndAnswer(prompt, path, [&](TPromptForm& p) {
        shownWidth = label->width();
        p.close();
    });
    QCOMPARE(label->text(), path);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(shownWidth >= label->fontMetrics().horizontalAdvance(path));
}

void TestPromptForm::readableByAssistiveTechnology()
{
    TPromptForm prompt;
    for (const char* name : {"Skip_Button", "SkipAll_Button", "Overwrite_Button",
                             "OverwriteAll_Button", "CancelCopy_Button"}) {
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(button(prompt, name));
        QVERIFY(item);
        QCOMPARE(item->text(QAccessible::Name), button(prompt, name)->text());
    }
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&prompt);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Duplicated scenario file warning"));

    // What the prompt says, the file in conflict included, is read out while it is shown.
    const QString path = QStringLiteral("C:\\Game\\SCENARIO\\Mr. Smith.scn");
    QStringList heard;
    askAndAnswer(prompt, path, [&](TPromptForm& p) {
        for (const char* name : {"Label1", "FileName_Label", "Label2"}) {
            QAccessibleInterface* label =
                QAccessible::queryAccessibleInterface(p.findChild<QLabel*>(QLatin1String(name)));
            QVERIFY(label);
            heard << label->text(QAccessible::Name).trimmed();
        }
        p.close();
    });
    QCOMPARE(heard, (QStringList{"Scenario file named:", path,
                                 "already exists. What do you wish to do?"}));
}

QTEST_MAIN(TestPromptForm)
#include "tst_prompt_form.moc"
