#include "Cp1252.h"

#include <QtTest>

class TestCp1252 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void everyByteComesBack();
    void code_data();
    void code();
};

void TestCp1252::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("Aa~") << "Aa~";
    QTest::newRow("euro") << QByteArray("\x80") << QString::fromUtf8("€");
    QTest::newRow("curly quotes and dashes")
        << QByteArray("\x91\x92\x93\x94\x96\x97") << QString::fromUtf8("‘’“”–—");
    QTest::newRow("letters of 0x8A to 0x9F")
        << QByteArray("\x8a\x8c\x8e\x9a\x9c\x9e\x9f") << QString::fromUtf8("ŠŒŽšœžŸ");
    QTest::newRow("trade mark, ellipsis, per mille")
        << QByteArray("\x99\x85\x89") << QString::fromUtf8("™…‰");
    QTest::newRow("undefined bytes kept as C1 controls")
        << QByteArray("\x81\x8d\x8f\x90\x9d") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("Latin-1 half") << QByteArray("\xa0\xc9\xe9\xff")
                                  << QString::fromUtf8("\u00a0Éé\u00ff");
    QTest::newRow("zero bytes are kept") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\0b", 3);
    QTest::newRow("empty") << QByteArray() << "";
}

void TestCp1252::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(Cp1252::decode(bytes), text);
}

// No byte is lost: each decodes to one character that encodes back to it.
void TestCp1252::everyByteComesBack()
{
    for (int byte = 0; byte < 256; ++byte) {
        const QString text = Cp1252::decode(QByteArray(1, char(byte)));
        QCOMPARE(text.size(), 1);
        QCOMPARE(Cp1252::code(text[0]), byte);
    }
}

void TestCp1252::code_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("code");

    QTest::newRow("letter") << QChar(u'A') << 0x41;
    QTest::newRow("euro") << QChar(0x20AC) << 0x80;
    QTest::newRow("y diaeresis upper") << QChar(0x0178) << 0x9F;
    QTest::newRow("U+0080 is not the euro byte") << QChar(0x0080) << -1;
    QTest::newRow("U+0085 is not the ellipsis byte") << QChar(0x0085) << -1;
    QTest::newRow("Greek") << QChar(0x03A9) << -1;
    QTest::newRow("Cyrillic") << QChar(0x0416) << -1;
    QTest::newRow("replacement character") << QChar(0xFFFD) << -1;
    QTest::newRow("lone surrogate") << QChar(0xD83D) << -1;
}

void TestCp1252::code()
{
    QFETCH(QChar, character);
    QFETCH(int, code);

    QCOMPARE(Cp1252::code(character), code);
}

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
