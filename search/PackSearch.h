#pragma once

#include "Lookout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Where the scenario pack is when the program was not started in its folder: its own folder (a
// copy run from the medium), mounted media, and the folders of the prefix's CD-ROM drives.
// No widgets here.
namespace PackSearch {

// Whether the folder holds at least one of the pack's scenario folders, in any letter case.
bool isPack(const QString& folder);

// What the search looks at.
struct Where
{
    QString executableFolder;
    QByteArray mountInfo; // as /proc/self/mountinfo gives it
    QString user;         // whose media folders under /run/media and /media count
    QStringList cdRomFolders;

    // This process's: its executable, its mount table, its user, the chosen prefix's drives.
    static Where fromMachine(Lookout& lookout);
};

struct Place
{
    QString folder;
    QString label; // the volume label or the drive, when known
};

// The pack folders found, each once, in the order they are looked at. A place that does not
// answer within the lookout's time is passed over.
QList<Place> places(const Where& where, Lookout& lookout);

} // namespace PackSearch
