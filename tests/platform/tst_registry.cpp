#include "Errors.h"
#include "Registry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Lines Wine 8.0 wrote into system.reg for test values of every type, kept verbatim.
const QByteArray wineSystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\Machine

#arch=win64

[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires] 1796692437
#time=1dd86b1668a463e
"DisplayIcon"=str(2):"%ProgramFiles%\\Games\\AoE\\Empires.exe,0"
"DisplayName"="Age of Empires"
"NoModify"=dword:00000001
"UninstallString"="C:\\Games\\AoE\\Uninstal.exe"

[Software\\OracleTest] 1796692463
#time=1dd86b176155ec2
@="default value text"
"Accents"="\xc9mile \xe9t\xe9 \xc4rger \x153uvre Age\x2122 \xa9\xae"
"Binary"=hex:01,02,ff,00
"Controls"="tab\there\nnew line\rCR \1 soh"
"Dword"=dword:12345678
"DwordMax"=dword:ffffffff
"Empty"=""
"Expand"=str(2):"%SystemRoot%\\system32;%USERPROFILE%\\x"
"HexDigitAfter"="\x00e9a caf\x00e91 \x00dcber \x00ffF"
"Multi"=str(7):"one\0two\0three\0"
"Name \"with\" = and \\ backslash"="x"
"NotInAnsi"="\x3a9mega"
"Quotes"="He said \"hi\" in C:\\Path\\With\\Backslashes\\ and \\\\server\\share"
"TrailingBackslash"="C:\\Games\\AoE\\"

[Software\\OracleTest\\EmptyKey] 1796692439
#time=1dd86b167479aa4
@=""

[Software\\OracleTest\\Key \[with\] brackets = and "] 1796692463
#time=1dd86b176155f3a
"v"="1"

[Software\\OracleTest\\Sub key "quoted" \xe9] 1796692439
#time=1dd86b1673cc1f6
@=""

[Software\\Wow6432Node\\OracleTest] 1796692439
#time=1dd86b16760d8d4
"Only32"="written with /reg:32"
)";

const QByteArray wineUserReg = R"(WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\User\\S-1-5-21-0-0-0-1000

#arch=win64

[Software\\OracleTest] 1796692439
#time=1dd86b16754acee
"UserValue"="C:\\users\\\xd6l\\\x2122"
)";

const QByteArray header =
    "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n";

// A prefix of the test's own: WINEPREFIX points at it while it lives.
class Prefix
{
public:
    Prefix() : m_old(qgetenv("WINEPREFIX")), m_hadOld(qEnvironmentVariableIsSet("WINEPREFIX"))
    {
        qputenv("WINEPREFIX", m_dir.path().toLocal8Bit());
    }
    explicit Prefix(const QString& existingFolder) : Prefix()
    {
        qputenv("WINEPREFIX", existingFolder.toLocal8Bit());
    }
    ~Prefix()
    {
        if (m_hadOld)
            qputenv("WINEPREFIX", m_old);
        else
            qunsetenv("WINEPREFIX");
    }
    Prefix(const Prefix&) = delete;
    Prefix& operator=(const Prefix&) = delete;

