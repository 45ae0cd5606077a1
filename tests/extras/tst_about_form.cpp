#include "Install_AboutForm.h"
#include "Memory.h"
#include "MemoryFigures.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

namespace {

// The lines a word-wrapped label shows, each with the width its text takes.
QList<QPair<QString, qreal>> wrappedLines(const QLabel& label)
{
    QString text = label.text();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, label.font());
    QTextOption option(label.alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);

    QList<QPair<QString, qreal>> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        const QString shown =
            text.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator).trimmed();
        lines.append({shown, line.naturalTextWidth()});
    }
    layout.endLayout();
    return lines;
}

} // namespace

class TestAboutForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void physicalMemoryText_data();
    void physicalMemoryText();

    void figuresOnTheBox_data();
    void figuresOnTheBox();
    void eachOpeningReadsTheFigures();
    void showsTheMachinesOwnFigures();

    void endsWith_data();
    void endsWith();
    void layoutAndReading();
    void wrappedLabelsBreakBetweenNames_data();
    void wrappedLabelsBreakBetweenNames();

private:
    static QString caption(const TAboutForm& form, const char* label)
    {
        return form.findChild<QLabel*>(QLatin1String(label))->text();
    }
};

void TestAboutForm::initTestCase()
{
    // The metric twin the program puts in place of the box's bitmap font.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

void TestAboutForm::cleanup()
{
    QLocale::setDefault(QLocale::c());
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestAboutForm::physicalMemoryText_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("64 MB") << Q_UINT64_C(67108864) << "en_US"
                           << "65,536 KB";
    QTest::newRow("under a thousand KB has no separator") << Q_UINT64_C(524288) << "en_US"
                                                          << "512 KB";
    QTest::newRow("full-stop separator") << Q_UINT64_C(16777216) << "de_DE"
                                         << "16.384 KB";
    QTest::newRow("C locale still groups with a comma") << Q_UINT64_C(16777216) << "C"
                                                        << "16,384 KB";
    QTest::newRow("below half a KB rounds down") << Q_UINT64_C(1024 * 1000 + 511) << "en_US"
                                                 << "1,000 KB";
    QTest::newRow("half a KB rounds up") << Q_UINT64_C(1024 * 999 + 512) << "en_US"
                                         << "1,000 KB";
    QTest::newRow("above 32 bits") << Q_UINT64_C(68719476736) << "en_US"
                                   << "67,108,864 KB";
    QTest::newRow("beyond a double's exact integers")
        << Q_UINT64_C(9007199254740993) * 1024 << "en_US"
        << "9,007,199,254,740,993 KB";
    QTest::newRow("largest total") << Q_UINT64_C(18446744073709551615) << "en_US"
                                   << "18,014,398,509,481,984 KB";
    QTest::newRow("nothing") << Q_UINT64_C(0) << "en_US"
                             << "0 KB";
}

void TestAboutForm::physicalMemoryText()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, locale);
    QFETCH(QString, expected);

    QCOMPARE(::physicalMemoryText(bytes, QLocale(locale)), expected);
}

void TestAboutForm::figuresOnTheBox_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<int>("load");
    QTest::addColumn<QString>("physMem");
    QTest::addColumn<QString>("freeRes");
    QTest::addColumn<bool>("widened");

    QTest::newRow("idle machine") << "en_US" << Q_UINT64_C(67108864) << 0 << "65,536 KB"
                                  << "0 %" << false;
    QTest::newRow("busy machine") << "en_US" << Q_UINT64_C(524288) << 37 << "512 KB"
                                  << "37 %" << false;
    QTest::newRow("full machine, German user")
        << "de_DE" << Q_UINT64_C(16777216) << 100 << "16.384 KB"
        << "100 %" << false;
    QTest::newRow("a terabyte") << "en_US" << (Q_UINT64_C(1) << 40) << 50 << "1,073,741,824 KB"
                                << "50 %" << true;
}

void TestAboutForm::figuresOnTheBox()
{
    QFETCH(QString, locale);
    QFETCH(quint64, bytes);
    QFETCH(int, load);
    QFETCH(QString, physMem);
    QFETCH(QString, freeRes);
    QFETCH(bool, widened);
    QLocale::setDefault(QLocale(locale));

    TAboutForm form(nullptr, [=] { return MemoryStatus{bytes, load}; });

    QCOMPARE(caption(form, "PhysMem"), physMem);
    QCOMPARE(caption(form, "FreeRes"), freeRes);
    // The figure is shown whole, where it was drawn, and inside the box.
    auto* label = form.findChild<QLabel*>("PhysMem");
    QVERIFY(label->width() >= label->sizeHint().width());
    QCOMPARE(label->pos(), QPoint(255, 163));
    QVERIFY(label->geometry().right() < form.width());
    QCOMPARE(form.width() > 320, widened);
    QCOMPARE(form.height(), 258);
}

