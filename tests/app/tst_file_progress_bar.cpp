#include "FileProgressBar.h"

#include <QImage>
#include <QTest>

namespace {

// The bar as the style draws it, over magenta, beside the same drawn by the plain progress bar.
QImage drawn(QProgressBar& bar, int value)
{
    bar.setValue(value);
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    bar.render(&image);
    return image;
}

// Antialiased edges drawn on their own and then laid over the background may round the other way.
bool alike(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 1 || qAbs(qGreen(p) - qGreen(q)) > 1 ||
                qAbs(qBlue(p) - qBlue(q)) > 1)
                return false;
        }
    }
    return true;
}

} // namespace

class FileProgressBarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsWhatItShows_data();
    void drawsWhatItShows();
};

void FileProgressBarTest::drawsWhatItShows_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("paletteChanges");

    QTest::newRow("a run of small files") << QList<int>{0, 100, 0, 100, 0} << false;
    QTest::newRow("more values than pictures kept")
        << QList<int>{0, 10, 20, 30, 40, 50, 0, 10, 100} << false;
    QTest::newRow("a new palette") << QList<int>{0, 100, 0, 100} << true;
}

// After each value the bar looks as a plain progress bar with that value does.
void FileProgressBarTest::drawsWhatItShows()
{
    QFETCH(QList<int>, values);
    QFETCH(bool, paletteChanges);
    TFileProgressBar bar;
    QProgressBar plain;
    for (QProgressBar* each : {static_cast<QProgressBar*>(&bar), &plain}) {
        each->resize(272, 16);
        each->setTextVisible(false);
    }
    for (int step = 0; step < values.size(); ++step) {
        if (paletteChanges && step == values.size() / 2) {
            QPalette red = bar.palette();
            red.setColor(QPalette::Highlight, Qt::red);
            bar.setPalette(red);
            plain.setPalette(red);
        }
        QVERIFY2(alike(drawn(bar, values.at(step)), drawn(plain, values.at(step))),
                 qPrintable(QStringLiteral("step %1").arg(step)));
    }
}

QTEST_MAIN(FileProgressBarTest)
#include "tst_file_progress_bar.moc"
