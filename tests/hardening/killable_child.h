#pragma once
// A child process started for being killed: it is started, waited for until it
// reports "ready" on its output, then killed with SIGKILL after a delay.

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace hardening {

class KillableChild {
public:
    // Starts `program`; throws when it cannot be started.
    KillableChild(const std::string& program, const std::vector<std::string>& args);
    // Kills a child that is still running.
    ~KillableChild();
    KillableChild(const KillableChild&) = delete;
    KillableChild& operator=(const KillableChild&) = delete;

    // Waits for the "ready" line; false when the child ended first.
    bool waitUntilReady();

    // Sleeps for `delay`, then kills the child and waits for its end. True
    // when the kill ended it; false when it had ended by itself before.
    bool killAfter(std::chrono::microseconds delay);

    // Waits for the child's own end; its exit code (128 + signal when killed).
    int wait();

private:
    pid_t m_pid = -1;
    int m_output = -1;
    int m_status = 0;
    bool m_ended = false;
};

} // namespace hardening
