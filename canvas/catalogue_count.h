#pragma once
// The "Count" value of a catalogue: a decimal number, possibly with a
// fraction, rounded to the nearest whole number (halves to the even one) and
// checked against the range of the integer it is read into.

#include <cstdint>
#include <string_view>

namespace canvas {

struct CountReading {
    enum class Status { Ok, NotANumber, OutOfRange };
    Status status = Status::NotANumber;
    std::int64_t value = 0;
};

// Blanks around an optional sign, digits and an optional "." with more digits.
// At least one digit is needed; an empty text is not a number.
CountReading readCount(std::string_view text, std::int64_t lowest, std::int64_t highest);

} // namespace canvas
