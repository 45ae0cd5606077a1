#include "Drives.h"

#include "Hex.h"
#include "HostName.h"
#include "NameCase.h"
#include "Registry.h"
#include "SafeRead.h"
#include "WinPath.h"
#include "WinePrefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>

namespace {

// A label is a line of a few words: nothing past this is part of it.
constexpr qint64 largestLabelFile = 4096;

QString dosdevices()
{
    return WinePrefix::path() + QStringLiteral("/dosdevices");
}

// The folder behind dosdevices/x:, read with one readlink: the run asks for it several times
// per file, so it must cost little more than a system call. Wine writes the letter in lower
// case, a hand-made link may not. nullopt when there is no such entry.
std::optional<QString> driveEntryTarget(QChar letter)
{
    QString devices = dosdevices();
    if (!devices.startsWith(QLatin1Char('/')))
        devices = HostName::currentFolder() + QLatin1Char('/') + devices;
    for (QChar spelling : {letter.toLower(), letter.toUpper()}) {
        const QString link = devices + QLatin1Char('/') + spelling + QLatin1Char(':');
        std::array<char, 4096> buffer;
        const ssize_t length =
            ::readlink(HostName::encode(link).constData(), buffer.data(), buffer.size());
        if (length > 0 && size_t(length) < buffer.size()) {
            QString target = HostName::decode(QByteArrayView(buffer.data(), length));
            if (!target.startsWith(QLatin1Char('/')))
                target = devices + QLatin1Char('/') + target;
            return QDir::cleanPath(target);
        }
        if (length < 0 && errno == EINVAL)
            return QDir::cleanPath(link); // a real folder named "x:" serves as well
    }
    return std::nullopt;
}

// "\040" and the like, as the kernel escapes blanks and backslashes in mountinfo.
QByteArray unescapeMountField(const QByteArray& field)
{
    QByteArray text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '7') {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                text.append(char(code));
                i += 3;
                continue;
            }
        }
        text.append(field[i]);
    }
    return text;
}

// What is mounted on folder now, if anything.
std::optional<Drives::MountedFileSystem> mountOn(const QString& folder)
{
    return Drives::mountedOn(Drives::mountInfo(), folder);
}

// The drive's folder with every link resolved, as mountinfo names mount points.
QString canonicalFolder(QChar letter)
{
    const std::optional<QString> folder = Drives::folder(letter);
    return folder ? HostName::canonicalPath(*folder) : QString();
}

std::optional<QString> mountedLabel(const QString& folder)
{
    const std::optional<Drives::MountedFileSystem> mount = mountOn(folder);
    if (!mount)
        return std::nullopt;
    return Drives::deviceLabel(mount->source);
}

std::optional<DriveType> typeFromRegistry(QChar letter)
{
    const std::optional<RegistryKey> key =
        RegistryKey::open(RegistryRoot::LocalMachine, QStringLiteral("Software\\Wine\\Drives"));
    if (!key)
        return std::nullopt;
    const std::optional<RegistryValue> value =
        key->value(QString(letter.toLower()) + QLatin1Char(':'));
    if (!value || (value->type != RegString && value->type != RegExpandString))
        return std::nullopt;
    const QString text = value->text.trimmed().toLower();
    if (text == QLatin1String("floppy"))
        return DriveType::Removable;
    if (text == QLatin1String("cdrom"))
        return DriveType::CdRom;
    if (text == QLatin1String("hd"))
        return DriveType::Fixed;
    if (text == QLatin1String("network"))
        return DriveType::Remote;
    if (text == QLatin1String("ramdisk"))
        return DriveType::RamDisk;
    return std::nullopt;
}

} // namespace

namespace Drives {

bool MountedFileSystem::mayKeepWaiting() const
{
    static const QSet<QString> waiting{
        QStringLiteral("autofs"),     QStringLiteral("nfs"),         QStringLiteral("nfs4"),
        QStringLiteral("cifs"),       QStringLiteral("smb3"),        QStringLiteral("smbfs"),
        QStringLiteral("afs"),        QStringLiteral("ceph"),        QStringLiteral("9p"),
        QStringLiteral("fuse.sshfs"), QStringLiteral("fuse.rclone"), QStringLiteral("davfs")};
    return waiting.contains(type);
}

QList<Mount> mounts(const QByteArray& mountInfo)
{
    QList<Mount> found;
    for (const QByteArray& line : mountInfo.split('\n')) {
        // id parent major:minor root mountpoint options [optional...] - fstype source superoptions
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (separator < 6 || separator + 2 >= fields.size())
            continue;
        found.append({HostName::decode(unescapeMountField(fields[4])),
                      {QString::fromLatin1(fields[separator + 1]),
                       HostName::decode(unescapeMountField(fields[separator + 2]))}});
    }
    return found;
}

std::optional<MountedFileSystem> mountedOn(const QByteArray& mountInfo, const QString& folder)
{
    std::optional<MountedFileSystem> found;
    for (const Mount& mount : mounts(mountInfo)) {
        if (mount.folder == folder)
            found = mount.fileSystem;
    }
    return found;
}

QByteArray mountInfo()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::optional<QString> deviceLabel(const QString& source)
{
    if (!source.startsWith(QLatin1Char('/')))
        return std::nullopt;
    const QString device = QFileInfo(source).canonicalFilePath();
    if (device.isEmpty())
        return std::nullopt;
    const QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    const QFileInfoList links =
        byLabel.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& link : links) {
        if (link.canonicalFilePath() == device)
            return decodeLabelName(link.fileName());
    }
    return std::nullopt;
}

