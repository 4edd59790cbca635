#pragma once
// Runs a program to its end and collects what it printed.

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    // The program was still running at the time limit and was killed.
    bool timedOut = false;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);

// The same, killing the program once it has run for `limit`: a program that
// hangs fails its test instead of stopping the suite.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         std::chrono::milliseconds limit);

} // namespace testing_support
