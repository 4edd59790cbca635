#include "test_support/in_child.h"

#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

ChildRun runInChild(const std::function<std::string()>& body, std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    int channel[2];
    if (pipe(channel) != 0)
        throw std::runtime_error("pipe failed");
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        close(channel[0]);
        std::string result;
        try {
            result = body();
        } catch (const std::exception& e) {
            result = std::string("exception: ") + e.what();
        }
        for (std::size_t done = 0; done < result.size();) {
            const ssize_t n = write(channel[1], result.data() + done, result.size() - done);
            if (n <= 0)
                _exit(2);
            done += static_cast<std::size_t>(n);
        }
        _exit(0);
    }
    close(channel[1]);

    ChildRun run;
    const Clock::time_point deadline = start + limit;
    char buffer[4096];
    bool open = true;
    while (open) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd fd{channel[0], POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        const ssize_t n = read(channel[0], buffer, sizeof buffer);
        if (n > 0)
            run.result.append(buffer, static_cast<std::size_t>(n));
        else
            open = false;
    }
    close(channel[0]);
    if (open)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    run.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    run.finished = !open && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

std::string resultWithoutWaiting(const std::function<std::string()>& body) {
    constexpr std::chrono::milliseconds kLimit{20000};
    constexpr std::chrono::milliseconds kGuard{5000};
    const ChildRun run = runInChild(body, kLimit);
    EXPECT_TRUE(run.finished) << "still waiting after " << kLimit.count() << " ms";
    EXPECT_LT(run.elapsed, kGuard);
    return run.result;
}

} // namespace testing_support
