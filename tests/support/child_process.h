#pragma once
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Process ids for tests of what a program does with another process's files: a child
// that runs until the test lets it go, and the id of one that has ended.

// A child process that waits, doing nothing, until the object goes.
class WaitingChild {
public:
    WaitingChild() {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[1]);
            char c;
            (void)::read(fds[0], &c, 1);  // returns when the parent closes its end
            ::_exit(0);
        }
        ::close(fds[0]);
        release_fd_ = fds[1];
    }
    ~WaitingChild() {
        if (release_fd_ >= 0) ::close(release_fd_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }
    WaitingChild(const WaitingChild&) = delete;
    WaitingChild& operator=(const WaitingChild&) = delete;

    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int release_fd_ = -1;
};

// The id of a child process that has ended and been reaped: no process holds it now.
inline pid_t ended_process_id() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    if (pid > 0) ::waitpid(pid, nullptr, 0);
    return pid;
}
