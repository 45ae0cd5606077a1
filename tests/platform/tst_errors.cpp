#include "Errors.h"
#include "Memory.h"
#include "TestWorld.h"
#include "WinePrefix.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

// The error numbers and messages the user finally reads, the memory figures and where the
// prefix is looked for.
class TestErrors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void win32FromErrno_data();
    void win32FromErrno();
    void messages_data();
    void messages();
    void exceptionCarriesNumberAndText();

    void memoryFromMeminfo_data();
    void memoryFromMeminfo();
    void memoryOfThisMachineIsSane();

    void prefixFolder_data();
    void prefixFolder();
    void bareMachine_data();
    void bareMachine();
};

// The numbers are written out here, as Windows gives them: this is where the named ones are held
// to them.
void TestErrors::win32FromErrno_data()
{
    QTest::addColumn<int>("errnoValue");
    QTest::addColumn<int>("win32");
    QTest::newRow("ENOENT") << ENOENT << 2;
    QTest::newRow("ENOTDIR") << ENOTDIR << 3;
    QTest::newRow("EMFILE") << EMFILE << 4;
    QTest::newRow("ENFILE") << ENFILE << 4;
    QTest::newRow("EACCES") << EACCES << 5;
    QTest::newRow("EPERM") << EPERM << 5;
    QTest::newRow("EROFS") << EROFS << 5;
    QTest::newRow("EISDIR") << EISDIR << 5;
    QTest::newRow("EBUSY") << EBUSY << 32;
    QTest::newRow("ETXTBSY") << ETXTBSY << 32;
    QTest::newRow("ENOSPC") << ENOSPC << 112;
    QTest::newRow("EDQUOT") << EDQUOT << 112;
    QTest::newRow("EEXIST") << EEXIST << 80;
    QTest::newRow("ENOTEMPTY") << ENOTEMPTY << 145;
    QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << 206;
    QTest::newRow("ENOMEDIUM") << ENOMEDIUM << 21;
}

void TestErrors::win32FromErrno()
{
    QFETCH(int, errnoValue);
    QFETCH(int, win32);
    QCOMPARE(win32ErrorFromErrno(errnoValue), win32);
}

void TestErrors::messages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("2") << 2 << "File not found";
    QTest::newRow("3") << 3 << "Invalid filename";
    QTest::newRow("4") << 4 << "Too many open files";
    QTest::newRow("5") << 5 << "File access denied";
    QTest::newRow("100") << 100 << "Read beyond end of file";
    QTest::newRow("101") << 101 << "Disk full";
    QTest::newRow("106") << 106 << "Invalid numeric input";
    QTest::newRow("32") << 32 << "I/O error 32";
    QTest::newRow("112") << 112 << "I/O error 112";
    QTest::newRow("123, a name Windows refuses") << 123 << "I/O error 123";
}

void TestErrors::messages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(EInOutError::messageFor(code), message);
}

void TestErrors::exceptionCarriesNumberAndText()
{
    try {
        throw EInOutError(5);
    } catch (const Exception& error) {
        QCOMPARE(error.message(), QStringLiteral("File access denied"));
        QCOMPARE(QString::fromStdString(error.what()), QStringLiteral("File access denied"));
        const auto* io = dynamic_cast<const EInOutError*>(&error);
        QVERIFY(io != nullptr);
        QCOMPARE(io->errorCode(), 5);
    }
    // Text beyond ASCII survives the trip through std::exception.
    const Exception accented(QStringLiteral("Ça ne marche pas"));
    QCOMPARE(QString::fromUtf8(accented.what()), QStringLiteral("Ça ne marche pas"));
}

