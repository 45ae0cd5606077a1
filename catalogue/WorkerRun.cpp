#include "WorkerRun.h"

#include "DuplicatePrompt.h"
#include "ThreadHandOff.h"

#include <QEventLoop>
#include <QScopedValueRollback>
#include <thread>

WorkerRun::WorkerRun(InstallRunUi& window) : m_window(window), m_run(*this)
{
    connect(this, &WorkerRun::reported, this, &WorkerRun::show, Qt::QueuedConnection);
}

void WorkerRun::start(InstallPlan plan)
{
    if (m_running)
        return;
    const QScopedValueRollback running(m_running, true);
    m_windowFailed = false;
    m_windowError = nullptr;
    m_runError = nullptr;

    QEventLoop untilEnded;
    connect(this, &WorkerRun::ended, &untilEnded, &QEventLoop::quit, Qt::QueuedConnection);
    {
        std::jthread worker(&WorkerRun::runOnWorker, this, std::move(plan));
        // The reports arrive before the end, since the worker sent them first.
        untilEnded.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (m_windowError)
        std::rethrow_exception(m_windowError);
    if (m_runError)
        std::rethrow_exception(m_runError);
}

void WorkerRun::runOnWorker(InstallPlan plan)
{
    try {
        m_run.start(std::move(plan));
    } catch (const WindowFailed&) {
    } catch (...) {
        m_runError = std::current_exception();
    }
    ThreadHandOff::postThroughQt([this] { Q_EMIT ended(); });
}

void WorkerRun::setStatusText(const QString& text)
{
    report({Report::Status, 0, text});
}

void WorkerRun::setFileProgress(int percent)
{
    report({Report::FileProgress, percent, {}});
}

void WorkerRun::setOverallProgress(int percent)
{
    report({Report::OverallProgress, percent, {}});
}

void WorkerRun::updateFreeSpace()
{
    report({Report::FreeSpace, 0, {}});
}

void WorkerRun::paintNow()
{
    report({Report::Paint, 0, {}});
}

void WorkerRun::report(Report report)
{
    stopIfWindowFailed();
    if (report.kind == Report::Paint)
        m_paintSlots.acquire(); // the window frees the slot once it has painted
    auto sent = std::make_shared<const Report>(std::move(report));
    ThreadHandOff::handOver(sent.get());
    ThreadHandOff::postThroughQt([&] { Q_EMIT reported(std::move(sent)); });
}

// Asked on the window's thread once it shows every report before the question.
int WorkerRun::askDuplicate(const QString& destinationPath)
{
    stopIfWindowFailed();
    int answer = CancelInstallation;
    ThreadHandOff::handOver(&answer);
    ThreadHandOff::postThroughQt([&] {
        QMetaObject::invokeMethod(
            this,
            [&] {
                ThreadHandOff::takeOver(&answer);
                answer = ask(destinationPath);
                ThreadHandOff::handOver(&answer);
            },
            Qt::BlockingQueuedConnection);
    });
    ThreadHandOff::takeOver(&answer);
    stopIfWindowFailed();
    return answer;
}

void WorkerRun::stopIfWindowFailed() const
{
    if (m_windowFailed)
        throw WindowFailed();
}

// What the window failed to show ends the run at the run's next step; nothing after it is
// shown.
void WorkerRun::show(const std::shared_ptr<const Report>& sent)
{
    ThreadHandOff::takeOver(sent.get());
    const Report& report = *sent;
    try {
        if (!m_windowError) {
            switch (report.kind) {
            case Report::Status:
                m_window.setStatusText(report.text);
                break;
            case Report::FileProgress:
                m_window.setFileProgress(report.percent);
                break;
            case Report::OverallProgress:
                m_window.setOverallProgress(report.percent);
                break;
            case Report::FreeSpace:
                m_window.updateFreeSpace();
                break;
            case Report::Paint:
                m_window.paintNow();
                break;
            }
        }
    } catch (...) {
        windowFailed();
    }
    if (report.kind == Report::Paint)
        m_paintSlots.release();
}

int WorkerRun::ask(const QString& destinationPath)
{
    int answer = CancelInstallation;
    try {
        if (!m_windowError)
            answer = m_window.askDuplicate(destinationPath);
    } catch (...) {
        windowFailed();
    }
    return answer;
}

void WorkerRun::windowFailed()
{
    m_windowError = std::current_exception();
    m_windowFailed = true;
}
