#include "Errors.h"
#include "FileFaults.h"
#include "FileSystem.h"
#include "TestWorld.h"
#include "WinPath.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Win32Error;

namespace {

QStringList namesOf(const QList<DirEntry>& entries)
{
    QStringList names;
    for (const DirEntry& entry : entries)
        names.append(entry.name);
    return names;
}

QByteArray contentsOf(const QString& hostPath)
{
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void makeReadOnly(const QString& hostPath)
{
    QFile::setPermissions(hostPath, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

// Runs what and gives the Win32 number of the EInOutError it throws, 0 when it throws none.
template <class Action> int errorOf(Action what)
{
    try {
        what();
    } catch (const EInOutError& error) {
        return error.errorCode();
    }
    return 0;
}

} // namespace

// The file services on real files in a world of their own: wildcards, listing order, attributes,
// errors, the fault hook and free space.
class TestFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void wildcard_data();
    void wildcard();
    void listingOrder_data();
    void listingOrder();
    void listFilters_data();
    void listFilters();
    void listPatterns_data();
    void listPatterns();
    void listGivesSizesBeyond4GB();
    void attributes_data();
    void attributes();
    void existence_data();
    void existence();

    void openReadFails_data();
    void openReadFails();
    void createRefusesProtectedFilesBeforeTruncating_data();
    void createRefusesProtectedFilesBeforeTruncating();
    void createReplacesInTheNameOnDisk();
    void roundTrip();
    void namesWindows1252CannotSpell();
    void undecodableNamesAreCopiedUnderTheirOwnName();
    void pipesAndDevicesAreRefused_data();
    void pipesAndDevicesAreRefused();
    void writesFailAfterTheAllowance();
    void shortWrites();
    void createFolder_data();
    void createFolder();
    void namesWindowsRefuses_data();
    void namesWindowsRefuses();
    void renameKeepsTheDestinationsName();
    void renameOntoReadOnlyIsDenied();
    void renameToFreeName_data();
    void renameToFreeName();
    void removeFile_data();
    void removeFile();
    void folderFoundOnceAnswersAsThePath_data();
    void folderFoundOnceAnswersAsThePath();
    void folderFoundOnceRenamesOverTheNameOnDisk();
    void freeSpace_data();
    void freeSpace();
    void freeSpaceIs64Bit();

private:
    std::unique_ptr<TestWorld> m_world;
};

void TestFileSystem::init()
{
    m_world = std::make_unique<TestWorld>();
    FileFaults::clearFaults();
}

void TestFileSystem::cleanup()
{
    FileFaults::clearFaults();
    m_world.reset();
}

void TestFileSystem::wildcard_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");

    QTest::newRow("*.* with a dot") << "*.*"
                                    << "a.b.c" << true;
    QTest::newRow("*.* without a dot") << "*.*"
                                       << "README" << true;
    QTest::newRow("*.* dot file") << "*.*"
                                  << ".profile" << true;
    QTest::newRow("* anything") << "*"
                                << "any.name.at.all" << true;
    QTest::newRow("scenario") << "*.??n"
                              << "a.scn" << true;
    QTest::newRow("scenario upper case") << "*.??n"
                                         << "A.SCN" << true;
    QTest::newRow("campaign") << "*.??n"
                              << "Conquest.cpn" << true;
    QTest::newRow("other last letter") << "*.??n"
                                       << "a.scx" << false;
    QTest::newRow("companion file") << "*.??n"
                                    << "a.cpd" << false;
    QTest::newRow("two-letter extension") << "*.??n"
                                          << "a.sn" << false;
    QTest::newRow("one-letter extension") << "*.??n"
                                          << "a.n" << false;
    QTest::newRow("four-letter extension") << "*.??n"
                                           << "a.xscn" << false;
    QTest::newRow("no dot") << "*.??n"
                            << "scn" << false;
    QTest::newRow("two dots") << "*.??n"
                              << "old.a.scn" << true;
    QTest::newRow("? at the end, short extension") << "*.sc?"
                                                   << "a.sc" << true;
    QTest::newRow("? at the end, full extension") << "*.sc?"
                                                  << "a.scx" << true;
    QTest::newRow("? at the end, too long") << "*.sc?"
                                            << "a.scxy" << false;
    QTest::newRow("? before a dot, short name") << "????.txt"
                                                << "ab.txt" << true;
    QTest::newRow("? before a dot, long name") << "????.txt"
                                               << "abcde.txt" << false;
    QTest::newRow("? inside needs a letter") << "a?c"
                                             << "ac" << false;
    QTest::newRow("? inside") << "a?c"
                              << "aBc" << true;
    QTest::newRow("*. without extension") << "*."
                                          << "README" << true;
    QTest::newRow("*. with extension") << "*."
                                       << "a.txt" << false;
    QTest::newRow("name.* without extension") << "intro.*"
                                              << "Intro" << true;
    QTest::newRow("name.* other name") << "intro.*"
                                       << "Intros" << false;
    QTest::newRow("exact other case") << "Intro.avi"
                                      << "INTRO.AVI" << true;
    QTest::newRow("exact longer name") << "intro.avi"
                                       << "intro.avi2" << false;
    QTest::newRow("accented other case") << "ÉTÉ*"
                                         << "été.scn" << true;
    QTest::newRow("beyond Windows-1252") << "*.scn"
                                         << "日本.scn" << true;
    QTest::newRow("many stars") << "*a*a*a*a*a*b"
                                << "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa" << false;
}

void TestFileSystem::wildcard()
{
    QFETCH(QString, mask);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(FileSystem::matchesWildcard(mask, name), matches);
}

void TestFileSystem::listingOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("case ties: upper first")
        << QStringList{"b", "a", "B", "A"} << QStringList{"A", "a", "B", "b"};
    QTest::newRow("underscore after letters")
        << QStringList{"_x", "abc", "Zed"} << QStringList{"abc", "Zed", "_x"};
    QTest::newRow("no natural number order")
        << QStringList{"file2", "file10", "file1"} << QStringList{"file1", "file10", "file2"};
    QTest::newRow("dot before letters")
        << QStringList{"ab", "a.b", "a"} << QStringList{"a", "a.b", "ab"};
    QTest::newRow("accented after plain")
        << QStringList{"été", "f", "E"} << QStringList{"E", "f", "été"};
    QTest::newRow("same name, other case")
        << QStringList{"a.scn", "A.SCN", "A.scn"} << QStringList{"A.SCN", "A.scn", "a.scn"};
}

