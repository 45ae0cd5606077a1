#include "Drives.h"
#include "FrontEndFiles.h"

#include <QtEndian>
#include <QtTest>

namespace {

// Valve's binary KeyValues items: type, zero-ended name, value; a map ends with 8.
QByteArray item(char type, const QByteArray& key, const QByteArray& value)
{
    return type + key + '\0' + value;
}

QByteArray text(const QByteArray& key, const QByteArray& value)
{
    return item(1, key, value + '\0');
}

QByteArray appId(const QByteArray& key, quint32 id)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(id, bytes.data());
    return item(2, key, bytes);
}

QByteArray map(const QByteArray& key, const QByteArray& items)
{
    return item(0, key, items + '\x08');
}

QByteArray shortcuts(const QByteArray& entries)
{
    return map("shortcuts", entries) + '\x08';
}

using Shortcuts = QList<FrontEndFiles::SteamShortcut>;

} // namespace

// What the front-ends' files and udev's label links say, in every form their writers produce.
class TestFrontEndFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lutrisPrefix_data();
    void lutrisPrefix();
    void names_data();
    void names();
    void steamShortcuts_data();
    void steamShortcuts();
    void steamAppName_data();
    void steamAppName();
    void decodeLabelName_data();
    void decodeLabelName();
};

void TestFrontEndFiles::lutrisPrefix_data()
{
    QTest::addColumn<QByteArray>("yaml");
    QTest::addColumn<QString>("prefix");

    const QString age = QStringLiteral("/home/u/Games/age of empires");
    QTest::newRow("plain") << QByteArray("game:\n  exe: x.exe\n  prefix: /home/u/Games/age\n")
                           << "/home/u/Games/age";
    QTest::newRow("double-quoted with an escape")
        << QByteArray("game:\n  prefix: \"/home/u/Wine/\\xC2ge des empires\"\n")
        << QString::fromUtf8("/home/u/Wine/Âge des empires");
    QTest::newRow("plain, folded over two lines")
        << QByteArray("game:\n  prefix: /home/u/Games/age of\n    empires\n") << age;
    QTest::newRow("double-quoted, folded over two lines")
        << QByteArray("game:\n  prefix: \"/home/u/Games/age of\n    empires\"\n") << age;
    QTest::newRow("double-quoted, line break escaped")
        << QByteArray("game:\n  prefix: \"/home/u/Games/age of em\\\n    pires\"\n") << age;
    QTest::newRow("single-quoted with a doubled quote")
        << QByteArray("game:\n  prefix: '/home/u/Games/l''age'\n") << "/home/u/Games/l'age";
    QTest::newRow("trailing comment")
        << QByteArray("game:\n  prefix: /home/u/Games/age # moved in May\n") << "/home/u/Games/age";
    QTest::newRow("hash inside the path")
        << QByteArray("game:\n  prefix: /home/u/Games/age#2\n") << "/home/u/Games/age#2";
    QTest::newRow("flow map") << QByteArray("game: {exe: x.exe, prefix: /home/u/Games/age}\n")
                              << "/home/u/Games/age";
    QTest::newRow("literal block scalar")
        << QByteArray("game:\n  prefix: |-\n    /home/u/Games/age of empires\n") << age;
    QTest::newRow("CRLF line ends")
        << QByteArray("game:\r\n  prefix: /home/u/Games/age\r\n") << "/home/u/Games/age";
    QTest::newRow("home left to the caller")
        << QByteArray("game:\n  prefix: ~/Games/age\n") << "~/Games/age";
    QTest::newRow("prefix under another block")
        << QByteArray("system:\n  prefix: /home/u/other\ngame:\n  exe: x.exe\n") << "";
    QTest::newRow("prefix at the top") << QByteArray("prefix: /home/u/other\n") << "";
    QTest::newRow("prefix not a text") << QByteArray("game:\n  prefix: [/a, /b]\n") << "";
    QTest::newRow("prefix null") << QByteArray("game:\n  prefix: ~\n") << "";
    QTest::newRow("game not a map") << QByteArray("game: /home/u/Games/age\n") << "";
    QTest::newRow("damaged file") << QByteArray(
                                         "game:\n  prefix: /home/u/Games/age\n  args: [unclosed\n")
                                  << "";
    QTest::newRow("nested deeper than the parser follows")
        << QByteArray("game:\n  prefix: /x\nextra: ") + QByteArray(100000, '[') +
               QByteArray(100000, ']')
        << "";
    QTest::newRow("no text at all") << QByteArray("\0\xff\xfe\x01game", 8) << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestFrontEndFiles::lutrisPrefix()
{
    QFETCH(QByteArray, yaml);
    QFETCH(QString, prefix);

    QCOMPARE(FrontEndFiles::lutrisPrefix(yaml), prefix);
}

void TestFrontEndFiles::names_data()
{
    QTest::addColumn<QByteArray>("yaml");
    QTest::addColumn<QString>("lutrisName");
    QTest::addColumn<QString>("bottleName");

    QTest::newRow("Lutris game file")
        << QByteArray("name: Age of Empires\ngame:\n  prefix: /x\n") << "Age of Empires"
        << "";
    QTest::newRow("bottle.yml") << QByteArray("Name: \"\\xC2ge\"\nPath: age\nRunner: soda\n") << ""
                                << QString::fromUtf8("Âge");
    QTest::newRow("numbers read as written") << QByteArray("name: 1942\nName: '007'\n") << "1942"
                                             << "007";
    QTest::newRow("name below the top") << QByteArray("game:\n  name: x\n  Name: y\n") << ""
                                        << "";
    QTest::newRow("names that are no text") << QByteArray("name: {a: 1}\nName: [x]\n") << ""
                                            << "";
    QTest::newRow("damaged file") << QByteArray("name: x\nName: [open\n") << ""
                                  << "";
}

void TestFrontEndFiles::names()
{
    QFETCH(QByteArray, yaml);
    QFETCH(QString, lutrisName);
    QFETCH(QString, bottleName);

    QCOMPARE(FrontEndFiles::lutrisName(yaml), lutrisName);
    QCOMPARE(FrontEndFiles::bottleName(yaml), bottleName);
}

void TestFrontEndFiles::steamShortcuts_data()
{
    QTest::addColumn<QByteArray>("vdf");
    QTest::addColumn<Shortcuts>("read");

    const QByteArray age = appId("appid", 3123456789) + text("AppName", "Age");
    QTest::newRow("a game, the high bit of its id set")
        << shortcuts(map("0", age + text("Exe", "\"x.exe\"") + map("tags", {})))
        << Shortcuts{{3123456789, "Age"}};
    QTest::newRow("keys in an older letter case, numbers of every size beside")
        << shortcuts(map("0", appId("AppID", 7) + item(7, "LastPlayTime", QByteArray(8, 'x')) +
                                  item(3, "f", "abcd") + text("appname", "\xC3\xA2ge")))
        << Shortcuts{{7, "\u00e2ge"}};
    QTest::newRow("an entry without a name or an id is passed over")
        << shortcuts(map("0", appId("appid", 1)) + map("1", text("AppName", "x")) + map("2", age))
        << Shortcuts{{3123456789, "Age"}};
    QTest::newRow("cut short in the second entry: the first counts")
        << shortcuts(map("0", age) + map("1", age)).chopped(9) << Shortcuts{{3123456789, "Age"}};
    QTest::newRow("a type unknown: what came before counts")
        << shortcuts(map("0", age) + map("1", item(42, "x", "yyyy") + age))
        << Shortcuts{{3123456789, "Age"}};
    QTest::newRow("nested deeper than Steam writes") << QByteArray(100000, '\0') << Shortcuts{};
}

void TestFrontEndFiles::steamShortcuts()
{
    QFETCH(QByteArray, vdf);
    QFETCH(Shortcuts, read);

    QCOMPARE(FrontEndFiles::steamShortcuts(vdf), read);
}

void TestFrontEndFiles::steamAppName_data()
{
    QTest::addColumn<QByteArray>("acf");
    QTest::addColumn<QString>("name");

    QTest::newRow("as Steam writes it")
        << QByteArray("\"AppState\"\n{\n\t\"appid\"\t\t\"221380\"\n\t\"Universe\"\t\t\"1\"\n"
                      "\t\"name\"\t\t\"Age of Empires II (2013)\"\n\t\"StateFlags\"\t\"4\"\n}\n")
        << "Age of Empires II (2013)";
    QTest::newRow("quotes escaped")
        << QByteArray("\"AppState\" { \"name\" \"A \\\"B\\\"\" }") << "A \"B\"";
    QTest::newRow("cut short in the name")
        << QByteArray("\"AppState\" { \"name\" \"Age of") << "Age of";
    QTest::newRow("a name that is a block") << QByteArray("\"name\" { \"x\" \"y\" }") << "";
}

void TestFrontEndFiles::steamAppName()
{
    QFETCH(QByteArray, acf);
    QFETCH(QString, name);

    QCOMPARE(FrontEndFiles::steamAppName(acf), name);
}

void TestFrontEndFiles::decodeLabelName_data()
{
    QTest::addColumn<QString>("linkName");
    QTest::addColumn<QString>("label");

    QTest::newRow("blank") << "Game\\x20Disc"
                           << "Game Disc";
    QTest::newRow("upper-case digits") << "a\\x2Fb"
                                       << "a/b";
    QTest::newRow("backslash") << "a\\x5cb"
                               << "a\\b";
    QTest::newRow("UTF-8 kept by udev")
        << QString::fromUtf8("Été\\x201998") << QString::fromUtf8("Été 1998");
    QTest::newRow("UTF-8 escaped byte by byte")
        << "\\xc3\\xa9t\\xc3\\xa9" << QString::fromUtf8("été");
    QTest::newRow("U+FEFF first") << "\\xef\\xbb\\xbfDisc" << QStringLiteral("\uFEFFDisc");
    QTest::newRow("not UTF-8: Latin-1") << "\\xc9T\\xc9" << QString::fromUtf8("ÉTÉ");
    QTest::newRow("sign") << "A\\x-1B"
                          << "A\\x-1B";
    QTest::newRow("plus sign") << "\\x+f"
                               << "\\x+f";
    QTest::newRow("one digit, then a blank") << "Disc\\x2 1"
                                             << "Disc\\x2 1";
    QTest::newRow("blank, then one digit") << "Disc\\x 21"
                                           << "Disc\\x 21";
    QTest::newRow("one digit at the end") << "Disc\\x2"
                                          << "Disc\\x2";
    QTest::newRow("no hex digits") << "\\xZZ"
                                   << "\\xZZ";
}

void TestFrontEndFiles::decodeLabelName()
{
    QFETCH(QString, linkName);
    QFETCH(QString, label);

    QCOMPARE(Drives::decodeLabelName(linkName), label);
}

QTEST_GUILESS_MAIN(TestFrontEndFiles)
#include "tst_front_end_files.moc"
