#include "WinePrefix.h"

#include "HostName.h"

#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Per thread: the search reads many prefixes at once, each on a thread of its own.
thread_local std::optional<QString> scopedPath;

bool hasEntry(const QString& path, mode_t type)
{
    struct stat info;
    return ::stat(HostName::encode(path).constData(), &info) == 0 &&
           (info.st_mode & S_IFMT) == type;
}

} // namespace

namespace WinePrefix {

QString path()
{
    if (scopedPath)
        return *scopedPath;
    const QString fromEnvironment = namedInEnvironment();
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.wine"));
}

bool isBareMachine()
{
    // Read on every call: the prefix may be created while the program runs, and tests switch it.
    const QByteArray folder = HostName::encode(path());
    struct stat info;
    return ::access(folder.constData(), R_OK | X_OK) != 0 ||
           ::stat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode);
}

QString namedInEnvironment()
{
    return HostName::decode(qgetenv("WINEPREFIX"));
}

void setInEnvironment(const QString& folder)
{
    if (folder.isEmpty())
        qunsetenv("WINEPREFIX");
    else
        qputenv("WINEPREFIX", HostName::encode(folder));
}

bool isPrefix(const QString& folder)
{
    return hasEntry(folder + QStringLiteral("/system.reg"), S_IFREG) &&
           hasEntry(folder + QStringLiteral("/dosdevices"), S_IFDIR);
}

std::optional<QString> prefixIn(const QString& folder)
{
    // Relative to the directory the program started in, which it leaves for the pack's.
    const QString clean = QDir::cleanPath(
        QDir::isRelativePath(folder) ? HostName::child(HostName::currentFolder(), folder) : folder);
    if (isPrefix(clean))
        return clean;
    const QString proton = clean + QStringLiteral("/pfx");
    if (isPrefix(proton))
        return proton;
    return std::nullopt;
}

Scope::Scope(const QString& folder) : m_outer(scopedPath)
{
    scopedPath = QDir::cleanPath(folder);
}

Scope::~Scope()
{
    scopedPath = m_outer;
}

} // namespace WinePrefix