void TestFileSystem::listingOrder()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, order);
    for (const QString& name : names)
        m_world->writeFile(QStringLiteral("medium/Dir/") + name, "x");
    QCOMPARE(namesOf(FileSystem::list(QStringLiteral("Dir\\*"), ListFilter::Everything)), order);
}

void TestFileSystem::listFilters_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("everything") << int(ListFilter::Everything)
                                << QStringList{".hidden",   ".hiddenfile", "Device", "file.txt",
                                               "LinkToSub", "ReadOnly",    "Sub"};
    QTest::newRow("folders") << int(ListFilter::Folders)
                             << QStringList{"LinkToSub", "ReadOnly", "Sub"};
}

void TestFileSystem::listFilters()
{
    QFETCH(int, filter);
    QFETCH(QStringList, names);
    m_world->makeFolder(QStringLiteral("medium/Dir/Sub"));
    m_world->makeFolder(QStringLiteral("medium/Dir/.hidden"));
    makeReadOnly(m_world->makeFolder(QStringLiteral("medium/Dir/ReadOnly")));
    m_world->writeFile(QStringLiteral("medium/Dir/file.txt"), "12345");
    m_world->writeFile(QStringLiteral("medium/Dir/.hiddenfile"), "x");
    QVERIFY(
        QFile::link(QStringLiteral("Sub"), m_world->medium() + QStringLiteral("/Dir/LinkToSub")));
    QVERIFY(
        QFile::link(QStringLiteral("gone"), m_world->medium() + QStringLiteral("/Dir/Dangling")));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"),
                        m_world->medium() + QStringLiteral("/Dir/Device")));
    const QList<DirEntry> entries =
        FileSystem::list(QStringLiteral("Dir\\*.*"), ListFilter(filter));
    QCOMPARE(namesOf(entries), names);
    for (const DirEntry& entry : entries) {
        if (entry.name == QLatin1String("Device"))
            QVERIFY(entry.attributes & AttrSystem);
        if (entry.name == QLatin1String("file.txt"))
            QCOMPARE(entry.size, qint64(5));
    }
}

void TestFileSystem::listPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("relative, other case") << "crazyscr\\*.??n" << QStringList{"B.SCN", "c.scn"};
    QTest::newRow("drive path, other case")
        << "c:\\GAMES\\aoe\\scenario\\*.??N" << QStringList{"old.scn"};
    QTest::newRow("drive root") << "C:\\*" << QStringList{"Games"};
    QTest::newRow("drive alone") << "C:*" << QStringList{"Games"};
    QTest::newRow("empty components") << "C:\\\\Games\\\\*" << QStringList{"AoE"};
    QTest::newRow("exact name in other case") << "CRAZYSCR\\b.scn" << QStringList{"B.SCN"};
    QTest::newRow("missing folder") << "NOPE\\*.*" << QStringList{};
    QTest::newRow("folder that is a file") << "CRAZYSCR\\c.scn\\*" << QStringList{};
    QTest::newRow("no mask") << "CRAZYSCR\\" << QStringList{};
    QTest::newRow("no such drive") << "Q:\\*" << QStringList{};
}