    void write(const QString& name, const QByteArray& text) const
    {
        // Rewritten in place rather than truncated first: the cut and damage tests write the file
        // thousands of times, and freeing its block each time is slow on some file systems.
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QCOMPARE(file.write(text), text.size());
        QVERIFY(file.resize(text.size()));
    }
    void writeSystem(const QByteArray& text) const { write(QStringLiteral("system.reg"), text); }
    void writeUser(const QByteArray& text) const { write(QStringLiteral("user.reg"), text); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
    bool m_hadOld;
};

RegistryValue valueOf(RegistryRoot root, const QString& path, const QString& name)
{
    const std::optional<RegistryKey> key = RegistryKey::open(root, path);
    if (!key)
        return RegistryValue{RegNone, QStringLiteral("<no key>"), {}};
    return key->value(name).value_or(RegistryValue{RegNone, QStringLiteral("<no value>"), {}});
}

QString errorOf(const RegistryKey& key, const QString& name)
{
    try {
        key.readString(name);
    } catch (const Exception& error) {
        return error.message();
    }
    return QString();
}

QString sharedFolder()
{
    return qEnvironmentVariable("KORVANE_SHARED");
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesWrittenByWine_data();
    void valuesWrittenByWine();
    void keyNames_data();
    void keyNames();
    void otherValueForms_data();
    void otherValueForms();
    void readString_data();
    void readString();
    void view32_data();
    void view32();
    void classesRootOverlay_data();
    void classesRootOverlay();
    void damagedLines_data();
    void damagedLines();
    void truncatedAnywhere();
    void damagedAnywhere_data();
    void damagedAnywhere();
    void readsAfreshEachTime();
    void anyFile_data();
    void anyFile();
    void bareMachine_data();
    void bareMachine();
    void freshWinePrefix_data();
    void freshWinePrefix();
};

void TestRegistry::valuesWrittenByWine_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    const QString test = QStringLiteral("Software\\OracleTest");
    const QString aoe =
        QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires");
    QTest::newRow("default value")
        << test << "" << int(RegString) << "default value text" << QByteArray();
    QTest::newRow("hex escapes") << test << "Accents" << int(RegString)
                                 << QString::fromUtf8("Émile été Ärger œuvre Age™ ©®")
                                 << QByteArray();
    QTest::newRow("binary") << test << "Binary" << int(RegBinary) << ""
                            << QByteArray("\1\2\xff\0", 4);
    QTest::newRow("controls and octal")
        << test << "Controls" << int(RegString)
        << QStringLiteral("tab\there\nnew line\rCR \x01 soh") << QByteArray();
    QTest::newRow("dword little-endian")
        << test << "Dword" << int(RegDword) << "" << QByteArray("\x78\x56\x34\x12", 4);
    QTest::newRow("dword max") << test << "DwordMax" << int(RegDword) << ""
                               << QByteArray("\xff\xff\xff\xff", 4);
    QTest::newRow("empty string") << test << "Empty" << int(RegString) << "" << QByteArray();
    QTest::newRow("expandable kept as stored")
        << test << "Expand" << int(RegExpandString) << "%SystemRoot%\\system32;%USERPROFILE%\\x"
        << QByteArray();
    QTest::newRow("four-digit hex before a hex digit")
        << test << "HexDigitAfter" << int(RegString) << QString::fromUtf8("éa café1 Über ÿF")
        << QByteArray();
    QTest::newRow("multi-string keeps its zeros")
        << test << "Multi" << int(RegMultiString) << QString::fromUtf16(u"one\0two\0three\0", 14)
        << QByteArray();
    QTest::newRow("escaped value name")
        << test << "Name \"with\" = and \\ backslash" << int(RegString) << "x" << QByteArray();
    QTest::newRow("outside Windows-1252")
        << test << "NotInAnsi" << int(RegString) << QString::fromUtf8("Ωmega") << QByteArray();
    QTest::newRow("quotes and backslashes")
        << test << "Quotes" << int(RegString)
        << "He said \"hi\" in C:\\Path\\With\\Backslashes\\ and \\\\server\\share" << QByteArray();
    QTest::newRow("trailing backslash")
        << test << "TrailingBackslash" << int(RegString) << "C:\\Games\\AoE\\" << QByteArray();
    QTest::newRow("value name in capitals")
        << test << "DWORD" << int(RegDword) << "" << QByteArray("\x78\x56\x34\x12", 4);
    QTest::newRow("value name in small letters")
        << test << "quotes" << int(RegString)
        << "He said \"hi\" in C:\\Path\\With\\Backslashes\\ "
           "and \\\\server\\share"
        << QByteArray();
    QTest::newRow("uninstall string") << aoe << "UninstallString" << int(RegString)
                                      << "C:\\Games\\AoE\\Uninstal.exe" << QByteArray();
    QTest::newRow("key path in capitals") << aoe.toUpper() << "uninstallstring" << int(RegString)
                                          << "C:\\Games\\AoE\\Uninstal.exe" << QByteArray();
    QTest::newRow("missing value")
        << test << "Nothing" << int(RegNone) << "<no value>" << QByteArray();
    QTest::newRow("value of the 32-bit view stays there")
        << test << "Only32" << int(RegNone) << "<no value>" << QByteArray();
}

