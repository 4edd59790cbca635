#pragma once
// A picture prepared for drawing with raster operations in a single pass.
//
// Every transfer the map uses acts on each destination bit d as one of
// "keep", "set" or "clear", and so does any sequence of them: applying a
// MaskedImage to a pixel gives (d | orBits) & andBits. A mask transferred with
// MERGEPAINT (d | ~mask) followed by a picture with SRCAND (d & picture) is
// orBits = ~mask, andBits = picture.

#include <QImage>

#include <cstdint>
#include <vector>

namespace canvas {

class MaskedImage {
public:
    MaskedImage() = default;

    // The masked draw of a picture within its own rectangle, of the picture's
    // size: where the mask reaches, the mask with MERGEPAINT, then the picture
    // with SRCAND; where it does not, the destination is kept. A larger mask
    // is cut at the picture's edges.
    static MaskedImage fromMaskAndPicture(const QImage& mask, const QImage& picture);
    // A transfer with MERGEPAINT alone.
    static MaskedImage fromMergePaint(const QImage& source);
    // This image's transfer followed by `next`'s, as one image.
    MaskedImage followedBy(const MaskedImage& next) const;
    // An image of width x height pixels from its rows of OR and AND bits, row
    // after row; both hold width x height words.
    static MaskedImage fromBits(int width, int height, std::vector<std::uint32_t> orBits,
                                std::vector<std::uint32_t> andBits);
    // This image repeated from its top-left corner in both directions and cut
    // at width x height pixels: what a tiled transfer puts into a rectangle of
    // that size.
    MaskedImage repeatedTo(int width, int height) const;

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_width == 0 || m_height == 0; }

    const std::uint32_t* orRow(int y) const { return m_or.data() + rowOffset(y); }
    const std::uint32_t* andRow(int y) const { return m_and.data() + rowOffset(y); }

private:
    MaskedImage(int width, int height);
    std::size_t rowOffset(int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
    }
    std::uint32_t& orAt(int x, int y) { return m_or[rowOffset(y) + static_cast<std::size_t>(x)]; }
    std::uint32_t& andAt(int x, int y) { return m_and[rowOffset(y) + static_cast<std::size_t>(x)]; }

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_or;
    std::vector<std::uint32_t> m_and;
};

} // namespace canvas