void TestFileSystem::listPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, names);
    m_world->writeFile(QStringLiteral("medium/CRAZYSCR/c.scn"), "x");
    m_world->writeFile(QStringLiteral("medium/CRAZYSCR/B.SCN"), "x");
    m_world->writeFile(QStringLiteral("medium/CRAZYSCR/c.scd"), "x");
    m_world->writeFile(QStringLiteral("prefix/drive_c/Games/AoE/SCENARIO/old.scn"), "x");
    QCOMPARE(namesOf(FileSystem::list(pattern, ListFilter::Everything)), names);
}

void TestFileSystem::listGivesSizesBeyond4GB()
{
    const QString path = m_world->writeFile(QStringLiteral("medium/big.scn"), "");
    const qint64 size = (qint64(1) << 32) + 5;
    QVERIFY(::truncate(QFile::encodeName(path).constData(), size) == 0); // sparse: no disk used
    const QList<DirEntry> entries =
        FileSystem::list(QStringLiteral("*.scn"), ListFilter::Everything);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].size, size);
    QCOMPARE(WinFile::openRead(QStringLiteral("BIG.SCN")).size(), size);
}

void TestFileSystem::attributes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<quint32>("expected"); // 0: no such entry
    QTest::newRow("plain file") << "C:\\plain.txt" << quint32(AttrArchive);
    QTest::newRow("read-only file") << "C:\\locked.txt" << quint32(AttrArchive | AttrReadOnly);
    QTest::newRow("hidden file") << "C:\\.secret" << quint32(AttrArchive | AttrHidden);
    QTest::newRow("folder") << "C:\\Folder" << quint32(AttrDirectory);
    QTest::newRow("read-only folder")
        << "C:\\LockedFolder" << quint32(AttrDirectory | AttrReadOnly);
    QTest::newRow("other case") << "c:\\PLAIN.TXT" << quint32(AttrArchive);
    QTest::newRow("drive root") << "C:\\" << quint32(AttrDirectory);
    QTest::newRow("missing") << "C:\\missing.txt" << quint32(0);
    QTest::newRow("missing folder on the way") << "C:\\Nope\\x" << quint32(0);
}

void TestFileSystem::attributes()
{
    QFETCH(QString, path);
    QFETCH(quint32, expected);
    m_world->writeFile(QStringLiteral("prefix/drive_c/plain.txt"), "x");
    makeReadOnly(m_world->writeFile(QStringLiteral("prefix/drive_c/locked.txt"), "x"));
    m_world->writeFile(QStringLiteral("prefix/drive_c/.secret"), "x");
    m_world->makeFolder(QStringLiteral("prefix/drive_c/Folder"));
    makeReadOnly(m_world->makeFolder(QStringLiteral("prefix/drive_c/LockedFolder")));
    QCOMPARE(FileSystem::attributes(path).value_or(0), expected);
}

void TestFileSystem::existence_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("file");
    QTest::newRow("folder") << "C:\\Games" << true << false;
    QTest::newRow("folder, other case") << "c:\\GAMES" << true << false;
    QTest::newRow("file") << "C:\\Games\\a.scn" << false << true;
    QTest::newRow("file, other case") << "C:\\games\\A.SCN" << false << true;
    QTest::newRow("drive root") << "C:\\" << true << false;
    QTest::newRow("missing") << "C:\\Games\\b.scn" << false << false;
    QTest::newRow("dangling link") << "C:\\Games\\gone" << false << false;
    QTest::newRow("under a file") << "C:\\Games\\a.scn\\x" << false << false;
    QTest::newRow("no such drive") << "Q:\\" << false << false;
    QTest::newRow("empty path") << "" << false << false;
}

void TestFileSystem::existence()
{
    QFETCH(QString, path);
    QFETCH(bool, folder);
    QFETCH(bool, file);
    m_world->writeFile(QStringLiteral("prefix/drive_c/Games/a.scn"), "x");
    QVERIFY(
        QFile::link(QStringLiteral("nowhere"), m_world->driveC() + QStringLiteral("/Games/gone")));
    QCOMPARE(FileSystem::folderExists(path), folder);
    QCOMPARE(FileSystem::fileExists(path), file);
}

void TestFileSystem::openReadFails_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("error");
    QTest::newRow("missing file") << "C:\\Games\\missing.scn" << FileNotFound;
    QTest::newRow("missing folder on the way") << "C:\\Nope\\a.scn" << PathNotFound;
    QTest::newRow("file on the way") << "C:\\Games\\a.scn\\b.scn" << PathNotFound;
    QTest::newRow("folder") << "C:\\Games" << AccessDenied;
    QTest::newRow("drive root") << "C:\\" << AccessDenied;
    QTest::newRow("no such drive") << "Q:\\a.scn" << PathNotFound;
    QTest::newRow("dangling link") << "C:\\Games\\gone" << FileNotFound;
    QTest::newRow("slash in the name") << "C:\\Games\\a/b" << PathNotFound;
}

