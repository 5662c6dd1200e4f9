// Preloaded into the game by the power-cut check: every sync of a folder waits while the file
// HOLD_FOLDER_SYNC names exists, as a busy disk holds it, and creates that name + ".held" to say
// so. Syncs of files, and every other thread, go on.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

extern "C" int fsync(int fd) {
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    const char* gate = std::getenv("HOLD_FOLDER_SYNC");
    struct stat status {};
    if (gate != nullptr && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) &&
        ::access(gate, F_OK) == 0) {
        const std::string held = std::string(gate) + ".held";
        ::close(::open(held.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        while (::access(gate, F_OK) == 0)
            ::usleep(10000);
    }
    return real(fd);
}
