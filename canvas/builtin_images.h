#pragma once
// The built-in images of the canvas (picEmpry, picCells, picArrow) and their
// forms prepared for drawing. They never change, so one set serves every
// canvas.

#include "canvas/masked_image.h"

#include <QImage>

#include <array>

namespace canvas {

class BuiltinImages {
public:
    static const BuiltinImages& instance();

    // 0: the placeholder picture; 1: its all-black one-bit mask.
    const QImage& picEmpry(int index) const;
    // 0/1 block hatching pattern/mask, 2/3 guard, 8/9 action; a null image
    // for every other number.
    const QImage& picCells(int index) const;
    // 0 up, 1 down, 2 right, 3 left; a null image for every other number.
    const QImage& picArrow(int index) const;

    // The placeholder drawn opaque: its mask with MERGEPAINT, then the picture.
    const MaskedImage& placeholderSprite() const { return m_placeholderSprite; }
    // The hatchings that apply to a cell, in the order block, guard, action,
    // as one pattern; null when none applies.
    const MaskedImage& hatching(bool block, bool guard, bool action) const;
    // An arrow transferred with MERGEPAINT alone.
    const MaskedImage& arrow(int direction) const;

private:
    BuiltinImages();

    std::array<QImage, 2> m_empry;
    std::array<QImage, 10> m_cells;
    std::array<QImage, 4> m_arrows;
    MaskedImage m_placeholderSprite;
    std::array<MaskedImage, 8> m_hatchings; // index: block | guard << 1 | action << 2
    std::array<MaskedImage, 4> m_arrowImages;
    QImage m_none;
    MaskedImage m_noImage;
};

} // namespace canvas