QString decodeLabelName(const QString& name)
{
    // udev writes a byte it does not keep as "\x" and two lower-case hex digits, and keeps valid
    // UTF-8 as it is, so the escapes are undone on the bytes, which then read as UTF-8. A label
    // that is not UTF-8 (a FAT label in an 8-bit code page) reads as Latin-1 rather than as
    // replacement characters. A backslash that starts no such escape stays as written.
    const QByteArray escaped = name.toUtf8();
    QByteArray bytes;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\' && i + 3 < escaped.size() && escaped[i + 1] == 'x') {
            const int high = hexDigitValue(escaped[i + 2]);
            const int low = hexDigitValue(escaped[i + 3]);
            if (high >= 0 && low >= 0) {
                bytes.append(char(high * 16 + low));
                i += 3;
                continue;
            }
        }
        bytes.append(escaped[i]);
    }
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QList<QChar> letters()
{
    if (WinePrefix::isBareMachine())
        return {QLatin1Char('Z')};
    QList<QChar> found;
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(
        ::opendir(HostName::encode(dosdevices()).constData()), &::closedir);
    if (!folder)
        return found;
    while (const dirent* entry = ::readdir(folder.get())) {
        // "x:" is a drive; "x::" is the raw device behind it and no drive of its own.
        const QString name = HostName::decode(entry->d_name);
        if (name.size() == 2 && WinPath::startsWithDrive(name) &&
            !found.contains(AsciiCase::upper(name[0])))
            found.append(AsciiCase::upper(name[0]));
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool isFloppyLetter(QChar letter)
{
    const QChar upper = AsciiCase::upper(letter);
    return upper == u'A' || upper == u'B';
}

std::optional<QString> folder(QChar letter)
{
    if (!WinPath::isDriveLetter(letter))
        return std::nullopt;
    if (WinePrefix::isBareMachine()) {
        if (AsciiCase::upper(letter) == QLatin1Char('Z'))
            return QStringLiteral("/");
        return std::nullopt;
    }
    return driveEntryTarget(letter);
}

bool hasMedium(QChar letter)
{
    const std::optional<QString> path = folder(letter);
    if (!path)
        return false;
    DIR* listing = ::opendir(HostName::encode(*path).constData());
    if (listing == nullptr)
        return false;
    ::closedir(listing);
    return true;
}

DriveType type(QChar letter)
{
    if (!folder(letter))
        return DriveType::Unknown;
    if (const std::optional<DriveType> configured = typeFromRegistry(letter))
        return *configured;
    // Floppy drives are never touched to find out what they are: that would spin them.
    if (isFloppyLetter(letter))
        return DriveType::Removable;
    const QString canonical = canonicalFolder(letter);
    if (!canonical.isEmpty()) {
        const std::optional<Drives::MountedFileSystem> mount = mountOn(canonical);
        if (mount &&
            (mount->type == QLatin1String("iso9660") || mount->type == QLatin1String("udf")))
            return DriveType::CdRom;
    }
    return DriveType::Fixed;
}

std::optional<QString> label(QChar letter)
{
    if (!hasMedium(letter))
        return std::nullopt;
    const QString path = *folder(letter);
    // A label is one short line; the file may be anything a medium holds, a pipe or a link to
    // a device among them.
    if (const std::optional<QByteArray> text =
            SafeRead::head(path + QStringLiteral("/.windows-label"), largestLabelFile)) {
        QByteArray firstLine = text->left(text->indexOf('\n'));
        while (firstLine.endsWith('\r'))
            firstLine.chop(1);
        return QString::fromUtf8(firstLine);
    }
    if (const std::optional<QString> mounted = mountedLabel(HostName::canonicalPath(path)))
        return mounted;
    return QString();
}

} // namespace Drives