void TestFileSystem::openReadFails()
{
    QFETCH(QString, path);
    QFETCH(int, error);
    m_world->writeFile(QStringLiteral("prefix/drive_c/Games/a.scn"), "x");
    QVERIFY(
        QFile::link(QStringLiteral("nowhere"), m_world->driveC() + QStringLiteral("/Games/gone")));
    QCOMPARE(errorOf([&] { WinFile::openRead(path); }), error);
}

void TestFileSystem::createRefusesProtectedFilesBeforeTruncating_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("error");
    QTest::newRow("read-only") << "locked.scn" << true << AccessDenied;
    QTest::newRow("hidden") << ".hidden.scn" << false << AccessDenied;
    QTest::newRow("plain") << "plain.scn" << false << 0;
}

void TestFileSystem::createRefusesProtectedFilesBeforeTruncating()
{
    QFETCH(QString, name);
    QFETCH(bool, readOnly);
    QFETCH(int, error);
    const QString host = m_world->writeFile(QStringLiteral("prefix/drive_c/") + name, "keep me");
    if (readOnly)
        makeReadOnly(host);
    QCOMPARE(errorOf([&] { WinFile::create(QStringLiteral("C:\\") + name); }), error);
    QCOMPARE(contentsOf(host), error == 0 ? QByteArray() : QByteArray("keep me"));
}

void TestFileSystem::createReplacesInTheNameOnDisk()
{
    m_world->writeFile(QStringLiteral("prefix/drive_c/SCENARIO/Old.SCN"), "old contents");
    {
        WinFile file = WinFile::create(QStringLiteral("C:\\scenario\\old.scn"));
        QCOMPARE(file.write("new", 3), qint64(3));
        file.close();
    }
    QCOMPARE(QDir(m_world->driveC() + QStringLiteral("/SCENARIO")).entryList(QDir::Files),
             QStringList{"Old.SCN"});
    QCOMPARE(contentsOf(m_world->driveC() + QStringLiteral("/SCENARIO/Old.SCN")),
             QByteArray("new"));
    QCOMPARE(errorOf([] { WinFile::create(QStringLiteral("C:\\SCENARIO")); }), AccessDenied);
    QCOMPARE(errorOf([] { WinFile::create(QStringLiteral("C:\\Missing\\a.scn")); }), PathNotFound);
}

void TestFileSystem::roundTrip()
{
    QByteArray data(100000, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 7);
    {
        WinFile file = WinFile::create(QStringLiteral("C:\\copy.bin"));
        QCOMPARE(file.write(data.constData(), data.size()), qint64(data.size()));
        QCOMPARE(file.size(), qint64(data.size()));
    } // closed by going out of scope
    WinFile file = WinFile::openRead(QStringLiteral("C:\\COPY.BIN"));
    QCOMPARE(file.size(), qint64(data.size()));
    QByteArray back(data.size() + 10, '\0');
    QCOMPARE(file.read(back.data(), 2048), qint64(2048));
    QCOMPARE(file.read(back.data() + 2048, back.size() - 2048), qint64(data.size() - 2048));
    QCOMPARE(file.read(back.data(), 10), qint64(0));
    back.truncate(data.size());
    QCOMPARE(back, data);
    WinFile moved = std::move(file);
    QCOMPARE(moved.size(), qint64(data.size()));
    moved.close();
    QCOMPARE(errorOf([&] { moved.close(); }),
             InvalidHandle); // closing twice is a fault, not a crash
}

void TestFileSystem::namesWindows1252CannotSpell()
{
    m_world->writeFile(QStringLiteral("medium/Dir/日本.scn"), "nihon");
    m_world->writeFile(QStringLiteral("medium/Dir/Ωmega.scn"), "omega");
    const QStringList names =
        namesOf(FileSystem::list(QStringLiteral("Dir\\*.scn"), ListFilter::Everything));
    QCOMPARE(names, (QStringList{"Ωmega.scn", "日本.scn"}));
    for (const QString& name : names) {
        WinFile source = WinFile::openRead(QStringLiteral("Dir\\") + name);
        WinFile target = WinFile::create(QStringLiteral("C:\\") + name);
        char buffer[16];
        const qint64 count = source.read(buffer, sizeof buffer);
        QCOMPARE(target.write(buffer, count), count);
    }
    QCOMPARE(contentsOf(m_world->driveC() + QStringLiteral("/ωMEGA.scn")), QByteArray("<missing>"));
    QCOMPARE(contentsOf(m_world->driveC() + QStringLiteral("/Ωmega.scn")), QByteArray("omega"));
    QVERIFY(FileSystem::fileExists(QStringLiteral("C:\\ωMEGA.SCN")));
}

