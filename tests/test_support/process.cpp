#include "test_support/process.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testing_support {
namespace {

using Clock = std::chrono::steady_clock;

// Reads the child's output until both pipes close or the deadline passes
// (then the child is killed), and waits for its end.
ProcessResult collect(pid_t pid, int outFd, int errFd, Clock::time_point deadline) {
    ProcessResult result;
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            kill(pid, SIGKILL);
            result.timedOut = true;
            break;
        }
        if (poll(fds, 2, static_cast<int>(std::min<long long>(left, 1000))) <= 0)
            continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& fd : fds)
        if (fd.fd >= 0)
            close(fd.fd);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args) {
    ProcessLimits limits;
    limits.seconds = 24 * 3600; // as long as it takes
    return runProcess(program, args, limits);
}

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         std::chrono::milliseconds limit) {
    ProcessLimits limits;
    limits.seconds = static_cast<int>(std::chrono::ceil<std::chrono::seconds>(limit).count());
    return runProcess(program, args, limits);
}

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const ProcessLimits& limits) {
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // The added entries come first, so they win over the test's own.
    std::vector<char*> env;
    for (const auto& e : limits.environment)
        env.push_back(const_cast<char*>(e.c_str()));
    for (char** e = environ; *e; ++e)
        env.push_back(*e);
    env.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("cannot start " + program);
    if (pid == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        const int null = open("/dev/null", O_RDONLY);
        dup2(null, 0);
        if (limits.fileSizeBytes > 0) {
            const rlimit limit{limits.fileSizeBytes, limits.fileSizeBytes};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        // The child meets the file-size limit as the system's default has it.
        signal(SIGXFSZ, SIG_DFL);
        execve(program.c_str(), argv.data(), env.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    return collect(pid, outPipe[0], errPipe[0],
                   Clock::now() + std::chrono::seconds(limits.seconds));
}

} // namespace testing_support
