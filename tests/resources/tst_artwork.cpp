#include "Artwork.h"

#include <QImage>
#include <QTest>

// The windows lay their pictures out at fixed sizes; a drawing rendered at another size, or a
// background with an alpha channel, would show as a misplaced or see-through picture.
class TestArtwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizes_data();
    void sizes();
    void backgroundIsOpaque();
    void disabledGlyphsAreGrey_data();
    void disabledGlyphsAreGrey();
    void iconsAreSharpAtEveryScale_data();
    void iconsAreSharpAtEveryScale();
};

void TestArtwork::sizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("background") << ":/images/background.png" << QSize(320, 240);
    for (const char* glyph : {"select-dir", "show-intro", "exit", "exit-disabled"})
        QTest::newRow(glyph) << QString(":/images/%1.png").arg(glyph) << QSize(16, 16);
    for (const char* glyph : {"about", "about-disabled"})
        QTest::newRow(glyph) << QString(":/images/%1.png").arg(glyph) << QSize(16, 19);
    QTest::newRow("window icon") << ":/images/korvane.png" << QSize(32, 32);
    QTest::newRow("folder dialog icon") << ":/images/hand.png" << QSize(32, 32);
    for (const char* node : {"desktop", "computer", "trash", "drive-removable", "drive-fixed",
                             "drive-cdrom", "folder", "folder-open"})
        QTest::newRow(node) << QString(":/images/tree/%1.png").arg(node) << QSize(16, 16);
}

void TestArtwork::sizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void TestArtwork::backgroundIsOpaque()
{
    const QImage background(":/images/background.png");
    QVERIFY(!background.hasAlphaChannel());
    QCOMPARE(background.depth(), 32); // 24-bit RGB, held by Qt in 32-bit words
}

void TestArtwork::disabledGlyphsAreGrey_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("about") << ":/images/about-disabled.png";
    QTest::newRow("exit") << ":/images/exit-disabled.png";
}

void TestArtwork::disabledGlyphsAreGrey()
{
    QFETCH(QString, path);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    int visible = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            ++visible;
            QVERIFY2(qAbs(qRed(pixel) - qGreen(pixel)) <= 1 &&
                         qAbs(qGreen(pixel) - qBlue(pixel)) <= 1,
                     qPrintable(QString("colour at %1,%2").arg(x).arg(y)));
        }
    QVERIFY(visible > image.width() * image.height() / 3);
}

void TestArtwork::iconsAreSharpAtEveryScale_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("size");
    QTest::newRow("glyph") << ":/images/select-dir.png" << int(QIcon::Normal) << QSize(16, 16);
    QTest::newRow("disabled") << ":/images/about-disabled.png" << int(QIcon::Disabled)
                              << QSize(16, 19);
    QTest::newRow("window") << ":/images/korvane.png" << int(QIcon::Normal) << QSize(32, 32);
    QTest::newRow("tree") << ":/images/tree/drive-cdrom.png" << int(QIcon::Normal) << QSize(16, 16);
}

// At scale 1 its own drawing, pixel for pixel; at 2 the drawing made at twice the size, not the
// small one stretched. A pixmap holds them premultiplied, which rounds faint pixels.
void TestArtwork::iconsAreSharpAtEveryScale()
{
    QFETCH(QString, drawing);
    QFETCH(int, mode);
    QFETCH(QSize, size);
    const QIcon icon = Artwork::icon(QString(drawing).remove("-disabled"), drawing);
    const auto held = [](const QString& path) { return QPixmap(path).toImage(); };
    QCOMPARE(icon.pixmap(size, 1.0, QIcon::Mode(mode)).toImage(), held(drawing));
    QCOMPARE(icon.pixmap(size, 2.0, QIcon::Mode(mode)).toImage(),
             held(QString(drawing).insert(drawing.size() - 4, "@2x")));
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
