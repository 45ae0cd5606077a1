#include "ScenarioFile.h"

#include <QTest>
#include <QtEndian>

#include <zlib.h>

namespace {

quint32 uint32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// Inflates raw deflate data; true when the stream ends exactly at the end of `data`.
bool inflatesToTheEnd(const QByteArray& data)
{
    z_stream stream{};
    if (inflateInit2(&stream, -15) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = static_cast<uInt>(data.size());
    QByteArray sink(1 << 16, '\0');
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(sink.data());
        stream.avail_out = static_cast<uInt>(sink.size());
        result = inflate(&stream, Z_NO_FLUSH);
    }
    const bool wholeStream = result == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    return wholeStream;
}

} // namespace

class TestScenarioFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void seedsGiveDifferentFiles();
};

void TestScenarioFile::layout_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<qint64>("size");

    const QByteArray accented("Les l\xe9gions de C\xe9sar\r\nfranchissent le Rh\xf4ne.");
    const qint64 header = 20 + accented.size() + 1 + 8;
    QTest::newRow("empty description, header only") << QByteArray() << qint64(0);
    QTest::newRow("a few bytes of padding") << accented << header + 3;
    QTest::newRow("room for one empty block") << accented << header + 5;
    QTest::newRow("3 KB") << accented << qint64(3 * 1024);
    QTest::newRow("just over one stored block") << accented << header + 65541;
    QTest::newRow("two stored blocks exactly") << QByteArray("x") << 20 + 2 + 8 + 2 * 65540LL;
    QTest::newRow("400 KB") << QByteArray(1500, 'a') << qint64(400 * 1024);
    QTest::newRow("description past the reader's 2049 bytes")
        << QByteArray(3000, 'b') << qint64(20 * 1024);
}

void TestScenarioFile::layout()
{
    QFETCH(QByteArray, description);
    QFETCH(qint64, size);

    const QByteArray file = makeScenarioFile(description, size, 7);
    const qint64 headerEnd = 20 + description.size() + 1 + 8;

    QCOMPARE(file.size(), std::max(size, headerEnd));
    QCOMPARE(file.left(4), QByteArray("1.11"));
    QCOMPARE(uint32At(file, 4), quint32(headerEnd - 8));
    QCOMPARE(uint32At(file, 8), 2u);
    QCOMPARE(uint32At(file, 16), quint32(description.size() + 1));
    QCOMPARE(file.mid(20, description.size()), description);
    QCOMPARE(file.at(20 + description.size()), '\0');

    const QByteArray body = file.mid(headerEnd);
    if (body.size() >= 5)
        QVERIFY2(inflatesToTheEnd(body), "the data after the header is one whole deflate stream");
}

void TestScenarioFile::seedsGiveDifferentFiles()
{
    const QByteArray a = makeScenarioFile("same", 8000, 1);
    QCOMPARE(makeScenarioFile("same", 8000, 1), a);
    QVERIFY(makeScenarioFile("same", 8000, 2) != a);
}

QTEST_GUILESS_MAIN(TestScenarioFile)
#include "tst_scenario_file.moc"
