#pragma once
// Runs a program to its end and collects what it printed.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    bool timedOut = false; // killed when its time was up
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);

// What a run may take: at most `seconds` (then it is killed and the result
// says so), files of at most `fileSizeBytes` (0: no limit), and `environment`
// entries ("NAME=value") added to the test's own.
struct ProcessLimits {
    int seconds = 60;
    std::uint64_t fileSizeBytes = 0;
    std::vector<std::string> environment;
};

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const ProcessLimits& limits);

// The same, killing the program once it has run for `limit` (whole seconds,
// rounded up): a program that hangs fails its test instead of stopping the
// suite.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         std::chrono::milliseconds limit);

} // namespace testing_support