void TestFileSystem::undecodableNamesAreCopiedUnderTheirOwnName()
{
    // A name written by an old Windows-1252 program: 0xE9 alone is no UTF-8.
    const QByteArray rawName = "caf\xe9.scn";
    m_world->makeFolder(QStringLiteral("medium/Dir"));
    const QByteArray rawPath = QFile::encodeName(m_world->medium()) + "/Dir/" + rawName;
    const int descriptor = ::open(rawPath.constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(descriptor >= 0);
    QCOMPARE(::write(descriptor, "old", 3), ssize_t(3));
    ::close(descriptor);

    const QList<DirEntry> entries =
        FileSystem::list(QStringLiteral("Dir\\*.??n"), ListFilter::Everything);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].size, qint64(3));
    const QString name = entries[0].name;
    QVERIFY(name.startsWith(QStringLiteral("caf")));
    QVERIFY(FileSystem::fileExists(QStringLiteral("Dir\\") + name));
    {
        WinFile source = WinFile::openRead(QStringLiteral("Dir\\") + name);
        WinFile target = WinFile::create(QStringLiteral("C:\\") + name);
        char buffer[8];
        const qint64 count = source.read(buffer, sizeof buffer);
        QCOMPARE(target.write(buffer, count), qint64(3));
    }
    const QByteArray copied = QFile::encodeName(m_world->driveC()) + "/" + rawName;
    QVERIFY(::access(copied.constData(), F_OK) == 0);
}

void TestFileSystem::pipesAndDevicesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("named pipe") << "pipe.scn";
    QTest::newRow("device") << "zero.scn";
}

void TestFileSystem::pipesAndDevicesAreRefused()
{
    QFETCH(QString, name);
    QVERIFY(::mkfifo(QFile::encodeName(m_world->medium() + QStringLiteral("/pipe.scn")).constData(),
                     0644) == 0);
    QVERIFY(
        QFile::link(QStringLiteral("/dev/zero"), m_world->medium() + QStringLiteral("/zero.scn")));
    // Opening a pipe for reading would wait for a writer for ever; a device never ends.
    QCOMPARE(errorOf([&] { WinFile::openRead(name); }), AccessDenied);
    QCOMPARE(errorOf([&] { WinFile::create(name); }), AccessDenied);
}

void TestFileSystem::writesFailAfterTheAllowance()
{
    WinFile file = WinFile::create(QStringLiteral("C:\\full.bin"));
    FileFaults::failWritesAfter(100, ENOSPC);
    const QByteArray block(60, 'x');
    QCOMPARE(file.write(block.constData(), block.size()), qint64(60));
    QCOMPARE(file.write(block.constData(), block.size()), qint64(40)); // what still fitted
    QCOMPARE(errorOf([&] { file.write(block.constData(), block.size()); }), DiskFull);
    QCOMPARE(file.size(), qint64(100));
    FileFaults::clearFaults();
    QCOMPARE(file.write(block.constData(), block.size()), qint64(60));
}

void TestFileSystem::shortWrites()
{
    WinFile file = WinFile::create(QStringLiteral("C:\\short.bin"));
    FileFaults::shortWritesOf(10);
    const QByteArray block(25, 'y');
    QCOMPARE(file.write(block.constData(), block.size()), qint64(10));
    QCOMPARE(file.size(), qint64(10));
    QCOMPARE(file.write(block.constData(), 0), qint64(0));
}

void TestFileSystem::createFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("created");
    QTest::addColumn<QString>("expected"); // the folder on disk afterwards, relative to drive C
    QTest::newRow("new folder") << "C:\\Games\\AoE" << true << "Games/AoE";
    QTest::newRow("parent in other case") << "c:\\GAMES\\Maps" << true << "Games/Maps";
    QTest::newRow("exists in other case") << "C:\\games" << false << "Games";
    QTest::newRow("parent missing") << "C:\\Nope\\AoE" << false << "";
    QTest::newRow("trailing backslash") << "C:\\Games\\New\\" << true << "Games/New";
}

void TestFileSystem::createFolder()
{
    QFETCH(QString, path);
    QFETCH(bool, created);
    QFETCH(QString, expected);
    m_world->makeFolder(QStringLiteral("prefix/drive_c/Games"));
    QCOMPARE(FileSystem::createFolder(path), created);
    if (!expected.isEmpty())
        QVERIFY(QFileInfo(m_world->driveC() + QLatin1Char('/') + expected).isDir());
    QVERIFY(!QFileInfo::exists(m_world->driveC() + QStringLiteral("/Nope")));
}