void TestRegistry::valuesWrittenByWine()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    Prefix prefix;
    prefix.writeSystem(wineSystemReg);
    prefix.writeUser(wineUserReg);
    const RegistryValue value = valueOf(RegistryRoot::LocalMachine, path, name);
    QCOMPARE(value.type, type);
    QCOMPARE(value.text, text);
    QCOMPARE(value.bytes, bytes);
}

void TestRegistry::keyNames_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");

    const int machine = int(RegistryRoot::LocalMachine);
    const int user = int(RegistryRoot::CurrentUser);
    QTest::newRow("escaped brackets and quote")
        << machine << "Software\\OracleTest\\Key [with] brackets = and \"" << true;
    QTest::newRow("quoted name with hex escape")
        << machine << QString::fromUtf8("Software\\OracleTest\\Sub key \"quoted\" é") << true;
    QTest::newRow("other case") << machine << "SOFTWARE\\oracletest\\emptykey" << true;
    QTest::newRow("other case in every letter")
        << machine << "sOfTwArE\\oRaClEtEsT\\eMpTyKeY" << true;
    // The neighbours of A and Z in ASCII are no letters of another case.
    QTest::newRow("braces for brackets")
        << machine << "Software\\OracleTest\\Key {with} brackets = and \"" << false;
    QTest::newRow("leading and doubled backslashes")
        << machine << "\\Software\\\\OracleTest\\" << true;
    QTest::newRow("key with only subkeys") << machine << "Software\\Microsoft\\Windows" << true;
    QTest::newRow("first component only") << machine << "software" << true;
    QTest::newRow("name that is only a prefix of a key") << machine << "Software\\Oracle" << false;
    QTest::newRow("missing key") << machine << "Software\\NoSuchKey" << false;
    QTest::newRow("machine key is not a user key")
        << user << "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires"
        << false;
    QTest::newRow("user key") << user << "Software\\OracleTest" << true;
    QTest::newRow("accents compare by exact letter")
        << machine << QString::fromUtf8("Software\\OracleTest\\Sub key \"quoted\" É") << false;
}

void TestRegistry::keyNames()
{
    QFETCH(int, root);
    QFETCH(QString, path);
    QFETCH(bool, exists);

    Prefix prefix;
    prefix.writeSystem(wineSystemReg);
    prefix.writeUser(wineUserReg);
    QCOMPARE(RegistryKey::open(RegistryRoot(root), path).has_value(), exists);
}

