#include "Errors.h"
#include "GameFolder.h"
#include "TestWorld.h"

#include <QDir>
#include <QTest>
#include <sys/statvfs.h>

namespace {

const char* const uninstallSection = "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninst"
                                     "all\\\\Age of Empires] 1796692437\n";

// The game's entry in the 32-bit view alone, whatever was there before.
QByteArray onlyEntry(const QString& value)
{
    QByteArray quoted = value.toUtf8();
    quoted.replace("\\", "\\\\").replace("\"", "\\\"");
    return QByteArray(uninstallSection).replace("Software\\\\", "Software\\\\Wow6432Node\\\\") +
           "\"UninstallString\"=\"" + quoted + "\"\n";
}

} // namespace

class GameFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderFromUninstallString_data();
    void folderFromUninstallString();
    void freeSpaceLine_data();
    void freeSpaceLine();
    void freeSpaceOfRealDrives_data();
    void freeSpaceOfRealDrives();
    void readFromRegistry_data();
    void readFromRegistry();
    void registryReadAfreshEachTime();
};

void GameFolderTest::folderFromUninstallString_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("folder");

    QTest::newRow("program in a folder") << R"(C:\Games\AoE\Uninstal.exe)"
                                         << R"(C:\Games\AoE)";
    QTest::newRow("program in a drive root keeps the backslash") << R"(C:\Uninstal.exe)"
                                                                 << R"(C:\)";
    QTest::newRow("drive-relative program") << "C:Uninstal.exe"
                                            << "C:";
    QTest::newRow("no folder at all") << "Uninstal.exe"
                                      << "";
    QTest::newRow("empty value") << ""
                                 << "";
    QTest::newRow("value ending in a backslash") << R"(C:\Games\AoE\)"
                                                 << R"(C:\Games\AoE)";
    QTest::newRow("double backslash keeps the second") << R"(\\server\share\Uninstal.exe)"
                                                       << R"(\\server\share)";
    QTest::newRow("share root") << R"(\\Uninstal.exe)"
                                << R"(\\)";
    QTest::newRow("leading backslash alone") << R"(\Uninstal.exe)"
                                             << R"(\)";
    QTest::newRow("dash inside a folder name is no switch") << R"(C:\my-files\Uninstal.exe)"
                                                            << R"(C:\my-files)";
    QTest::newRow("dash-f inside a folder name is no switch") << R"(C:\Games\AoE-full\Uninstal.exe)"
                                                              << R"(C:\Games\AoE-full)";
    QTest::newRow("quoted program") << R"("C:\Program Files\Age of Empires\Uninstal.exe")"
                                    << R"(C:\Program Files\Age of Empires)";
    QTest::newRow("quoted program with arguments")
        << R"("C:\Games\AoE\Uninstal.exe" /S /log=C:\Temp\x.log)"
        << R"(C:\Games\AoE)";
    QTest::newRow("quoted program in a root") << R"("C:\Uninstal.exe" /S)"
                                              << R"(C:\)";
    QTest::newRow("quoted program never closed") << R"("C:\Games\AoE\Uninstal.exe)"
                                                 << R"(C:\Games\AoE)";
    QTest::newRow("unquoted program with arguments")
        << R"(C:\Program Files\AoE\Uninstal.EXE /S C:\Temp\x.log)"
        << R"(C:\Program Files\AoE)";
    QTest::newRow("installer log, quoted")
        << R"(C:\WINDOWS\uninst.exe -f"C:\Program Files\Microsoft Games\Age of Empires\DeIsL1.isu")"
        << R"(C:\Program Files\Microsoft Games\Age of Empires)";
    QTest::newRow("installer log, unquoted")
        << R"(C:\WINDOWS\uninst.exe -fC:\Program Files\Microsoft Games\Age of Empires\DeIsL1.isu)"
        << R"(C:\Program Files\Microsoft Games\Age of Empires)";
    QTest::newRow("installer log wins over a quoted program")
        << R"("C:\WINDOWS\uninst.exe" -f"C:\Games\Age of Empires\DeIsL1.isu")"
        << R"(C:\Games\Age of Empires)";
    QTest::newRow("installer log followed by another switch")
        << R"(C:\WINDOWS\IsUninst.exe -fC:\Games\AoE\DeIsL1.isu -cC:\Games\AoE\Un.dll)"
        << R"(C:\Games\AoE)";
    QTest::newRow("installer log with a dash in its folder")
        << R"(C:\WINDOWS\uninst.exe -fC:\Games\Age - Empires\DeIsL1.isu)"
        << R"(C:\Games\Age - Empires)";
    QTest::newRow("installer log as the only argument") << R"(-f"D:\AoE\DeIsL1.isu")"
                                                        << R"(D:\AoE)";
    QTest::newRow("installer log in a root") << R"(uninst.exe -f"E:\DeIsL1.isu")"
                                             << R"(E:\)";
    QTest::newRow("installer log switch in upper case")
        << R"(C:\WINDOWS\uninst.exe -F"C:\Games\AoE\DeIsL1.isu")"
        << R"(C:\Games\AoE)";
    QTest::newRow("dash-f inside a quoted program is no switch")
        << R"("C:\My -files\Uninstal.exe" /S)"
        << R"(C:\My -files)";
    QTest::newRow("dash-f ending a quoted folder is no switch")
        << R"("C:\Games\AoE -f\Uninstal.exe")"
        << R"(C:\Games\AoE -f)";
    QTest::newRow("dash-f inside an unquoted program is no switch")
        << R"(C:\My -files\Uninstal.exe /S)"
        << R"(C:\My -files)";
    QTest::newRow("bare -f after a quoted program") << R"("C:\Program Files\AoE\Uninstal.exe" -f)"
                                                    << R"(C:\Program Files\AoE)";
    QTest::newRow("bare -F after a program") << R"(C:\Games\AoE\Uninstal.exe -F)"
                                             << R"(C:\Games\AoE)";
    QTest::newRow("switch that only starts with -f") << R"(C:\Games\AoE\Uninstal.exe -force)"
                                                     << R"(C:\Games\AoE)";
    QTest::newRow("blanks around the value") << "   C:\\Games\\AoE\\Uninstal.exe  "
                                             << R"(C:\Games\AoE)";
    QTest::newRow("blanks before a quoted program") << R"(  "C:\Games\AoE\Uninstal.exe" /S)"
                                                    << R"(C:\Games\AoE)";
}