void TestFileSystem::namesWindowsRefuses_data()
{
    QTest::addColumn<QString>("name");   // made in a folder holding only "odd*dir"
    QTest::addColumn<QString>("madeAs"); // the entry on disk afterwards; empty: nothing is made
    for (const QString& name :
         {QStringLiteral("with space"), QStringLiteral("v1.2.3"), QStringLiteral("#1 & R&D"),
          QStringLiteral("O'Brien"), QString::fromUtf8("Café"), QStringLiteral("[x]{y}=~")})
        QTest::newRow(qPrintable(QStringLiteral("accepts ") + name)) << name << name;
    for (const QChar refused : QStringView(u"<>:\"|?*\t\x01\x1f")) {
        const QString row =
            QStringLiteral("refuses U+%1").arg(refused.unicode(), 4, 16, QChar(u'0'));
        QTest::newRow(qPrintable(row))
            << QStringLiteral("bad") + refused + QStringLiteral("name") << QString();
    }
    QTest::newRow("refused before a trailing backslash") << "bad*name\\"
                                                         << "";
    QTest::newRow("refused before a dot") << "bad*name\\."
                                          << "";
    QTest::newRow("refused name climbed out of") << "bad*name\\..\\fine"
                                                 << "fine";
    QTest::newRow("odd folder on the way") << "odd*dir\\fine"
                                           << "odd*dir/fine";
}

// Windows refuses some names for what it makes, whatever the host would take; only the name
// made counts, not the folders on the way.
void TestFileSystem::namesWindowsRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, madeAs);
    const bool made = !madeAs.isEmpty();
    const QStringList folders{"Folders", "Files", "Found"};
    for (const QString& folder : folders)
        m_world->makeFolder(QStringLiteral("prefix/drive_c/") + folder +
                            QStringLiteral("/odd*dir"));

    QCOMPARE(FileSystem::createFolder(QStringLiteral("C:\\Folders\\") + name), made);
    QCOMPARE(errorOf([&] { WinFile::create(QStringLiteral("C:\\Files\\") + name); }),
             made ? 0 : InvalidName);
    QCOMPARE(errorOf([&] { WinFolder(QStringLiteral("C:\\Found")).create(name); }),
             made ? 0 : InvalidName);

    for (const QString& folder : folders) {
        const QString host = m_world->driveC() + QLatin1Char('/') + folder;
        if (made) {
            const QFileInfo entry(host + QLatin1Char('/') + madeAs);
            QVERIFY2(folder == QLatin1String("Folders") ? entry.isDir() : entry.isFile(),
                     qPrintable(folder));
        } else {
            const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
            QCOMPARE(QDir(host).entryList(all), QStringList{"odd*dir"});
            QVERIFY(QDir(host + QStringLiteral("/odd*dir")).isEmpty(all));
        }
    }
}

void TestFileSystem::renameKeepsTheDestinationsName()
{
    m_world->writeFile(QStringLiteral("prefix/drive_c/S/~copy.tmp"), "fresh");
    m_world->writeFile(QStringLiteral("prefix/drive_c/S/Target.SCN"), "stale");
    FileSystem::renameFile(QStringLiteral("C:\\S\\~copy.tmp"), QStringLiteral("C:\\s\\target.scn"));
    QCOMPARE(QDir(m_world->driveC() + QStringLiteral("/S")).entryList(QDir::Files),
             QStringList{"Target.SCN"});
    QCOMPARE(contentsOf(m_world->driveC() + QStringLiteral("/S/Target.SCN")), QByteArray("fresh"));
    QCOMPARE(errorOf([] {
                 FileSystem::renameFile(QStringLiteral("C:\\S\\gone.tmp"),
                                        QStringLiteral("C:\\S\\x.scn"));
             }),
             2);
}

void TestFileSystem::renameOntoReadOnlyIsDenied()
{
    const QString source = m_world->writeFile(QStringLiteral("prefix/drive_c/new.tmp"), "fresh");
    const QString target = m_world->writeFile(QStringLiteral("prefix/drive_c/a.scn"), "stale");
    makeReadOnly(target);
    QCOMPARE(errorOf([] {
                 FileSystem::renameFile(QStringLiteral("C:\\new.tmp"), QStringLiteral("C:\\A.SCN"));
             }),
             5);
    QCOMPARE(contentsOf(source), QByteArray("fresh"));
    QCOMPARE(contentsOf(target), QByteArray("stale"));
}

void TestFileSystem::renameToFreeName_data()
{
    QTest::addColumn<QString>("holder"); // what holds the name already: "" nothing, or file, link
    QTest::addColumn<bool>("withoutNoReplaceRename");
    for (const bool without : {false, true}) {
        const char* how = without ? " (link and unlink)" : " (rename)";
        QTest::addRow("free name%s", how) << "" << without;
        QTest::addRow("a file%s", how) << "file" << without;
        QTest::addRow("a link that leads nowhere%s", how) << "link" << without;
    }
}