void TestRegistry::otherValueForms_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("string as UTF-16 hex")
        << QByteArray("\"v\"=hex(1):41,00,e9,00,00,00") << int(RegString) << QString::fromUtf8("Aé")
        << QByteArray();
    QTest::newRow("expandable as hex, ends at zero")
        << QByteArray("\"v\"=hex(2):25,00,41,00,25,00,00,00,42,00") << int(RegExpandString) << "%A%"
        << QByteArray();
    QTest::newRow("hex continued over lines") << QByteArray("\"v\"=hex:01,02,\\\n  03,04,\\\n  05")
                                              << int(RegBinary) << "" << QByteArray("\1\2\3\4\5");
    QTest::newRow("type number in hex") << QByteArray("\"v\"=hex(b):01,00,00,00,00,00,00,80") << 11
                                        << "" << QByteArray("\1\0\0\0\0\0\0\x80", 8);
    QTest::newRow("empty binary") << QByteArray("\"v\"=hex:") << int(RegBinary) << ""
                                  << QByteArray();
    QTest::newRow("string ends at its first zero")
        << QByteArray("\"v\"=\"abc\\0def\"") << int(RegString) << "abc" << QByteArray();
    QTest::newRow("three-digit octal")
        << QByteArray("\"v\"=\"\\101\\1017\"") << int(RegString) << "AA7" << QByteArray();
    QTest::newRow("named control escapes")
        << QByteArray("\"v\"=\"\\a\\b\\e\\f\\v\"") << int(RegString)
        << QStringLiteral("\x07\x08\x1b\x0c\x0b") << QByteArray();
    QTest::newRow("Windows line ends")
        << QByteArray("\"v\"=\"text\"\r") << int(RegString) << "text" << QByteArray();
    QTest::newRow("UTF-8 written unescaped")
        << QByteArray("\"v\"=\"caf\xc3\xa9\"") << int(RegString) << QString::fromUtf8("café")
        << QByteArray();
    QTest::newRow("dword with fewer digits")
        << QByteArray("\"v\"=dword:1234") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("dword with letters")
        << QByteArray("\"v\"=dword:1234567g") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("dword too long")
        << QByteArray("\"v\"=dword:123456789") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("hex byte with one digit")
        << QByteArray("\"v\"=hex:01,2,03") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("hex byte not hex")
        << QByteArray("\"v\"=hex:01,zz") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("string without its end")
        << QByteArray("\"v\"=\"C:\\\\Games") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("text after the string")
        << QByteArray("\"v\"=\"a\" junk") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("str without quote")
        << QByteArray("\"v\"=str(2):abc") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("type number beyond the type field")
        << QByteArray("\"v\"=hex(ffffffff):01") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("type number not hex")
        << QByteArray("\"v\"=str(x):\"a\"") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("unknown form") << QByteArray("\"v\"=qword:1") << int(RegUnreadable) << ""
                                  << QByteArray();
    QTest::newRow("no data") << QByteArray("\"v\"=") << int(RegUnreadable) << "" << QByteArray();
    QTest::newRow("continuation cut by the next section")
        << QByteArray("\"v\"=hex:01,02,\\\n[Software\\\\Next] 1") << int(RegUnreadable) << ""
        << QByteArray();
    QTest::newRow("continuation cut by the end of the file")
        << QByteArray("\"v\"=hex:01,02,\\") << int(RegUnreadable) << "" << QByteArray();
}

void TestRegistry::otherValueForms()
{
    QFETCH(QByteArray, line);
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    Prefix prefix;
    prefix.writeSystem(header + "[Software\\\\Forms] 1\n" + line + "\n\"after\"=\"still read\"\n");
    const RegistryValue value =
        valueOf(RegistryRoot::LocalMachine, QStringLiteral("Software\\Forms"), QStringLiteral("v"));
    QCOMPARE(value.type, type);
    QCOMPARE(value.text, text);
    QCOMPARE(value.bytes, bytes);
}

void TestRegistry::readString_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");

    QTest::newRow("string") << "UninstallString"
                            << "C:\\Games\\AoE\\Uninstal.exe"
                            << "";
    QTest::newRow("expandable not expanded") << "DisplayIcon"
                                             << "%ProgramFiles%\\Games\\AoE\\Empires.exe,0"
                                             << "";
    QTest::newRow("missing value is empty") << "Missing"
                                            << ""
                                            << "";
    QTest::newRow("dword") << "NoModify"
                           << ""
                           << "Invalid data type for 'NoModify'";
    QTest::newRow("binary") << "Binary"
                            << ""
                            << "Invalid data type for 'Binary'";
    QTest::newRow("multi-string") << "Multi"
                                  << ""
                                  << "Invalid data type for 'Multi'";
    QTest::newRow("unreadable") << "Damaged"
                                << ""
                                << "Failed to get data for 'Damaged'";
    QTest::newRow("message names the value as asked") << "damaged"
                                                      << ""
                                                      << "Failed to get data for 'damaged'";
}

void TestRegistry::readString()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, error);

    Prefix prefix;
    prefix.writeSystem(header + "[Software\\\\Game] 1\n"
                                "\"UninstallString\"=\"C:\\\\Games\\\\AoE\\\\Uninstal.exe\"\n"
                                "\"DisplayIcon\"=str(2):\"%ProgramFiles%\\\\Games\\\\AoE\\\\"
                                "Empires.exe,0\"\n"
                                "\"NoModify\"=dword:00000001\n"
                                "\"Binary\"=hex:41,00\n"
                                "\"Multi\"=str(7):\"a\\0b\\0\"\n"
                                "\"Damaged\"=dword:zz\n");
    const std::optional<RegistryKey> key =
        RegistryKey::open(RegistryRoot::LocalMachine, QStringLiteral("Software\\Game"));
    QVERIFY(key);
    QCOMPARE(errorOf(*key, name), error);
    if (error.isEmpty())
        QCOMPARE(key->readString(name), text);
}

