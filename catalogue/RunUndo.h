#pragma once

#include "RunRecord.h"

#include <QString>
#include <optional>

// What undoing a run asks of whoever started it: a window or the terminal.
class UndoUi
{
public:
    virtual ~UndoUi() = default;
    // Once, before anything is touched: the run and what undoing it does.
    virtual bool confirm(const RunRecord& record, const QString& summary) = 0;
    // A file changed since the run: one of DuplicateAnswer's values, as the duplicate prompt
    // answers ("overwrite" undoes it all the same, "skip" keeps it as it is).
    virtual int askChanged(const QString& path) = 0;
};

// Takes back the last run that changed a folder: removes the files it added and puts back the
// ones it replaced, exactly as they were (bytes and times). A file changed since the run is
// touched only when the user says so; one the run added that is gone already is passed over.
// Each file is moved out of sight and checked before it goes, so one saved at that moment by
// another program is never lost. What is not undone stays in the record, with its kept file.
class RunUndo
{
public:
    struct Outcome
    {
        bool confirmed = false;
        int removed = 0;
        int restored = 0;
        int left = 0; // kept as they are on the user's word, or after a cancel
    };

    // The last record with something to undo in the game folder (its host path; empty: any).
    static std::optional<RunUndo> last(const QString& stateFolder,
                                       const QString& gameFolderHost = QString());

    const RunRecord& record() const { return m_record; }
    // "remove 6 added files, restore 2 replaced ones"
    QString summary() const;
    Outcome run(UndoUi& ui);

private:
    explicit RunUndo(RunRecord record) : m_record(std::move(record)) {}

    RunRecord m_record;
};
