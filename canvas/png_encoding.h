#pragma once
// A PNG encoder for large pictures (whole locations of many thousand pixels a
// side), where encoding is most of a render's time: 8-bit RGB (RGBA for a
// picture with an alpha channel), every row with
// the same filter, deflated at a fast level in horizontal stripes on several
// threads at once. Each stripe is a deflate stream of its own ended on a byte
// boundary, so the stripes joined are one valid stream; a decoder sees an
// ordinary PNG.

#include <QImage>

#include <cstdint>
#include <string>

namespace canvas {

enum class PngRowFilter : std::uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

struct PngEncoding {
    int level = 1; // zlib's level, 0 (stored) to 9
    PngRowFilter filter = PngRowFilter::Up;
    int threads = 1; // stripes encoded at once; the file is the same for any count
    // Rows per stripe; each stripe starts a new deflate window, costing a
    // little size at its start.
    int stripeRows = 256;
};

// The PNG file of `image` (any format), or an empty string when the encoder
// fails (no memory).
std::string encodePng(const QImage& image, const PngEncoding& encoding);

} // namespace canvas
