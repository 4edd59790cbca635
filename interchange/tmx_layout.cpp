#include "interchange/tmx_layout.h"

#include <map>

namespace interchange {
namespace {

constexpr std::size_t kGroundCodes = 256;
constexpr std::size_t kObjectValues = 65536;

TmxTile tile(TmxPicture picture, std::int32_t code, std::string image, std::int32_t width,
             std::int32_t height, std::string name = {}) {
    return TmxTile{picture, code, std::move(image), width, height, std::move(name)};
}

void addGround(TmxLayout& layout, const TmxCatalogueSizes& catalogues, const std::string& folder) {
    TmxTileset earth{"earth", 0, {}};
    const std::size_t known = std::min(catalogues.groundNames.size(), kGroundCodes);
    const std::int32_t set = static_cast<std::int32_t>(layout.tilesets.size());
    for (std::size_t code = 0; code < known; ++code) {
        const auto c = static_cast<std::int32_t>(code);
        earth.tiles.push_back(
            tile(TmxPicture::Ground, c, folder + "earth-" + std::to_string(code) + ".png",
                 catalogues.cellWidth, catalogues.cellHeight, catalogues.groundNames[code]));
        layout.ground[code] = TmxTileRef{set, c};
    }
    if (known < kGroundCodes) {
        const auto placeholder = static_cast<std::int32_t>(earth.tiles.size());
        earth.tiles.push_back(tile(TmxPicture::Ground, -1, folder + "earth-err.png",
                                   catalogues.cellWidth, catalogues.cellHeight));
        for (std::size_t code = known; code < kGroundCodes; ++code)
            layout.ground[code] = TmxTileRef{set, placeholder};
    }
    layout.tilesets.push_back(std::move(earth));
}

void addObjects(TmxLayout& layout, const TmxCatalogueSizes& catalogues, const std::string& folder) {
    // Tiles grouped by height, the lowest first; the placeholder as entry -1.
    std::map<std::int32_t, std::vector<TmxTile>> byHeight;
    byHeight[catalogues.placeholderHeight].push_back(
        tile(TmxPicture::Object, -1, folder + "object-err.png", catalogues.placeholderWidth,
             catalogues.placeholderHeight));
    const std::size_t entries = std::min(catalogues.objects.size(), kObjectValues - 1);
    for (std::size_t e = 0; e < entries; ++e) {
        const TmxObjectEntry& entry = catalogues.objects[e];
        if (entry.present)
            byHeight[entry.height].push_back(tile(TmxPicture::Object, static_cast<std::int32_t>(e),
                                                  folder + "object-" + std::to_string(e) + ".png",
                                                  entry.width, entry.height, entry.name));
    }
    TmxTileRef placeholder;
    for (auto& [height, tiles] : byHeight) {
        const auto set = static_cast<std::int32_t>(layout.tilesets.size());
        for (std::size_t id = 0; id < tiles.size(); ++id) {
            const TmxTileRef ref{set, static_cast<std::int32_t>(id)};
            if (tiles[id].code < 0)
                placeholder = ref;
            else
                layout.objects[static_cast<std::size_t>(tiles[id].code) + 1] = ref;
        }
        layout.tilesets.push_back(TmxTileset{"objects-" + std::to_string(height),
                                             height - catalogues.cellHeight, std::move(tiles)});
    }
    for (std::size_t value = 1; value < kObjectValues; ++value)
        if (layout.objects[value].tileset < 0)
            layout.objects[value] = placeholder;
}

void addMarks(TmxLayout& layout, const TmxCatalogueSizes& catalogues, const std::string& folder) {
    const auto set = static_cast<std::int32_t>(layout.tilesets.size());
    const std::int32_t w = catalogues.cellWidth;
    const std::int32_t h = catalogues.cellHeight;
    layout.tilesets.push_back(
        TmxTileset{"marks",
                   0,
                   {tile(TmxPicture::BlockMark, 0, folder + "mark-block.png", w, h),
                    tile(TmxPicture::GuardMark, 1, folder + "mark-guard.png", w, h),
                    tile(TmxPicture::ActionMark, 2, folder + "mark-action.png", w, h)}});
    layout.block = TmxTileRef{set, 0};
    layout.guard = TmxTileRef{set, 1};
    layout.action = TmxTileRef{set, 2};
}

} // namespace

TmxLayout planTmxLayout(const TmxCatalogueSizes& catalogues, std::string_view folder) {
    TmxLayout layout;
    layout.tileWidth = catalogues.cellWidth;
    layout.tileHeight = catalogues.cellHeight;
    layout.ground.assign(kGroundCodes, TmxTileRef{});
    layout.objects.assign(kObjectValues, TmxTileRef{});
    const std::string prefix = folder.empty() ? std::string() : std::string(folder) + "/";
    addGround(layout, catalogues, prefix);
    addObjects(layout, catalogues, prefix);
    addMarks(layout, catalogues, prefix);
    return layout;
}

} // namespace interchange
