#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class WinFile;
class WinFolder;

// A 64-bit digest of a file's bytes, cheap enough to take as the bytes are copied. It tells a
// file rewritten in place (same size, time put back) from the one the run wrote; it guards
// against accidents, not against an adversary.
class ContentHash
{
public:
    void add(const char* data, qint64 count);
    quint64 value() const;
    // Reads the file from where it stands to its end.
    static quint64 ofFile(WinFile& file);

private:
    void addStripe(const char* stripe);

    std::array<quint64, 4> m_lanes = {0x60ea27eeadc0b5d6ull, 0xc2b2ae3d27d4eb4full, 0ull,
                                      0x61c8864e7a143579ull};
    std::array<char, 32> m_pending = {};
    int m_pendingCount = 0;
    quint64 m_length = 0;
};

// One file a run changed, as the run left it: what undoing it checks before touching it.
struct RecordedFile
{
    QString name; // in the destination folder, as the run wrote it
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    quint64 hash = 0;
    QString backup; // the kept file's name in the run's folder; empty for a file the run added

    bool replaced() const { return !backup.isEmpty(); }
    bool operator==(const RecordedFile&) const = default;
};

// Where a run wrote.
struct RunPlace
{
    QString prefix;          // the Wine prefix's host folder
    QString gameFolder;      // Windows path
    QString gameFolderHost;  // the same on the host
    QString destination;     // the type's folder, Windows path
    QString destinationHost; // the same on the host: undoing reads the record alone

    bool operator==(const RunPlace&) const = default;
};

// The record of one run that changed something, read back from its folder in the program's state
// folder: a journal of lines, each written whole before what it describes is done, and the files
// the run replaced, kept beside it. A line cut short by a crash is no line.
struct RunRecord
{
    QString folder; // the run's folder; its name sorts in the order the runs started
    QDateTime when;
    RunPlace place;
    QList<RecordedFile> files; // in the order the run changed them

    enum class Extent
    {
        Heading, // when, and where: files left empty
        Whole
    };
    // nullopt when the folder holds no journal with a whole heading.
    static std::optional<RunRecord> read(const QString& runFolder, Extent extent = Extent::Whole);
    // Writes files as the record's new list, in one step: a crash leaves the old list or this one.
    void rewrite(const QList<RecordedFile>& left);
};

// The records of runs, in $XDG_STATE_HOME/korvane-installer/ (~/.local/state/korvane-installer/):
// never in the game's folders, whose every file the game lists.
namespace RunRecords {

constexpr int Kept = 10;

QString defaultFolder();
// The whole records, oldest first.
QList<RunRecord> all(const QString& stateFolder,
                     RunRecord::Extent extent = RunRecord::Extent::Whole);
// Removes the records beyond the last Kept ones, those of folders that are gone, and what an
// interrupted run or removal left: the folder's size stays bounded.
void tidy(const QString& stateFolder);
// Renamed out of sight first, so that a removal cut short leaves no half record.
void remove(const QString& runFolder);

// Tests stop a run at each step that reaches the disk, as a crash would: hook runs before each.
void setStepHook(std::function<void()> hook);
void step();

} // namespace RunRecords

// Writes the record of one run as it changes the destination folder. The run's folder is made
// at the first change, so a run that changed nothing leaves no record.
class RunRecorder
{
public:
    RunRecorder(QString stateFolder, RunPlace place);
    RunRecorder(const RunRecorder&) = delete;
    RunRecorder& operator=(const RunRecorder&) = delete;
    ~RunRecorder();

    // Before the run puts what it wrote (written, its backup empty) in the place of `name` in
    // destination: keeps the file there in the run's folder (a second name where the file
    // system allows, a copy else) and returns once that file and its line are on the disk.
    void keepReplaced(const WinFolder& destination, const QString& name, RecordedFile written);
    // After the run put a new file in place; its line reaches the disk with finish().
    void noteAdded(const RecordedFile& written);
    void finish();

private:
    void open();
    void append(const RecordedFile& file);

    QString m_stateFolder;
    RunPlace m_place;
    QString m_folder;
    std::unique_ptr<WinFolder> m_opened;
    std::unique_ptr<WinFile> m_journal;
    int m_keptCount = 0;
    bool m_unsynced = false;
};
