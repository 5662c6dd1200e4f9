#include "store/disk/BackgroundFlush.h"

#include <utility>

BackgroundFlush::BackgroundFlush(std::function<void()> failed) : state_(std::make_shared<State>()) {
    state_->failed = std::move(failed);
    thread_ = std::thread([state = state_] { Run(state); });
}

BackgroundFlush::~BackgroundFlush() {
    const bool idle = WaitUntilIdle(ShutdownLimit);
    {
        const std::lock_guard lock(state_->mutex);
        state_->stopping = true;
        state_->failed = nullptr; // whoever listened is going away
    }
    state_->changed.notify_all();
    // A thread stuck in a flush that never returns is left to the end of the process rather
    // than holding the program up.
    if (idle)
        thread_.join();
    else
        thread_.detach();
}

void BackgroundFlush::Submit(PendingFlush pending) {
    {
        const std::lock_guard lock(state_->mutex);
        state_->waiting = std::move(pending);
    }
    state_->changed.notify_all();
}

bool BackgroundFlush::WaitUntilIdle(std::chrono::milliseconds limit) {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(
        lock, limit, [this] { return state_->waiting.Empty() && !state_->flushing; });
}

void BackgroundFlush::Run(const std::shared_ptr<State>& state) {
    std::unique_lock lock(state->mutex);
    for (;;) {
        state->changed.wait(lock, [&] { return !state->waiting.Empty() || state->stopping; });
        if (state->waiting.Empty())
            return;
        PendingFlush pending = std::move(state->waiting);
        state->flushing = true;
        lock.unlock();
        const bool flushed = pending.Flush();
        lock.lock();
        // Told under the lock, so the listener cannot be gone halfway through.
        if (!flushed && state->failed)
            state->failed();
        state->flushing = false;
        state->changed.notify_all();
    }
}
