#include "RunRecord.h"

#include "Errors.h"
#include "FileSystem.h"
#include "Lookout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <algorithm>
#include <bit>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr quint64 Prime1 = 0x9e3779b185ebca87ull;
constexpr quint64 Prime2 = 0xc2b2ae3d27d4eb4full;
constexpr quint64 Prime3 = 0x165667b19e3779f9ull;

const QLatin1String JournalName("journal");
const QByteArray Heading("korvane-run\t1\n");
const QLatin1String KeptPrefix("kept-");
constexpr int HeadingLines = 7;
constexpr qsizetype MaxNameInKept = 200; // bytes, well within any file system's 255
// Housekeeping is no reason to hold a start: a local folder answers well within it.
constexpr std::chrono::milliseconds tidyBudget{250};

quint64 word(const char* bytes)
{
    quint64 value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

quint64 mixed(quint64 lane, quint64 input)
{
    return std::rotl(lane + input * Prime2, 31) * Prime1;
}

QByteArray encodedField(const QString& text)
{
    return QUrl::toPercentEncoding(text);
}

QString decodedField(const QByteArray& field)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field));
}

QByteArray fileLine(const RecordedFile& file)
{
    QByteArrayList fields{file.replaced() ? "replaced" : "added", encodedField(file.name),
                          QByteArray::number(file.size), QByteArray::number(file.modified),
                          QByteArray::number(file.hash, 16)};
    if (file.replaced())
        fields << encodedField(file.backup);
    return fields.join('\t') + '\n';
}

QByteArray headingOf(const RunPlace& place, const QDateTime& when)
{
    return Heading + "when\t" + when.toString(Qt::ISODateWithMs).toLatin1() + "\nprefix\t" +
           encodedField(place.prefix) + "\ngame\t" + encodedField(place.gameFolder) +
           "\ngamehost\t" + encodedField(place.gameFolderHost) + "\nfolder\t" +
           encodedField(place.destination) + "\nhost\t" + encodedField(place.destinationHost) +
           '\n';
}

std::optional<RecordedFile> parsedFile(const QByteArrayList& fields)
{
    const bool replaced = fields[0] == "replaced";
    if (fields.size() != (replaced ? 6 : 5) || (!replaced && fields[0] != "added"))
        return std::nullopt;
    bool sizeRead = false, timeRead = false, hashRead = false;
    RecordedFile file{decodedField(fields[1]), fields[2].toLongLong(&sizeRead),
                      fields[3].toLongLong(&timeRead), fields[4].toULongLong(&hashRead, 16),
                      replaced ? decodedField(fields[5]) : QString()};
    if (!sizeRead || !timeRead || !hashRead || file.name.isEmpty())
        return std::nullopt;
    return file;
}

void writeWhole(WinFile& file, const QByteArray& bytes)
{
    file.writeAll(bytes.constData(), bytes.size());
}

void syncFolder(const QString& hostPath)
{
    WinFolder::ofHost(hostPath).syncNames();
}

// The record's files are looked up as the run wrote them; a host folder gives a clear error.
void makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw Exception(QStringLiteral("The folder %1 cannot be made").arg(path));
}

std::function<void()>& stepHook()
{
    static std::function<void()> hook;
    return hook;
}

bool isRunFolderName(const QString& name)
{
    return !name.startsWith(QLatin1Char('.'));
}

} // namespace

void ContentHash::addStripe(const char* stripe)
{
    for (size_t lane = 0; lane < m_lanes.size(); ++lane)
        m_lanes[lane] = mixed(m_lanes[lane], word(stripe + 8 * lane));
}

void ContentHash::add(const char* data, qint64 count)
{
    m_length += quint64(count);
    if (m_pendingCount > 0) {
        const int taken = int(std::min<qint64>(count, 32 - m_pendingCount));
        std::memcpy(m_pending.data() + m_pendingCount, data, size_t(taken));
        m_pendingCount += taken;
        data += taken;
        count -= taken;
        if (m_pendingCount < 32)
            return;
        addStripe(m_pending.data());
        m_pendingCount = 0;
    }
    for (; count >= 32; data += 32, count -= 32)
        addStripe(data);
    std::memcpy(m_pending.data(), data, size_t(count));
    m_pendingCount = int(count);
}

