#include "canvas/catalogue_file.h"

#include "support/file_system.h"
#include "support/ini_document.h"
#include "support/ini_lines.h"
#include "support/ini_text.h"
#include "support/mdl_ini.h"

#include <system_error>

namespace canvas {
namespace {

// Names compare equal after folding ASCII letters, and only those.
std::string foldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

} // namespace

CatalogueFile::CatalogueFile(std::string_view file) {
    std::error_code ec;
    if (!fsys::readWholeFile(file, m_bytes, ec, mdlINI::kMaxIniFileBytes))
        m_bytes.clear();

    ini::LineReader reader(m_bytes);
    ini::Line line;
    Range* open = nullptr; // the section whose end is still to be found
    while (reader.next(line)) {
        if (line.kind != ini::Line::Kind::Section)
            continue;
        if (open) {
            open->end = line.begin;
            open = nullptr;
        }
        const auto [entry, added] =
            m_sections.try_emplace(foldedName(line.name), Range{line.begin, m_bytes.size()});
        if (added)
            open = &entry->second;
    }
}

std::string CatalogueFile::read(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    // The first section of the name decides, so its own lines give the answer
    // the whole file gives.
    const auto found = m_sections.find(foldedName(ini::trimSpaces(section)));
    if (found == m_sections.end())
        return ini::readValue({}, section, key, defaultValue);
    const std::string_view bytes(m_bytes);
    return ini::readValue(
        bytes.substr(found->second.begin, found->second.end - found->second.begin), section, key,
        defaultValue);
}

} // namespace canvas
