#pragma once
// A location as a Tiled map (TMX, XML in UTF-8), written as it goes:
//
//   <map orientation="orthogonal" width=W height=H tilewidth tileheight ...>
//     <properties> round, notes </properties>
//     <tileset firstgid ...> one per TmxTileset, an image collection </tileset>
//     <layer name="earth">    ground: one tile per cell </layer>
//     <layer name="objects">  objects: a tile in the cell of each object </layer>
//     <layer name="blocks" visible="0">, "guards", "actions": the marks </layer>
//   </map>
//
// Layer data is CSV, one map row to a line. The map has the location's
// columns and its rows 0..MapHeight - 1: the grid's last row (MapHeight) lies
// outside the world's rows, as the whole-location render leaves it out too.
// Tiled draws a tile larger than a cell from the cell's bottom-left corner
// upwards; each tileset's vertical offset puts its tiles' top edge on the
// cell's top edge instead, so a tileset holds tiles of one height.
//
// Texts (tile names, notes) come in code page 1251 and are written as UTF-8,
// escaped for XML; characters XML cannot hold (control characters other than
// tab, line feed and carriage return) become U+FFFD.

#include "interchange/location_content.h"
#include "interchange/text_sink.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace interchange {

// What a tile's picture shows.
enum class TmxPicture {
    Ground,     // ground code `code`; -1: the placeholder of codes without an entry
    Object,     // object entry `code` (cell value code + 1); -1: the placeholder
    BlockMark,  // the hatching of a closed cell
    GuardMark,  // the hatching of a guard-zone cell
    ActionMark, // the hatching of a cell with an action
};

struct TmxTile {
    TmxPicture picture = TmxPicture::Ground;
    std::int32_t code = -1;
    std::string image; // the picture file, relative to the map file, "/" between parts
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string name; // the catalogue's name of the entry (code page 1251), or empty
};

// An image collection: tile id i is tiles[i].
struct TmxTileset {
    std::string name;
    std::int32_t offsetY = 0; // the tiles' vertical offset in pixels
    std::vector<TmxTile> tiles;
};

// A tile of the map: tileset index and tile id; a negative tileset is no tile.
struct TmxTileRef {
    std::int32_t tileset = -1;
    std::int32_t tile = 0;
};

// How the cells' values become tiles.
struct TmxLayout {
    std::int32_t tileWidth = 32;
    std::int32_t tileHeight = 32;
    std::vector<TmxTileset> tilesets;
    std::vector<TmxTileRef> ground;  // per ground code 0..255
    std::vector<TmxTileRef> objects; // per object value 0..65535 (0: no object)
    TmxTileRef block;                // for cells with a block mark
    TmxTileRef guard;                // for cells with a guard mark
    TmxTileRef action;               // for cells with an action
};

// The global tile id (gid) of a tile of the layout: tilesets take ids one after
// another from 1; 0 for no tile.
std::uint32_t globalTileId(const TmxLayout& layout, TmxTileRef tile);

// The names of the tile layers, bottom to top.
constexpr std::string_view kTmxGroundLayer = "earth";
constexpr std::string_view kTmxObjectLayer = "objects";
constexpr std::string_view kTmxBlockLayer = "blocks";
constexpr std::string_view kTmxGuardLayer = "guards";
constexpr std::string_view kTmxActionLayer = "actions";

// False when the sink stopped it.
bool writeLocationTmx(const LocationContent& content, const TmxLayout& layout,
                      const TextSink& sink);

// `text` (UTF-8) as XML character data or an attribute value.
std::string xmlEscaped(std::string_view utf8);

} // namespace interchange
