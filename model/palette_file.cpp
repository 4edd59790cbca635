#include "model/palette_file.h"

#include "model/location_config.h"
#include "support/ini_snapshot.h"
#include "support/mdl_main.h"

#include <map>

namespace editor {
namespace {

const char* const kCategories = "CATAGORIES";

std::string categorySection(int n) {
    return "CATEGORY-" + std::to_string(n);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

PaletteFile::PaletteFile(std::string resourcesFolder) : m_folder(std::move(resourcesFolder)) {}

std::int16_t paletteNumber(const std::string& text, std::int16_t fallback) {
    const auto number = model::parseWholeNumber(text);
    if (!number || *number < INT16_MIN || *number > INT16_MAX)
        return fallback;
    return static_cast<std::int16_t>(*number);
}

std::vector<std::string> PaletteFile::categoryNames() const {
    const ini::IniSnapshot editor(editorIni());
    std::vector<std::string> names;
    const std::int16_t count = paletteNumber(editor.read(kCategories, "Count", "-1"), -1);
    for (int n = 0; n <= count; ++n)
        names.push_back(editor.read(kCategories, "Category" + std::to_string(n), "Noname"));
    return names;
}

std::string PaletteFile::catalogueOf(const ini::IniSnapshot& editor, const std::string& section,
                                     int k) const {
    std::string source = editor.read(section, "Source" + std::to_string(k), "");
    if (source.empty())
        source = editor.read(section, "DefaultSource", "");
    return m_folder + source;
}

std::vector<PaletteFile::ListedEntry> PaletteFile::entries(int category) const {
    const ini::IniSnapshot editor(editorIni());
    // Each catalogue named by the category is read once, whatever number of
    // its entries the category lists.
    std::map<std::string, ini::IniSnapshot> catalogues;
    std::vector<ListedEntry> listed;
    const std::string section = categorySection(category);
    const std::int16_t count = paletteNumber(editor.read(section, "Count", "-1"), -1);
    for (int k = 0; k <= count; ++k) {
        const std::string data = editor.read(section, "Data" + std::to_string(k), "");
        if (data.empty())
            continue;
        const std::string file = catalogueOf(editor, section, k);
        auto catalogue = catalogues.find(file);
        if (catalogue == catalogues.end())
            catalogue = catalogues.emplace(file, ini::IniSnapshot(file)).first;
        listed.push_back(
            {catalogue->second.read(data, "Name", "Unknown"), mdlMain::DigitsToNumber(data)});
    }
    return listed;
}

PaletteFile::EntryDetails PaletteFile::entry(int category, int k) const {
    const ini::IniSnapshot editor(editorIni());
    EntryDetails details;
    const std::string section = categorySection(category);
    details.level = paletteNumber(editor.read(section, "Level", "0"), 0);
    const std::string data = editor.read(section, "Data" + std::to_string(k), "");
    if (data.empty())
        return details;
    const ini::IniSnapshot catalogue(catalogueOf(editor, section, k));
    details.exists = true;
    details.picture = catalogue.read(data, "FileName", "");
    details.footprint = catalogue.read(data, "Block", "");
    return details;
}

std::vector<std::pair<int, int>> footprintCells(const std::string& pattern) {
    std::vector<std::pair<int, int>> cells;
    if (pattern.empty())
        return cells;
    int row = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = pattern.find(',', start);
        std::size_t end = comma == std::string::npos ? pattern.size() : comma;
        std::size_t first = start;
        while (first < end && isBlank(pattern[first]))
            ++first;
        while (end > first && isBlank(pattern[end - 1]))
            --end;
        for (std::size_t c = first; c < end; ++c) {
            if (pattern[c] != '0')
                cells.emplace_back(row, static_cast<int>(c - first));
        }
        if (comma == std::string::npos)
            break;
        start = comma + 1;
        ++row;
    }
    return cells;
}

} // namespace editor
