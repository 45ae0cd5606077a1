#include "Drives.h"
#include "Registry.h"
#include "TestWorld.h"
#include "WinePrefix.h"

#include <QDir>
#include <QtTest>

// The test world every other test stands on: what it writes must read back through the
// program's own registry and drives, and it must leave the process as it found it.
class TestTestWorld : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void uninstallStringReadsBack_data();
    void uninstallStringReadsBack();
    void settingAgainReplaces();
    void restoresPrefixAndCurrentFolder_data();
    void restoresPrefixAndCurrentFolder();
    void prefixHasDriveC();
};

void TestTestWorld::uninstallStringReadsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("win64");
    QTest::addColumn<bool>("wow6432Node");
    QTest::newRow("plain") << "C:\\Games\\AoE\\Uninstal.exe" << true << true;
    QTest::newRow("quoted with arguments")
        << "\"C:\\Program Files\\AoE\\Uninstal.exe\" /S" << true << false;
    QTest::newRow("log form") << "C:\\WINDOWS\\uninst.exe -f\"C:\\Program Files\\Microsoft "
                                 "Games\\Age of Empires\\DeIsL1.isu\""
                              << false << false;
    QTest::newRow("accents and a euro sign")
        << "C:\\Jeux\\Âge € des empires\\u.exe" << true << true;
    QTest::newRow("hex digits after an escape") << "C:\\é12ab\\u.exe" << true << false;
}

void TestTestWorld::uninstallStringReadsBack()
{
    QFETCH(QString, value);
    QFETCH(bool, win64);
    QFETCH(bool, wow6432Node);
    TestWorld world(win64);
    world.setUninstallString(value, wow6432Node);
    const std::optional<RegistryKey> key = RegistryKey::open(
        RegistryRoot::LocalMachine,
        QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires"),
        true);
    QVERIFY(key);
    QCOMPARE(key->readString(QStringLiteral("UninstallString")), value);
}

void TestTestWorld::settingAgainReplaces()
{
    TestWorld world;
    world.setUninstallString(QStringLiteral("C:\\First\\u.exe"));
    world.setUninstallString(QStringLiteral("C:\\Second\\u.exe"));
    const std::optional<RegistryKey> key = RegistryKey::open(
        RegistryRoot::LocalMachine,
        QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Age of Empires"));
    QVERIFY(key);
    QCOMPARE(key->readString(QStringLiteral("UninstallString")),
             QStringLiteral("C:\\Second\\u.exe"));
}

void TestTestWorld::restoresPrefixAndCurrentFolder_data()
{
    QTest::addColumn<bool>("wasSet");
    QTest::newRow("WINEPREFIX set before") << true;
    QTest::newRow("WINEPREFIX unset before") << false;
}

void TestTestWorld::restoresPrefixAndCurrentFolder()
{
    QFETCH(bool, wasSet);
    const QString before = QDir::currentPath();
    if (wasSet)
        qputenv("WINEPREFIX", "/nonexistent/prefix");
    else
        qunsetenv("WINEPREFIX");
    {
        TestWorld world;
        QCOMPARE(WinePrefix::path(), world.prefix());
        QCOMPARE(QDir::currentPath(), world.medium());
    }
    QCOMPARE(QDir::currentPath(), before);
    QCOMPARE(qEnvironmentVariableIsSet("WINEPREFIX"), wasSet);
    if (wasSet)
        QCOMPARE(qgetenv("WINEPREFIX"), QByteArray("/nonexistent/prefix"));
    qunsetenv("WINEPREFIX");
}

void TestTestWorld::prefixHasDriveC()
{
    TestWorld world;
    QCOMPARE(Drives::letters(), QList<QChar>{u'C'});
    QCOMPARE(Drives::folder(u'C').value(), world.driveC());
    QVERIFY(!WinePrefix::isBareMachine());
}

QTEST_GUILESS_MAIN(TestTestWorld)
#include "tst_testworld.moc"