void TestErrors::memoryFromMeminfo_data()
{
    QTest::addColumn<QByteArray>("meminfo");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<int>("load");

    QTest::newRow("usual") << QByteArray("MemTotal:       16384000 kB\nMemFree:         1000 kB\n"
                                         "MemAvailable:    4096000 kB\n")
                           << quint64(16384000) * 1024 << 75;
    QTest::newRow("rounds up") << QByteArray("MemTotal: 8 kB\nMemAvailable: 1 kB\n")
                               << quint64(8192) << 88;
    QTest::newRow("rounds down") << QByteArray("MemTotal: 3 kB\nMemAvailable: 2 kB\n")
                                 << quint64(3072) << 33;
    QTest::newRow("beyond 4 GB total")
        << QByteArray("MemTotal: 67108864 kB\nMemAvailable: 67108864 kB\n")
        << quint64(64) * 1024 * 1024 * 1024 << 0;
    QTest::newRow("old kernel: free plus caches")
        << QByteArray("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 150 kB\n")
        << quint64(1000) * 1024 << 70;
    QTest::newRow("available above total")
        << QByteArray("MemTotal: 100 kB\nMemAvailable: 200 kB\n") << quint64(102400) << 0;
    QTest::newRow("no total") << QByteArray("MemAvailable: 200 kB\n") << quint64(0) << 0;
    QTest::newRow("damaged total") << QByteArray("MemTotal: lots\n") << quint64(0) << 0;
    QTest::newRow("empty") << QByteArray() << quint64(0) << 0;
}

void TestErrors::memoryFromMeminfo()
{
    QFETCH(QByteArray, meminfo);
    QFETCH(quint64, total);
    QFETCH(int, load);
    const MemoryStatus status = memoryStatusFrom(meminfo);
    QCOMPARE(status.totalPhysical, total);
    QCOMPARE(status.memoryLoad, load);
}

void TestErrors::memoryOfThisMachineIsSane()
{
    const MemoryStatus status = globalMemoryStatus();
    QVERIFY(status.totalPhysical > quint64(16) * 1024 * 1024);
    QVERIFY(status.totalPhysical % 1024 == 0);
    QVERIFY(status.memoryLoad >= 0 && status.memoryLoad <= 100);
}

void TestErrors::prefixFolder_data()
{
    QTest::addColumn<bool>("setPrefix");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("expected"); // "~" stands for the home folder
    QTest::newRow("from the environment") << true << "/srv/wine/game"
                                          << "/srv/wine/game";
    QTest::newRow("trailing slash") << true << "/srv/wine/game/"
                                    << "/srv/wine/game";
    QTest::newRow("unset") << false << ""
                           << "~/.wine";
    QTest::newRow("set but empty") << true << ""
                                   << "~/.wine";
}

void TestErrors::prefixFolder()
{
    QFETCH(bool, setPrefix);
    QFETCH(QString, prefix);
    QFETCH(QString, expected);
    TestWorld world; // restores WINEPREFIX afterwards
    if (setPrefix)
        qputenv("WINEPREFIX", prefix.toUtf8());
    else
        qunsetenv("WINEPREFIX");
    expected.replace(QLatin1Char('~'), QDir::homePath());
    QCOMPARE(WinePrefix::path(), expected);
}

void TestErrors::bareMachine_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("bare");
    QTest::newRow("a prefix") << "prefix" << false;
    QTest::newRow("missing folder") << "missing" << true;
    QTest::newRow("a file, not a folder") << "file" << true;
}

void TestErrors::bareMachine()
{
    QFETCH(QString, what);
    QFETCH(bool, bare);
    TestWorld world;
    const QString file = world.writeFile(QStringLiteral("file"), "not a prefix");
    if (what == QLatin1String("missing"))
        qputenv("WINEPREFIX", QFile::encodeName(world.root() + QStringLiteral("/missing")));
    else if (what == QLatin1String("file"))
        qputenv("WINEPREFIX", QFile::encodeName(file));
    QCOMPARE(WinePrefix::isBareMachine(), bare);
}

QTEST_GUILESS_MAIN(TestErrors)
#include "tst_errors.moc"