void TestFileSystem::renameToFreeName()
{
    QFETCH(QString, holder);
    QFETCH(bool, withoutNoReplaceRename);
    m_world->writeFile(QStringLiteral("prefix/drive_c/S/new.tmp"), "fresh");
    const QString target = m_world->driveC() + QStringLiteral("/S/a.scn");
    if (holder == QLatin1String("file"))
        m_world->writeFile(QStringLiteral("prefix/drive_c/S/a.scn"), "stale");
    else if (holder == QLatin1String("link"))
        QVERIFY(QFile::link(m_world->driveC() + QStringLiteral("/nowhere"), target));
    if (withoutNoReplaceRename)
        FileFaults::withoutNoReplaceRename();

    const WinFolder folder(QStringLiteral("C:\\S"));
    QCOMPARE(folder.renameToFreeName(QStringLiteral("new.tmp"), QStringLiteral("a.scn")),
             holder.isEmpty());
    const QStringList expected =
        holder.isEmpty() ? QStringList{"a.scn"} : QStringList{"a.scn", "new.tmp"};
    QCOMPARE(QDir(m_world->driveC() + QStringLiteral("/S")).entryList(QDir::Files | QDir::System),
             expected);
    if (holder != QLatin1String("link"))
        QCOMPARE(contentsOf(target), QByteArray(holder.isEmpty() ? "fresh" : "stale"));
}

void TestFileSystem::removeFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("gone");
    QTest::newRow("plain, other case") << "C:\\PLAIN.TXT" << 0 << true;
    QTest::newRow("read-only") << "C:\\locked.txt" << AccessDenied << false;
    QTest::newRow("folder") << "C:\\Folder" << AccessDenied << false;
    QTest::newRow("missing") << "C:\\missing.txt" << FileNotFound << false;
    QTest::newRow("missing folder on the way") << "C:\\Nope\\x" << PathNotFound << false;
}

void TestFileSystem::removeFile()
{
    QFETCH(QString, path);
    QFETCH(int, error);
    QFETCH(bool, gone);
    m_world->writeFile(QStringLiteral("prefix/drive_c/plain.txt"), "x");
    makeReadOnly(m_world->writeFile(QStringLiteral("prefix/drive_c/locked.txt"), "x"));
    m_world->makeFolder(QStringLiteral("prefix/drive_c/Folder"));
    const bool existed = FileSystem::attributes(path).has_value();
    QCOMPARE(errorOf([&] { FileSystem::removeFile(path); }), error);
    QCOMPARE(!FileSystem::attributes(path), gone || !existed);
}

void TestFileSystem::folderFoundOnceAnswersAsThePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("attributes");
    QTest::addColumn<int>("openError");
    QTest::addColumn<int>("createError");
    QTest::addColumn<QString>("createdAs"); // relative to drive C; empty: nothing created
    QTest::addColumn<int>("removeError");
    const quint32 none = 0; // no such entry: nothing that is there has no attributes
    const int denied = AccessDenied, noPath = PathNotFound;
    QTest::newRow("file") << "C:\\Games"
                          << "a.scn" << quint32(AttrArchive) << 0 << 0 << "Games/a.scn" << 0;
    QTest::newRow("other case") << "c:\\GAMES"
                                << "A.SCN" << quint32(AttrArchive) << 0 << 0 << "Games/a.scn" << 0;
    QTest::newRow("missing") << "C:\\Games"
                             << "New.scn" << none << FileNotFound << 0 << "Games/New.scn" << 0;
    QTest::newRow("read-only") << "C:\\Games"
                               << "LOCKED.SCN" << quint32(AttrArchive | AttrReadOnly) << 0 << denied
                               << "" << denied;
    QTest::newRow("hidden") << "C:\\Games"
                            << ".hidden" << quint32(AttrArchive | AttrHidden) << 0 << denied << ""
                            << 0;
    QTest::newRow("subfolder") << "C:\\Games"
                               << "Sub" << quint32(AttrDirectory) << denied << denied << ""
                               << denied;
    QTest::newRow("path, not a name")
        << "C:\\Games"
        << "sub\\B.SCN" << quint32(AttrArchive) << 0 << 0 << "Games/Sub/b.scn" << 0;
    QTest::newRow("parent") << "C:\\Games\\Sub"
                            << ".." << quint32(AttrDirectory) << denied << denied << "" << denied;
    QTest::newRow("missing folder") << "C:\\Nope"
                                    << "a.scn" << none << noPath << noPath << "" << noPath;
    QTest::newRow("a file for a folder") << "C:\\Games\\a.scn"
                                         << "x" << none << noPath << noPath << "" << noPath;
    QTest::newRow("no such drive") << "Q:\\"
                                   << "a.scn" << none << noPath << noPath << "" << noPath;
}

