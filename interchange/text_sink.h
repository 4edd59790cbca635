#pragma once
// Where the interchange writers put their text: a function receiving the
// document piece by piece, which returns false to stop the writing.

#include <charconv>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace interchange {

using TextSink = std::function<bool(std::string_view)>;

// Collects a writer's text and hands it to the sink in pieces of about
// kFlushBytes.
class BufferedText {
public:
    static constexpr std::size_t kFlushBytes = std::size_t{1} << 20;

    explicit BufferedText(const TextSink& sink) : m_sink(sink) {
        m_text.reserve(kFlushBytes + 4096);
    }

    void add(std::string_view text) { m_text += text; }
    void add(char c) { m_text += c; }
    void addNumber(std::int64_t value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_text.append(digits, end);
    }
    BufferedText& operator<<(std::string_view text) {
        add(text);
        return *this;
    }
    BufferedText& operator<<(std::int64_t value) {
        addNumber(value);
        return *this;
    }
    BufferedText& operator<<(std::int32_t value) { return *this << std::int64_t{value}; }
    BufferedText& operator<<(std::uint32_t value) { return *this << std::int64_t{value}; }

    // Hands the text on once enough of it is collected (or always, at the
    // end); false when the sink asks to stop.
    bool flush(bool always = false) {
        if (m_text.size() < kFlushBytes && !always)
            return true;
        const bool more = m_sink(m_text);
        m_text.clear();
        return more;
    }

private:
    const TextSink& m_sink;
    std::string m_text;
};

} // namespace interchange
