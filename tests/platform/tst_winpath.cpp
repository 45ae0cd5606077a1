#include "Errors.h"
#include "HostName.h"
#include "TestWorld.h"
#include "WinPath.h"

#include <QDir>
#include <QtTest>

using namespace Win32Error;

// Windows paths onto the prefix's folders: the case-insensitive fallback, the components that
// must not map, and the folders that are missing on the way.
class TestWinPath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void toHost_data();
    void toHost();
    void exactSpellingWinsOverOtherCase();
    void caseVariantsPickTheFirstInListingOrder();
    void rootedPathUsesTheCurrentDrive();
    void rootedPathOutsideEveryDriveFails();
    void hostNamesRoundTrip_data();
    void hostNamesRoundTrip();
    void fileName_data();
    void fileName();
    void join_data();
    void join();

private:
    std::unique_ptr<TestWorld> m_world;
};

void TestWinPath::init()
{
    m_world = std::make_unique<TestWorld>();
    m_world->writeFile(QStringLiteral("prefix/drive_c/Games/AoE/SCENARIO/a.scn"), "x");
    m_world->writeFile(QStringLiteral("prefix/drive_c/lower/intro.avi"), "x");
    m_world->writeFile(QStringLiteral("prefix/drive_c/café/Über.txt"), "x");
    m_world->writeFile(QStringLiteral("prefix/drive_c/日本/名前.scn"), "x");
    m_world->writeFile(QStringLiteral("elsewhere/Inside.txt"), "x");
    m_world->writeFile(QStringLiteral("medium/CRAZYSCR/x.scn"), "x");
    QVERIFY(QFile::link(m_world->root() + QStringLiteral("/elsewhere"),
                        m_world->driveC() + QStringLiteral("/Link")));
    m_world->addDrive(QLatin1Char('d'), m_world->root() + QStringLiteral("/no-disc"));
}

void TestWinPath::cleanup()
{
    m_world.reset();
}

void TestWinPath::toHost_data()
{
    QTest::addColumn<QString>("windowsPath");
    QTest::addColumn<QString>("expected"); // relative to the world's root; empty: no mapping
    QTest::addColumn<int>("error");

    const QString c = QStringLiteral("prefix/drive_c");
    QTest::newRow("exact") << "C:\\Games\\AoE" << c + "/Games/AoE" << 0;
    QTest::newRow("other case") << "c:\\GAMES\\aoe\\Scenario" << c + "/Games/AoE/SCENARIO" << 0;
    QTest::newRow("file in other case") << "C:\\LOWER\\INTRO.AVI" << c + "/lower/intro.avi" << 0;
    QTest::newRow("accented, other case") << "C:\\CAFÉ\\über.TXT" << c + "/café/Über.txt" << 0;
    QTest::newRow("beyond Windows-1252") << "C:\\日本\\名前.SCN" << c + "/日本/名前.scn" << 0;
    QTest::newRow("drive alone") << "C:" << c << 0;
    QTest::newRow("drive root") << "C:\\" << c << 0;
    // No current folder is kept per drive: a name after the colon starts at the drive's root.
    QTest::newRow("drive and a name") << "C:Games\\AoE" << c + "/Games/AoE" << 0;
    QTest::newRow("empty components") << "C:\\\\Games\\\\\\AoE\\" << c + "/Games/AoE" << 0;
    QTest::newRow("root joined to rooted name") << "C:\\\\SCENARIO" << c + "/SCENARIO" << 0;
    QTest::newRow("new file keeps its spelling")
        << "C:\\games\\AoE\\scenario\\New.SCN" << c + "/Games/AoE/SCENARIO/New.SCN" << 0;
    QTest::newRow("dot components") << "C:\\Games\\.\\AoE\\..\\AoE" << c + "/Games/AoE" << 0;
    QTest::newRow("root has no parent") << "C:\\..\\..\\Games" << c + "/Games" << 0;
    QTest::newRow("through a link") << "C:\\link\\inside.TXT" << c + "/Link/Inside.txt" << 0;
    QTest::newRow("relative") << "CRAZYSCR\\x.scn"
                              << "medium/CRAZYSCR/x.scn" << 0;
    QTest::newRow("relative, other case") << "crazyscr\\X.SCN"
                                          << "medium/CRAZYSCR/x.scn" << 0;
    QTest::newRow("relative with dot") << ".\\CrazySCR"
                                       << "medium/CRAZYSCR" << 0;
    QTest::newRow("relative climbing") << "..\\ELSEWHERE"
                                       << "elsewhere" << 0;
    QTest::newRow("drive without medium, root") << "D:\\"
                                                << "no-disc" << 0;

    QTest::newRow("missing folder on the way") << "C:\\Games\\Missing\\x.scn"
                                               << "" << PathNotFound;
    QTest::newRow("missing relative folder") << "NOPE\\x.scn"
                                             << "" << PathNotFound;
    QTest::newRow("file on the way") << "C:\\Games\\AoE\\SCENARIO\\a.scn\\x"
                                     << "" << PathNotFound;
    QTest::newRow("no such drive") << "Q:\\Games"
                                   << "" << PathNotFound;
    QTest::newRow("drive without medium, folder") << "D:\\Games\\x"
                                                  << "" << PathNotFound;
    QTest::newRow("slash in a component") << "C:\\Games/AoE"
                                          << "" << PathNotFound;
    QTest::newRow("slash alone") << "C:\\Games\\/"
                                 << "" << PathNotFound;
    QTest::newRow("NUL in a component")
        << QStringLiteral("C:\\Games") + QChar(0) + QStringLiteral("\\AoE") << "" << PathNotFound;
    QTest::newRow("empty path") << ""
                                << "" << PathNotFound;
    QTest::newRow("network path") << "\\\\server\\share"
                                  << "" << PathNotFound;
}

