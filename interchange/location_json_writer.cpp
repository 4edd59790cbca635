#include "interchange/location_json_writer.h"

#include "model/cell_codes.h"
#include "support/cp1251.h"
#include "support/crash_safe_writer.h"

#include <nlohmann/json.hpp>
#include <string>

namespace interchange {
namespace {

bool writeLayer(BufferedText& out, const model::LocationGrid& grid, model::Layer layer) {
    const std::int32_t rows = grid.rowCount(layer);
    const std::int32_t width = grid.MapWidth();
    const bool wide = model::bytesPerCell(layer) == 2;
    for (std::int32_t y = 0; y < rows; ++y) {
        out.add(y == 0 ? "\n      [" : ",\n      [");
        const unsigned char* cell = grid.rowData(layer, y);
        for (std::int32_t x = 0; x < width; ++x) {
            if (x > 0)
                out.add(',');
            if (wide) {
                out.addNumber(static_cast<std::uint32_t>(mdlMain::DecodeCell(cell)));
                cell += 2;
            } else {
                out.addNumber(*cell++);
            }
        }
        out.add(']');
        if (!out.flush())
            return false;
    }
    out.add(rows > 0 ? "\n    ]" : "]");
    return true;
}

} // namespace

bool writeLocationJson(const LocationContent& content, const TextSink& sink) {
    const model::LocationGrid& grid = content.grid;
    BufferedText out(sink);
    out.add("{\n  \"width\": ");
    out.addNumber(static_cast<std::uint32_t>(grid.MapWidth()));
    out.add(",\n  \"height\": ");
    out.addNumber(static_cast<std::uint32_t>(grid.MapHeight()));
    out.add(content.round ? ",\n  \"round\": true" : ",\n  \"round\": false");
    out.add(",\n  \"notes\": ");
    out.add(nlohmann::json(cp1251::toUtf8(content.notes)).dump());
    out.add(",\n  \"layers\": {");
    bool first = true;
    for (const NamedLayer& named : kNamedLayers) {
        out.add(first ? "\n    \"" : ",\n    \"");
        first = false;
        out.add(named.name);
        out.add("\": [");
        if (!writeLayer(out, grid, named.layer))
            return false;
    }
    out.add("\n  }\n}\n");
    return out.flush(true);
}

bool writeLocationJsonFile(const std::filesystem::path& file, const LocationContent& content,
                           std::error_code& ec) {
    fsys::CrashSafeWriter writer;
    if (!writer.beginNative(file, ec))
        return false;
    const bool written = writeLocationJson(
        content, [&](std::string_view text) { return writer.write(text.data(), text.size(), ec); });
    return written && writer.commit(ec);
}

} // namespace interchange
