#include "InstallThread.h"

#include "DuplicatePrompt.h"
#include "ScenarioListModel.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <thread>

namespace {

// How many paints the run may be ahead of the window before it waits: enough for the window to
// paint while the next file is copied, few enough that what shows is never long past.
constexpr int paintsAhead = 4;

} // namespace

InstallThread::InstallThread(ProgramState& state, ScenarioListModel& list, InstallRunUi& window)
    : m_list(list), m_window(window), m_run(state, list, *this)
{
}

void InstallThread::start()
{
    if (m_running)
        return;
    const QScopedValueRollback running(m_running, true);
    // The run freezes the list on its own thread; the window's must not change it meanwhile.
    const ScenarioListModel::Freeze freeze(m_list);
    {
        const std::lock_guard lock(m_lock);
        m_queued.clear();
        m_queuedPaints = 0;
        m_showingPosted = false;
        m_runEnded = false;
        m_windowError = nullptr;
    }

    std::exception_ptr runError;
    std::jthread runner([this, &runError] {
        try {
            m_run.start();
        } catch (...) {
            runError = std::current_exception();
        }
        {
            const std::lock_guard lock(m_lock);
            m_runEnded = true;
        }
        QMetaObject::invokeMethod(
            this, [] {}, Qt::QueuedConnection); // wakes the window's thread
    });
    for (;;) {
        {
            const std::lock_guard lock(m_lock);
            if (m_runEnded)
                break;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    runner.join();
    showQueued(); // what the run set after its last paint, such as the gauge at 100 on an error
    if (runError)
        std::rethrow_exception(runError);
    if (m_windowError)
        std::rethrow_exception(m_windowError);
}

void InstallThread::setStatusText(const QString& text)
{
    queue({Shown::Status, 0, text});
}

void InstallThread::setFileProgress(int percent)
{
    queue({Shown::FileProgress, percent, {}});
}

void InstallThread::setOverallProgress(int percent)
{
    queue({Shown::OverallProgress, percent, {}});
}

void InstallThread::updateFreeSpace()
{
    queue({Shown::FreeSpace, 0, {}});
}

void InstallThread::paintNow()
{
    queue({Shown::Paint, 0, {}});
}

int InstallThread::askDuplicate(const QString& destinationPath)
{
    int answer = CancelInstallation;
    callOnWindowThread([&] { answer = m_window.askDuplicate(destinationPath); });
    return answer;
}

void InstallThread::checkGameFolder()
{
    callOnWindowThread([this] { m_window.checkGameFolder(); });
}

void InstallThread::queue(Shown&& shown)
{
    std::unique_lock lock(m_lock);
    if (m_windowError)
        std::rethrow_exception(m_windowError);
    if (shown.kind == Shown::Paint)
        ++m_queuedPaints;
    m_queued.push_back(std::move(shown));
    if (!std::exchange(m_showingPosted, true)) {
        lock.unlock();
        QMetaObject::invokeMethod(this, &InstallThread::showQueued, Qt::QueuedConnection);
        lock.lock();
    }
    m_windowCaughtUp.wait(lock, [this] { return m_queuedPaints <= paintsAhead || m_windowError; });
    if (m_windowError)
        std::rethrow_exception(m_windowError);
}

void InstallThread::callOnWindowThread(const std::function<void()>& call)
{
    rethrowWindowError();
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        this,
        [&] {
            showQueued();
            try {
                // What the window failed to show ends the run before it asks anything more.
                rethrowWindowError();
                call();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

void InstallThread::rethrowWindowError()
{
    std::exception_ptr error;
    {
        const std::lock_guard lock(m_lock);
        error = m_windowError;
    }
    if (error)
        std::rethrow_exception(error);
}

// Shows what was queued when it was called: what the run queues meanwhile waits for the next
// call, so that the window's other events come between.
void InstallThread::showQueued()
{
    std::unique_lock lock(m_lock);
    m_showingPosted = false;
    for (auto left = m_queued.size(); left > 0; --left) {
        const Shown shown = std::move(m_queued.front());
        m_queued.pop_front();
        const bool failedBefore = m_windowError != nullptr;
        lock.unlock();
        std::exception_ptr failure;
        if (!failedBefore) {
            try {
                show(shown);
            } catch (...) {
                failure = std::current_exception();
            }
        }
        lock.lock();
        if (failure)
            m_windowError = failure;
        if (shown.kind == Shown::Paint)
            --m_queuedPaints;
        m_windowCaughtUp.notify_one();
    }
}

void InstallThread::show(const Shown& shown)
{
    switch (shown.kind) {
    case Shown::Status:
        m_window.setStatusText(shown.text);
        break;
    case Shown::FileProgress:
        m_window.setFileProgress(shown.percent);
        break;
    case Shown::OverallProgress:
        m_window.setOverallProgress(shown.percent);
        break;
    case Shown::FreeSpace:
        m_window.updateFreeSpace();
        break;
    case Shown::Paint:
        m_window.paintNow();
        break;
    }
}
