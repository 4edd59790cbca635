#pragma once
// The persisted property set of a canvas: named values kept by the window that
// hosts it. Names compare without regard to case; writing a value equal to its
// default stores nothing, and reading a name that is not stored yields the
// default.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace canvas {

class PropertyBag {
public:
    // Booleans, numbers (16- and 32-bit) and texts (code page 1251).
    using Value = std::variant<bool, std::int32_t, std::string>;

    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<std::string, Value>> values);

    bool readBool(std::string_view name, bool defaultValue) const;
    std::int32_t readInt(std::string_view name, std::int32_t defaultValue) const;
    std::string readText(std::string_view name, std::string_view defaultValue) const;

    void write(std::string_view name, const Value& value, const Value& defaultValue);

    bool contains(std::string_view name) const;
    // Stored names in the order they were first written.
    std::vector<std::string> names() const;
    bool empty() const { return m_values.empty(); }

private:
    const Value* find(std::string_view name) const;

    std::vector<std::pair<std::string, Value>> m_values;
};

} // namespace canvas
