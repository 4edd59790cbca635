#include "canvas/property_bag.h"

#include "support/cp1251.h"

#include <algorithm>

namespace canvas {

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::string, Value>> values) {
    for (const auto& [name, value] : values)
        m_values.emplace_back(name, value);
}

const PropertyBag::Value* PropertyBag::find(std::string_view name) const {
    for (const auto& [stored, value] : m_values) {
        if (cp1251::sameNameIgnoringCase(stored, name))
            return &value;
    }
    return nullptr;
}

bool PropertyBag::contains(std::string_view name) const {
    return find(name) != nullptr;
}

bool PropertyBag::readBool(std::string_view name, bool defaultValue) const {
    const Value* v = find(name);
    if (!v)
        return defaultValue;
    if (const auto* b = std::get_if<bool>(v))
        return *b;
    if (const auto* i = std::get_if<std::int32_t>(v))
        return *i != 0;
    return defaultValue;
}

std::int32_t PropertyBag::readInt(std::string_view name, std::int32_t defaultValue) const {
    const Value* v = find(name);
    if (!v)
        return defaultValue;
    if (const auto* i = std::get_if<std::int32_t>(v))
        return *i;
    if (const auto* b = std::get_if<bool>(v))
        return *b ? -1 : 0;
    return defaultValue;
}

std::string PropertyBag::readText(std::string_view name, std::string_view defaultValue) const {
    const Value* v = find(name);
    if (const auto* s = v ? std::get_if<std::string>(v) : nullptr)
        return *s;
    return std::string(defaultValue);
}

void PropertyBag::write(std::string_view name, const Value& value, const Value& defaultValue) {
    const auto it = std::find_if(m_values.begin(), m_values.end(), [&](const auto& entry) {
        return cp1251::sameNameIgnoringCase(entry.first, name);
    });
    if (value == defaultValue) {
        if (it != m_values.end())
            m_values.erase(it);
        return;
    }
    if (it != m_values.end())
        it->second = value;
    else
        m_values.emplace_back(std::string(name), value);
}

std::vector<std::string> PropertyBag::names() const {
    std::vector<std::string> out;
    for (const auto& entry : m_values)
        out.push_back(entry.first);
    return out;
}

} // namespace canvas
