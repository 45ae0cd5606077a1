#pragma once

#include "TestWorld.h"

#include <QString>
#include <QStringList>

// A machine for the folder tree: drive A (a floppy whose folder holds a disk's files), C (label
// SYSTEM, the games and the user's desktop), D (a CD-ROM drive without a disc) and the shell's
// display names, with the desktop folder written in lower case as a user may have typed it.
class FolderWorld
{
public:
    FolderWorld();

    TestWorld world;

    // The host path of a path under drive C ("Games/AoE").
    QString onC(const QString& relative) const;
    QString floppy() const;

    static const QStringList gameSubfolders;       // the subfolders of C:\Games, in sort order
    static const QStringList gameSubfoldersOnDisk; // the same, in the order the disk lists them
};