void TestRegistry::view32_data()
{
    QTest::addColumn<bool>("win64");
    QTest::addColumn<bool>("wowKey");
    QTest::addColumn<bool>("plainKey");
    QTest::addColumn<bool>("view32");
    QTest::addColumn<QString>("expected"); // "" when the key does not open

    QTest::newRow("64-bit prefix, both keys, 32-bit view") << true << true << true << true << "wow";
    QTest::newRow("64-bit prefix, both keys, native view")
        << true << true << true << false << "plain";
    QTest::newRow("64-bit prefix, plain key only") << true << false << true << true << "plain";
    QTest::newRow("64-bit prefix, 32-bit key only") << true << true << false << true << "wow";
    QTest::newRow("32-bit prefix, both keys") << false << true << true << true << "plain";
    QTest::newRow("32-bit prefix, Wow6432Node is just a key")
        << false << true << false << true << "";
    QTest::newRow("64-bit prefix, no key") << true << false << false << true << "";
}

void TestRegistry::view32()
{
    QFETCH(bool, win64);
    QFETCH(bool, wowKey);
    QFETCH(bool, plainKey);
    QFETCH(bool, view32);
    QFETCH(QString, expected);

    QByteArray text = header + (win64 ? "#arch=win64\n\n" : "#arch=win32\n\n");
    const QByteArray uninstall =
        "Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Age of Empires";
    if (plainKey)
        text += "[Software\\\\" + uninstall + "] 1\n\"Which\"=\"plain\"\n\n";
    if (wowKey)
        text += "[Software\\\\Wow6432Node\\\\" + uninstall + "] 1\n\"Which\"=\"wow\"\n\n";
    Prefix prefix;
    prefix.writeSystem(text);

    const std::optional<RegistryKey> key = RegistryKey::open(
        RegistryRoot::LocalMachine,
        QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires"),
        view32);
    QCOMPARE(key ? key->readString(QStringLiteral("Which")) : QString(), expected);
}

void TestRegistry::classesRootOverlay_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // "<no key>" when the key does not open

    QTest::newRow("user value wins") << "CLSID\\{X}"
                                     << ""
                                     << "user";
    QTest::newRow("machine value shows through") << "clsid\\{x}"
                                                 << "OnlyMachine"
                                                 << "machine";
    QTest::newRow("user-only value") << "CLSID\\{X}"
                                     << "OnlyUser"
                                     << "user";
    QTest::newRow("machine-only key") << "CLSID\\{M}"
                                      << ""
                                      << "machine";
    QTest::newRow("user-only key") << "CLSID\\{U}\\DefaultIcon"
                                   << ""
                                   << "user";
    QTest::newRow("neither") << "CLSID\\{N}"
                             << ""
                             << "<no key>";
    QTest::newRow("outside Software\\Classes") << "Other"
                                               << ""
                                               << "<no key>";
}

void TestRegistry::classesRootOverlay()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    Prefix prefix;
    prefix.writeSystem(header + "#arch=win64\n\n"
                                "[Software\\\\Classes\\\\CLSID\\\\{X}] 1\n@=\"machine\"\n"
                                "\"OnlyMachine\"=\"machine\"\n\n"
                                "[Software\\\\Classes\\\\CLSID\\\\{M}] 1\n@=\"machine\"\n\n"
                                "[Other] 1\n@=\"machine\"\n\n");
    prefix.writeUser(header + "[Software\\\\Classes\\\\CLSID\\\\{X}] 1\n@=\"user\"\n"
                              "\"OnlyUser\"=\"user\"\n\n"
                              "[Software\\\\Classes\\\\CLSID\\\\{U}\\\\DefaultIcon] 1\n"
                              "@=\"user\"\n");
    QCOMPARE(valueOf(RegistryRoot::ClassesRoot, path, name).text, expected);
}

