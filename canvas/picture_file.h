#pragma once
// Reading one picture file through the file-system boundary (so its name is
// matched without regard to case) and decoding it with the image readers of
// the toolkit: BMP of every depth, PNG, GIF, JPEG and the rest they know.
//
// Pictures are ground tiles and object sprites, a few hundred pixels on a
// side at most. A file claiming far more is refused before it is decoded, so
// a damaged or hostile header cannot make the program take gigabytes: the
// file may hold at most kMaxPictureFileBytes, and the decoded picture may
// take at most kMaxPictureMegabytes (the toolkit's allocation limit is set to
// the same value, for the formats whose size is known only while decoding).

#include <QImage>

#include <cstdint>
#include <string>
#include <string_view>

namespace canvas {

constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{128} << 20;
constexpr int kMaxPictureMegabytes = 128;

struct PictureReading {
    QImage image;              // Format_RGB32 when read; null otherwise
    std::string reason;        // why the picture could not be had; empty when read
    std::string reasonEnglish; // the same in English
    bool missing = false;      // the file or a folder on its way does not exist
};

PictureReading readPicture(std::string_view file);

} // namespace canvas
