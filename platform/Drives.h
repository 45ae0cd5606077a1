#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <optional>

enum class DriveType
{
    Removable,
    Fixed,
    CdRom,
    Remote,
    RamDisk,
    Unknown
};

// The prefix's drives (each dosdevices link "x:"), in letter order; the bare machine has Z: = /.
namespace Drives {
QList<QChar> letters(); // upper case
DriveType type(QChar letter);
// The volume label; nullopt when the drive has no medium or the label cannot be read.
std::optional<QString> label(QChar letter);
// True when the drive's folder exists and can be listed (it has a medium).
bool hasMedium(QChar letter);
// The host folder the drive stands for (its link resolved, possibly missing); nullopt when there
// is no such drive.
std::optional<QString> folder(QChar letter);

// What a mountinfo text (/proc/self/mountinfo) says is mounted on folder: the file system type
// and its source, the one mounted last when several are; nullopt when nothing is.
struct MountedFileSystem
{
    QString type;
    QString source;
};
std::optional<MountedFileSystem> mountedOn(const QByteArray& mountInfo, const QString& folder);
} // namespace Drives
