#include "FolderWorld.h"

#include "Registry.h"

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
    world.addShellNames();
    world.setSystemString("Software\\Wine\\Drives", "a:", "floppy");
    world.setSystemString("Software\\Wine\\Drives", "d:", "cdrom");
    world.setUserString(ShellKeys::shellFolders, "Desktop", "c:\\users\\me\\Desktop");

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
