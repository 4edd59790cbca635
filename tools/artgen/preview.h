#pragma once
// A picture of a whole location of the written world, drawn from the files
// the way the canvas draws them: ground tiles stretched to a cell, then every
// object's mask and sprite at their own size, column by column from the left
// and each column from the top.

#include <string>

namespace artgen {

struct PreviewArea {
    int x = 0, y = 0;          // the top-left cell
    int columns = 0, rows = 0; // 0: up to the location's edge
};

// Writes a part of the location as a PNG to the native path `pngFile`,
// `scale` times its full size (1 = 32 pixels a cell).
void writePreview(const std::string& location, const PreviewArea& area, const std::string& pngFile,
                  double scale);

} // namespace artgen
