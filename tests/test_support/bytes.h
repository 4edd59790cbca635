#pragma once
// Byte strings written as lists of numbers: bytes({1, 2}) is "\x01\x02".

#include <initializer_list>
#include <string>

namespace testing_support {

inline std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

} // namespace testing_support