void GameFolderTest::folderFromUninstallString()
{
    QFETCH(QString, value);
    QFETCH(QString, folder);
    QCOMPARE(GameFolder::fromUninstallString(value), folder);
}

void GameFolderTest::freeSpaceLine_data()
{
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<qint64>("freeBytes"); // -1: the query fails
    QTest::addColumn<int>("queriedDrive");
    QTest::addColumn<QString>("line"); // empty: "Range check error"

    QTest::newRow("drive C") << R"(C:\Games\AoE)" << qint64(512 * 1024) << 3
                             << "Free space on drive C - 512 kB";
    QTest::newRow("lower-case letter stays as stored, on drive c")
        << R"(c:\games)" << qint64(2048) << 3 << "Free space on drive c - 2 kB";
    QTest::newRow("part of a kilobyte is cut off")
        << "D:" << qint64(2047) << 4 << "Free space on drive D - 1 kB";
    QTest::newRow("failing query shows 0 kB")
        << R"(E:\)" << qint64(-1) << 5 << "Free space on drive E - 0 kB";
    QTest::newRow("drive with 2 GB and more") << R"(C:\)" << qint64(5) * 1024 * 1024 * 1024 * 1024
                                              << 3 << "Free space on drive C - 5368709120 kB";
    QTest::newRow("exactly 2 GB") << R"(Z:\)" << qint64(2) * 1024 * 1024 * 1024 << 26
                                  << "Free space on drive Z - 2097152 kB";
    QTest::newRow("at sign is the current drive")
        << R"(@\x)" << qint64(1024) << 0 << "Free space on drive @ - 1 kB";
    QTest::newRow("UNC path names drive 28")
        << R"(\\server\share)" << qint64(-1) << 28 << "Free space on drive \\ - 0 kB";
    QTest::newRow("empty folder") << "" << qint64(0) << -1 << "";
    QTest::newRow("quotation mark") << R"("C:\Games)" << qint64(0) << -1 << "";
    QTest::newRow("digit") << R"(1:\Games)" << qint64(0) << -1 << "";
    QTest::newRow("unspellable first character")
        << QString::fromUtf8("Ω:\\") << qint64(0) << -1 << "";
}

void GameFolderTest::freeSpaceLine()
{
    QFETCH(QString, gameFolder);
    QFETCH(qint64, freeBytes);
    QFETCH(int, queriedDrive);
    QFETCH(QString, line);

    int asked = -1;
    const GameFolder::FreeSpaceQuery query = [&](int drive) -> std::optional<qint64> {
        asked = drive;
        if (freeBytes < 0)
            return std::nullopt;
        return freeBytes;
    };
    if (line.isEmpty()) {
        try {
            GameFolder::freeSpaceLine(gameFolder, query);
            QFAIL("no error for a folder that names no drive");
        } catch (const Exception& error) {
            QCOMPARE(error.message(), QStringLiteral("Range check error"));
        }
        QCOMPARE(asked, -1);
        return;
    }
    QCOMPARE(GameFolder::freeSpaceLine(gameFolder, query), line);
    QCOMPARE(asked, queriedDrive);
}

// The line through the prefix's real drives: a drive's figure is what statvfs gives its folder.
void GameFolderTest::freeSpaceOfRealDrives_data()
{
    QTest::addColumn<QString>("gameFolder");
    QTest::addColumn<bool>("hasFigure");

    QTest::newRow("drive C of the prefix") << R"(C:\Games\AoE)" << true;
    QTest::newRow("lower-case drive letter") << R"(c:\games\aoe)" << true;
    QTest::newRow("drive without medium") << R"(M:\Games)" << false;
    QTest::newRow("drive the prefix lacks") << R"(Q:\Games)" << false;
}

