#include "canvas/catalogue_count.h"

namespace canvas {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

CountReading readCount(std::string_view text, std::int64_t lowest, std::int64_t highest) {
    CountReading reading;
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);

    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // The whole part saturates just past the 32-bit range: anything that far
    // out is out of range for every count.
    constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
    std::int64_t whole = 0;
    std::size_t pos = 0;
    bool anyDigit = false;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        anyDigit = true;
        whole = whole < kSaturated ? whole * 10 + (text[pos] - '0') : kSaturated;
    }

    // Rounding looks at the first fraction digit and whether any later one is
    // not zero: above a half rounds up, exactly a half goes to the even number.
    int firstFraction = 0;
    bool restNonZero = false;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        if (pos < text.size() && isDigit(text[pos])) {
            anyDigit = true;
            firstFraction = text[pos++] - '0';
            for (; pos < text.size() && isDigit(text[pos]); ++pos)
                restNonZero = restNonZero || text[pos] != '0';
        }
    }
    if (!anyDigit || pos != text.size())
        return reading;

    if (firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1)))
        ++whole;
    const std::int64_t value = negative ? -whole : whole;
    if (value < lowest || value > highest) {
        reading.status = CountReading::Status::OutOfRange;
        return reading;
    }
    reading.status = CountReading::Status::Ok;
    reading.value = value;
    return reading;
}

} // namespace canvas
