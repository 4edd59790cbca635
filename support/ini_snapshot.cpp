#include "support/ini_snapshot.h"

#include "support/file_system.h"
#include "support/ini_lines.h"
#include "support/ini_text.h"
#include "support/mdl_ini.h"

#include <algorithm>
#include <system_error>
#include <unordered_set>

namespace ini {
namespace {

constexpr std::uint32_t kHashStart = 2166136261u;

// FNV-1a over the name with ASCII letters folded, as names compare.
std::uint32_t hashName(std::string_view name, std::uint32_t hash) {
    for (char c : name) {
        const char folded = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        hash = (hash ^ static_cast<unsigned char>(folded)) * 16777619u;
    }
    return hash;
}

std::uint32_t hashEntry(std::string_view section, std::string_view key) {
    // ']' can end no section name, so it keeps "a"+"bc" apart from "ab"+"c".
    return hashName(key, hashName("]", hashName(section, kHashStart)));
}

struct FoldedHash {
    std::size_t operator()(std::string_view name) const { return hashName(name, kHashStart); }
};
struct SameName {
    bool operator()(std::string_view a, std::string_view b) const { return sameName(a, b); }
};

Line lineAt(std::string_view bytes, std::uint32_t offset) {
    Line line;
    LineReader(bytes.substr(offset)).next(line);
    return line;
}

} // namespace

IniSnapshot::IniSnapshot(std::string_view file) {
    std::error_code ec;
    if (!fsys::readWholeFile(file, m_bytes, ec, mdlINI::kMaxIniFileBytes))
        m_bytes.clear();
    index();
}

IniSnapshot IniSnapshot::ofBytes(std::string bytes) {
    IniSnapshot snapshot;
    snapshot.m_bytes = std::move(bytes);
    if (snapshot.m_bytes.size() > mdlINI::kMaxIniFileBytes)
        snapshot.m_bytes.clear();
    snapshot.index();
    return snapshot;
}

void IniSnapshot::index() {
    std::unordered_set<std::string_view, FoldedHash, SameName> seen;
    LineReader reader(m_bytes);
    Line line;
    std::string_view section;
    bool indexing = false; // inside the first section of its name
    while (reader.next(line)) {
        if (line.kind == Line::Kind::Section) {
            indexing = seen.insert(line.name).second;
            if (indexing) {
                section = line.name;
                m_sections.push_back(static_cast<std::uint32_t>(line.begin));
            }
        } else if (indexing && line.kind == Line::Kind::Entry) {
            m_entries.push_back(
                {hashEntry(section, line.name), static_cast<std::uint32_t>(line.begin)});
        }
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
}

std::string IniSnapshot::read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    const std::string_view sectionName = trimSpaces(section);
    const std::string_view keyName = trimSpaces(key);
    const std::uint32_t hash = hashEntry(sectionName, keyName);
    const auto [first, last] =
        std::equal_range(m_entries.begin(), m_entries.end(), Entry{hash, 0},
                         [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
    for (auto entry = first; entry != last; ++entry) {
        const Line keyLine = lineAt(m_bytes, entry->line);
        if (!sameName(keyLine.name, keyName))
            continue;
        // The section the line belongs to: the last indexed one before it.
        const auto owner = std::upper_bound(m_sections.begin(), m_sections.end(), entry->line) - 1;
        if (!sameName(lineAt(m_bytes, *owner).name, sectionName))
            continue;
        if (keyLine.hasValue)
            return returnedValue(keyLine.value);
        break;
    }
    return returnedDefault(defaultValue);
}

} // namespace ini
