#include "PercentGauge.h"
#include "TestDoubles.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QImage>
#include <QTest>

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb bar = qRgb(0, 0, 160);
const QRgb textOverBar = qRgb(255, 255, 95);

QImage paintedGauge(const QSize& size, int percent)
{
    TPercentGauge gauge;
    gauge.resize(size);
    gauge.setProgress(percent);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    gauge.render(&image);
    return image;
}

// Shows the gauge at the main window's size and lets its first paint pass, so that the paints
// counted afterwards are the ones a change of progress causes.
bool showSettled(TPercentGauge& gauge)
{
    gauge.resize(272, 29);
    gauge.show();
    if (!QTest::qWaitForWindowExposed(&gauge))
        return false;
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class PercentGaugeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void painting_data();
    void painting();
    void clamping_data();
    void clamping();
    void repaintsAtOnceOnlyOnChange();
    void paintsWithTheWindowWhenAskedTo();
    void readByAssistiveTechnology();
};

void PercentGaugeTest::painting_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("barWidth");

    QTest::newRow("empty") << QSize(272, 29) << 0 << 0;
    QTest::newRow("45%, 121.5 pixels cut to 121") << QSize(272, 29) << 45 << 121;
    QTest::newRow("50%") << QSize(272, 29) << 50 << 135;
    QTest::newRow("99%, 267.3 pixels cut to 267") << QSize(272, 29) << 99 << 267;
    QTest::newRow("full") << QSize(272, 29) << 100 << 270;
    QTest::newRow("narrow, 2.64 pixels cut to 2") << QSize(10, 29) << 33 << 2;
    QTest::newRow("narrow, 7.92 pixels cut to 7") << QSize(10, 29) << 99 << 7;
    QTest::newRow("text wider than the gauge stays inside the frame") << QSize(12, 29) << 100 << 10;
}

void PercentGaugeTest::painting()
{
    QFETCH(QSize, size);
    QFETCH(int, percent);
    QFETCH(int, barWidth);

    const QImage image = paintedGauge(size, percent);
    const QRect inner = QRect(QPoint(), size).adjusted(1, 1, -1, -1);

    for (int x = 0; x < size.width(); ++x) {
        QCOMPARE(image.pixel(x, 0), black);
        QCOMPARE(image.pixel(x, size.height() - 1), black);
    }
    for (int y = 0; y < size.height(); ++y) {
        QCOMPARE(image.pixel(0, y), black);
        QCOMPARE(image.pixel(size.width() - 1, y), black);
    }

    // Every inner pixel is field or bar, or the text over one of them; the bar ends exactly at
    // its truncated width; the text sits in the middle.
    QRect ink;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool onBar = x < inner.left() + barWidth;
            const QRgb background = onBar ? bar : white;
            const QRgb text = onBar ? textOverBar : black;
            QVERIFY2(
                pixel == background || pixel == text,
                qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(pixel, 0, 16)));
            if (pixel == text)
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(!ink.isEmpty(), "no text painted");
    if (size.width() > 100) {
        QVERIFY(qAbs(ink.center().x() - inner.center().x()) <= 2);
        QVERIFY(qAbs(ink.center().y() - inner.center().y()) <= 2);
    }
    // Top and bottom rows of the inner area hold no text: they show where the bar ends.
    for (int x = inner.left(); x <= inner.right(); ++x)
        QCOMPARE(image.pixel(x, inner.top()), x < inner.left() + barWidth ? bar : white);
}

void PercentGaugeTest::clamping_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("shown");

    QTest::newRow("below") << -5 << 0;
    QTest::newRow("inside") << 37 << 37;
    QTest::newRow("above") << 250 << 100;
    QTest::newRow("far above") << std::numeric_limits<int>::max() << 100;
    QTest::newRow("far below") << std::numeric_limits<int>::min() << 0;
}

void PercentGaugeTest::clamping()
{
    QFETCH(int, requested);
    QFETCH(int, shown);

    TPercentGauge gauge;
    gauge.setProgress(requested);
    QCOMPARE(gauge.progress(), shown);
}

void PercentGaugeTest::repaintsAtOnceOnlyOnChange()
{
    TPercentGauge gauge;
    QVERIFY(showSettled(gauge));

    PaintCounter counter;
    gauge.installEventFilter(&counter);
    gauge.setProgress(10);
    QCOMPARE(counter.paints, 1); // painted before control returns, without the event loop
    gauge.setProgress(10);
    gauge.setProgress(-3);
    gauge.setProgress(0);
    QCOMPARE(counter.paints, 2); // -3 and 0 both show 0%
    gauge.setProgress(100);
    gauge.setProgress(170);
    QCOMPARE(counter.paints, 3);
}

void PercentGaugeTest::paintsWithTheWindowWhenAskedTo()
{
    TPercentGauge gauge;
    QVERIFY(showSettled(gauge));

    PaintCounter counter;
    gauge.installEventFilter(&counter);
    gauge.setProgress(40, TPercentGauge::Paint::WithWindow);
    gauge.setProgress(100, TPercentGauge::Paint::WithWindow);
    QCOMPARE(counter.paints, 0);
    QCOMPARE(gauge.progress(), 100);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QCOMPARE(counter.paints, 1); // both changes in the window's one paint
    gauge.setProgress(100, TPercentGauge::Paint::WithWindow);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QCOMPARE(counter.paints, 1);
}

void PercentGaugeTest::readByAssistiveTechnology()
{
    TPercentGauge gauge;
    gauge.setAccessibleName(QStringLiteral("Overall progress"));
    gauge.setProgress(45);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&gauge);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::ProgressBar);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Overall progress"));
    QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("45%"));
    QVERIFY(accessible->valueInterface() != nullptr);
    QCOMPARE(accessible->valueInterface()->currentValue().toInt(), 45);
    QCOMPARE(accessible->valueInterface()->maximumValue().toInt(), 100);
}

QTEST_MAIN(PercentGaugeTest)
#include "tst_percent_gauge.moc"
