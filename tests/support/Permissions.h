#pragma once
// Tests of what happens when the system refuses a file, also when they run as root.

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `action` with file permissions in force. Root ignores them, so as root the action
// runs in a child process that has become the unprivileged "nobody" user; the folders it
// works in must let others in. True when the action returned true.
inline bool RunWithPermissionsInForce(const std::function<bool()>& action) {
    if (::geteuid() != 0)
        return action();
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        ::_exit(action() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
