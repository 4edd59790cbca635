#include "support/ini_lines.h"

#include "support/ini_text.h"

namespace ini {
namespace {

void classify(std::string_view text, Line& line) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const std::string_view rest = text.substr(start);
    if (rest.empty()) {
        line.kind = Line::Kind::Blank;
        return;
    }
    if (rest.front() == ';') {
        line.kind = Line::Kind::Comment;
        return;
    }
    if (rest.front() == '[') {
        const std::size_t close = rest.find(']', 1);
        const std::string_view name = trimBlanks(
            rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        if (close != std::string_view::npos || !name.empty()) {
            line.kind = Line::Kind::Section;
            line.name = name;
            return;
        }
    }
    line.kind = Line::Kind::Entry;
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos) {
        line.name = trimBlanks(rest);
        return;
    }
    line.name = trimBlanks(rest.substr(0, equals));
    line.hasValue = true;
    line.value = trimBlanks(rest.substr(equals + 1));
}

} // namespace

bool LineReader::next(Line& line) {
    if (m_pos >= m_bytes.size())
        return false;
    std::size_t end = m_bytes.find_first_of("\r\n", m_pos);
    std::size_t next = end;
    if (end == std::string_view::npos) {
        end = next = m_bytes.size();
    } else if (m_bytes[end] == '\r' && end + 1 < m_bytes.size() && m_bytes[end + 1] == '\n') {
        next = end + 2;
    } else {
        next = end + 1;
    }
    line = Line{};
    line.begin = m_pos;
    line.end = end;
    line.next = next;
    classify(m_bytes.substr(m_pos, end - m_pos), line);
    m_pos = next;
    return true;
}

} // namespace ini
