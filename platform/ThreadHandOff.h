#pragma once

#include <utility>

// ThreadSanitizer follows threads' start and join, std::mutex and std::atomic, but not Qt's
// cross-thread calls, whose queue waits on futexes directly: a value one thread posts and another
// reads would look to it like a race. These mark such a hand-off, so that it sees the order Qt
// keeps; in any other build they are nothing.
#if defined(__SANITIZE_THREAD__)
#define KORVANE_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KORVANE_THREAD_SANITIZER 1
#endif
#endif

#ifdef KORVANE_THREAD_SANITIZER
extern "C" {
void __tsan_acquire(void* address);
void __tsan_release(void* address);
void __tsan_ignore_thread_begin();
void __tsan_ignore_thread_end();
}
#endif

namespace ThreadHandOff {

// On the thread that hands over: what it wrote before is seen by the thread that takes over
// from the same channel. A channel serves one hand-off (the address of what is handed over),
// so that what the sender writes afterwards still counts as a race with what the receiver reads.
inline void handOver([[maybe_unused]] const void* channel)
{
#ifdef KORVANE_THREAD_SANITIZER
    __tsan_release(const_cast<void*>(channel));
#endif
}

// On the thread that takes over, before it reads what was handed over.
inline void takeOver([[maybe_unused]] const void* channel)
{
#ifdef KORVANE_THREAD_SANITIZER
    __tsan_acquire(const_cast<void*>(channel));
#endif
}

// Posts through Qt's queue: the copies Qt makes of the call's arguments are Qt's to order.
template <class Post> void postThroughQt(Post&& post)
{
#ifdef KORVANE_THREAD_SANITIZER
    __tsan_ignore_thread_begin();
    std::forward<Post>(post)();
    __tsan_ignore_thread_end();
#else
    std::forward<Post>(post)();
#endif
}

} // namespace ThreadHandOff
