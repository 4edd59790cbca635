#include "support/ini_text.h"

namespace ini {
namespace {

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

} // namespace

bool isBlank(char c) {
    switch (c) {
    case ' ':
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
    case '\x1a':
        return true;
    default:
        return false;
    }
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string_view trimSpaces(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

std::string returnedValue(std::string_view value) {
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front()) {
        const std::string_view inner = value.substr(1, value.size() - 2);
        const std::size_t keep = inner.size() == kMaxReturned ? kMaxReturned - 1 : kMaxReturned;
        return std::string(inner.substr(0, keep));
    }
    return std::string(value.substr(0, kMaxReturned));
}

std::string returnedDefault(std::string_view defaultValue) {
    std::size_t end = defaultValue.size();
    while (end > 1 && defaultValue[end - 1] == ' ')
        --end;
    return returnedValue(defaultValue.substr(0, end));
}

} // namespace ini