quint64 ContentHash::value() const
{
    quint64 hash = std::rotl(m_lanes[0], 1) + std::rotl(m_lanes[1], 7) + std::rotl(m_lanes[2], 12) +
                   std::rotl(m_lanes[3], 18);
    hash += m_length;
    for (int at = 0; at < m_pendingCount; ++at)
        hash = std::rotl(hash ^ (quint8(m_pending[size_t(at)]) * Prime3), 11) * Prime1;
    hash ^= hash >> 33;
    hash *= Prime2;
    hash ^= hash >> 29;
    hash *= Prime3;
    return hash ^ (hash >> 32);
}

quint64 ContentHash::ofFile(WinFile& file)
{
    ContentHash hash;
    std::array<char, 65536> buffer;
    while (const qint64 got = file.read(buffer.data(), qint64(buffer.size())))
        hash.add(buffer.data(), got);
    return hash.value();
}

std::optional<RunRecord> RunRecord::read(const QString& runFolder, Extent extent)
{
    QFile journal(runFolder + QLatin1Char('/') + JournalName);
    if (!journal.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArrayList lines;
    if (extent == Extent::Heading) {
        for (int at = 0; at < HeadingLines && !journal.atEnd(); ++at)
            lines << journal.readLine();
        lines = lines.join().split('\n');
    } else {
        lines = journal.readAll().split('\n');
    }
    lines.removeLast(); // what follows the last newline: empty, or a line cut short
    if (lines.isEmpty() || lines.takeFirst() + '\n' != Heading)
        return std::nullopt;
    RunRecord record;
    record.folder = runFolder;
    int headingFields = 0;
    for (const QByteArray& line : std::as_const(lines)) {
        const QByteArrayList fields = line.split('\t');
        const QByteArray& key = fields[0];
        if (fields.size() == 2) {
            ++headingFields;
            if (key == "when")
                record.when =
                    QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODateWithMs);
            else if (key == "prefix")
                record.place.prefix = decodedField(fields[1]);
            else if (key == "game")
                record.place.gameFolder = decodedField(fields[1]);
            else if (key == "gamehost")
                record.place.gameFolderHost = decodedField(fields[1]);
            else if (key == "folder")
                record.place.destination = decodedField(fields[1]);
            else if (key == "host")
                record.place.destinationHost = decodedField(fields[1]);
            else
                --headingFields;
        } else if (std::optional<RecordedFile> file = parsedFile(fields)) {
            record.files << *file;
        }
    }
    if (headingFields < HeadingLines - 1 || record.place.destinationHost.isEmpty())
        return std::nullopt;
    if (extent == Extent::Heading)
        return record;
    // A file kept just before a crash, its line not yet on the disk: what the run wrote in its
    // place is unknown, so undoing asks before touching it.
    QStringList listed;
    for (const RecordedFile& file : std::as_const(record.files))
        listed << file.backup;
    const QStringList kept = QDir(runFolder).entryList({KeptPrefix + '*'}, QDir::Files, QDir::Name);
    for (const QString& backup : kept) {
        const qsizetype named = backup.indexOf(QLatin1Char('-'), KeptPrefix.size());
        if (named > 0 && !listed.contains(backup))
            record.files << RecordedFile{decodedField(backup.mid(named + 1).toLatin1()), -1, 0, 0,
                                         backup};
    }
    return record;
}

void RunRecord::rewrite(const QList<RecordedFile>& left)
{
    const WinFolder opened = WinFolder::ofHost(folder);
    const QString draft = QStringLiteral(".journal-%1.tmp").arg(QCoreApplication::applicationPid());
    if (opened.attributes(draft))
        opened.removeFile(draft);
    QByteArray bytes = headingOf(place, when);
    for (const RecordedFile& file : left)
        bytes += fileLine(file);
    {
        std::optional<WinFile> journal = opened.createNew(draft);
        if (!journal)
            throw EInOutError(Win32Error::AccessDenied);
        writeWhole(*journal, bytes);
        journal->syncData();
        journal->close();
    }
    opened.renameFile(draft, JournalName);
    opened.syncNames();
    files = left;
}

namespace RunRecords {

QString defaultFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // XDG base directories are absolute paths; a relative one is ignored, as other programs do.
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/korvane-installer");
}

QList<RunRecord> all(const QString& stateFolder, RunRecord::Extent extent)
{
    QList<RunRecord> records;
    if (stateFolder.isEmpty())
        return records; // not the current directory
    const QStringList names =
        QDir(stateFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (!isRunFolderName(name))
            continue;
        if (std::optional<RunRecord> record =
                RunRecord::read(stateFolder + QLatin1Char('/') + name, extent))
            records << std::move(*record);
    }
    return records;
}

