#pragma once

#include <QString>
#include <optional>

// Finding a name in a host folder without regard to case, the way a Windows program expects.
// A case-sensitive file system can only answer that by reading the whole folder, which costs a
// quarter of a microsecond per entry on every miss; so the names of the folders read are kept,
// and the kernel reports (inotify) every entry created, removed or renamed in them afterwards,
// by this program or any other, before the next lookup. Kept listings are therefore never stale
// and need no timestamps, whose granularity would hide a change made in the same clock tick.
// Folders on file systems whose changes the kernel may not report (network, FUSE, overlays)
// are read afresh each time, as is everything when inotify is unavailable.
namespace FolderListings {

// The entry of hostFolder whose name equals name without regard to case (code unit by code
// unit, as NameCase compares); when several do, the first in listing order. With wantFolder only
// folders (links to folders too) count. nullopt when none does or the folder cannot be read.
std::optional<QString> findIgnoringCase(const QString& hostFolder, const QString& name,
                                        bool wantFolder);
// The same in the folder open as folderDescriptor (O_PATH will do), wherever that folder lies
// now: a folder moved, or swapped for a link, after it was opened is still the one looked in.
std::optional<QString> findIgnoringCaseIn(int folderDescriptor, const QString& name,
                                          bool wantFolder);

// Drops every kept listing and stops watching their folders.
void forget();

// How many folders are kept now (for tests).
int keptCount();

} // namespace FolderListings
