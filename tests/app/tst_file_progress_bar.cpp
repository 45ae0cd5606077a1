#include "FileProgressBar.h"

#include <QImage>
#include <QTest>

namespace {

QImage drawn(QProgressBar& bar, int value)
{
    bar.setValue(value);
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    bar.render(&image);
    return image;
}

// An antialiased edge laid over the background as a picture may round the other way.
bool alike(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16})
                if (qAbs(int((a.pixel(x, y) >> shift) & 255) -
                         int((b.pixel(x, y) >> shift) & 255)) > 1)
                    return false;
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
    QTest::addColumn<QList<int>>("values"); // -1: the palette changes

    QTest::newRow("a run of small files") << QList<int>{0, 100, 0, 100, 0};
    QTest::newRow("more values than pictures kept") << QList<int>{0, 10, 20, 30, 40, 50, 0, 10};
    QTest::newRow("a new palette") << QList<int>{0, 100, -1, 0, 100};
}

// After each value the bar looks as a plain progress bar with that value does.
void FileProgressBarTest::drawsWhatItShows()
{
    QFETCH(QList<int>, values);
    TFileProgressBar bar;
    QProgressBar plain;
    for (QProgressBar* each : {static_cast<QProgressBar*>(&bar), &plain}) {
        each->resize(272, 16);
        each->setTextVisible(false); // as the main window's
    }
    for (int value : values) {
        if (value < 0) {
            QPalette red = bar.palette();
            red.setColor(QPalette::Highlight, Qt::red);
            bar.setPalette(red);
            plain.setPalette(red);
        } else {
            QVERIFY2(alike(drawn(bar, value), drawn(plain, value)),
                     qPrintable(QString::number(value)));
        }
    }
}

QTEST_MAIN(FileProgressBarTest)
#include "tst_file_progress_bar.moc"
