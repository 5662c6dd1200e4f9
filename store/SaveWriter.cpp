#include "store/SaveWriter.h"

#include <exception>
#include <utility>

SaveWriter::SaveWriter(QString path, std::function<void(const std::string&)> failed)
    : state_(std::make_shared<State>()) {
    state_->path = std::move(path);
    state_->failed = std::move(failed);
    thread_ = std::thread([state = state_] { Run(state); });
}

SaveWriter::~SaveWriter() {
    const bool idle = WaitUntilIdle(ShutdownLimit);
    {
        const std::lock_guard lock(state_->mutex);
        state_->stopping = true;
        state_->failed = nullptr; // whoever listened is going away
    }
    state_->changed.notify_all();
    // A thread stuck in a flush that never returns is left to the end of the process rather
    // than holding the program up; it keeps its state alive itself.
    if (idle)
        thread_.join();
    else
        thread_.detach();
}

void SaveWriter::Submit(const StoredSettings& settings) {
    {
        const std::lock_guard lock(state_->mutex);
        state_->waiting = settings;
    }
    state_->changed.notify_all();
}

bool SaveWriter::WaitUntilIdle(std::chrono::milliseconds limit) {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, limit,
                                    [this] { return !state_->waiting && !state_->writing; });
}

void SaveWriter::Run(const std::shared_ptr<State>& state) {
    std::unique_lock lock(state->mutex);
    for (;;) {
        state->changed.wait(lock, [&] { return state->waiting || state->stopping; });
        if (!state->waiting)
            return;
        const StoredSettings settings = *std::exchange(state->waiting, std::nullopt);
        state->writing = true;
        lock.unlock();
        std::string error;
        try {
            SaveSettings(state->path, settings);
        } catch (const std::exception& failure) {
            error = failure.what();
        }
        lock.lock();
        // Told under the lock, so the listener cannot be gone halfway through.
        if (!error.empty() && state->failed)
            state->failed(error);
        state->writing = false;
        state->changed.notify_all();
    }
}
