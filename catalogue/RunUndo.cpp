#include "RunUndo.h"

#include "DuplicatePrompt.h"
#include "Errors.h"
#include "FileSystem.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Each form a whole phrase of its own: a language may decline the words after the number.
QString counted(int count, const char* one, const char* many)
{
    return QCoreApplication::translate("RunUndo", count == 1 ? one : many).arg(count);
}

bool sameFile(const FileVersion& a, const FileVersion& b)
{
    // A rename changes the status time, never the contents' time.
    return a.identity == b.identity && a.size == b.size && a.modified == b.modified;
}

// Undoes the files of one record, the last first, and says which are left.
class Undoing
{
public:
    Undoing(const RunRecord& record, UndoUi& ui)
        : m_record(record), m_ui(ui),
          m_destination(WinFolder::ofHost(record.place.destinationHost)),
          m_kept(WinFolder::ofHost(record.folder))
    {
    }

    RunUndo::Outcome run()
    {
        RunUndo::Outcome outcome{.confirmed = true};
        QList<RecordedFile> left;
        for (qsizetype at = m_record.files.size() - 1; at >= 0; --at) {
            const RecordedFile& file = m_record.files[at];
            if (m_answers.cancelled() || !undo(file)) {
                left.prepend(file);
                continue;
            }
            ++(file.replaced() ? outcome.restored : outcome.removed);
        }
        outcome.left = int(left.size());
        // What was put back is on the disk before the record forgets the kept files.
        m_destination.syncFileSystem();
        if (left.isEmpty()) {
            RunRecords::remove(m_record.folder);
            return outcome;
        }
        RunRecord record = m_record;
        record.rewrite(left);
        for (const RecordedFile& file : m_record.files) {
            if (file.replaced() && !left.contains(file) && m_kept.attributes(file.backup))
                m_kept.removeFile(file.backup);
        }
        return outcome;
    }

private:
    // False when the file stays as it is, its line in the record.
    bool undo(const RecordedFile& file)
    {
        for (;;) {
            const std::optional<FileVersion> now = versionOf(file.name);
            if (!now) {
                // Gone already: an added file needs nothing, a replaced one comes back.
                return !file.replaced() || putBack(file, file.name);
            }
            // The run stopped between keeping the file and replacing it: it is still there.
            if (file.replaced() && now->identity == keptVersion(file).identity)
                return true;
            if (!asWritten(file, *now) && !agreed(file))
                return false;
            // Put back under the name as the disk spells it, which the replace kept.
            const QList<DirEntry> listed = m_destination.list(file.name, ListFilter::Everything);
            const QString spelt = listed.size() == 1 ? listed[0].name : file.name;
            const QString aside = moveAside(file.name);
            const std::optional<FileVersion> moved = versionOf(aside);
            if (!moved || !sameFile(*moved, *now)) {
                // Saved anew between the check and the move: back, and asked again.
                if (moved && !m_destination.renameToFreeName(aside, file.name))
                    throw Exception(QStringLiteral("The file %1 was saved twice while it was "
                                                   "undone; the older one is kept as %2")
                                        .arg(path(file.name), path(aside)));
                continue;
            }
            const bool placed = !file.replaced() || putBack(file, spelt);
            if (placed)
                m_destination.removeFile(aside);
            else if (!m_destination.renameToFreeName(aside, spelt))
                throw Exception(
                    QStringLiteral("The file %1 is kept as %2").arg(path(file.name), path(aside)));
            return placed;
        }
    }

    bool asWritten(const RecordedFile& file, const FileVersion& now) const
    {
        if (now.size != file.size || now.modified != file.modified)
            return false;
        WinFile opened = m_destination.openRead(file.name);
        return ContentHash::ofFile(opened) == file.hash;
    }

    bool agreed(const RecordedFile& file)
    {
        return m_answers.mayReplace([&] { return m_ui.askChanged(path(file.name)); });
    }

    // The kept file under a hidden name beside its place, then renamed to it: false, with
    // nothing changed, when another file took the name meanwhile.
    bool putBack(const RecordedFile& file, const QString& name)
    {
        const QString pending = freeName(QStringLiteral("restore"));
        m_kept.duplicateInto(file.backup, m_destination, pending);
        if (m_destination.renameToFreeName(pending, name))
            return true;
        m_destination.removeFile(pending);
        return false;
    }

    QString moveAside(const QString& name) const
    {
        for (;;) {
            const QString aside = freeName(QStringLiteral("undo"));
            if (m_destination.renameToFreeName(name, aside))
                return aside;
        }
    }

    QString freeName(const QString& kind) const
    {
        for (int attempt = 0;; ++attempt) {
            const QString name = QStringLiteral(".%1-%2-%3.tmp")
                                     .arg(kind)
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(attempt);
            if (!m_destination.attributes(name))
                return name;
        }
    }

    std::optional<FileVersion> versionOf(const QString& name) const
    {
        if (!m_destination.attributes(name))
            return std::nullopt;
        return m_destination.openRead(name).version();
    }

    FileVersion keptVersion(const RecordedFile& file) const
    {
        return m_kept.openRead(file.backup).version();
    }

    QString path(const QString& name) const
    {
        return QDir(m_record.place.destinationHost).filePath(name);
    }

    const RunRecord& m_record;
    UndoUi& m_ui;
    const WinFolder m_destination;
    const WinFolder m_kept;
    DuplicateAnswers m_answers;
};

} // namespace

std::optional<RunUndo> RunUndo::last(const QString& stateFolder, const QString& gameFolderHost)
{
    const QList<RunRecord> records = RunRecords::all(stateFolder, RunRecord::Extent::Heading);
    for (auto heading = records.rbegin(); heading != records.rend(); ++heading) {
        if (!gameFolderHost.isEmpty() &&
            QDir::cleanPath(heading->place.gameFolderHost) != QDir::cleanPath(gameFolderHost))
            continue;
        std::optional<RunRecord> record = RunRecord::read(heading->folder);
        if (record && !record->files.isEmpty())
            return RunUndo(std::move(*record));
    }
    return std::nullopt;
}

QString RunUndo::summary() const
{
    const auto replaced = std::count_if(m_record.files.begin(), m_record.files.end(),
                                        std::mem_fn(&RecordedFile::replaced));
    const int added = int(m_record.files.size() - replaced);
    QStringList parts;
    if (added > 0)
        parts << counted(added, QT_TRANSLATE_NOOP("RunUndo", "remove %1 added file"),
                         QT_TRANSLATE_NOOP("RunUndo", "remove %1 added files"));
    if (replaced > 0)
        parts << counted(int(replaced), QT_TRANSLATE_NOOP("RunUndo", "restore %1 replaced one"),
                         QT_TRANSLATE_NOOP("RunUndo", "restore %1 replaced ones"));
    return parts.join(QStringLiteral(", "));
}

RunUndo::Outcome RunUndo::run(UndoUi& ui)
{
    if (!ui.confirm(m_record, summary()))
        return {};
    return Undoing(m_record, ui).run();
}
