#include "FolderListings.h"

#include "Descriptor.h"
#include "FileSystem.h"
#include "HostName.h"
#include "NameCase.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr size_t maxKept = 16;
constexpr uint32_t watchedChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

// Local file systems, where every change to a folder passes through this kernel and is reported.
bool reportsEveryChange(int descriptor)
{
    struct statfs info;
    if (::fstatfs(descriptor, &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0xEF53UL:     // ext2, ext3, ext4
    case 0x58465342UL: // xfs
    case 0x9123683EUL: // btrfs
    case 0x01021994UL: // tmpfs
    case 0xF2F52010UL: // f2fs
    case 0x4D44UL:     // vfat
    case 0x2011BAB0UL: // exfat
        return true;
    default:
        return false;
    }
}

bool isFolderIn(int folder, const QString& name)
{
    struct stat info;
    return ::fstatat(folder, HostName::encode(name).constData(), &info, 0) == 0 &&
           S_ISDIR(info.st_mode);
}

// The magic link through which the kernel names an open folder to calls that take only a path.
QByteArray pathOfOpen(int descriptor)
{
    return "/proc/self/fd/" + QByteArray::number(descriptor);
}

// The names of one folder, grouped by their upper-cased form.
class Listing
{
public:
    dev_t device = 0;
    ino_t inode = 0;
    int watch = -1;
    quint64 lastUse = 0;

    void add(const QString& name)
    {
        QStringList& names = m_byUpperName[NameCase::upper(name)];
        if (!names.contains(name))
            names.append(name);
    }

    void remove(const QString& name)
    {
        const auto found = m_byUpperName.find(NameCase::upper(name));
        if (found == m_byUpperName.end())
            return;
        found->removeOne(name);
        if (found->isEmpty())
            m_byUpperName.erase(found);
    }

    bool read(int descriptor)
    {
        const std::unique_ptr<DIR, int (*)(DIR*)> listing(::fdopendir(descriptor), &::closedir);
        if (!listing) {
            ::close(descriptor);
            return false;
        }
        while (const dirent* entry = ::readdir(listing.get())) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                add(HostName::decode(entry->d_name));
        }
        return true;
    }

    std::optional<QString> find(int folder, const QString& name, bool wantFolder) const
    {
        const auto found = m_byUpperName.constFind(NameCase::upper(name));
        if (found == m_byUpperName.constEnd())
            return std::nullopt;
        std::optional<QString> best;
        for (const QString& candidate : *found) {
            if (wantFolder && !isFolderIn(folder, candidate))
                continue;
            if (!best || FileSystem::listsBefore(candidate, *best))
                best = candidate;
        }
        return best;
    }

private:
    QHash<QString, QStringList> m_byUpperName;
};

// The kept listings and the one inotify descriptor that keeps them true.
class Keeper
{
public:
    Keeper() : m_notify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    Keeper(const Keeper&) = delete;
    Keeper& operator=(const Keeper&) = delete;

    ~Keeper()
    {
        if (m_notify >= 0)
            ::close(m_notify);
    }

    // The name in the folder `info` describes, which is on a local file system. Called with the
    // keeper's lock held.
    std::optional<QString> find(int folder, const struct stat& info, const QString& name,
                                bool wantFolder)
    {
        applyReportedChanges();
        if (Listing* kept = keptFor(info.st_dev, info.st_ino)) {
            kept->lastUse = ++m_uses;
            return kept->find(folder, name, wantFolder);
        }
        const int descriptor = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0)
            return std::nullopt;
        Listing listing;
        listing.device = info.st_dev;
        listing.inode = info.st_ino;
        listing.watch = watch(descriptor);
        // The watch is in place before the first name is read: a change made meanwhile is
        // reported, and applying it to names that already show it changes nothing.
        if (!listing.read(descriptor)) {
            unwatch(listing.watch);
            return std::nullopt;
        }
        std::optional<QString> found = listing.find(folder, name, wantFolder);
        if (listing.watch >= 0)
            keep(std::move(listing));
        return found;
    }

    void forget()
    {
        forgetWithoutReading();
        applyReportedChanges(); // consumes the reports of the watches just removed
    }

    int count() const { return int(m_kept.size()); }

