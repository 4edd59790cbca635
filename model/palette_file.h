#pragma once
// The palette's definition: the editor's own "editor.ini" (categories and
// their entries) and, for each entry, its section in a catalogue file (name,
// preview picture, walkability footprint). Files are read afresh on every
// call, as the palette reads them on every click.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ini {
class IniSnapshot;
}

namespace editor {

class PaletteFile {
public:
    // `resourcesFolder` ends in a separator; editor.ini and the catalogue
    // files named by the palette lie in it.
    explicit PaletteFile(std::string resourcesFolder);

    const std::string& resourcesFolder() const { return m_folder; }

    // Names of the categories 0..Count of "CATAGORIES" ("Noname" where one
    // is missing); none when Count is negative or not a whole number.
    std::vector<std::string> categoryNames() const;

    struct ListedEntry {
        std::string name;  // "Name" in the entry's catalogue section
        std::int32_t code; // the digits of its "Data" value
    };
    // The entries of category n that have a "Data" value, in order.
    std::vector<ListedEntry> entries(int category) const;

    struct EntryDetails {
        bool exists = false;    // entry k has a "Data" value
        std::int16_t level = 0; // the category's "Level"
        std::string picture;    // "FileName", relative to the resource folder
        std::string footprint;  // "Block"
    };
    // Entry number k of category n (the position in the entry list, as the
    // palette looks it up).
    EntryDetails entry(int category, int k) const;

private:
    std::string editorIni() const { return m_folder + "editor.ini"; }
    std::string catalogueOf(const ini::IniSnapshot& editor, const std::string& section,
                            int k) const;

    std::string m_folder;
};

// A whole number from a palette value; `fallback` when the text is not one
// or does not fit 16 bits.
std::int16_t paletteNumber(const std::string& text, std::int16_t fallback);

// The cells an object's footprint marks, as (row, column) offsets from the
// cursor cell: rows split at ",", blanks around a row removed, every
// character other than "0" marks its cell.
std::vector<std::pair<int, int>> footprintCells(const std::string& pattern);

} // namespace editor