void TestWinPath::toHost()
{
    QFETCH(QString, windowsPath);
    QFETCH(QString, expected);
    QFETCH(int, error);

    const WinPath::HostPath host = WinPath::toHost(windowsPath);
    QCOMPARE(host.error(), error);
    if (expected.isEmpty()) {
        QVERIFY(!host);
    } else {
        QVERIFY(host);
        QCOMPARE(*host, m_world->root() + QLatin1Char('/') + expected);
    }
}

void TestWinPath::exactSpellingWinsOverOtherCase()
{
    m_world->makeFolder(QStringLiteral("prefix/drive_c/DATA"));
    m_world->makeFolder(QStringLiteral("prefix/drive_c/Data"));
    m_world->makeFolder(QStringLiteral("prefix/drive_c/data"));
    QCOMPARE(WinPath::toHost(QStringLiteral("C:\\Data")).orThrow(),
             m_world->driveC() + QStringLiteral("/Data"));
    QCOMPARE(WinPath::toHost(QStringLiteral("C:\\data")).orThrow(),
             m_world->driveC() + QStringLiteral("/data"));
}

void TestWinPath::caseVariantsPickTheFirstInListingOrder()
{
    // Two spellings, neither exact: the choice must not depend on the disk's hash order.
    m_world->makeFolder(QStringLiteral("prefix/drive_c/Maps/scenario"));
    m_world->makeFolder(QStringLiteral("prefix/drive_c/Maps/SCENARIO"));
    QCOMPARE(WinPath::toHost(QStringLiteral("C:\\Maps\\Scenario")).orThrow(),
             m_world->driveC() + QStringLiteral("/Maps/SCENARIO"));
    // A file of that name on the way does not hide a folder in another case.
    m_world->writeFile(QStringLiteral("prefix/drive_c/Mixed/AOE"), "file");
    m_world->writeFile(QStringLiteral("prefix/drive_c/Mixed/aoe/x.scn"), "x");
    QCOMPARE(WinPath::toHost(QStringLiteral("C:\\Mixed\\Aoe\\x.scn")).orThrow(),
             m_world->driveC() + QStringLiteral("/Mixed/aoe/x.scn"));
}

void TestWinPath::rootedPathUsesTheCurrentDrive()
{
    m_world->addDrive(QLatin1Char('m'), m_world->medium());
    QCOMPARE(WinPath::toHost(QStringLiteral("\\crazyscr")).orThrow(),
             m_world->medium() + QStringLiteral("/CRAZYSCR"));
}

void TestWinPath::rootedPathOutsideEveryDriveFails()
{
    QCOMPARE(WinPath::toHost(QStringLiteral("\\CRAZYSCR")).error(), PathNotFound);
}

void TestWinPath::hostNamesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("decoded"); // empty: not plain UTF-8, only the round trip counts
    QTest::newRow("ASCII") << QByteArray("a.scn") << "a.scn";
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9") << "café";
    QTest::newRow("beyond the BMP") << QByteArray("\xf0\x9f\x8f\x9b.scn") << "🏛.scn";
    QTest::newRow("Windows-1252 byte") << QByteArray("caf\xe9.scn") << "";
    QTest::newRow("cut sequence") << QByteArray("a\xc3") << "";
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << "";
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80") << "";
    QTest::newRow("mixed") << QByteArray("\xff\xc3\xa9\x80z") << "";
    QTest::newRow("initial U+FEFF")
        << QByteArray("\xef\xbb\xbfLonely.scn") << QStringLiteral("\uFEFFLonely.scn");
    QTest::newRow("U+FEFF after a stray byte") << QByteArray("\xff\xef\xbb\xbf") << "";
}

void TestWinPath::hostNamesRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, decoded);
    const QString name = HostName::decode(bytes);
    if (!decoded.isEmpty())
        QCOMPARE(name, decoded);
    else
        QVERIFY(!name.contains(QChar(QChar::ReplacementCharacter)));
    QCOMPARE(HostName::encode(name), bytes);
}

void TestWinPath::fileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("full") << "C:\\Games\\AoE\\a.scn"
                          << "a.scn";
    QTest::newRow("drive relative") << "C:a.scn"
                                    << "a.scn";
    QTest::newRow("relative") << "CRAZYSCR\\b.scn"
                              << "b.scn";
    QTest::newRow("bare name") << "c.scn"
                               << "c.scn";
    QTest::newRow("folder") << "C:\\Games\\"
                            << "";
}

void TestWinPath::fileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(WinPath::fileName(path), name);
}

void TestWinPath::join_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined");
    QTest::newRow("plain") << "C:\\Games"
                           << "AoE"
                           << "C:\\Games\\AoE";
    QTest::newRow("drive root") << "C:\\"
                                << "AoE"
                                << "C:\\AoE";
    QTest::newRow("rooted name") << "C:\\Games"
                                 << "\\SCENARIO"
                                 << "C:\\Games\\SCENARIO";
    QTest::newRow("both have one") << "C:\\"
                                   << "\\SCENARIO"
                                   << "C:\\SCENARIO";
    QTest::newRow("relative folder") << "CRAZYSCR"
                                     << "a.scn"
                                     << "CRAZYSCR\\a.scn";
    QTest::newRow("no folder") << ""
                               << "a.scn"
                               << "a.scn";
}

void TestWinPath::join()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(WinPath::join(folder, name), joined);
}

QTEST_GUILESS_MAIN(TestWinPath)
#include "tst_winpath.moc"
