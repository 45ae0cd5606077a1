#include "Drives.h"
#include "TestWorld.h"

#include <QDir>
#include <QtTest>

#include <sys/stat.h>

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
    void upperCaseLinkServesToo();
    void mountedOn_data();
    void mountedOn();
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
    // Labels a medium may hold that never end or never come.
    m_world->addDrive(QLatin1Char('j'), m_world->makeFolder(QStringLiteral("endless")));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"),
                        m_world->root() + QStringLiteral("/endless/.windows-label")));
    m_world->addDrive(QLatin1Char('k'), m_world->makeFolder(QStringLiteral("piped")));
    QVERIFY(::mkfifo(QFile::encodeName(m_world->root() + QStringLiteral("/piped/.windows-label")),
                     0600) == 0);
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
    const QList<QChar> expected = {u'A', u'C', u'D', u'E', u'F', u'G', u'J', u'K', u'Z'};
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
    QTest::newRow("label file a link to /dev/zero") << QChar(u'J') << true << "";
    QTest::newRow("label file a named pipe") << QChar(u'K') << true << "";
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

void TestDrives::upperCaseLinkServesToo()
{
    QVERIFY(QFile::link(m_world->driveC(), m_world->prefix() + QStringLiteral("/dosdevices/H:")));
    QVERIFY(Drives::letters().contains(u'H'));
    QCOMPARE(Drives::folder(u'h').value(), m_world->driveC());
    QCOMPARE(Drives::type(u'H'), DriveType::Fixed);
}

void TestDrives::mountedOn_data()
{
    QTest::addColumn<QByteArray>("mountInfo");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("type"); // empty: nothing mounted there
    QTest::addColumn<QString>("source");

    const QByteArray root = "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n";
    const QByteArray cdrom =
        "40 22 11:0 / /media/cdrom ro,relatime shared:20 - iso9660 /dev/sr0 ro\n";
    QTest::newRow("root") << root + cdrom << "/"
                          << "ext4"
                          << "/dev/sda1";
    QTest::newRow("cd-rom") << root + cdrom << "/media/cdrom"
                            << "iso9660"
                            << "/dev/sr0";
    QTest::newRow("not a mount point") << root + cdrom << "/media"
                                       << ""
                                       << "";
    QTest::newRow("sub-folder of a mount") << root + cdrom << "/media/cdrom/x"
                                           << ""
                                           << "";
    QTest::newRow("blank escaped in the mount point")
        << root + "41 22 11:0 / /media/AOE\\040DISC ro - udf /dev/sr1 ro\n"
        << "/media/AOE DISC"
        << "udf"
        << "/dev/sr1";
    QTest::newRow("no optional fields")
        << QByteArray("41 22 0:5 / /mnt rw - tmpfs tmpfs rw\n") << "/mnt"
        << "tmpfs"
        << "tmpfs";
    QTest::newRow("several optional fields")
        << QByteArray("41 22 0:5 / /mnt rw shared:3 master:1 - udf /dev/sr0 ro\n") << "/mnt"
        << "udf"
        << "/dev/sr0";
    QTest::newRow("mounted over: the last one counts")
        << root + "41 22 0:5 / /mnt rw - ext4 /dev/sdb1 rw\n" +
               "42 41 11:0 / /mnt ro - iso9660 /dev/sr0 ro\n"
        << "/mnt"
        << "iso9660"
        << "/dev/sr0";
    QTest::newRow("damaged lines skipped")
        << QByteArray("garbage\n41 22 0:5 / /mnt rw -\n41 22\n\n") + cdrom << "/media/cdrom"
        << "iso9660"
        << "/dev/sr0";
    QTest::newRow("empty") << QByteArray() << "/"
                           << ""
                           << "";
}

void TestDrives::mountedOn()
{
    QFETCH(QByteArray, mountInfo);
    QFETCH(QString, folder);
    QFETCH(QString, type);
    QFETCH(QString, source);
    const std::optional<Drives::MountedFileSystem> mounted = Drives::mountedOn(mountInfo, folder);
    QCOMPARE(mounted.has_value(), !type.isEmpty());
    if (mounted) {
        QCOMPARE(mounted->type, type);
        QCOMPARE(mounted->source, source);
    }
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
