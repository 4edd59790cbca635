#include "interchange/location_tmx_writer.h"

#include "model/cell_codes.h"
#include "support/cp1251.h"

#include <algorithm>

namespace interchange {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

using Output = BufferedText;

std::string fromCodePage(const std::string& text) {
    return xmlEscaped(cp1251::toUtf8(text));
}

void writeTile(Output& out, std::size_t id, const TmxTile& tile) {
    out << "  <tile id=\"" << static_cast<std::int64_t>(id) << "\">\n   <properties>\n";
    out << "    <property name=\"code\" type=\"int\" value=\"" << tile.code << "\"/>\n";
    if (!tile.name.empty())
        out << "    <property name=\"name\" value=\"" << fromCodePage(tile.name) << "\"/>\n";
    out << "   </properties>\n   <image width=\"" << tile.width << "\" height=\"" << tile.height
        << "\" source=\"" << xmlEscaped(tile.image) << "\"/>\n  </tile>\n";
}

void writeTileset(Output& out, std::uint32_t firstId, const TmxTileset& tileset) {
    std::int32_t width = 1;
    std::int32_t height = 1;
    for (const TmxTile& tile : tileset.tiles) {
        width = std::max(width, tile.width);
        height = std::max(height, tile.height);
    }
    out << " <tileset firstgid=\"" << firstId << "\" name=\"" << xmlEscaped(tileset.name)
        << "\" tilewidth=\"" << width << "\" tileheight=\"" << height << "\" tilecount=\""
        << static_cast<std::int64_t>(tileset.tiles.size()) << "\" columns=\"0\">\n";
    if (tileset.offsetY != 0)
        out << "  <tileoffset x=\"0\" y=\"" << tileset.offsetY << "\"/>\n";
    out << "  <grid orientation=\"orthogonal\" width=\"1\" height=\"1\"/>\n";
    for (std::size_t id = 0; id < tileset.tiles.size(); ++id)
        writeTile(out, id, tileset.tiles[id]);
    out << " </tileset>\n";
}

// Row y of a layer as global tile ids, one for each value read by `tileOf`.
template <typename TileOf>
bool writeLayer(Output& out, const model::LocationGrid& grid, std::int32_t id,
                std::string_view name, bool visible, TileOf tileOf) {
    const std::int32_t width = grid.MapWidth();
    const std::int32_t height = grid.MapHeight();
    out << " <layer id=\"" << id << "\" name=\"" << name << "\" width=\"" << width << "\" height=\""
        << height << "\"" << (visible ? "" : " visible=\"0\"") << ">\n  <data encoding=\"csv\">\n";
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            out << tileOf(x, y);
            if (x + 1 < width || y + 1 < height)
                out << ",";
        }
        out << "\n";
        if (!out.flush())
            return false;
    }
    out << "</data>\n </layer>\n";
    return true;
}

} // namespace

std::uint32_t globalTileId(const TmxLayout& layout, TmxTileRef tile) {
    if (tile.tileset < 0 || tile.tileset >= static_cast<std::int32_t>(layout.tilesets.size()))
        return 0;
    std::uint32_t first = 1;
    for (std::int32_t i = 0; i < tile.tileset; ++i)
        first +=
            static_cast<std::uint32_t>(layout.tilesets[static_cast<std::size_t>(i)].tiles.size());
    return first + static_cast<std::uint32_t>(tile.tile);
}

std::string xmlEscaped(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            text += "&amp;";
            break;
        case '<':
            text += "&lt;";
            break;
        case '>':
            text += "&gt;";
            break;
        case '"':
            text += "&quot;";
            break;
        case '\'':
            text += "&apos;";
            break;
        case '\t':
            text += "&#9;";
            break;
        case '\n':
            text += "&#10;";
            break;
        case '\r':
            text += "&#13;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                text += kReplacement;
            else
                text += c;
        }
    }
    return text;
}

bool writeLocationTmx(const LocationContent& content, const TmxLayout& layout,
                      const TextSink& sink) {
    const model::LocationGrid& grid = content.grid;
    Output out(sink);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<map version=\"1.8\" orientation=\"orthogonal\" renderorder=\"right-down\" width=\""
        << grid.MapWidth() << "\" height=\"" << grid.MapHeight() << "\" tilewidth=\""
        << layout.tileWidth << "\" tileheight=\"" << layout.tileHeight
        << "\" infinite=\"0\" nextlayerid=\"6\" nextobjectid=\"1\">\n";
    out << " <properties>\n  <property name=\"notes\" value=\"" << fromCodePage(content.notes)
        << "\"/>\n  <property name=\"round\" type=\"bool\" value=\""
        << (content.round ? "true" : "false") << "\"/>\n </properties>\n";
    std::uint32_t firstId = 1;
    for (const TmxTileset& tileset : layout.tilesets) {
        writeTileset(out, firstId, tileset);
        firstId += static_cast<std::uint32_t>(tileset.tiles.size());
    }

    // The global ids of every value, looked up once.
    std::vector<std::uint32_t> ground(256, 0);
    for (std::size_t code = 0; code < ground.size() && code < layout.ground.size(); ++code)
        ground[code] = globalTileId(layout, layout.ground[code]);
    std::vector<std::uint32_t> objects(65536, 0);
    for (std::size_t value = 1; value < objects.size() && value < layout.objects.size(); ++value)
        objects[value] = globalTileId(layout, layout.objects[value]);
    const std::uint32_t block = globalTileId(layout, layout.block);
    const std::uint32_t guard = globalTileId(layout, layout.guard);
    const std::uint32_t action = globalTileId(layout, layout.action);

    const auto byte = [&grid](model::Layer layer, std::int32_t x, std::int32_t y) {
        return grid.rowData(layer, y)[x];
    };
    const auto wide = [&grid](model::Layer layer, std::int32_t x, std::int32_t y) {
        return static_cast<std::size_t>(mdlMain::DecodeCell(grid.rowData(layer, y) + 2 * x));
    };
    const bool written =
        writeLayer(out, grid, 1, kTmxGroundLayer, true,
                   [&](std::int32_t x, std::int32_t y) {
                       return ground[byte(model::Layer::Earths, x, y)];
                   }) &&
        writeLayer(out, grid, 2, kTmxObjectLayer, true,
                   [&](std::int32_t x, std::int32_t y) {
                       return objects[wide(model::Layer::Objects, x, y)];
                   }) &&
        writeLayer(out, grid, 3, kTmxBlockLayer, false,
                   [&](std::int32_t x, std::int32_t y) {
                       return byte(model::Layer::Blocks, x, y) != 0 ? block : 0u;
                   }) &&
        writeLayer(out, grid, 4, kTmxGuardLayer, false,
                   [&](std::int32_t x, std::int32_t y) {
                       return byte(model::Layer::Guards, x, y) != 0 ? guard : 0u;
                   }) &&
        writeLayer(out, grid, 5, kTmxActionLayer, false, [&](std::int32_t x, std::int32_t y) {
            return wide(model::Layer::Doors, x, y) != 0 ? action : 0u;
        });
    if (!written)
        return false;
    out << "</map>\n";
    return out.flush(true);
}

} // namespace interchange
