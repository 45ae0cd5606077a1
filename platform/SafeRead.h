#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading a file the program only looks at: a front-end's configuration, a registry file, a
// drive's label. Any of them may be a named pipe, a device or a huge sparse file, so the file is
// opened without waiting for a writer, refused unless it is a regular file, and read only as far
// as the caller needs. No widgets here.
namespace SafeRead {

// The whole file when it is a regular file of at most `limit` bytes; nullopt otherwise.
std::optional<QByteArray> whole(const QString& path, qint64 limit);

// At most the first `limit` bytes of a regular file; nullopt when it is none.
std::optional<QByteArray> head(const QString& path, qint64 limit);

// A regular file opened for reading through a buffer of its own, however large it is.
class Stream
{
public:
    // nullopt when the path leads to no regular file or it cannot be opened.
    static std::optional<Stream> open(const QString& path);

    Stream(Stream&& other) noexcept;
    Stream& operator=(Stream&& other) noexcept;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    ~Stream();

    // Up to `count` bytes; 0 at the end of the file or on a read error.
    qint64 read(char* buffer, qint64 count);

private:
    explicit Stream(int descriptor) : m_descriptor(descriptor) {}
    int m_descriptor = -1;
};

} // namespace SafeRead
