#include "hardening/killable_child.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace hardening {

KillableChild::KillableChild(const std::string& program, const std::vector<std::string>& args) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int rc = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        throw std::runtime_error("cannot start " + program);
    }
    m_output = pipeFds[0];
}

KillableChild::~KillableChild() {
    if (!m_ended) {
        kill(m_pid, SIGKILL);
        wait();
    }
    if (m_output >= 0)
        close(m_output);
}

bool KillableChild::waitUntilReady() {
    std::string line;
    char c = 0;
    while (line != "ready\n") {
        const ssize_t n = read(m_output, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        line += c;
        if (c == '\n' && line != "ready\n")
            line.clear();
    }
    return true;
}

bool KillableChild::killAfter(std::chrono::microseconds delay) {
    std::this_thread::sleep_for(delay);
    kill(m_pid, SIGKILL);
    const int code = wait();
    return code == 128 + SIGKILL;
}

int KillableChild::wait() {
    if (!m_ended) {
        while (waitpid(m_pid, &m_status, 0) < 0 && errno == EINTR) {
        }
        m_ended = true;
    }
    return WIFEXITED(m_status) ? WEXITSTATUS(m_status) : 128 + WTERMSIG(m_status);
}

} // namespace hardening