void TestRegistry::damagedLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected"); // value "v" of Software\Good; "<no key>"/"<no value>"

    const QByteArray good = "[Software\\\\Good] 1\n";
    QTest::newRow("garbage lines are skipped") << header + good + "garbage\n=\"x\"\n\"v\"=\"ok\"\n"
                                               << "ok";
    QTest::newRow("value name without its end") << header + good + "\"w=\"bad\n\"v\"=\"ok\"\n"
                                                << "ok";
    QTest::newRow("value without equals sign") << header + good + "\"v\" \"bad\"\n"
                                               << "<no value>";
    QTest::newRow("values after a broken header belong to no key")
        << header + good + "[Software\\\\Broken\n\"v\"=\"stolen\"\n"
        << "<no value>";
    QTest::newRow("first of two equal names counts")
        << header + good + "\"v\"=\"first\"\n\"V\"=\"second\"\n"
        << "first";
    QTest::newRow("no file header") << good + "\"v\"=\"ok\"\n"
                                    << "ok";
    QTest::newRow("zero bytes in the file")
        << header + QByteArray("\0\0\0\n", 4) + good + "\"v\"=\"ok\"\n"
        << "ok";
    QTest::newRow("empty file") << QByteArray() << "<no key>";
    QTest::newRow("header without end of line")
        << QByteArray("[Software\\\\Good] 1") << "<no value>";
}

void TestRegistry::damagedLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);

    Prefix prefix;
    prefix.writeSystem(text);
    QCOMPARE(
        valueOf(RegistryRoot::LocalMachine, QStringLiteral("Software\\Good"), QStringLiteral("v"))
            .text,
        expected);
}

// The file of the cut and damage tests: Wine's lines and a binary value continued over lines.
QByteArray damageableFile()
{
    QByteArray text = wineSystemReg + "\n[Software\\\\Long] 1796692463\n\"Long\"=hex:";
    for (int byte = 0; byte < 64; ++byte)
        text += QByteArray::number(byte, 16).rightJustified(2, '0') + (byte == 63        ? "\n"
                                                                       : byte % 24 == 23 ? ",\\\n  "
                                                                                         : ",");
    return text + "\"After\"=dword:00000002\n";
}

struct WholeValue
{
    QString path;
    QString name;
    qsizetype end; // offset just past the value's last line and its newline
    RegistryValue value;
};

// The values of the undamaged file, where their lines end, and how they read. Names with escapes
// are left out, so that the test need not decode them itself.
void readWholeValues(const QByteArray& text, QList<WholeValue>& values)
{
    Prefix whole;
    whole.writeSystem(text);
    QString path;
    qsizetype offset = 0;
    for (const QByteArray& line : text.split('\n')) {
        offset += line.size() + 1;
        const qsizetype nameEnd = line.indexOf("\"=");
        if (line.startsWith('[')) {
            QByteArray name = line.mid(1, line.lastIndexOf(']') - 1);
            name.replace("\\\\", "/");
            path = name.contains('\\') ? QString() : QString::fromUtf8(name).replace('/', '\\');
        } else if (!path.isEmpty() &&
                   (line.startsWith('@') ||
                    (line.startsWith('"') && !line.left(nameEnd).contains('\\')))) {
            const QString name = line.startsWith('@')
                                     ? QString()
                                     : QString::fromUtf8(line.mid(1, line.indexOf('"', 1) - 1));
            const std::optional<RegistryKey> key =
                RegistryKey::open(RegistryRoot::LocalMachine, path);
            QVERIFY2(key && key->value(name), qPrintable(name));
            values.append({path, name, offset, *key->value(name)});
        } else if (line.startsWith("  ") && !values.isEmpty()) {
            values.last().end = offset; // a continuation line
        }
    }
}

bool sameValue(const RegistryValue& a, const RegistryValue& b)
{
    return a.type == b.type && a.text == b.text && a.bytes == b.bytes;
}

enum class Damage
{
    Cut,
    Changed
};

