#include "Collation.h"
#include "Cp1252.h"

#include <QFile>
#include <QtTest>
#include <cstring>

namespace {

// Rows "text<TAB>...<TAB>key" of a fixture table, comments skipped; empty when it is absent.
QList<QStringList> fixtureRows(const QString& fileName)
{
    const QString shared = qEnvironmentVariable("KORVANE_SHARED");
    QFile file(shared + QStringLiteral("/fixtures/collation/") + fileName);
    if (shared.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        rows.append(QString::fromUtf8(line).split(QLatin1Char('\t')));
    }
    return rows;
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

class TestCollation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysOfExamples_data();
    void keysOfExamples();
    void orderOfExamples();
    void keysOfEveryCharacter_data();
    void keysOfEveryCharacter();
    void keyLayout_data();
    void keyLayout();
    void order_data();
    void order();
    void compareAgreesWithKeys();
};

void TestCollation::keysOfExamples_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("key");

    const QList<QStringList> rows = fixtureRows(QStringLiteral("examples.tsv"));
    if (rows.isEmpty())
        QSKIP("the shared fixtures are not here");
    for (const QStringList& row : rows)
        QTest::newRow(row[0].toUtf8().constData()) << row[0] << row[1].toLatin1();
}

void TestCollation::keysOfExamples()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, key);

    QCOMPARE(Collation::sortKey(name).toHex(), key);
}

// The examples are listed in ascending order: each name compares below or equal to the next,
// equal only when their keys are equal, and the comparison is antisymmetric.
void TestCollation::orderOfExamples()
{
    const QList<QStringList> rows = fixtureRows(QStringLiteral("examples.tsv"));
    if (rows.isEmpty())
        QSKIP("the shared fixtures are not here");
    QCOMPARE_GT(rows.size(), 60);
    for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
        const QString& a = rows[i][0];
        const QString& b = rows[i + 1][0];
        const int expected = rows[i][1] == rows[i + 1][1] ? 0 : -1;
        QVERIFY2(sign(Collation::compare(a, b)) == expected,
                 qPrintable(a + QStringLiteral(" / ") + b));
        QVERIFY2(sign(Collation::compare(b, a)) == -expected,
                 qPrintable(b + QStringLiteral(" / ") + a));
    }
}

void TestCollation::keysOfEveryCharacter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("key");

    const QList<QStringList> rows = fixtureRows(QStringLiteral("cp1252-sort-keys.tsv"));
    if (rows.isEmpty())
        QSKIP("the shared fixtures are not here");
    for (const QStringList& row : rows)
        QTest::newRow(row[0].toLatin1().constData())
            << row[0].toInt(nullptr, 16) << row[3].toLatin1();
}

void TestCollation::keysOfEveryCharacter()
{
    QFETCH(int, code);
    QFETCH(QByteArray, key);

    const QString text = Cp1252::decode(QByteArray(1, char(code)));
    QCOMPARE(Collation::sortKey(text).toHex(), key);
}

// Keys worked out by hand from the layout: primary pairs, diacritics, case, an empty section,
// then the ignored characters (position counted in primary pairs before them, inverted).
void TestCollation::keyLayout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("key");

    QTest::newRow("empty") << "" << QByteArray("0101010100");
    QTest::newRow("lower case") << "ab" << QByteArray("0e020e090101010100");
    QTest::newRow("upper case after minimal") << "aB" << QByteArray("0e020e0901010212010100");
    QTest::newRow("accent") << QString::fromUtf8("é") << QByteArray("0e21010e01010100");
    QTest::newRow("hyphen weighs last") << "a-b" << QByteArray("0e020e0901010101fffe821200");
    QTest::newRow("hyphen counts pairs, not letters")
        << QString::fromUtf8("æ-") << QByteArray("0e020e2101010101fffd821200");
    QTest::newRow("two ignored in a row") << "a'-" << QByteArray("0e0201010101fffe8012fffe821200");
    QTest::newRow("soft hyphen weighs nothing")
        << QStringLiteral("a\u00ADb") << QByteArray("0e020e090101010100");
    QTest::newRow("text ends at a zero")
        << QString::fromUtf16(u"ab\0c", 4) << QByteArray("0e020e090101010100");
    QTest::newRow("outside Windows-1252 by code unit")
        << QString::fromUtf8("aΩ") << QByteArray("0e02ff03a90101010100");
}

