#pragma once
// The graphics of a map: the ground and object catalogues of a resource folder
// (level0.ini and level1.ini) with one image buffer per entry, and the built-in
// images. The canvas owns one of these; the drawing takes every picture from
// it.
//
// Ground code c selects ground entry c; object code n >= 1 selects object
// entry n - 1. A code beyond the loaded buffers is drawn with the placeholder.

#include "canvas/builtin_images.h"
#include "canvas/earth_structure.h"
#include "canvas/masked_image.h"
#include "canvas/object_structure.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace canvas {

// The outcome of LoadResources: on failure, the file concerned (a catalogue
// or a picture, code page 1251) and what went wrong with it. Either way the
// warnings about entries that loaded but draw otherwise than their files
// suggest, one complete text for the designer each (code page 1251), in entry
// order; after a failure, those of the entries loaded before it.
struct ResourceLoadResult {
    bool ok = true;
    std::string file;
    std::string reason;
    std::vector<std::string> warnings;
    // The same in English, for the command-line tool.
    std::string reasonEnglish;
    std::vector<std::string> warningsEnglish;

    explicit operator bool() const { return ok; }
    // The text for the designer: the file, then the reason.
    std::string message() const;
    // The same in English (code page 1251 file names).
    std::string englishMessage() const;
};

class ResourceCatalogues {
public:
    ResourceCatalogues();

    // Reads both catalogues of the resource folder below the application
    // folder and loads every listed picture. An empty `ResourcesPath` is first
    // set to "Resources". Stops at the first failure; what was loaded up to it
    // stays (ground catalogue before object catalogue, entries in order). An
    // object whose mask has another size than its picture loads with a
    // warning: its sprite keeps to the picture's rectangle.
    ResourceLoadResult LoadResources(std::string& ResourcesPath);

    // The resource folder for a ResourcesPath, ending in "\".
    static std::string resourceFolder(std::string_view ResourcesPath);

    const EarthStructure& earthStructure() const { return m_earths; }
    const ObjectStructure& objectStructure() const { return m_objects; }

    // The image buffers; element 0 is always there. Before the first load it
    // holds the placeholder.
    int earthBufferCount() const { return static_cast<int>(m_earthBuffer.size()); }
    const QImage& picEarthBuffer(int i) const;
    int objectBufferCount() const { return static_cast<int>(m_objectBuffer.size()); }
    const QImage& picObjectBufferPic(int i) const;
    const QImage& picObjectBufferMask(int i) const;

    const QImage& picEmpry(int i) const { return m_builtin.picEmpry(i); }
    const QImage& picCells(int i) const { return m_builtin.picCells(i); }
    const QImage& picArrow(int i) const { return m_builtin.picArrow(i); }
    const BuiltinImages& builtin() const { return m_builtin; }

    // What the drawing uses for a ground code: its buffer, or the placeholder
    // when there is none.
    const QImage& earthImage(int code) const;
    // What the drawing uses for object entry e (code e + 1): its masked
    // sprite, or the opaque placeholder when there is none.
    const MaskedImage& objectSprite(int entry) const;
    // Pixel size of the sprite of entry e (the placeholder's when there is none).
    QSize objectSpriteSize(int entry) const;

    // How far right of its cell's left edge an object can reach: the widest
    // picture, and its contour one pixel past it.
    int objectReach() const { return m_objectReach; }
    // The same downwards from its cell's top edge: the tallest picture, and
    // its contour one pixel past it.
    int objectDownReach() const { return m_objectDownReach; }

    // Changes whenever the ground buffers may have changed; no two catalogue
    // objects share a value.
    std::uint64_t earthGeneration() const { return m_earthGeneration; }
    // The same for the object buffers and their sprites.
    std::uint64_t objectGeneration() const { return m_objectGeneration; }

private:
    struct ObjectPicture {
        QImage picture;
        QImage mask;
        MaskedImage sprite;
    };

    ResourceLoadResult loadEarths(const std::string& folder);
    ResourceLoadResult loadObjects(const std::string& folder, ResourceLoadResult& warnings);
    bool hasObjectEntry(int entry) const;
    void measureObjectReach();

    const BuiltinImages& m_builtin;
    EarthStructure m_earths;
    ObjectStructure m_objects;
    std::vector<QImage> m_earthBuffer;
    std::vector<ObjectPicture> m_objectBuffer;
    std::uint64_t m_earthGeneration = 0;
    std::uint64_t m_objectGeneration = 0;
    int m_objectReach = 0;
    int m_objectDownReach = 0;
};

} // namespace canvas