private:
    Listing* keptFor(dev_t device, ino_t inode)
    {
        const auto found = std::find_if(m_kept.begin(), m_kept.end(), [&](const Listing& l) {
            return l.device == device && l.inode == inode;
        });
        return found == m_kept.end() ? nullptr : &*found;
    }

    Listing* keptFor(int watch)
    {
        const auto found = std::find_if(m_kept.begin(), m_kept.end(),
                                        [watch](const Listing& l) { return l.watch == watch; });
        return found == m_kept.end() ? nullptr : &*found;
    }

    // A watch on the folder open as descriptor, or -1 when its changes cannot all be known. Set
    // through the descriptor, so it watches the folder opened whatever its path leads to now.
    int watch(int descriptor)
    {
        if (m_notify < 0 || !reportsEveryChange(descriptor))
            return -1;
        const int watch =
            ::inotify_add_watch(m_notify, pathOfOpen(descriptor).constData(), watchedChanges);
        return watch < 0 ? -1 : watch;
    }

    void unwatch(int watch)
    {
        if (watch >= 0)
            ::inotify_rm_watch(m_notify, watch);
    }

    void keep(Listing&& listing)
    {
        if (m_kept.size() >= maxKept) {
            const auto oldest = std::min_element(
                m_kept.begin(), m_kept.end(),
                [](const Listing& a, const Listing& b) { return a.lastUse < b.lastUse; });
            unwatch(oldest->watch);
            m_kept.erase(oldest);
        }
        listing.lastUse = ++m_uses;
        m_kept.push_back(std::move(listing));
    }

    void applyReportedChanges()
    {
        if (m_notify < 0)
            return;
        alignas(struct inotify_event) std::array<char, 16384> buffer;
        for (;;) {
            const ssize_t got = ::read(m_notify, buffer.data(), buffer.size());
            if (got <= 0)
                return; // EAGAIN: nothing more reported
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const struct inotify_event*>(&buffer[at]);
                apply(*event);
                at += ssize_t(sizeof(struct inotify_event) + event->len);
            }
        }
    }

    void apply(const struct inotify_event& event)
    {
        if (event.mask & IN_Q_OVERFLOW) {
            forgetWithoutReading(); // changes were lost: no kept listing can be trusted
            return;
        }
        Listing* listing = keptFor(event.wd);
        if (listing == nullptr)
            return;
        if (event.mask & IN_IGNORED) { // the folder is gone, or its file system unmounted
            m_kept.erase(m_kept.begin() + (listing - m_kept.data()));
            return;
        }
        if (event.len == 0)
            return;
        const QString name = HostName::decode(static_cast<const char*>(event.name));
        if (event.mask & (IN_CREATE | IN_MOVED_TO))
            listing->add(name);
        else if (event.mask & (IN_DELETE | IN_MOVED_FROM))
            listing->remove(name);
    }

    void forgetWithoutReading()
    {
        for (const Listing& listing : m_kept)
            unwatch(listing.watch);
        m_kept.clear();
    }

    int m_notify;
    std::vector<Listing> m_kept;
    quint64 m_uses = 0;
};

Keeper& keeper()
{
    static Keeper instance;
    return instance;
}

// An installation copies on a thread of its own while the window reads descriptions.
std::mutex& keeperLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

namespace FolderListings {

std::optional<QString> findIgnoringCase(const QString& hostFolder, const QString& name,
                                        bool wantFolder)
{
    const Descriptor folder(
        ::open(HostName::encode(hostFolder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return std::nullopt;
    return findIgnoringCaseIn(folder.get(), name, wantFolder);
}

std::optional<QString> findIgnoringCaseIn(int folderDescriptor, const QString& name,
                                          bool wantFolder)
{
    // Nothing that may wait in the kernel happens under the lock, which the searches' threads
    // share: one held by a mount that no longer answers would hold them all. Folders on such
    // file systems are never kept, so they are read without it.
    struct stat info;
    if (::fstat(folderDescriptor, &info) != 0)
        return std::nullopt;
    if (!reportsEveryChange(folderDescriptor)) {
        const int descriptor = ::openat(folderDescriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        Listing listing;
        return descriptor >= 0 && listing.read(descriptor)
                   ? listing.find(folderDescriptor, name, wantFolder)
                   : std::nullopt;
    }
    const std::lock_guard lock(keeperLock());
    return keeper().find(folderDescriptor, info, name, wantFolder);
}

void forget()
{
    const std::lock_guard lock(keeperLock());
    keeper().forget();
}

int keptCount()
{
    const std::lock_guard lock(keeperLock());
    return keeper().count();
}

} // namespace FolderListings
