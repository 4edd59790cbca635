#pragma once
// The first file or folder that could not be written, and why.

#include "support/cp1251.h"

#include <string>
#include <system_error>

namespace managers {

// Texts in code page 1251; an empty `file` means nothing failed.
struct WriteFailure {
    std::string file;
    std::string reason;

    explicit operator bool() const { return !file.empty(); }
};

inline WriteFailure writeFailure(const std::string& file, const std::error_code& ec) {
    return {file, cp1251::fromUtf8(ec.message())};
}

} // namespace managers
