#pragma once
// The pictures of the ground tiles: plain materials, decorated variants and
// the transitions between two materials.
//
// A transition tile is chosen by which of the cell's four corners lie in the
// second material: bit 1 the top-left corner, 2 the top-right, 4 the
// bottom-left, 8 the bottom-right (1 to 14; 0 and 15 are the plain tiles).
// The border between the materials is drawn from a field that is continuous
// across cells, so transition tiles join each other and the plain tiles.

#include "ground_materials.h"

#include <QImage>

namespace artgen {

enum Corner { kTopLeft = 1, kTopRight = 2, kBottomLeft = 4, kBottomRight = 8 };

QImage plainTile(Material material);
QImage transitionTile(Material outer, Material inner, int innerCorners);

// Plain tiles with a few things drawn inside the cell's margin.
QImage flowerMeadowTile();
QImage tallGrassTile();
QImage lilyPadTile();

} // namespace artgen
