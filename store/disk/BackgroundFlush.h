#pragma once
// Flushes saved files to the disk on a thread of its own, so the window never waits for a slow
// disk. The new content is the system's from the rename on; only its way to the disk is left
// here. A newer file's flush replaces one still waiting: the older file is gone by then.

#include "store/disk/AtomicFile.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// How long an ending waits for a flush in flight before it goes on without it.
inline constexpr std::chrono::milliseconds ShutdownLimit{5000};

class BackgroundFlush {
public:
    // `failed` is told, on the flushing thread, of each flush the disk refused.
    explicit BackgroundFlush(std::function<void()> failed);
    // Lets a waiting flush finish, for at most ShutdownLimit, then stops the thread.
    ~BackgroundFlush();
    BackgroundFlush(const BackgroundFlush&) = delete;
    BackgroundFlush& operator=(const BackgroundFlush&) = delete;

    void Submit(PendingFlush pending);
    // Until nothing waits and nothing is being flushed, for at most `limit`. False when the
    // disk still holds a flush up.
    bool WaitUntilIdle(std::chrono::milliseconds limit);

private:
    // Shared with the thread, so a thread left in a flush that never returns keeps its state.
    struct State {
        std::function<void()> failed;
        std::mutex mutex;
        std::condition_variable changed;
        PendingFlush waiting;
        bool flushing = false;
        bool stopping = false;
    };
    static void Run(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_;
    std::thread thread_;
};
