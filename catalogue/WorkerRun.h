#pragma once

#include "InstallRun.h"

#include <QObject>
#include <atomic>
#include <exception>
#include <memory>
#include <semaphore>

// Drives an installation run on a worker thread, so that the window that starts it keeps
// answering the desktop (exposure, the window manager's ping, assistive technology) however long
// a read from a slow medium takes. The run gets its plan by value and touches nothing of the
// window's; what it shows reaches the window as reports, queued to the window's thread in the
// run's order, so each status line, each file's end and the progress between are painted one by
// one; the duplicate question is asked there too. Until the run ends the window's thread takes
// no user input, as when the run held it.
//
// The waits, all here: the window's thread waits in start() for the worker's end, handling the
// reports and the desktop's events meanwhile; the worker waits when it is paintsAhead paints
// ahead of the window, and for the answer to a duplicate question.
class WorkerRun : public QObject, private InstallRunUi
{
    Q_OBJECT

public:
    // What the run asked the window to show.
    struct Report
    {
        enum Kind
        {
            Status,
            FileProgress,
            OverallProgress,
            FreeSpace,
            Paint
        } kind;
        int percent = 0;
        QString text;
    };

    // How many paints the run may be ahead of the window before it waits: enough for the window
    // to paint while the next file is copied, few enough that what shows is never long past.
    static constexpr int paintsAhead = 4;

    // window: what the run shows, called on the thread that makes this object.
    explicit WorkerRun(InstallRunUi& window);

    // The whole run: returns once it has ended and the window shows where it ended; an error,
    // the run's or the window's, ends it and leaves through the exception. Does nothing while a
    // run is under way.
    void start(InstallPlan plan);
    bool isRunning() const { return m_running; }
    // As InstallRun's.
    void setPaintInterval(qint64 milliseconds) { m_run.setPaintInterval(milliseconds); }
    void recordRunsIn(const QString& stateFolder) { m_run.recordRunsIn(stateFolder); }

Q_SIGNALS:
    // Emitted on the worker, each received on the window's thread. A report is handed over whole,
    // made before it is sent and read only after.
    void reported(std::shared_ptr<const WorkerRun::Report> report);
    void ended();

private:
    // Thrown on the worker when the window failed to show a report: it ends the run there, and
    // the window's error leaves start().
    struct WindowFailed
    {
    };

    // The worker's side.
    void runOnWorker(InstallPlan plan);
    void setStatusText(const QString& text) override;
    void setFileProgress(int percent) override;
    void setOverallProgress(int percent) override;
    void updateFreeSpace() override;
    void paintNow() override;
    int askDuplicate(const QString& destinationPath) override;
    void report(Report report);
    void stopIfWindowFailed() const;

    // The window's side.
    void show(const std::shared_ptr<const WorkerRun::Report>& report);
    int ask(const QString& destinationPath);
    void windowFailed();

    InstallRunUi& m_window;
    InstallRun m_run;
    bool m_running = false;
    std::counting_semaphore<paintsAhead> m_paintSlots{paintsAhead};
    std::atomic<bool> m_windowFailed = false;
    std::exception_ptr m_windowError; // the window's thread's
    std::exception_ptr m_runError;    // the worker's, read once it has ended
    char m_reports = 0; // the channel of the reports and the question, for ThreadHandOff
};