// Reads every value of `values` from the damaged text. A value whose lines end at or before
// `soundUpTo` reads as in the whole file. In a cut file any other value is missing, unreadable or
// whole, never a wrong piece of the right one.
void checkDamaged(const Prefix& prefix, const QByteArray& text, qsizetype soundUpTo,
                  const QList<WholeValue>& values, Damage damage)
{
    prefix.writeSystem(text);
    QString openPath;
    std::optional<RegistryKey> key;
    for (const WholeValue& expected : values) {
        if (expected.path != openPath) {
            openPath = expected.path;
            key = RegistryKey::open(RegistryRoot::LocalMachine, expected.path);
        }
        const std::optional<RegistryValue> value = key ? key->value(expected.name) : std::nullopt;
        const QByteArray where =
            QStringLiteral("damage at %1, value '%2'").arg(soundUpTo).arg(expected.name).toUtf8();
        if (expected.end <= soundUpTo) {
            QVERIFY2(value && sameValue(*value, expected.value), where.constData());
        } else if (damage == Damage::Cut && value && value->type != RegUnreadable) {
            QVERIFY2(sameValue(*value, expected.value), where.constData());
        }
    }
}

// A file cut anywhere is read as far as it is whole.
void TestRegistry::truncatedAnywhere()
{
    const QByteArray text = damageableFile();
    QList<WholeValue> values;
    readWholeValues(text, values);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(values.size(), 21);

    Prefix prefix;
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        checkDamaged(prefix, text.left(cut), cut, values, Damage::Cut);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestRegistry::damagedAnywhere_data()
{
    QTest::addColumn<char>("damage");

    QTest::newRow("backslash") << '\\';
    QTest::newRow("quote") << '"';
    QTest::newRow("opening bracket") << '[';
    QTest::newRow("new line") << '\n';
    QTest::newRow("byte beyond ASCII") << '\xff';
}

// One byte replaced anywhere: whatever comes before it still reads as in the whole file, and
// nothing crashes.
void TestRegistry::damagedAnywhere()
{
    QFETCH(char, damage);

    const QByteArray text = damageableFile();
    QList<WholeValue> values;
    readWholeValues(text, values);
    if (QTest::currentTestFailed())
        return;

    Prefix prefix;
    for (qsizetype offset = 0; offset < text.size(); ++offset) {
        QByteArray damaged = text;
        damaged[offset] = damage;
        checkDamaged(prefix, damaged, offset, values, Damage::Changed);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestRegistry::readsAfreshEachTime()
{
    Prefix prefix;
    const QString path = QStringLiteral("Software\\Game");
    prefix.writeSystem(header + "[Software\\\\Other] 1\n");
    QVERIFY(!RegistryKey::open(RegistryRoot::LocalMachine, path));
    prefix.writeSystem(header + "[Software\\\\Game] 1\n\"v\"=\"installed\"\n");
    QCOMPARE(valueOf(RegistryRoot::LocalMachine, path, QStringLiteral("v")).text, "installed");
}

void TestRegistry::anyFile_data()
{
    // What a prefix's folder may hold as system.reg: "many keys" puts 8 MiB of other keys
    // (lines across every edge of the reader's buffer) before the game's, "holes" a GiB of
    // sparse zeros after it, "endless line" 4 MiB without a line end before it.
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("found");

    QTest::newRow("many keys first") << "many keys" << true;
    QTest::newRow("a GiB of holes after the key") << "holes" << true;
    QTest::newRow("a line without end before the key") << "endless line" << true;
    QTest::newRow("a named pipe") << "pipe" << false;
    QTest::newRow("a link to /dev/zero") << "zero" << false;
}

// Whatever the file is, the key is read without waiting and in bounded memory.
void TestRegistry::anyFile()
{
    QFETCH(QString, form);
    QFETCH(bool, found);
    const QByteArray key = "[Software\\\\Game] 1\n\"v\"=\"installed\"\n";
    QTemporaryDir folder;
    const Prefix prefix(folder.path());
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("system.reg")));
    QByteArray text = header;
    if (form == "many keys") {
        for (int i = 0; text.size() < 8 * 1024 * 1024; ++i)
            text += "[Software\\\\Other" + QByteArray::number(i) +
                    "] 1\n\"Data\"=hex:" + QByteArray(3 * (i % 200), ',').replace(",", "00,") +
                    "ff\n";
    } else if (form == "endless line") {
        text += QByteArray(4 * 1024 * 1024, 'x') + '\n';
    }
    QFile file(QString::fromLocal8Bit(path));
    if (form == "pipe") {
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    } else if (form == "zero") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file.fileName()));
    } else {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text + key);
        if (form == "holes")
            QVERIFY(file.resize(qint64(1) << 30));
        file.close();
    }
    struct rusage before;
    ::getrusage(RUSAGE_SELF, &before);
    QCOMPARE(
        RegistryKey::open(RegistryRoot::LocalMachine, QStringLiteral("Software\\Game")).has_value(),
        found);
    struct rusage after;
    ::getrusage(RUSAGE_SELF, &after);
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 32 * 1024, "the file was held whole");
}

