#pragma once

#include <QList>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Looks at places the program does not own and that may never answer: a mount whose server is
// gone, a disk that is spinning up, a folder on either. Each look runs on a thread of its own,
// and the caller waits for a batch of them together until all have answered or none has for the
// lookout's budget. A look still silent then is passed over: its place is named on standard
// error, and its thread, which may be held in the kernel, ends whenever the place answers, or
// with the program. A look therefore owns all it uses: it captures by value, never a reference
// to the caller's state. No widgets here.
class Lookout
{
public:
    using Clock = std::chrono::steady_clock;

    // Long enough for a sleeping disk to spin up, short enough for a first window within 5 s.
    static constexpr std::chrono::milliseconds standardBudget{3000};

    template <class Result> struct Look
    {
        QString place; // the folder or file looked at, as the user would find it
        std::function<Result()> work;
    };

    // Called every few milliseconds while the caller waits, with the place of a look that has
    // not answered yet, so that a window can show what is being waited for; false gives up the
    // wait, this one and every later one of the lookout, as if the budget had run out.
    using WhileWaiting = std::function<bool(const QString& place)>;

    explicit Lookout(std::chrono::milliseconds budget = standardBudget,
                     WhileWaiting whileWaiting = {});

    // The looks' results in their order; nullopt for a look that did not answer (or threw). The
    // batch waits until no look has answered for the whole budget: a long batch of looks that
    // keep answering (three hundred registries on a slow machine) is not cut short, and a place
    // that does not answer costs the batch it is in one budget, not the batches that follow.
    template <class Result> QList<std::optional<Result>> lookAll(const QList<Look<Result>>& looks);

    // One look, for a place looked at alone.
    template <class Result>
    std::optional<Result> look(const QString& place, std::function<Result()> work)
    {
        return lookAll<Result>({{place, std::move(work)}}).constFirst();
    }

    bool givenUp() const { return m_givenUp; }

private:
    template <class Result> struct Batch
    {
        std::mutex mutex;
        std::condition_variable answered;
        QList<std::optional<Result>> results;
        QList<bool> done;
        qsizetype pending = 0;
    };

    template <class Result>
    static void run(std::shared_ptr<Batch<Result>> batch, qsizetype index,
                    std::function<Result()> work);
    // Waits until no look is pending, calling the hook between short waits; false when none
    // answered for the whole budget, or the wait was given up.
    bool waitForAll(std::unique_lock<std::mutex>& lock, std::condition_variable& answered,
                    const std::function<qsizetype()>& pending,
                    const std::function<QString()>& waiting);
    static void reportPassedOver(const QString& place);

    std::chrono::milliseconds m_budget;
    WhileWaiting m_whileWaiting;
    bool m_givenUp = false;
};

template <class Result>
void Lookout::run(std::shared_ptr<Batch<Result>> batch, qsizetype index,
                  std::function<Result()> work)
{
    std::optional<Result> result;
    try {
        result = work();
    } catch (...) {
        // A look that fails found nothing, as a place that holds nothing.
    }
    const std::lock_guard<std::mutex> lock(batch->mutex);
    batch->results[index] = std::move(result);
    batch->done[index] = true;
    --batch->pending;
    batch->answered.notify_all();
}

template <class Result>
QList<std::optional<Result>> Lookout::lookAll(const QList<Look<Result>>& looks)
{
    if (m_givenUp)
        return QList<std::optional<Result>>(looks.size());
    auto batch = std::make_shared<Batch<Result>>();
    batch->results.resize(looks.size());
    batch->done.fill(false, looks.size());
    batch->pending = looks.size();
    std::vector<std::thread> threads;
    threads.reserve(size_t(looks.size()));
    for (qsizetype i = 0; i < looks.size(); ++i)
        threads.emplace_back(&Lookout::run<Result>, batch, i, looks[i].work);

    std::unique_lock<std::mutex> lock(batch->mutex);
    const auto firstWaiting = [&] {
        const qsizetype index = batch->done.indexOf(false);
        return index < 0 ? QString() : looks[index].place;
    };
    const auto pending = [&] { return batch->pending; };
    if (!waitForAll(lock, batch->answered, pending, firstWaiting) && !m_givenUp) {
        for (qsizetype i = 0; i < looks.size(); ++i) {
            if (!batch->done[i])
                reportPassedOver(looks[i].place);
        }
    }
    const QList<bool> done = batch->done;
    const QList<std::optional<Result>> results = batch->results;
    lock.unlock();
    // A thread that answered has only its end left, and is waited for, so that no thread of a
    // finished look outlives the call. One that did not answer is let go: what it finds later
    // goes to the batch alone, which its thread frees.
    for (qsizetype i = 0; i < looks.size(); ++i) {
        if (done[i])
            threads[size_t(i)].join();
        else
            threads[size_t(i)].detach();
    }
    return results;
}