// The installation run finds its folders once and then works name by name; each answer must be
// the one the whole path gives.
void TestFileSystem::folderFoundOnceAnswersAsThePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(quint32, attributes);
    QFETCH(int, openError);
    QFETCH(int, createError);
    QFETCH(QString, createdAs);
    QFETCH(int, removeError);
    m_world->writeFile(QStringLiteral("prefix/drive_c/Games/a.scn"), "a");
    m_world->writeFile(QStringLiteral("prefix/drive_c/Games/Sub/b.scn"), "b");
    m_world->writeFile(QStringLiteral("prefix/drive_c/Games/.hidden"), "h");
    makeReadOnly(m_world->writeFile(QStringLiteral("prefix/drive_c/Games/locked.scn"), "l"));
    const WinFolder found(folder);
    const QString path = WinPath::join(folder, name);

    QCOMPARE(found.attributes(name).value_or(0), attributes);
    QCOMPARE(FileSystem::attributes(path).value_or(0), attributes);
    QCOMPARE(errorOf([&] { found.openRead(name); }), openError);
    QCOMPARE(errorOf([&] { WinFile::openRead(path); }), openError);
    QCOMPARE(errorOf([&] { found.create(name).write("new", 3); }), createError);
    if (!createdAs.isEmpty())
        QCOMPARE(contentsOf(m_world->driveC() + QLatin1Char('/') + createdAs), QByteArray("new"));
    QCOMPARE(errorOf([&] { found.removeFile(name); }), removeError);
}

void TestFileSystem::folderFoundOnceRenamesOverTheNameOnDisk()
{
    m_world->writeFile(QStringLiteral("prefix/drive_c/S/.copy.tmp"), "fresh");
    m_world->writeFile(QStringLiteral("prefix/drive_c/S/Target.SCN"), "stale");
    makeReadOnly(m_world->writeFile(QStringLiteral("prefix/drive_c/S/locked.scn"), "kept"));
    const WinFolder found(QStringLiteral("c:\\s"));
    QCOMPARE(errorOf([&] {
                 found.renameFile(QStringLiteral(".copy.tmp"), QStringLiteral("LOCKED.SCN"));
             }),
             5);
    found.renameFile(QStringLiteral(".COPY.TMP"), QStringLiteral("target.scn"));
    QStringList names = QDir(m_world->driveC() + QStringLiteral("/S")).entryList(QDir::Files);
    names.sort();
    QCOMPARE(names, (QStringList{"Target.SCN", "locked.scn"}));
    QCOMPARE(contentsOf(m_world->driveC() + QStringLiteral("/S/Target.SCN")), QByteArray("fresh"));
    QCOMPARE(contentsOf(m_world->driveC() + QStringLiteral("/S/locked.scn")), QByteArray("kept"));
    QCOMPARE(
        errorOf([&] { found.renameFile(QStringLiteral("gone.tmp"), QStringLiteral("x.scn")); }),
        FileNotFound);
}

void TestFileSystem::freeSpace_data()
{
    QTest::addColumn<int>("drive");
    QTest::addColumn<bool>("known");
    QTest::newRow("C") << 3 << true;
    QTest::newRow("current drive") << 0 << true;
    QTest::newRow("no medium") << 4 << false;
    QTest::newRow("no such drive") << 5 << false;
    QTest::newRow("beyond Z") << 27 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestFileSystem::freeSpace()
{
    QFETCH(int, drive);
    QFETCH(bool, known);
    m_world->addDrive(QLatin1Char('d'), m_world->root() + QStringLiteral("/no-disc"));
    const std::optional<qint64> free = FileSystem::freeSpace(drive);
    QCOMPARE(free.has_value(), known);
    if (known)
        QVERIFY(*free > 0);
}

void TestFileSystem::freeSpaceIs64Bit()
{
    struct statvfs info;
    QVERIFY(::statvfs(QFile::encodeName(m_world->driveC()).constData(), &info) == 0);
    const quint64 expected = quint64(info.f_bavail) * info.f_frsize;
    if (expected <= quint64(0xFFFFFFFF))
        QSKIP("The temporary folder's disk has less than 4 GB free");
    const std::optional<qint64> free = FileSystem::freeSpace(3);
    QVERIFY(free);
    // Another process may write meanwhile: the figure only has to be of the same size.
    QVERIFY(qAbs(*free - qint64(expected)) < qint64(1) << 30);
}

QTEST_GUILESS_MAIN(TestFileSystem)
#include "tst_filesystem.moc"
