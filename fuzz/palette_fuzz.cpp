// The palette's reading of editor.ini and of the catalogues it names: the
// input is Resources/editor.ini, then level0.ini, level1.ini and extra.ini of
// the resource folder. The categories, the entries of the first few and the
// details of their first entries are read; every text must be one a read can
// return, every footprint cell must lie on a marking character of its pattern,
// and no "Source" (such as "..\outside\secret") may read the planted file
// beside the application folder.

#include "fuzz/fuzz_support.h"

#include "model/palette_file.h"

#include <algorithm>

namespace {

constexpr int kCategoriesRead = 3;
constexpr int kEntriesRead = 5;

// Row r of the pattern without blanks (space, tab) at its ends, as the
// footprint reads it.
std::string_view footprintRow(std::string_view pattern, int r) {
    std::size_t start = 0;
    for (int i = 0; i < r; ++i)
        start = pattern.find(',', start) + 1;
    std::size_t end = std::min(pattern.find(',', start), pattern.size());
    while (start < end && (pattern[start] == ' ' || pattern[start] == '\t'))
        ++start;
    while (end > start && (pattern[end - 1] == ' ' || pattern[end - 1] == '\t'))
        --end;
    return pattern.substr(start, end - start);
}

void checkFootprint(const std::string& pattern) {
    const auto rows = static_cast<int>(std::count(pattern.begin(), pattern.end(), ',')) + 1;
    const auto cells = editor::footprintCells(pattern);
    if (cells.size() > pattern.size())
        fuzzing::fail("a footprint has more cells than its pattern has characters");
    for (const auto& [row, column] : cells) {
        if (row < 0 || row >= rows || column < 0)
            fuzzing::fail("a footprint cell lies outside the pattern's rows");
        const std::string_view text = footprintRow(pattern, row);
        if (static_cast<std::size_t>(column) >= text.size() || text[column] == '0')
            fuzzing::fail("a footprint cell lies on no marking character");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (fuzzing::holdsLeakedValue(data, size))
        return 0;
    auto& world = fuzzing::ScratchWorld::instance();
    world.writeInput(data, size,
                     {"Resources/editor.ini", "Resources/level0.ini", "Resources/level1.ini",
                      "Resources/extra.ini"});

    const editor::PaletteFile palette(world.text() + "Resources\\");
    const std::vector<std::string> categories = palette.categoryNames();
    if (categories.size() > 32768)
        fuzzing::fail("more categories than a 16-bit Count can give");
    for (const std::string& name : categories)
        fuzzing::checkReadText(name, "a category name");

    const int read = std::min<int>(static_cast<int>(categories.size()), kCategoriesRead);
    for (int n = -1; n <= read; ++n) {
        const auto entries = palette.entries(n);
        for (const auto& entry : entries)
            fuzzing::checkReadText(entry.name, "an entry name");
        for (int k = -1; k <= kEntriesRead; ++k) {
            const editor::PaletteFile::EntryDetails details = palette.entry(n, k);
            if (!details.exists) {
                if (!details.picture.empty() || !details.footprint.empty())
                    fuzzing::fail("an entry without data has a picture or footprint");
                continue;
            }
            fuzzing::checkReadText(details.picture, "a picture name");
            fuzzing::checkReadText(details.footprint, "a footprint");
            checkFootprint(details.footprint);
        }
    }
    return 0;
}
