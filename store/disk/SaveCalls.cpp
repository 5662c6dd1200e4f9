#include "store/disk/SaveCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SaveCalls SystemSaveCalls() {
    return SaveCalls{
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        [](int fd, mode_t mode) { return ::fchmod(fd, mode); },
        [](int fd, const void* data, size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char* from, const char* to) { return std::rename(from, to); },
        [](const char* from, const char* to) { return ::link(from, to); },
        [](const char* path) { return ::unlink(path); },
    };
}

SaveCalls& CurrentSaveCalls() {
    // Never destroyed: the save at the program's exit runs after static objects built later
    // than its handler's registration are gone, and this one is first built at the first save.
    static SaveCalls& calls = *new SaveCalls(SystemSaveCalls());
    return calls;
}
