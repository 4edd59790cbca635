#pragma once
// Runs a piece of the test in a child process with a time limit. Code that
// may hang (an open that waits for a named pipe's other end) fails its test
// this way instead of stopping the suite.

#include <chrono>
#include <functional>
#include <string>

namespace testing_support {

struct ChildRun {
    // The body returned within the time limit; otherwise the child was killed.
    bool finished = false;
    // What the body returned: the outcome the test then checks.
    std::string result;
    std::chrono::milliseconds elapsed{0};
};

// Forks, runs `body` in the child and hands its result back to the parent.
ChildRun runInChild(const std::function<std::string()>& body, std::chrono::milliseconds limit);

// Runs `body` in a child for something that must not wait at all, and returns
// its result. The test fails when the child is still running after 20 seconds
// (it is killed then) or took more than 5: bounds far above what a refusal
// takes, only there to tell a wait from a slow machine.
std::string resultWithoutWaiting(const std::function<std::string()>& body);

} // namespace testing_support
