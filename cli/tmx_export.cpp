#include "cli/tmx_export.h"

#include "cli/command_line.h"
#include "cli/gui_application.h"

#include "canvas/canvas_view.h"
#include "canvas/earth_tile_cache.h"
#include "canvas/picture_format.h"
#include "canvas/resource_catalogues.h"
#include "canvas/transparent_sprite.h"
#include "interchange/location_tmx_writer.h"
#include "interchange/tmx_layout.h"
#include "support/cp1251.h"
#include "support/crash_safe_writer.h"

#include <filesystem>
#include <iostream>
#include <QImage>

namespace cli {
namespace {

namespace fs = std::filesystem;
using interchange::TmxPicture;

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

canvas::ResourceCatalogues& loadCatalogues(canvas::ResourceCatalogues& catalogues,
                                           const std::string& resources) {
    std::string folder = resources;
    const canvas::ResourceLoadResult loaded = catalogues.LoadResources(folder);
    for (const std::string& warning : loaded.warningsEnglish)
        std::cerr << "mapedit export: warning: " << cp1251::toUtf8(warning) << "\n";
    if (!loaded)
        throw Failure{"the catalogues cannot be loaded: " +
                      cp1251::toUtf8(loaded.englishMessage())};
    return catalogues;
}

interchange::TmxCatalogueSizes sizesOf(const canvas::ResourceCatalogues& catalogues,
                                       const canvas::CanvasView& view) {
    interchange::TmxCatalogueSizes sizes;
    sizes.cellWidth = view.CellWidth;
    sizes.cellHeight = view.CellHeight;
    const std::vector<std::string> groundNames = catalogues.earthStructure().EarthsName();
    for (int code = 0; code < catalogues.earthBufferCount(); ++code) {
        const auto i = static_cast<std::size_t>(code);
        sizes.groundNames.push_back(i < groundNames.size() ? groundNames[i] : std::string());
    }
    const std::vector<std::string> objectNames = catalogues.objectStructure().ObjectsName();
    for (int entry = 0; entry < catalogues.objectBufferCount(); ++entry) {
        const auto i = static_cast<std::size_t>(entry);
        const QSize size = catalogues.objectSpriteSize(entry);
        sizes.objects.push_back(interchange::TmxObjectEntry{
            !catalogues.picObjectBufferPic(entry).isNull(), size.width(), size.height(),
            i < objectNames.size() ? objectNames[i] : std::string()});
    }
    const QSize placeholder = catalogues.builtin().picEmpry(0).size();
    sizes.placeholderWidth = placeholder.width();
    sizes.placeholderHeight = placeholder.height();
    return sizes;
}

// The picture of a tile, as the map view draws it.
QImage pictureOf(const interchange::TmxTile& tile, const canvas::ResourceCatalogues& catalogues,
                 canvas::EarthTileCache& ground, const canvas::CanvasView& view) {
    const canvas::BuiltinImages& builtin = catalogues.builtin();
    const auto hatching = [&](bool block, bool guard, bool action) {
        return canvas::transparentSprite(
            builtin.hatching(block, guard, action).repeatedTo(view.CellWidth, view.CellHeight));
    };
    switch (tile.picture) {
    case TmxPicture::Ground: {
        // Codes without an entry all draw the placeholder; the first of them
        // stands for all.
        const int code = tile.code >= 0 ? tile.code : catalogues.earthBufferCount();
        return ground.tile(catalogues, static_cast<std::uint8_t>(code), view.CellWidth,
                           view.CellHeight);
    }
    case TmxPicture::Object:
        return canvas::transparentSprite(tile.code >= 0 ? catalogues.objectSprite(tile.code)
                                                        : builtin.placeholderSprite());
    case TmxPicture::BlockMark:
        return hatching(true, false, false);
    case TmxPicture::GuardMark:
        return hatching(false, true, false);
    case TmxPicture::ActionMark:
        return hatching(false, false, true);
    }
    return {};
}

// Removes a folder left behind, quietly: what stays is only clutter.
void removeQuietly(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
}

// The pictures of every tile, into `folder` (made fresh).
void writePictures(const interchange::TmxLayout& layout,
                   const canvas::ResourceCatalogues& catalogues, const canvas::CanvasView& view,
                   const fs::path& folder) {
    std::error_code ec;
    removeQuietly(folder);
    if (!fs::create_directory(folder, ec))
        throw Failure{"cannot make folder " + utf8Of(folder) + ": " + ec.message()};
    canvas::EarthTileCache ground;
    for (const interchange::TmxTileset& tileset : layout.tilesets) {
        for (const interchange::TmxTile& tile : tileset.tiles) {
            const fs::path file = folder / canvas::nativePath(tile.image).filename();
            std::string reason;
            if (!canvas::writePictureFile(pictureOf(tile, catalogues, ground, view), file, reason))
                throw Failure{"cannot write " + utf8Of(file) + ": " + reason};
        }
    }
}

} // namespace

std::string tmxPictureFolderName(const std::string& mapFile) {
    return utf8Of(canvas::nativePath(mapFile).stem()) + ".tiles";
}

void writeTmxExport(const interchange::LocationContent& content, const std::string& mapFile,
                    const std::string& resources) {
    if (content.grid.MapWidth() < 1)
        throw Failure{"the location has no columns to export (Width = 0)"};
    if (content.grid.MapHeight() < 1)
        throw Failure{"the location has no rows to export (Height = 0)"};
    const fs::path target = canvas::nativePath(mapFile);
    if (target.filename().empty())
        throw Failure{"--tmx names no file"};
    guiApplication();
    canvas::ResourceCatalogues catalogues;
    loadCatalogues(catalogues, resources);

    const canvas::CanvasView view;
    const std::string folderName = tmxPictureFolderName(mapFile);
    const interchange::TmxLayout layout =
        interchange::planTmxLayout(sizesOf(catalogues, view), folderName);

    const fs::path parent = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const fs::path pictures = parent / canvas::nativePath(folderName);
    const fs::path staging = parent / canvas::nativePath("." + folderName + ".saving");
    const fs::path previous = parent / canvas::nativePath("." + folderName + ".old");
    std::error_code ec;
    try {
        writePictures(layout, catalogues, view, staging);
        fsys::CrashSafeWriter writer;
        if (!writer.beginNative(target, ec) ||
            !interchange::writeLocationTmx(content, layout, [&](std::string_view text) {
                return writer.write(text.data(), text.size(), ec);
            }))
            throw Failure{"cannot write " + mapFile + ": " + ec.message()};

        // The new pictures take the old ones' place, then the map file is
        // committed; a failed commit puts the old pictures back.
        removeQuietly(previous);
        const bool hadPictures = fs::exists(pictures, ec);
        if (hadPictures)
            fs::rename(pictures, previous, ec);
        if (!ec)
            fs::rename(staging, pictures, ec);
        if (ec) {
            const std::error_code failure = ec;
            if (hadPictures && !fs::exists(pictures, ec))
                fs::rename(previous, pictures, ec);
            throw Failure{"cannot replace folder " + utf8Of(pictures) + ": " + failure.message()};
        }
        if (!writer.commit(ec)) {
            const std::error_code failure = ec;
            removeQuietly(pictures);
            if (hadPictures)
                fs::rename(previous, pictures, ec);
            throw Failure{"cannot write " + mapFile + ": " + failure.message()};
        }
        removeQuietly(previous);
    } catch (...) {
        removeQuietly(staging);
        throw;
    }
}

} // namespace cli