void TestAboutForm::eachOpeningReadsTheFigures()
{
    int reads = 0;
    const auto machine = [&reads] {
        ++reads;
        return MemoryStatus{quint64(reads) * 1024 * 1024, 10 * reads};
    };

    TAboutForm first(nullptr, machine);
    TAboutForm second(nullptr, machine);

    QCOMPARE(reads, 2);
    QCOMPARE(caption(first, "PhysMem"), "1,024 KB");
    QCOMPARE(caption(first, "FreeRes"), "10 %");
    QCOMPARE(caption(second, "PhysMem"), "2,048 KB");
    QCOMPARE(caption(second, "FreeRes"), "20 %");
}

void TestAboutForm::showsTheMachinesOwnFigures()
{
    const MemoryStatus machine = globalMemoryStatus();
    QVERIFY2(machine.totalPhysical > 0, "this machine reports no memory");

    TAboutForm form;

    QCOMPARE(caption(form, "PhysMem"), ::physicalMemoryText(machine.totalPhysical, QLocale()));
    QVERIFY(caption(form, "FreeRes").endsWith(" %"));
}

void TestAboutForm::endsWith_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("OK clicked") << "click";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("Alt+O") << "accelerator";
    QTest::newRow("close box") << "close";
}

void TestAboutForm::endsWith()
{
    QFETCH(QString, how);
    QWidget owner;
    TAboutForm form(&owner, [] { return MemoryStatus{1 << 20, 5}; });

    bool answered = false;
    QTimer::singleShot(0, &form, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box != &form)
            return;
        answered = true;
        auto* ok = form.findChild<QPushButton*>("OKButton");
        if (how == "click")
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (how == "enter")
            QTest::keyClick(&form, Qt::Key_Return);
        else if (how == "escape")
            QTest::keyClick(&form, Qt::Key_Escape);
        else if (how == "accelerator")
            QTest::keyClick(form.windowHandle(), Qt::Key_O, Qt::AltModifier);
        else if (how == "close")
            form.close();
    });
    // A box that stays open fails the test instead of hanging it.
    QTimer::singleShot(5000, &form, [&] { form.done(-1); });

    QCOMPARE(form.exec(), int(QDialog::Rejected));
    QVERIFY(answered);
}

void TestAboutForm::layoutAndReading()
{
    TAboutForm form(nullptr, [] { return MemoryStatus{Q_UINT64_C(67108864), 37}; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.windowTitle(), "About program");
    QCOMPARE(form.size(), QSize(320, 258));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));

    auto* ok = form.findChild<QPushButton*>("OKButton");
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    // The OK button is the only control that takes the focus.
    for (QWidget* child : form.findChildren<QWidget*>())
        if (child != ok)
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);

    auto* title = form.findChild<QLabel*>("Label1");
    QCOMPARE(title->text(), "Korvane  Installer ver. 1.02");
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QVERIFY(title->font().bold() && title->font().underline());
    // It wraps onto two lines within its width.
    QVERIFY(title->heightForWidth(title->width()) > QFontMetrics(title->font()).height() * 3 / 2);

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QCOMPARE(window->text(QAccessible::Name), "About program");
    QStringList names;
    for (int i = 0; i < window->childCount(); ++i)
        names << window->child(i)->text(QAccessible::Name);
    QVERIFY2(names.contains("Physical memory available to Windows:"), qPrintable(names.join('|')));
    QVERIFY2(names.contains("Ok"), qPrintable(names.join('|')));
}

void TestAboutForm::wrappedLabelsBreakBetweenNames_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("title") << "Label1" << QStringList{"Korvane  Installer ver.", "1.02"};
    QTest::newRow("first two credits, one name a line")
        << "Label6" << QStringList{"Idris Malvoe,", "Petra Linhardt"};
}

void TestAboutForm::wrappedLabelsBreakBetweenNames()
{
    QFETCH(QString, label);
    QFETCH(QStringList, lines);
    TAboutForm form(nullptr, [] { return MemoryStatus{Q_UINT64_C(67108864), 37}; });
    const auto* shown = form.findChild<QLabel*>(label);

    const auto laidOut = wrappedLines(*shown);
    QStringList texts;
    for (const auto& [text, width] : laidOut) {
        texts << text;
        QVERIFY2(width <= shown->contentsRect().width(), qPrintable(text));
    }
    QCOMPARE(texts, lines);
    // Both lines fit in the label's drawn height, so neither is cut off at the bottom.
    QVERIFY(shown->heightForWidth(shown->width()) <= shown->height());
}

QTEST_MAIN(TestAboutForm)

#include "tst_about_form.moc"
