#include "FileFaults.h"

#include "FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Faults
{
    bool limited = false;
    qint64 bytesLeft = 0;
    int error = 0;
    qint64 maxPerWrite = 0;
    bool withoutNoReplaceRename = false;
    // The last write stored part of what it was given: the next stores nothing, so that the
    // file services' write, which writes on after a part, returns short.
    bool stoppedShort = false;
};

// The system's calls with the faults asked for in between.
class FaultyCalls : public FileSystem::WriteCalls
{
public:
    Faults faults;

    qint64 write(int descriptor, const char* buffer, qint64 count) override
    {
        if (faults.stoppedShort) {
            faults.stoppedShort = false;
            return 0;
        }
        qint64 chunk = count;
        if (faults.limited) {
            if (faults.bytesLeft <= 0) {
                errno = faults.error;
                return -1;
            }
            chunk = std::min(chunk, faults.bytesLeft);
        }
        if (faults.maxPerWrite > 0)
            chunk = std::min(chunk, faults.maxPerWrite);
        const qint64 written = ::write(descriptor, buffer, size_t(chunk));
        if (written > 0 && faults.limited)
            faults.bytesLeft -= written;
        faults.stoppedShort = faults.maxPerWrite > 0 && written >= 0 && written < count;
        return written;
    }

    int renameNoReplace(int fromFolder, const char* from, int toFolder, const char* to) override
    {
        if (faults.withoutNoReplaceRename) {
            errno = EINVAL; // as such a file system answers
            return -1;
        }
        return ::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE);
    }
};

FaultyCalls& faultyCalls()
{
    static FaultyCalls calls;
    return calls;
}

// The faults, put in place.
Faults& installed()
{
    FileSystem::setWriteCalls(&faultyCalls());
    return faultyCalls().faults;
}

} // namespace

namespace FileFaults {

void failWritesAfter(qint64 bytesAllowed, int error)
{
    Faults& faults = installed();
    faults.limited = true;
    faults.bytesLeft = bytesAllowed;
    faults.error = error;
}

void shortWritesOf(qint64 maxPerWrite)
{
    installed().maxPerWrite = maxPerWrite;
}

void withoutNoReplaceRename()
{
    installed().withoutNoReplaceRename = true;
}

void clearFaults()
{
    FileSystem::setWriteCalls(nullptr);
    faultyCalls().faults = Faults();
}

} // namespace FileFaults