void TestRegistry::bareMachine_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    const int classes = int(RegistryRoot::ClassesRoot);
    QTest::newRow("desktop") << classes << "CLSID\\{00021400-0000-0000-C000-000000000046}"
                             << ""
                             << "Desktop";
    QTest::newRow("computer") << classes << "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}"
                              << ""
                              << "My Computer";
    QTest::newRow("recycle bin, other case")
        << classes << "clsid\\{645ff040-5081-101b-9f08-00aa002f954e}"
        << ""
        << "Recycle Bin";
    QTest::newRow("no icon key") << classes
                                 << "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon"
                                 << ""
                                 << "<no key>";
    QTest::newRow("the game is not installed")
        << int(RegistryRoot::LocalMachine)
        << "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires"
        << "UninstallString"
        << "<no key>";
    QTest::newRow("parent of a known key") << classes << "CLSID"
                                           << ""
                                           << "<no value>";
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QTest::newRow("desktop folder on drive Z")
        << int(RegistryRoot::CurrentUser)
        << "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"
        << "desktop"
        << QStringLiteral("Z:") + QString(desktop).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

void TestRegistry::bareMachine()
{
    QFETCH(int, root);
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    Prefix prefix(dir.filePath(QStringLiteral("no-prefix-here")));
    QCOMPARE(valueOf(RegistryRoot(root), path, name).text, expected);
}

void TestRegistry::freshWinePrefix_data()
{
    QTest::addColumn<int>("root");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // a regular expression

    const int classes = int(RegistryRoot::ClassesRoot);
    QTest::newRow("computer") << classes << "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}"
                              << ""
                              << "My Computer";
    QTest::newRow("trash") << classes << "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}"
                           << ""
                           << "Trash";
    QTest::newRow("trash icon") << classes
                                << "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon"
                                << ""
                                << "C:\\\\windows\\\\system32\\\\shell32\\.dll,-33";
    QTest::newRow("desktop") << classes << "CLSID\\{00021400-0000-0000-C000-000000000046}"
                             << ""
                             << "Desktop";
    QTest::newRow("desktop folder")
        << int(RegistryRoot::CurrentUser)
        << "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"
        << "Desktop"
        << "C:\\\\users\\\\[^\\\\]+\\\\Desktop";
    QTest::newRow("no shell icons key")
        << int(RegistryRoot::LocalMachine)
        << "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons"
        << ""
        << "<no key>";
}

void TestRegistry::freshWinePrefix()
{
    QFETCH(int, root);
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    const QString folder =
        sharedFolder() + QStringLiteral("/fixtures/wine-registry/fresh-wine8-prefix");
    if (sharedFolder().isEmpty() || !QFile::exists(folder + QStringLiteral("/system.reg")))
        QSKIP("the shared fixtures are not here");
    Prefix prefix(folder);
    const QString text = valueOf(RegistryRoot(root), path, name).text;
    QVERIFY2(
        QRegularExpression(QRegularExpression::anchoredPattern(expected)).match(text).hasMatch(),
        qPrintable(text));
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
