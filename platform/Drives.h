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
// A and B, the floppy drives: asking one anything that touches the disk would spin it up.
bool isFloppyLetter(QChar letter);
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
    // Reached over the network, or mounted only when first touched: looking into it may wait
    // long for a server that is gone or for the mount itself.
    bool mayKeepWaiting() const;
};
std::optional<MountedFileSystem> mountedOn(const QByteArray& mountInfo, const QString& folder);

struct Mount
{
    QString folder; // the mount point
    MountedFileSystem fileSystem;
};
// Every mount a mountinfo text lists, in its order.
QList<Mount> mounts(const QByteArray& mountInfo);
// The mount table of this process (/proc/self/mountinfo); empty when it cannot be read.
QByteArray mountInfo();
// The label of the file system a mount source (a device) holds, by its /dev/disk/by-label name;
// nullopt when unknown.
std::optional<QString> deviceLabel(const QString& source);
// A label as udev names its link in /dev/disk/by-label: "\x20" for a blank and the like.
QString decodeLabelName(const QString& name);
} // namespace Drives
