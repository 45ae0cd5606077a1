#pragma once

#include "InstallRun.h"

#include <QObject>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>

class ScenarioListModel;
struct ProgramState;

// An installation run on a thread of its own, so that the window that starts it keeps answering
// the desktop (exposure, the window manager's ping, assistive technology) while files are copied,
// however long a read from a slow medium takes. What the run shows and asks still happens on the
// window's thread and in the run's order: each status line, each file's end and the progress in
// between are painted one by one, and the duplicate question is asked there. Until the run ends
// the window's thread takes no user input, as when the run held it.
class InstallThread : public QObject, private InstallRunUi
{
    Q_OBJECT

public:
    // window: what the run shows, called on the thread that makes this object.
    InstallThread(ProgramState& state, ScenarioListModel& list, InstallRunUi& window);

    // The whole run: returns once it has ended and the window shows where it ended; an error
    // ends it and leaves through the exception. Does nothing while a run is under way.
    void start();
    bool isRunning() const { return m_running; }
    // As InstallRun's.
    void setPaintInterval(qint64 milliseconds) { m_run.setPaintInterval(milliseconds); }

private:
    // What the run asked the window to show, waiting for the window's thread.
    struct Shown
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

    // The run's side, on its thread.
    void setStatusText(const QString& text) override;
    void setFileProgress(int percent) override;
    void setOverallProgress(int percent) override;
    void updateFreeSpace() override;
    void paintNow() override;
    int askDuplicate(const QString& destinationPath) override;
    void checkGameFolder() override;
    void queue(Shown&& shown);
    // Runs call on the window's thread, once the window shows all the run showed before.
    void callOnWindowThread(const std::function<void()>& call);
    void rethrowWindowError();

    // The window's side.
    void showQueued();
    void show(const Shown& shown);

    ScenarioListModel& m_list;
    InstallRunUi& m_window;
    InstallRun m_run;
    bool m_running = false;

    std::mutex m_lock; // guards what follows
    std::condition_variable m_windowCaughtUp;
    std::deque<Shown> m_queued;
    int m_queuedPaints = 0;
    bool m_showingPosted = false;
    bool m_runEnded = false;
    // The window's failure to show something: it ends the run at the run's next step.
    std::exception_ptr m_windowError;
};
