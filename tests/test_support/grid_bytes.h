#pragma once
// Grid files built byte by byte for the comparison and merge tests. The
// layout is written out here on its own terms: per row a record of Earths
// (W bytes), Objects (2W, big-endian), Predmets (W), Doors (2W, big-endian),
// Blocks (W) and Guards (W).

#include <cstddef>
#include <cstdint>
#include <string>

namespace testing_support {

class GridBytes {
public:
    enum Layer { Earth, Object, Item, Action, Block, Guard };

    GridBytes(std::int32_t width, std::int32_t height)
        : m_width(width), m_bytes(static_cast<std::size_t>(width) * 8 * (height + 1), '\0') {}

    GridBytes& set(Layer layer, std::int32_t x, std::int32_t y, int value) {
        const std::size_t w = static_cast<std::size_t>(m_width);
        static constexpr std::size_t kOffsets[] = {0, 1, 3, 4, 6, 7}; // in widths
        const std::size_t at = static_cast<std::size_t>(y) * 8 * w + kOffsets[layer] * w;
        if (layer == Object || layer == Action) {
            m_bytes[at + 2 * static_cast<std::size_t>(x)] = static_cast<char>(value >> 8);
            m_bytes[at + 2 * static_cast<std::size_t>(x) + 1] = static_cast<char>(value & 0xff);
        } else {
            m_bytes[at + static_cast<std::size_t>(x)] = static_cast<char>(value);
        }
        return *this;
    }

    const std::string& bytes() const { return m_bytes; }
    std::string& bytes() { return m_bytes; }

private:
    std::int32_t m_width;
    std::string m_bytes;
};

} // namespace testing_support