void TestCollation::keyLayout()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, key);

    QCOMPARE(Collation::sortKey(text).toHex(), key);
}

void TestCollation::order_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected"); // sign of compare(a, b)

    QTest::newRow("hyphen only breaks ties") << "bactria2"
                                             << "bactria-2" << -1;
    QTest::newRow("hyphen ignored before letters") << "-old"
                                                   << "Oland" << 1;
    QTest::newRow("apostrophe ignored") << "Carthages Fall"
                                        << "Carthage's Fall" << -1;
    QTest::newRow("lower case first") << "aachen"
                                      << "Aachen" << -1;
    QTest::newRow("case only after letters") << "Aachen"
                                             << "abc" << -1;
    QTest::newRow("accent after base") << "Delphi" << QString::fromUtf8("délphi") << -1;
    QTest::newRow("accent before case")
        << QString::fromUtf8("délphi") << QString::fromUtf8("Délphi") << -1;
    QTest::newRow("sharp s is ss") << "Knossos" << QString::fromUtf8("Knoßos") << 0;
    QTest::newRow("digits by character") << "10 Kings"
                                         << "2 Kings" << -1;
    QTest::newRow("shorter text first") << "Bactria"
                                        << "Bactria 2" << -1;
    QTest::newRow("prefix first") << "Ur"
                                  << "Uruk" << -1;
    QTest::newRow("equal texts") << "Zama.scn"
                                 << "Zama.scn" << 0;
    QTest::newRow("unspellable after every letter") << QString::fromUtf8("Ωmega") << "zzz" << 1;
    QTest::newRow("unspellable after y diaeresis")
        << QString::fromUtf8("Ω") << QString::fromUtf8("ÿ") << 1;
    QTest::newRow("unspellable among themselves by code")
        << QString::fromUtf8("Ω") << QString::fromUtf8("Ϊ") << -1;
    QTest::newRow("surrogate pair does not crash")
        << QString::fromUtf8("a\xF0\x9F\x98\x80") << "a" << 1;
    QTest::newRow("undefined byte 0x81 sorts last") << QStringLiteral("\u0081") << "z" << 1;
}

void TestCollation::order()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);

    QCOMPARE(sign(Collation::compare(a, b)), expected);
    QCOMPARE(sign(Collation::compare(b, a)), -expected);
}

// compare() takes a short cut through the primary weights; it must still give the order of the
// whole keys for every pair, also where one primary section is a prefix of the other.
void TestCollation::compareAgreesWithKeys()
{
    QStringList texts = {"",
                         "a",
                         "A",
                         "a-",
                         "-a",
                         "ab",
                         "a b",
                         "ab'",
                         "a'b",
                         "ss",
                         QString::fromUtf8("ß"),
                         "s-s",
                         "ae",
                         "AE",
                         QString::fromUtf8("æ"),
                         QString::fromUtf8("Æ"),
                         QString::fromUtf8("ÿ"),
                         QString::fromUtf8("é"),
                         "e",
                         "E",
                         QString::fromUtf8("Ω"),
                         QStringLiteral("\u0100"),
                         QStringLiteral("\u0100b"),
                         QStringLiteral("a\u0001"),
                         QStringLiteral("a\u0081"),
                         QString::fromUtf16(u"a\0b", 3),
                         QStringLiteral("\u00AD"),
                         "a\u00AD"};
    for (const QStringList& row : fixtureRows(QStringLiteral("examples.tsv")))
        texts.append(row[0]);
    for (const QString& a : texts) {
        for (const QString& b : texts) {
            const QByteArray keyA = Collation::sortKey(a);
            const QByteArray keyB = Collation::sortKey(b);
            const int byKeys = sign(std::memcmp(keyA.constData(), keyB.constData(),
                                                size_t(qMin(keyA.size(), keyB.size()))));
            const int expected = byKeys != 0 ? byKeys : sign(int(keyA.size() - keyB.size()));
            QVERIFY2(sign(Collation::compare(a, b)) == expected,
                     qPrintable(a + QStringLiteral(" / ") + b));
        }
    }
}

QTEST_GUILESS_MAIN(TestCollation)
#include "tst_collation.moc"
