#pragma once

#include "WinPath.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

// File attributes as Windows numbers them.
enum FileAttribute : quint32
{
    AttrReadOnly = 0x01,
    AttrHidden = 0x02,
    AttrSystem = 0x04,
    AttrVolumeLabel = 0x08,
    AttrDirectory = 0x10,
    AttrArchive = 0x20,
    AttrNormal = 0x80
};

// Which file a name leads to: two names with the same identity are the same file or folder.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What a reader needs to know that a file stayed the same while it was read.
struct FileVersion
{
    FileIdentity identity;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;  // nanoseconds, of the last change of contents or attributes
    bool operator==(const FileVersion&) const = default;
};

struct DirEntry
{
    QString name; // as the disk spells it
    qint64 size = 0;
    quint32 attributes = 0;
    FileIdentity identity = {}; // of what the name leads to, links followed
};

enum class ListFilter
{
    Everything, // every entry, whatever its attributes
    Folders     // folders only, without hidden, system and volume-label entries
};

// The file services. Failures of opens, reads and writes throw EInOutError with the Win32 number;
// listing, existence tests and folder creation report nothing.
namespace FileSystem {

// The entries of a folder matching the last component of pattern ("*" and "?", without regard
// to case, DOS rules: "*.*" matches every name). Sorted as Windows' file systems list: by name
// upper-cased, code unit by code unit. An unlistable folder gives no entries.
QList<DirEntry> list(const QString& pattern, ListFilter filter);

bool folderExists(const QString& path);
bool fileExists(const QString& path); // an entry that is not a folder
// The last component only; false also for a name Windows refuses (see WinPath::makesValidName).
bool createFolder(const QString& path);
std::optional<quint32> attributes(const QString& path); // nullopt when there is no such entry
void removeFile(const QString& path);                   // throws EInOutError
// Renames over an existing file (the destination's name on disk is kept). Throws EInOutError.
void renameFile(const QString& from, const QString& to);

// What the path leads to, links followed; nullopt when nothing is there.
std::optional<FileIdentity> identity(const QString& path);

// Free bytes for an unprivileged user on drive number (1 = A, 3 = C); nullopt when the drive
// cannot be queried.
std::optional<qint64> freeSpace(int driveNumber);

// Whether name matches a wildcard mask as DOS matches them, without regard to case: "*" any run,
// "?" one character (or none where the name's part ends), a trailing ".*" also matches a name
// without a dot and a trailing "." only names without one.
bool matchesWildcard(const QString& mask, const QString& name);
// The listing order: by the upper-cased names code unit by code unit, upper case first on a tie.
bool listsBefore(const QString& a, const QString& b);

// The system calls that store a file's bytes and rename onto a free name, for a test to stand in
// for and play a disk that fills up or a file system that lacks the rename (tests/support/
// FileFaults.h). Each answers as the call it stands for: a count or 0, else -1 with errno set.
class WriteCalls
{
public:
    virtual ~WriteCalls() = default;
    // As write(2).
    virtual qint64 write(int descriptor, const char* buffer, qint64 count) = 0;
    // As renameat2(2) with RENAME_NOREPLACE.
    virtual int renameNoReplace(int fromFolder, const char* from, int toFolder, const char* to) = 0;
};
// Null, as the program leaves it: the system's own calls.
void setWriteCalls(WriteCalls* calls);

namespace detail {
struct AtName;
} // namespace detail

} // namespace FileSystem

class Descriptor;

// An open file; closes itself when it goes out of scope.
class WinFile
{
public:
    // Read only; others may read and write it meanwhile.
    static WinFile openRead(const QString& path);
    // Creates the file or truncates it, plain attributes (rw for the user, subject to the umask).
    // An existing read-only, hidden or system file fails as access denied (5), a name Windows
    // refuses as an invalid name (123).
    static WinFile create(const QString& path);

    WinFile(WinFile&&) noexcept;
    WinFile& operator=(WinFile&&) noexcept;
    ~WinFile();

    qint64 read(char* buffer, qint64 count);        // 0 at the end
    qint64 write(const char* buffer, qint64 count); // bytes written
    // All of the bytes, however many writes that takes; a write that stores nothing fails as a
    // full disk.
    void writeAll(const char* buffer, qint64 count);
    qint64 size() const;
    FileVersion version() const;
    // Waits until the file's contents are on the disk.
    void syncData();
    // Sets the modification time, so that a file put back looks as it did.
    void setModified(qint64 nanoseconds);
    void close(); // throws EInOutError when the close fails

private:
    friend class WinFolder;
    explicit WinFile(int descriptor);
    // path: relative to the open folder, or AT_FDCWD and a whole host path.
    static WinFile openReadAt(int folder, const QByteArray& path);
    static WinFile createAt(int folder, const QByteArray& path, const QString& fileName);
    int m_descriptor = -1;
};

// A folder found and opened once for the many entries a run reads or writes in it: each name is
// then looked up in this folder alone (exactly, then without regard to case), not along the whole
// path again, and stays in the folder opened even when that folder is moved, or swapped for a
// link, meanwhile. A name that is a path (it holds a separator, or is "." or "..") is looked up
// along the joined path instead. The operations behave as the FileSystem and WinFile ones do on
// the joined path; while the folder does not exist each of them fails as that path would.
// Copies share the open folder.
class WinFolder
{
public:
    explicit WinFolder(const QString& windowsPath);
    // A folder of the host's own, outside any prefix (the program's state folder, or a game
    // folder recorded by its host path); its names are looked up as in any other.
    static WinFolder ofHost(const QString& hostPath);

    std::optional<quint32> attributes(const QString& name) const;
    WinFile openRead(const QString& name) const;
    WinFile create(const QString& name) const;
    // A file made under name, which nothing may hold yet: nullopt when an entry of that name (in
    // any letter case) exists, a link included, so nothing already there is ever written through.
    std::optional<WinFile> createNew(const QString& name) const;
    void removeFile(const QString& name) const;
    void renameFile(const QString& from, const QString& to) const;
    // Renames only onto a name that nothing holds (in any letter case); false, leaving both
    // names as they were, when an entry holds it, however late it came.
    bool renameToFreeName(const QString& from, const QString& to) const;
    // Gives the file a second name, newName in folder `to`, which nothing may hold; where the
    // file systems cannot do that (two file systems, or no hard links), a copy of it under that
    // name, with its modification time, its contents on the disk. Throws when the name is taken.
    void duplicateInto(const QString& name, const WinFolder& to, const QString& newName) const;
    // Waits until the folder's names (created, renamed, removed) are on the disk.
    void syncNames() const;
    // Waits until everything written to the folder's file system is on the disk.
    void syncFileSystem() const;

    // The entries of the folder matching mask, as FileSystem::list gives them.
    QList<DirEntry> list(const QString& mask, ListFilter filter) const;
    // The folder of an entry as this folder's listing spelt it, found without looking up the
    // whole path again: reading ahead through thousands of subfolders would do that thousands
    // of times.
    WinFolder subfolder(const QString& listedName) const;

private:
    WinFolder(const QString& windowsPath, std::shared_ptr<const Descriptor> opened);
    FileSystem::detail::AtName locate(const QString& name) const; // throws EInOutError

    QString m_windowsPath;
    std::shared_ptr<const Descriptor> m_opened; // null when the folder could not be opened
    int m_error = 0;                            // why it could not
};
