#include "FileSystem.h"

#include "Descriptor.h"
#include "Drives.h"
#include "Errors.h"
#include "FolderListings.h"
#include "HostName.h"
#include "NameCase.h"
#include "WinPath.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

// An entry as the *at calls take it: a name in an open folder, or a whole host path.
struct FileSystem::detail::AtName
{
    int folder = AT_FDCWD;
    QByteArray path;
    QString fileName; // the last part as the disk spells it: a dot there hides the entry
};

namespace {

using FileSystem::detail::AtName;

QByteArray encoded(const QString& hostPath)
{
    return HostName::encode(hostPath);
}

[[noreturn]] void throwErrno(int errnoValue)
{
    throw EInOutError(win32ErrorFromErrno(errnoValue));
}

bool statFollowing(const QString& hostPath, struct stat& info)
{
    return ::stat(encoded(hostPath).constData(), &info) == 0;
}

QString hostFileName(const QString& hostPath)
{
    return hostPath.mid(hostPath.lastIndexOf(QLatin1Char('/')) + 1);
}

AtName atHostPath(const QString& hostPath)
{
    return {AT_FDCWD, encoded(hostPath), hostFileName(hostPath)};
}

bool statAt(const AtName& entry, struct stat& info, int flags = 0)
{
    return ::fstatat(entry.folder, entry.path.constData(), &info, flags) == 0;
}

bool hasNoWriteBit(const struct stat& info)
{
    // The mode decides, as Wine decides, also for root, who could write anyway.
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

FileIdentity identityOf(const struct stat& info)
{
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

qint64 nanoseconds(const struct timespec& time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

quint32 attributesOf(const struct stat& info, bool hiddenName)
{
    quint32 attributes = 0;
    if (S_ISDIR(info.st_mode))
        attributes |= AttrDirectory;
    else if (S_ISREG(info.st_mode))
        attributes |= AttrArchive;
    else
        attributes |= AttrSystem; // devices, pipes and sockets are nothing a user should copy
    if (hiddenName)
        attributes |= AttrHidden;
    if (hasNoWriteBit(info))
        attributes |= AttrReadOnly;
    return attributes;
}

bool isHiddenName(const QString& name)
{
    return name.startsWith(QLatin1Char('.'));
}

// The entries of a folder (path, relative to the open folder `in`) whose names match mask, in the
// listing order. Each entry is looked at through the open folder, not along its whole path again.
QList<DirEntry> listAt(int in, const QByteArray& path, const QString& mask, ListFilter filter)
{
    struct Listed
    {
        QString upperName; // computed once: a large folder sorts many times more than it reads
        DirEntry entry;
    };
    std::vector<Listed> listed;
    const int descriptor = ::openat(in, path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return {};
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::fdopendir(descriptor), &::closedir);
    if (!listing) {
        ::close(descriptor);
        return {};
    }
    while (const dirent* item = ::readdir(listing.get())) {
        const QString name = HostName::decode(item->d_name);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (!FileSystem::matchesWildcard(mask, name))
            continue;
        struct stat info;
        if (::fstatat(::dirfd(listing.get()), item->d_name, &info, 0) != 0)
            continue; // a link that points nowhere
        DirEntry entry;
        entry.name = name;
        entry.attributes = attributesOf(info, isHiddenName(name));
        entry.size = S_ISDIR(info.st_mode) ? 0 : qint64(info.st_size);
        entry.identity = identityOf(info);
        if (filter == ListFilter::Folders) {
            const quint32 unwanted = AttrHidden | AttrSystem | AttrVolumeLabel;
            if (!(entry.attributes & AttrDirectory) || (entry.attributes & unwanted))
                continue;
        }
        listed.push_back({NameCase::upper(name), entry});
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        return NameCase::orderedBefore(a.upperName, a.entry.name, b.upperName, b.entry.name);
    });
    QList<DirEntry> entries;
    entries.reserve(qsizetype(listed.size()));
    for (Listed& item : listed)
        entries.append(std::move(item.entry));
    return entries;
}

// The file a write over it may not replace: a folder, a read-only, hidden or system file.
bool isProtected(const struct stat& info, const QString& fileName)
{
    return S_ISDIR(info.st_mode) || !S_ISREG(info.st_mode) || hasNoWriteBit(info) ||
           isHiddenName(fileName);
}

std::optional<quint32> attributesAt(const AtName& entry, bool isRoot)
{
    struct stat info;
    if (!statAt(entry, info))
        return std::nullopt;
    return attributesOf(info, !isRoot && isHiddenName(entry.fileName));
}

void removeAt(const AtName& entry)
{
    struct stat info;
    if (!statAt(entry, info, AT_SYMLINK_NOFOLLOW))
        throwErrno(errno);
    if (S_ISDIR(info.st_mode) || (S_ISREG(info.st_mode) && hasNoWriteBit(info)))
        throw EInOutError(Win32Error::AccessDenied);
    if (::unlinkat(entry.folder, entry.path.constData(), 0) != 0)
        throwErrno(errno);
}

// The destination is found only once the source is known to exist, so that a missing source
// reports itself first.
template <typename FindDestination>
void renameAt(const AtName& source, FindDestination findDestination)
{
    struct stat info;
    if (!statAt(source, info, AT_SYMLINK_NOFOLLOW))
        throwErrno(errno);
    // The destination is looked up without regard to case, so a file replaced keeps its name.
    const AtName destination = findDestination();
    struct stat existing;
    if (statAt(destination, existing) && (S_ISDIR(existing.st_mode) || hasNoWriteBit(existing)))
        throw EInOutError(Win32Error::AccessDenied);
    if (::renameat(source.folder, source.path.constData(), destination.folder,
                   destination.path.constData()) != 0)
        throwErrno(errno);
}

FileSystem::WriteCalls* standIn = nullptr; // a test's; never set in the program

ssize_t writeCall(int descriptor, const char* buffer, size_t count)
{
    return standIn ? standIn->write(descriptor, buffer, qint64(count))
                   : ::write(descriptor, buffer, count);
}

int renameNoReplaceCall(int fromFolder, const char* from, int toFolder, const char* to)
{
    return standIn ? standIn->renameNoReplace(fromFolder, from, toFolder, to)
                   : ::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE);
}

// What a failed attempt to take a free name says: true when an entry holds the name, false when
// the file system lacks the call (one of lacking), and the caller tries another way; any other
// failure is thrown.
bool nameTaken(int error, std::initializer_list<int> lacking)
{
    if (error == EEXIST)
        return true;
    if (std::find(lacking.begin(), lacking.end(), error) == lacking.end())
        throwErrno(error);
    return false;
}

// Moves source to destination unless an entry is there. The kernel checks and renames in one
// step, so a file that another program saves there at any moment is never replaced.
bool moveToFreeName(const AtName& source, const AtName& destination)
{
    const char* from = source.path.constData();
    const char* to = destination.path.constData();
    if (renameNoReplaceCall(source.folder, from, destination.folder, to) == 0)
        return true;
    if (nameTaken(errno, {EINVAL, ENOSYS, EOPNOTSUPP}))
        return false;
    // File systems without that rename (NFS, some FUSE ones) still make a hard link only where
    // nothing is.
    if (::linkat(source.folder, from, destination.folder, to, 0) == 0) {
        ::unlinkat(source.folder, from, 0); // the file is in place; a failure leaves a hidden name
        return true;
    }
    if (nameTaken(errno, {EPERM, EOPNOTSUPP, ENOSYS}))
        return false;
    // Nor hard links: the name is checked just before the rename, the least gap left there.
    struct stat info;
    if (statAt(destination, info, AT_SYMLINK_NOFOLLOW))
        return false;
    if (::renameat(source.folder, from, destination.folder, to) != 0)
        throwErrno(errno);
    return true;
}

// The folder at path (relative to the open folder `in`) held open, links followed; null when
// it cannot be opened. O_PATH asks no more leave than the path did: to search, not to read.
std::shared_ptr<const Descriptor> openFolder(int in, const QByteArray& path)
{
    auto folder = std::make_shared<const Descriptor>(
        ::openat(in, path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return *folder ? folder : nullptr;
}

// A name this folder can hold as it is; anything else takes the long way, with all that a path
// may hold.
bool isSingleHostName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('/')) &&
           !name.contains(QChar(0));
}

// A single name in the open folder: exactly, else without regard to case.
AtName inFolder(int folder, const QString& name)
{
    const AtName exact{folder, encoded(name), name};
    struct stat info;
    if (statAt(exact, info, AT_SYMLINK_NOFOLLOW))
        return exact;
    const std::optional<QString> onDisk = FolderListings::findIgnoringCaseIn(folder, name, false);
    if (!onDisk)
        return exact; // not there yet: a file about to be created keeps this spelling
    return {folder, encoded(*onDisk), *onDisk};
}

} // namespace

namespace FileSystem {

bool matchesWildcard(const QString& mask, const QString& name)
{
    const QString pattern = NameCase::upper(mask);
    const QString text = NameCase::upper(name);
    const bool nameHasDot = text.contains(QLatin1Char('.'));
    const qsizetype length = text.size();
    // matchesFrom[j]: the rest of the pattern after position i matches text from j on. Filled
    // from the end of the pattern backwards, so "*" costs no backtracking.
    std::vector<char> next(size_t(length) + 1, 0);
    std::vector<char> current(size_t(length) + 1, 0);
    next[size_t(length)] = 1;
    for (qsizetype i = pattern.size() - 1; i >= 0; --i) {
        const QChar c = pattern[i];
        for (qsizetype j = length; j >= 0; --j) {
            const size_t at = size_t(j);
            const bool more = j < length;
            bool matches = false;
            if (c == QLatin1Char('*')) {
                matches = next[at] || (more && current[at + 1]);
            } else if (c == QLatin1Char('?')) {
                // "?" stands for one character, or for none where the name's part has ended,
                // so that "*.sc?" finds "a.sc" and "????.txt" finds "ab.txt".
                const bool partEnds = !more || text[j] == QLatin1Char('.');
                matches = (more && next[at + 1]) || (partEnds && next[at]);
            } else if (c == QLatin1Char('.')) {
                // A name without a dot has an empty extension: "*.*" and "a.*" find "a".
                matches = (more && text[j] == QLatin1Char('.') && next[at + 1]) ||
                          (!more && !nameHasDot && next[at]);
            } else {
                matches = more && text[j] == c && next[at + 1];
            }
            current[at] = matches;
        }
        std::swap(current, next);
    }
    return next[0];
}

bool listsBefore(const QString& a, const QString& b)
{
    return NameCase::orderedBefore(NameCase::upper(a), a, NameCase::upper(b), b);
}

QList<DirEntry> list(const QString& pattern, ListFilter filter)
{
    qsizetype split = pattern.lastIndexOf(QLatin1Char('\\'));
    if (split < 0 && WinPath::startsWithDrive(pattern))
        split = 1;
    const QString folderPart = pattern.left(split + 1);
    const QString mask = pattern.mid(split + 1);
    if (mask.isEmpty())
        return {};
    const WinPath::HostPath folder =
        WinPath::toHost(folderPart.isEmpty() ? QStringLiteral(".") : folderPart);
    if (!folder)
        return {};
    return listAt(AT_FDCWD, encoded(*folder), mask, filter);
}

bool folderExists(const QString& path)
{
    const WinPath::HostPath host = WinPath::toHost(path);
    struct stat info;
    return host && statFollowing(*host, info) && S_ISDIR(info.st_mode);
}

bool fileExists(const QString& path)
{
    const WinPath::HostPath host = WinPath::toHost(path);
    struct stat info;
    return host && statFollowing(*host, info) && !S_ISDIR(info.st_mode);
}

bool createFolder(const QString& path)
{
    if (!WinPath::makesValidName(path))
        return false;
    const WinPath::HostPath host = WinPath::toHost(path);
    return host && ::mkdir(encoded(*host).constData(), 0777) == 0;
}

std::optional<quint32> attributes(const QString& path)
{
    const WinPath::HostPath host = WinPath::toHost(path);
    if (!host)
        return std::nullopt;
    // A drive's root is never hidden, whatever its folder on the host is called.
    QString windowsPath = path;
    while (windowsPath.endsWith(QLatin1Char('\\')))
        windowsPath.chop(1);
    return attributesAt(atHostPath(*host), WinPath::fileName(windowsPath).isEmpty());
}

void removeFile(const QString& path)
{
    removeAt(atHostPath(WinPath::toHost(path).orThrow()));
}

void renameFile(const QString& from, const QString& to)
{
    renameAt(atHostPath(WinPath::toHost(from).orThrow()),
             [&to] { return atHostPath(WinPath::toHost(to).orThrow()); });
}

std::optional<FileIdentity> identity(const QString& path)
{
    const WinPath::HostPath host = WinPath::toHost(path);
    struct stat info;
    if (!host || !statFollowing(*host, info))
        return std::nullopt;
    return identityOf(info);
}

std::optional<qint64> freeSpace(int driveNumber)
{
    QString folder;
    if (driveNumber == 0) {
        folder = QStringLiteral(".");
    } else if (driveNumber >= 1 && driveNumber <= 26) {
        const std::optional<QString> driveFolder = Drives::folder(QChar(u'A' + driveNumber - 1));
        if (!driveFolder)
            return std::nullopt;
        folder = *driveFolder;
    } else {
        return std::nullopt;
    }
    struct statvfs info;
    if (::statvfs(encoded(folder).constData(), &info) != 0)
        return std::nullopt;
    const quint64 blockSize = info.f_frsize != 0 ? info.f_frsize : info.f_bsize;
    const quint64 maximum = quint64(std::numeric_limits<qint64>::max());
    if (blockSize != 0 && quint64(info.f_bavail) > maximum / blockSize)
        return std::numeric_limits<qint64>::max();
    return qint64(quint64(info.f_bavail) * blockSize);
}

void setWriteCalls(WriteCalls* calls)
{
    standIn = calls;
}

} // namespace FileSystem

WinFile WinFile::openRead(const QString& path)
{
    return openReadAt(AT_FDCWD, encoded(WinPath::toHost(path).orThrow()));
}

WinFile WinFile::openReadAt(int folder, const QByteArray& path)
{
    // Without blocking, so that a named pipe cannot stall the program before it is refused.
    const int descriptor = ::openat(folder, path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        throwErrno(errno);
    WinFile file(descriptor);
    struct stat info;
    if (::fstat(descriptor, &info) != 0)
        throwErrno(errno);
    // A folder is no file, though Linux opens it; a pipe or a device would never end.
    if (!S_ISREG(info.st_mode))
        throw EInOutError(Win32Error::AccessDenied);
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags >= 0)
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);
    return file;
}

