#pragma once
// One colour for each ground code and each object code, for the overview of a
// whole location: a ground code's colour is the average of its ground tile's
// pixels, an object code's the average of the pixels its sprite covers
// (those it paints whatever lies below). The colours are worked out again
// only when the catalogues' pictures changed.

#include "canvas/masked_image.h"
#include "canvas/resource_catalogues.h"

#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace canvas {

class OverviewColours {
public:
    // Every ground code has the map's background colour; no object shows.
    OverviewColours();

    // Takes the colours of `catalogues` when its pictures are not the ones the
    // colours were taken from (another catalogue object, or a load since).
    // Returns whether the colours were worked out again.
    bool follow(const ResourceCatalogues& catalogues);

    QRgb ground(std::uint8_t code) const { return m_ground[code]; }
    // The colour of object code `code` with alpha 0xFF, or 0 (alpha 0) for
    // code 0 and for a sprite that covers no pixel.
    QRgb object(std::uint16_t code) const { return m_object[code]; }

    // The tables themselves, indexed by code (256 and 65536 entries).
    const QRgb* groundTable() const { return m_ground.data(); }
    const QRgb* objectTable() const { return m_object.data(); }

    // The rounded average of a picture's pixels, alpha 0xFF; the background
    // colour for a picture without pixels.
    static QRgb averageOf(const QImage& picture);
    // The rounded average of the pixels a sprite covers, alpha 0xFF; none
    // when it covers no pixel.
    static std::optional<QRgb> averageOfCovered(const MaskedImage& sprite);

private:
    std::array<QRgb, 256> m_ground{};
    std::vector<QRgb> m_object;
    const ResourceCatalogues* m_source = nullptr;
    std::uint64_t m_earthGeneration = 0;
    std::uint64_t m_objectGeneration = 0;
};

} // namespace canvas
