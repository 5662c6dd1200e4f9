#pragma once
// The system calls a save makes, gathered in one place so that tests can make any of them
// fail the way a full disk, a broken device or a signal would.

#include <functional>
#include <sys/types.h>

struct SaveCalls {
    std::function<int(const char* path, int flags, mode_t mode)> open;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<ssize_t(int fd, const void* data, size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* from, const char* to)> link;
    std::function<int(const char* path)> unlink;
};

// The real calls of the system.
SaveCalls SystemSaveCalls();

// The calls every save goes through; tests replace them and put the system's back.
SaveCalls& CurrentSaveCalls();