WinFile WinFile::create(const QString& path)
{
    if (!WinPath::makesValidName(path))
        throw EInOutError(Win32Error::InvalidName);
    const QString host = WinPath::toHost(path).orThrow();
    return createAt(AT_FDCWD, encoded(host), hostFileName(host));
}

WinFile WinFile::createAt(int folder, const QByteArray& path, const QString& fileName)
{
    // Checked before the open truncates anything: the mode decides even for root.
    struct stat info;
    if (::fstatat(folder, path.constData(), &info, 0) == 0 && isProtected(info, fileName))
        throw EInOutError(Win32Error::AccessDenied);
    const int descriptor =
        ::openat(folder, path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0)
        throwErrno(errno);
    return WinFile(descriptor);
}

WinFile::WinFile(int descriptor) : m_descriptor(descriptor)
{
}

WinFile::WinFile(WinFile&& other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

WinFile& WinFile::operator=(WinFile&& other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

WinFile::~WinFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

qint64 WinFile::read(char* buffer, qint64 count)
{
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = ::read(m_descriptor, buffer + done, size_t(count - done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (done > 0)
                return done;
            throwErrno(errno);
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

void WinFile::writeAll(const char* buffer, qint64 count)
{
    for (qint64 done = 0; done < count;) {
        const qint64 written = write(buffer + done, count - done);
        if (written <= 0)
            throw EInOutError(Win32Error::DiskFull);
        done += written;
    }
}

qint64 WinFile::write(const char* buffer, qint64 count)
{
    qint64 done = 0;
    while (done < count) {
        const ssize_t written = writeCall(m_descriptor, buffer + done, size_t(count - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (done > 0)
                return done;
            throwErrno(errno);
        }
        done += written;
        if (written == 0)
            break;
    }
    return done;
}

qint64 WinFile::size() const
{
    struct stat info;
    if (::fstat(m_descriptor, &info) != 0)
        throwErrno(errno);
    return qint64(info.st_size);
}

FileVersion WinFile::version() const
{
    struct stat info;
    if (::fstat(m_descriptor, &info) != 0)
        throwErrno(errno);
    return {identityOf(info), qint64(info.st_size), nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

void WinFile::syncData()
{
    if (::fdatasync(m_descriptor) != 0)
        throwErrno(errno);
}

void WinFile::setModified(qint64 nanoseconds)
{
    const struct timespec times[2] = {
        {0, UTIME_OMIT}, {time_t(nanoseconds / 1000000000), long(nanoseconds % 1000000000)}};
    if (::futimens(m_descriptor, times) != 0)
        throwErrno(errno);
}

void WinFile::close()
{
    const int descriptor = std::exchange(m_descriptor, -1);
    if (::close(descriptor) != 0)
        throwErrno(errno);
}

WinFolder::WinFolder(const QString& windowsPath, std::shared_ptr<const Descriptor> opened)
    : m_windowsPath(windowsPath), m_opened(std::move(opened)),
      m_error(m_opened ? 0 : Win32Error::PathNotFound)
{
}

WinFolder::WinFolder(const QString& windowsPath) : m_windowsPath(windowsPath)
{
    const WinPath::HostPath host = WinPath::toHost(windowsPath);
    if (host)
        m_opened = openFolder(AT_FDCWD, encoded(*host));
    m_error = !host ? host.error() : m_opened ? 0 : Win32Error::PathNotFound;
}

WinFolder WinFolder::ofHost(const QString& hostPath)
{
    return WinFolder(hostPath, openFolder(AT_FDCWD, encoded(hostPath)));
}

QList<DirEntry> WinFolder::list(const QString& mask, ListFilter filter) const
{
    return m_opened ? listAt(m_opened->get(), ".", mask, filter) : QList<DirEntry>();
}

WinFolder WinFolder::subfolder(const QString& listedName) const
{
    const QString windowsPath = WinPath::join(m_windowsPath, listedName);
    if (!m_opened)
        return WinFolder(windowsPath);
    return WinFolder(windowsPath, openFolder(m_opened->get(), encoded(listedName)));
}

AtName WinFolder::locate(const QString& name) const
{
    if (!isSingleHostName(name))
        return atHostPath(WinPath::toHost(WinPath::join(m_windowsPath, name)).orThrow());
    if (!m_opened)
        throw EInOutError(m_error);
    return inFolder(m_opened->get(), name);
}

std::optional<quint32> WinFolder::attributes(const QString& name) const
{
    try {
        return attributesAt(locate(name), false);
    } catch (const EInOutError&) {
        return std::nullopt;
    }
}

WinFile WinFolder::openRead(const QString& name) const
{
    const AtName entry = locate(name);
    return WinFile::openReadAt(entry.folder, entry.path);
}

WinFile WinFolder::create(const QString& name) const
{
    if (!WinPath::makesValidName(WinPath::join(m_windowsPath, name)))
        throw EInOutError(Win32Error::InvalidName);
    const AtName entry = locate(name);
    return WinFile::createAt(entry.folder, entry.path, entry.fileName);
}

std::optional<WinFile> WinFolder::createNew(const QString& name) const
{
    if (!WinPath::makesValidName(WinPath::join(m_windowsPath, name)))
        throw EInOutError(Win32Error::InvalidName);
    const AtName entry = locate(name);
    const int descriptor = ::openat(entry.folder, entry.path.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno == EEXIST)
        return std::nullopt;
    if (descriptor < 0)
        throwErrno(errno);
    return WinFile(descriptor);
}

void WinFolder::removeFile(const QString& name) const
{
    removeAt(locate(name));
}

void WinFolder::renameFile(const QString& from, const QString& to) const
{
    renameAt(locate(from), [this, &to] { return locate(to); });
}

bool WinFolder::renameToFreeName(const QString& from, const QString& to) const
{
    const AtName source = locate(from);
    // A name in other letters is the same name to a Windows program; the exact name is left to
    // the rename, which checks it and renames in one step.
    const AtName destination = locate(to);
    if (destination.fileName != WinPath::fileName(to))
        return false;
    return moveToFreeName(source, destination);
}

void WinFolder::duplicateInto(const QString& name, const WinFolder& to,
                              const QString& newName) const
{
    const AtName source = locate(name);
    const AtName destination = to.locate(newName);
    if (::linkat(source.folder, source.path.constData(), destination.folder,
                 destination.path.constData(), 0) == 0)
        return;
    if (errno != EXDEV && errno != EPERM && errno != EMLINK && errno != EOPNOTSUPP &&
        errno != ENOSYS)
        throwErrno(errno);
    WinFile original = openRead(name);
    std::optional<WinFile> copy = to.createNew(newName);
    if (!copy)
        throw EInOutError(Win32Error::AccessDenied);
    std::array<char, 65536> buffer;
    while (const qint64 got = original.read(buffer.data(), qint64(buffer.size())))
        copy->writeAll(buffer.data(), got);
    copy->setModified(original.version().modified);
    copy->syncData();
    copy->close();
}

void WinFolder::syncNames() const
{
    if (!m_opened)
        throw EInOutError(m_error);
    const Descriptor folder(::openat(m_opened->get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder || ::fsync(folder.get()) != 0)
        throwErrno(errno);
}

void WinFolder::syncFileSystem() const
{
    if (!m_opened)
        throw EInOutError(m_error);
    // The descriptor held is a path's, which syncfs does not take; "." opens the same folder.
    const Descriptor folder(::openat(m_opened->get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        throwErrno(errno);
    if (::syncfs(folder.get()) != 0)
        throwErrno(errno);
}
