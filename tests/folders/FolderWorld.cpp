#include "FolderWorld.h"

#include <QDir>

const QStringList FolderWorld::gameSubfolders = {
    QStringLiteral("alpha"),  QStringLiteral("AoE"),  QStringLiteral("beta"),
    QStringLiteral("Beta"),   QStringLiteral("coop"), QStringLiteral("co-op"),
    QStringLiteral("Éclair"), QStringLiteral("Ezra"), QStringLiteral("Zeta")};

const QStringList FolderWorld::gameSubfoldersOnDisk = {
    QStringLiteral("alpha"), QStringLiteral("AoE"),   QStringLiteral("Beta"),
    QStringLiteral("beta"),  QStringLiteral("co-op"), QStringLiteral("coop"),
    QStringLiteral("Ezra"),  QStringLiteral("Zeta"),  QStringLiteral("Éclair")};

FolderWorld::FolderWorld()
{
    world.writeSystemReg(
        "[Software\\\\Classes\\\\CLSID\\\\{00021400-0000-0000-C000-000000000046}] 1\n"
        "@=\"Desktop\"\n\n"
        "[Software\\\\Classes\\\\CLSID\\\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}] 1\n"
        "@=\"My Computer\"\n\n"
        "[Software\\\\Classes\\\\CLSID\\\\{645FF040-5081-101B-9F08-00AA002F954E}] 1\n"
        "@=\"Trash\"\n\n"
        "[Software\\\\Wine\\\\Drives] 1\n"
        "\"a:\"=\"floppy\"\n"
        "\"d:\"=\"cdrom\"\n\n");
    world.writeUserReg(
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
        "\"Desktop\"=\"c:\\\\users\\\\me\\\\Desktop\"\n\n");

    world.addDrive(u'a', world.makeFolder(QStringLiteral("floppy")));
    world.makeFolder(QStringLiteral("floppy/Secret"));
    world.writeFile(QStringLiteral("floppy/.windows-label"), "FLOPPY\n");
    world.addDrive(u'd', world.root() + QStringLiteral("/no-disc"));

    const QString c = QDir(world.root()).relativeFilePath(world.driveC());
    world.writeFile(c + QStringLiteral("/.windows-label"), "SYSTEM\n");
    for (const QString& name : gameSubfolders)
        world.makeFolder(c + QStringLiteral("/Games/") + name);
    world.makeFolder(c + QStringLiteral("/Games/.hidden"));
    world.makeFolder(c + QStringLiteral("/Games/AoE/SCENARIO"));
    world.writeFile(c + QStringLiteral("/Games/readme.txt"), "not a folder");
    world.makeFolder(c + QStringLiteral("/.config/deep"));
    world.makeFolder(c + QStringLiteral("/users/me/Desktop/Ezra/inside/deeper/deepest"));
    world.makeFolder(c + QStringLiteral("/users/me/Desktop/Éclair"));
    world.makeFolder(c + QStringLiteral("/users/me/Desktop/.trash"));
}

QString FolderWorld::onC(const QString& relative) const
{
    return world.driveC() + u'/' + relative;
}

QString FolderWorld::floppy() const
{
    return world.root() + QStringLiteral("/floppy");
}
