#include "Drives.h"
#include "TestWorld.h"

#include <QDir>
#include <QtTest>

// The prefix's drives as the folder tree sees them: letters, types and labels.
class TestDrives : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void lettersInOrderWithoutRawDevices();
    void type_data();
    void type();
    void label_data();
    void label();
    void medium_data();
    void medium();
    void bareMachineHasOnlyTheRoot();
    void emptyPrefixHasNoDrives();

private:
    std::unique_ptr<TestWorld> m_world;
};

void TestDrives::init()
{
    m_world = std::make_unique<TestWorld>();
    // Added out of order on purpose: the listing must not follow the folder's order.
    m_world->addDrive(QLatin1Char('z'), QStringLiteral("/"));
    m_world->addDrive(QLatin1Char('e'), m_world->makeFolder(QStringLiteral("labelled")));
    m_world->addDrive(QLatin1Char('d'), m_world->root() + QStringLiteral("/no-disc"));
    m_world->addDrive(QLatin1Char('a'), m_world->root() + QStringLiteral("/no-floppy"));
    m_world->addDrive(QLatin1Char('f'), m_world->makeFolder(QStringLiteral("crlf")));
    m_world->addDrive(QLatin1Char('g'), m_world->makeFolder(QStringLiteral("configured")));
    m_world->writeFile(QStringLiteral("labelled/.windows-label"), "MYDISK\nsecond line\n");
    m_world->writeFile(QStringLiteral("crlf/.windows-label"), "Scenarios\r\n");
    QVERIFY(QFile::link(QStringLiteral("/dev/null"),
                        m_world->prefix() + QStringLiteral("/dosdevices/d::")));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"),
                        m_world->prefix() + QStringLiteral("/dosdevices/com1")));
    m_world->writeSystemReg("[Software\\\\Wine\\\\Drives] 1700000000\n"
                            "\"d:\"=\"cdrom\"\n"
                            "\"E:\"=\"network\"\n"
                            "\"f:\"=\"floppy\"\n"
                            "\"g:\"=\"ramdisk\"\n"
                            "\"z:\"=\"banana\"\n");
}

void TestDrives::cleanup()
{
    m_world.reset();
}

void TestDrives::lettersInOrderWithoutRawDevices()
{
    const QList<QChar> expected = {u'A', u'C', u'D', u'E', u'F', u'G', u'Z'};
    QCOMPARE(Drives::letters(), expected);
}

void TestDrives::type_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<DriveType>("expected");
    QTest::newRow("floppy letter, no medium") << QChar(u'A') << DriveType::Removable;
    QTest::newRow("plain folder") << QChar(u'c') << DriveType::Fixed;
    QTest::newRow("registry: cdrom, no disc") << QChar(u'D') << DriveType::CdRom;
    QTest::newRow("registry name in other case") << QChar(u'E') << DriveType::Remote;
    QTest::newRow("registry: floppy") << QChar(u'F') << DriveType::Removable;
    QTest::newRow("registry: ramdisk") << QChar(u'G') << DriveType::RamDisk;
    QTest::newRow("unknown registry text") << QChar(u'Z') << DriveType::Fixed;
    QTest::newRow("no such drive") << QChar(u'Q') << DriveType::Unknown;
    QTest::newRow("not a letter") << QChar(u'1') << DriveType::Unknown;
}

void TestDrives::type()
{
    QFETCH(QChar, letter);
    QFETCH(DriveType, expected);
    QCOMPARE(Drives::type(letter), expected);
}

void TestDrives::label_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first line of .windows-label") << QChar(u'E') << true << "MYDISK";
    QTest::newRow("CR LF line end") << QChar(u'F') << true << "Scenarios";
    QTest::newRow("no label file") << QChar(u'G') << true << "";
    QTest::newRow("no medium") << QChar(u'D') << false << "";
    QTest::newRow("no such drive") << QChar(u'Q') << false << "";
}

void TestDrives::label()
{
    QFETCH(QChar, letter);
    QFETCH(bool, known);
    QFETCH(QString, expected);
    const std::optional<QString> label = Drives::label(letter);
    QCOMPARE(label.has_value(), known);
    if (known)
        QCOMPARE(*label, expected);
}

void TestDrives::medium_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<bool>("hasMedium");
    QTest::addColumn<QString>("folder"); // relative to the world's root, "/" as is, empty: none
    QTest::newRow("C") << QChar(u'C') << true << "prefix/drive_c";
    QTest::newRow("lower-case letter") << QChar(u'c') << true << "prefix/drive_c";
    QTest::newRow("dangling link") << QChar(u'D') << false << "no-disc";
    QTest::newRow("root") << QChar(u'Z') << true << "/";
    QTest::newRow("no such drive") << QChar(u'Q') << false << "";
}

void TestDrives::medium()
{
    QFETCH(QChar, letter);
    QFETCH(bool, hasMedium);
    QFETCH(QString, folder);
    QCOMPARE(Drives::hasMedium(letter), hasMedium);
    const std::optional<QString> actual = Drives::folder(letter);
    QCOMPARE(actual.has_value(), !folder.isEmpty());
    if (folder == QLatin1String("/"))
        QCOMPARE(*actual, folder);
    else if (!folder.isEmpty())
        QCOMPARE(*actual, m_world->root() + QLatin1Char('/') + folder);
}

void TestDrives::bareMachineHasOnlyTheRoot()
{
    qputenv("WINEPREFIX", QFile::encodeName(m_world->root() + QStringLiteral("/none")));
    QCOMPARE(Drives::letters(), QList<QChar>{u'Z'});
    QCOMPARE(Drives::folder(u'Z').value(), QStringLiteral("/"));
    QVERIFY(!Drives::folder(u'C'));
    QVERIFY(Drives::hasMedium(u'Z'));
    QCOMPARE(Drives::type(u'C'), DriveType::Unknown);
}

void TestDrives::emptyPrefixHasNoDrives()
{
    const QString empty = m_world->makeFolder(QStringLiteral("empty-prefix"));
    qputenv("WINEPREFIX", QFile::encodeName(empty));
    QVERIFY(Drives::letters().isEmpty());
}

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
