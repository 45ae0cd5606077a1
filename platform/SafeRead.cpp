#include "SafeRead.h"

#include "HostName.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A descriptor for a regular file, -1 for anything else. The path is looked at before it is
// opened, so that no device is opened at all, and the descriptor after, in case the entry was
// swapped between the two; O_NONBLOCK keeps the open of a pipe from waiting for its writer.
int openRegular(const QString& path)
{
    const QByteArray encoded = HostName::encode(path);
    struct stat info;
    if (::stat(encoded.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    const int descriptor =
        ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return -1;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

qint64 readFully(int descriptor, char* buffer, qint64 count)
{
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = ::read(descriptor, buffer + done, size_t(count - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

std::optional<QByteArray> readUpTo(const QString& path, qint64 limit, bool refuseLarger)
{
    std::optional<SafeRead::Stream> stream = SafeRead::Stream::open(path);
    if (!stream)
        return std::nullopt;
    // One byte past the limit tells a file of exactly `limit` bytes from a larger one. The buffer
    // grows with what is read, so that a small file costs no allocation of the limit's size.
    const qint64 most = limit + (refuseLarger ? 1 : 0);
    QByteArray bytes;
    qint64 got = 0;
    for (qint64 size = std::min<qint64>(most, 64 * 1024);; size = std::min(most, size * 2)) {
        bytes.resize(size);
        const qint64 read = stream->read(bytes.data() + got, size - got);
        got += read;
        if (got < size || size == most)
            break;
    }
    bytes.truncate(got);
    if (refuseLarger && got > limit)
        return std::nullopt;
    return bytes;
}

} // namespace

namespace SafeRead {

std::optional<QByteArray> whole(const QString& path, qint64 limit)
{
    return readUpTo(path, limit, true);
}

std::optional<QByteArray> head(const QString& path, qint64 limit)
{
    return readUpTo(path, limit, false);
}

std::optional<Stream> Stream::open(const QString& path)
{
    const int descriptor = openRegular(path);
    if (descriptor < 0)
        return std::nullopt;
    return Stream(descriptor);
}

Stream::Stream(Stream&& other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

Stream& Stream::operator=(Stream&& other) noexcept
{
    std::swap(m_descriptor, other.m_descriptor);
    return *this;
}

Stream::~Stream()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

qint64 Stream::read(char* buffer, qint64 count)
{
    return readFully(m_descriptor, buffer, count);
}

} // namespace SafeRead
