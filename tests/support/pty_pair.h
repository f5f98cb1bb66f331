#pragma once
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <string>

#include "support/pump_until.h"

// A pseudo-terminal for serial tests: the program opens slave_path() as its port,
// the test (or a simulator) holds the master end.
class PtyPair {
public:
    PtyPair() {
        int slave = -1;
        char name[128] = {};
        if (openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
            path_ = name;
            // Keep the slave open here too, so the line stays up between the program's
            // open and close; raw, so no byte is changed on its way.
            termios tio{};
            tcgetattr(slave, &tio);
            cfmakeraw(&tio);
            tcsetattr(slave, TCSANOW, &tio);
            slave_ = slave;
            fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PtyPair() {
        close_master();
        if (slave_ >= 0) ::close(slave_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& slave_path() const { return path_; }
    int master() const { return master_; }

    // How many bytes the line holds for the program that the program has not read yet.
    int queued_for_program() const {
        int queued = -1;
        if (slave_ >= 0) ioctl(slave_, FIONREAD, &queued);
        return queued;
    }

    // The line stops taking what the program writes (a device holding its flow), or
    // takes it again.
    void hold_output(bool hold) {
        if (slave_ >= 0) tcflow(slave_, hold ? TCOOFF : TCOON);
    }

    // Pulls the line away: the program's end sees a hang-up.
    void close_master() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
        if (slave_ >= 0) ::close(slave_);
        slave_ = -1;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};
