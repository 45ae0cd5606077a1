#pragma once

#include <QtGlobal>

// Faults put into the file services' writes and renames for a test (FileSystem::setWriteCalls).
// Each stays until clearFaults().
namespace FileFaults {
// After bytesAllowed more bytes, writes fail with the system's error number `error` (ENOSPC for a
// full disk), as a disk does: what fitted is written, the next write fails.
void failWritesAfter(qint64 bytesAllowed, int error);
// Each write stores at most maxPerWrite bytes, as a disk filling up may do.
void shortWritesOf(qint64 maxPerWrite);
// Renames onto free names as on a file system without a rename that refuses to replace.
void withoutNoReplaceRename();
void clearFaults();
} // namespace FileFaults
