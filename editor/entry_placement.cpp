#include "editor/entry_placement.h"

#include "model/palette_file.h"
#include "model/world_wrap.h"
#include "support/cp1251.h"
#include "support/phrase.h"

#include <algorithm>

namespace editor {

PlaceOutcome placeEntry(model::LocationGrid& grid, const PaletteChoice& entry, std::int32_t x,
                        std::int32_t y) {
    if (entry.level == 0) {
        if (entry.code < 0 || entry.code > 255)
            return PlaceOutcome::BadGroundCode;
        grid.setCellValue(model::Layer::Earths, x, y, static_cast<std::int32_t>(entry.code));
        return PlaceOutcome::Placed;
    }
    if (entry.level != 1)
        return PlaceOutcome::NotPlaceable;
    grid.setCellValue(model::Layer::Objects, x, y, static_cast<std::int32_t>(entry.code + 1));
    const std::int32_t width = grid.MapWidth();
    const std::int32_t height = grid.MapHeight();
    for (const auto& [row, column] : footprintCells(entry.footprint)) {
        // Wrapped whole, so that a footprint wider than the world stays in it.
        grid.ChangeBloks(model::wrapIntoWorld(std::int64_t{y} + row, height),
                         model::wrapIntoWorld(std::int64_t{x} + column, width), 1);
    }
    return PlaceOutcome::Placed;
}

ui::Message badGroundCodeMessage(std::int64_t code) {
    return {ui::MessageIcon::Warning, phrase::say(phrase::Ru::tr("Плохой код")),
            phrase::say(phrase::Ru::tr("Код земли %1 не помещается в клетку: коды земли бывают "
                                       "только от 0 до 255."),
                        {std::to_string(code)})};
}

QSize footprintSize(const std::string& pattern) {
    if (pattern.empty())
        return QSize(1, 1);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    int rows = 0;
    int widest = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = pattern.find(',', start);
        std::size_t end = comma == std::string::npos ? pattern.size() : comma;
        std::size_t first = start;
        while (first < end && blank(pattern[first]))
            ++first;
        while (end > first && blank(pattern[end - 1]))
            --end;
        ++rows;
        widest = std::max(widest, static_cast<int>(end - first));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return QSize(std::max(widest, 1), rows);
}

} // namespace editor
