#pragma once
// How far a long command is, on the error stream: shown only when that is a
// terminal and the work has taken more than a second, at most five times a
// second, and wiped when the work ends.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <string>
#include <unistd.h>

namespace cli {

class ProgressLine {
public:
    ProgressLine() : m_terminal(isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // `stage` is `done` of `total` units on.
    void show(const std::string& stage, std::uint64_t done, std::uint64_t total) {
        if (!m_terminal)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_start < std::chrono::seconds(1) ||
            now - m_last < std::chrono::milliseconds(200))
            return;
        m_last = now;
        m_shown = true;
        const std::uint64_t percent = total ? std::min<std::uint64_t>(100, done * 100 / total) : 0;
        std::cerr << "\r\x1b[K" << stage << ": " << percent << "%" << std::flush;
    }
    // A stage without parts, such as the encoding of a picture.
    void show(const std::string& stage) {
        if (!m_terminal || std::chrono::steady_clock::now() - m_start < std::chrono::seconds(1))
            return;
        m_shown = true;
        std::cerr << "\r\x1b[K" << stage << "..." << std::flush;
    }
    void clear() {
        if (m_shown)
            std::cerr << "\r\x1b[K" << std::flush;
        m_shown = false;
    }

private:
    bool m_terminal;
    bool m_shown = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_last{};
};

} // namespace cli
