#pragma once
// Puts the settings file on disk from a thread of its own, so the window never waits for a
// slow disk's flush. One save runs at a time; a newer record replaces one still waiting,
// never the other way round, so the file only ever moves forward.

#include "store/Settings.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class SaveWriter {
public:
    // `failed` gets the error of each save that failed, on the writer's own thread.
    SaveWriter(QString path, std::function<void(const std::string& error)> failed);
    // Lets what waits be written, for at most `ShutdownLimit`, then stops the thread.
    ~SaveWriter();
    SaveWriter(const SaveWriter&) = delete;
    SaveWriter& operator=(const SaveWriter&) = delete;

    // Hands over a copy of `settings` to be written as soon as the save before it is done.
    void Submit(const StoredSettings& settings);
    // Until nothing waits and nothing is being written, for at most `limit`. False when the
    // disk still holds a save up: whatever is written later must then wait for it.
    bool WaitUntilIdle(std::chrono::milliseconds limit);

private:
    // Shared with the thread, so a thread left running at the end never outlives its state.
    struct State {
        QString path;
        std::function<void(const std::string&)> failed;
        std::mutex mutex;
        std::condition_variable changed;
        std::optional<StoredSettings> waiting;
        bool writing = false;
        bool stopping = false;
    };
    static void Run(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_;
    std::thread thread_;
};

// How long an ending waits for a save in flight before the last good file is left to stand.
inline constexpr std::chrono::milliseconds ShutdownLimit{5000};
