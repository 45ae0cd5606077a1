#include "Lookout.h"

#include "HostName.h"

#include <cerrno>
#include <cstdio>

namespace {

// Short enough that a window shown meanwhile stays responsive.
constexpr std::chrono::milliseconds pollInterval{15};

} // namespace

Lookout::Lookout(std::chrono::milliseconds budget, WhileWaiting whileWaiting)
    : m_budget(budget), m_whileWaiting(std::move(whileWaiting))
{
}

bool Lookout::waitForAll(std::unique_lock<std::mutex>& lock, std::condition_variable& answered,
                         const std::function<qsizetype()>& pending,
                         const std::function<QString()>& waiting)
{
    qsizetype left = pending();
    Clock::time_point deadline = Clock::now() + m_budget;
    while (left > 0) {
        if (Clock::now() >= deadline)
            return false;
        if (!m_whileWaiting) {
            answered.wait_until(lock, deadline);
        } else if (answered.wait_for(lock, pollInterval, [&] { return pending() == 0; })) {
            break;
        } else {
            const QString place = waiting();
            lock.unlock();
            const bool goOn = m_whileWaiting(place);
            lock.lock();
            if (!goOn) {
                m_givenUp = true;
                return false;
            }
        }
        if (pending() < left) {
            left = pending();
            deadline = Clock::now() + m_budget;
        }
    }
    return true;
}

void Lookout::reportPassedOver(const QString& place)
{
    std::fprintf(stderr, "%s: %s did not answer in time and is passed over.\n",
                 program_invocation_short_name,
                 HostName::encode(HostName::printable(place)).constData());
}