void remove(const QString& runFolder)
{
    const QFileInfo info(runFolder);
    QString gone = runFolder;
    if (isRunFolderName(info.fileName())) {
        gone = info.path() + QStringLiteral("/.gone-") + info.fileName();
        if (!QDir().rename(runFolder, gone))
            return;
    }
    QDir(gone).removeRecursively();
}

void tidy(const QString& stateFolder)
{
    if (stateFolder.isEmpty())
        return;
    const QDir state(stateFolder);
    for (const QString& name : state.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        // What a run or a removal cut short left: a folder never named as a record.
        if (!isRunFolderName(name))
            remove(state.filePath(name));
    }
    // Only the headings are read: a start must not wait for the records' thousands of lines.
    const QStringList runs = state.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QStringList kept;
    QList<Lookout::Look<bool>> folderLooks;
    for (qsizetype at = 0; at < runs.size(); ++at) {
        const QString folder = state.filePath(runs[at]);
        const std::optional<RunRecord> record = RunRecord::read(folder, RunRecord::Extent::Heading);
        // A folder that is no whole record is left alone, lest a kept file go with it.
        if (at < runs.size() - Kept) {
            remove(folder);
        } else if (record) {
            const QString destination = record->place.destinationHost;
            kept << folder;
            folderLooks.append(
                {destination, [destination] { return QFileInfo(destination).isDir(); }});
        }
    }
    // The game's folders may lie on a mount that no longer answers: a record whose folder does
    // not answer at once is kept, and the start goes on.
    const QList<std::optional<bool>> exists = Lookout(tidyBudget).lookAll(folderLooks);
    for (qsizetype at = 0; at < kept.size(); ++at) {
        if (exists[at] == false)
            remove(kept[at]);
    }
}

void setStepHook(std::function<void()> hook)
{
    stepHook() = std::move(hook);
}

void step()
{
    if (stepHook())
        stepHook()();
}

} // namespace RunRecords

RunRecorder::RunRecorder(QString stateFolder, RunPlace place)
    : m_stateFolder(std::move(stateFolder)), m_place(std::move(place))
{
}

RunRecorder::~RunRecorder() = default;

void RunRecorder::open()
{
    if (m_journal)
        return;
    makeFolder(m_stateFolder);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString id = now.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-")) +
                       QString::number(QCoreApplication::applicationPid());
    // Made under a hidden name and named once its heading is on the disk: a record is whole or
    // not there.
    const QString draft = m_stateFolder + QStringLiteral("/.new-") + id;
    m_folder = m_stateFolder + QLatin1Char('/') + id;
    makeFolder(draft);
    std::optional<WinFile> journal = WinFolder::ofHost(draft).createNew(JournalName);
    if (!journal)
        throw EInOutError(Win32Error::AccessDenied);
    writeWhole(*journal, headingOf(m_place, now));
    journal->syncData();
    syncFolder(draft);
    RunRecords::step();
    if (::rename(QFile::encodeName(draft).constData(), QFile::encodeName(m_folder).constData()) !=
        0)
        throw Exception(QStringLiteral("The folder %1 cannot be renamed").arg(draft));
    syncFolder(m_stateFolder);
    m_opened = std::make_unique<WinFolder>(WinFolder::ofHost(m_folder));
    m_journal = std::make_unique<WinFile>(std::move(*journal));
}

void RunRecorder::append(const RecordedFile& file)
{
    writeWhole(*m_journal, fileLine(file));
}

void RunRecorder::keepReplaced(const WinFolder& destination, const QString& name,
                               RecordedFile written)
{
    open();
    // The kept file's name says whose it is, so that its name alone, once on the disk, records
    // it: one sync of the folder's names per file, the line following with the run's end. A name
    // too long for that waits for its line instead.
    const QString index = QStringLiteral("%1").arg(++m_keptCount, 4, 10, QLatin1Char('0'));
    const QByteArray encoded = encodedField(name);
    const bool named = encoded.size() <= MaxNameInKept;
    written.backup = KeptPrefix + index + (named ? '-' + QString::fromLatin1(encoded) : QString());
    RunRecords::step();
    destination.duplicateInto(name, *m_opened, written.backup);
    RunRecords::step();
    append(written);
    m_unsynced = true;
    if (!named)
        finish();
    // The kept file is on the disk under its name before the original loses its own.
    m_opened->syncNames();
    RunRecords::step();
}

void RunRecorder::noteAdded(const RecordedFile& written)
{
    open();
    append(written);
    m_unsynced = true;
}

void RunRecorder::finish()
{
    if (m_journal && m_unsynced)
        m_journal->syncData();
    m_unsynced = false;
}
