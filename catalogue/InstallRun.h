#pragma once

#include "DuplicatePrompt.h"
#include "InstallPlan.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <optional>

class RunRecorder;
class WinFolder;
struct RecordedFile;

// What an installation run asks of the window that started it.
class InstallRunUi
{
public:
    virtual ~InstallRunUi() = default;
    virtual void setStatusText(const QString& text) = 0;
    virtual void setFileProgress(int percent) = 0;
    virtual void setOverallProgress(int percent) = 0;
    // Rewrites the free-space line, to be painted with the rest; throws when the game folder names
    // no drive.
    virtual void updateFreeSpace() = 0;
    // One of DuplicateAnswer's values.
    virtual int askDuplicate(const QString& destinationPath) = 0;
    // Paints what changed since the last call, at once. The run calls it after each status text,
    // at the end of each file and at most every PaintInterval in between, so the setters above
    // need not paint by themselves.
    virtual void paintNow() {}
};

// One installation: copies the files of its plan, in order, from the source folder into the
// destination folder, asking about each file that exists already, also one that another program
// saves there while the copy runs. Every file is written under a temporary name
// beside its destination and takes its place only when complete, so a failed copy leaves neither
// a partial file nor a damaged original.
class InstallRun
{
public:
    static constexpr qint64 BlockSize = 2048;
    static constexpr qint64 PaintInterval = 16; // ms

    explicit InstallRun(InstallRunUi& ui);
    ~InstallRun();

    // The whole run; an error ends it and leaves through the exception. Does nothing while a run
    // is already under way.
    void start(InstallPlan plan);
    bool isRunning() const { return m_running; }
    // Bytes written by the current run, or by the last one once it ended.
    qint64 copiedTotal() const { return m_copiedTotal; }
    // The least time between two paints of the progress within a file; 0 shows every block.
    void setPaintInterval(qint64 milliseconds) { m_paintInterval = milliseconds; }
    // Each run that changes something is then recorded in stateFolder, each file it replaces
    // kept there, so that RunUndo can take the run back; empty records nothing.
    void recordRunsIn(const QString& stateFolder) { m_stateFolder = stateFolder; }

private:
    // entryName: the list's name, read from source and written under itself; one that is not a
    // single name Windows can spell fails as an invalid name.
    void installFile(const InstallPlan::File& file, const WinFolder& source,
                     const WinFolder& destination);
    // existing: the destination's attributes, nullopt when there is none.
    bool mayWrite(const QString& destinationPath, std::optional<quint32> existing);
    void copyFile(const InstallPlan::File& file, const WinFolder& source,
                  const WinFolder& destination, const QString& destinationPath,
                  std::optional<quint32> existing);
    void syncPlacedFiles(const WinFolder& destination);
    // Keeps what name holds in the run's record, then puts the finished file in its place.
    template <class Pending>
    void replaceKeeping(Pending& target, const WinFolder& destination, const QString& name,
                        const RecordedFile& written);
    // At most one paint every PaintInterval: a repaint per block would cost more than the copy.
    void showProgress(qint64 done, qint64 size, qint64 listedSize);
    // The run's share of the plan once `done` bytes of the current file, listed at `listedSize`,
    // are copied: the files before it count whole, copied or skipped.
    int overallPercent(qint64 done, qint64 listedSize) const;
    // Sets the status text and paints it.
    void showStatusNow(const QString& text);
    void paint();

    InstallRunUi& m_ui;
    InstallPlan m_plan;
    bool m_running = false;
    // What the user answered, and how far the copy got: each run starts them afresh.
    qint64 m_copiedTotal = 0;
    qint64 m_filesDone = 0; // listed bytes of the files copied or skipped
    DuplicateAnswers m_answers;
    bool m_filesPlaced = false; // since the last sync of the destination's file system
    QElapsedTimer m_sincePaint;
    qint64 m_paintInterval = PaintInterval;
    QString m_stateFolder;
    std::unique_ptr<RunRecorder> m_recorder; // during a run that records
};