void GameFolderTest::freeSpaceOfRealDrives()
{
    QFETCH(QString, gameFolder);
    QFETCH(bool, hasFigure);

    TestWorld world;
    world.addDrive(QLatin1Char('m'), world.root() + QStringLiteral("/no-such-medium"));
    const QString line = GameFolder::freeSpaceLine(gameFolder);
    const QString prefix = QStringLiteral("Free space on drive %1 - ").arg(gameFolder.front());
    QVERIFY2(line.startsWith(prefix) && line.endsWith(QLatin1String(" kB")), qPrintable(line));
    bool isNumber = false;
    const qint64 kilobytes =
        line.mid(prefix.size(), line.size() - prefix.size() - 3).toLongLong(&isNumber);
    QVERIFY(isNumber);
    if (!hasFigure) {
        QCOMPARE(kilobytes, 0);
        return;
    }
    struct statvfs figures
    {
    };
    QCOMPARE(statvfs(QFile::encodeName(world.driveC()).constData(), &figures), 0);
    const qint64 expected = qint64(figures.f_bavail) * qint64(figures.f_frsize) / 1024;
    // Other programs write to the same disk meanwhile.
    QVERIFY2(qAbs(kilobytes - expected) < 64 * 1024, qPrintable(line));
    QVERIFY(kilobytes > 0);
}

void GameFolderTest::readFromRegistry_data()
{
    QTest::addColumn<bool>("win64");
    QTest::addColumn<QByteArray>("systemReg");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("error");

    const QByteArray key(uninstallSection);
    const QByteArray wowKey =
        QByteArray(uninstallSection).replace("Software\\\\", "Software\\\\Wow6432Node\\\\");

    QTest::newRow("no entry") << true << QByteArray() << ""
                              << "";
    QTest::newRow("key without the value") << true << key + "\"DisplayName\"=\"Age of Empires\"\n"
                                           << ""
                                           << "";
    QTest::newRow("plain string")
        << false << key + "\"UninstallString\"=\"C:\\\\Games\\\\AoE\\\\Uninstal.exe\"\n"
        << R"(C:\Games\AoE)"
        << "";
    QTest::newRow("expandable string taken as stored")
        << false << key + "\"UninstallString\"=str(2):\"%ProgramFiles%\\\\AoE\\\\Uninstal.exe\"\n"
        << R"(%ProgramFiles%\AoE)"
        << "";
    QTest::newRow("value name in other letter case")
        << false << key + "\"uninstallstring\"=\"D:\\\\AoE\\\\Uninstal.exe\"\n"
        << R"(D:\AoE)"
        << "";
    QTest::newRow("32-bit view of a 64-bit prefix")
        << true << wowKey + "\"UninstallString\"=\"C:\\\\Wow\\\\Uninstal.exe\"\n"
        << R"(C:\Wow)"
        << "";
    QTest::newRow("32-bit view first, plain key second")
        << true
        << key + "\"UninstallString\"=\"C:\\\\Plain\\\\Uninstal.exe\"\n\n" + wowKey +
               "\"UninstallString\"=\"C:\\\\Wow\\\\Uninstal.exe\"\n"
        << R"(C:\Wow)"
        << "";
    QTest::newRow("plain key in a 64-bit prefix")
        << true << key + "\"UninstallString\"=\"C:\\\\Plain\\\\Uninstal.exe\"\n"
        << R"(C:\Plain)"
        << "";
    QTest::newRow("number value") << false << key + "\"UninstallString\"=dword:00000001\n"
                                  << ""
                                  << "Invalid data type for 'UninstallString'";
    QTest::newRow("binary value") << false << key + "\"UninstallString\"=hex:43,3a,5c\n"
                                  << ""
                                  << "Invalid data type for 'UninstallString'";
}

void GameFolderTest::readFromRegistry()
{
    QFETCH(bool, win64);
    QFETCH(QByteArray, systemReg);
    QFETCH(QString, folder);
    QFETCH(QString, error);

    TestWorld world(win64);
    world.writeSystemReg(systemReg);
    try {
        QCOMPARE(GameFolder::readGameFolder(), folder);
        QVERIFY2(error.isEmpty(), "the read did not fail");
    } catch (const Exception& failure) {
        QCOMPARE(failure.message(), error);
    }
}

void GameFolderTest::registryReadAfreshEachTime()
{
    TestWorld world;
    QCOMPARE(GameFolder::readGameFolder(), QString());
    world.writeSystemReg(onlyEntry(R"(C:\Games\AoE\Uninstal.exe)"));
    QCOMPARE(GameFolder::readGameFolder(), QStringLiteral(R"(C:\Games\AoE)"));
    world.writeSystemReg(onlyEntry(R"("D:\Other\Uninstal.exe" /S)"));
    QCOMPARE(GameFolder::readGameFolder(), QStringLiteral(R"(D:\Other)"));
}

QTEST_GUILESS_MAIN(GameFolderTest)
#include "tst_app_game_folder.moc"
