#include "canvas/builtin_images.h"

#include "canvas/builtin_pictures.h"

namespace canvas {
namespace {

struct HatchSlot {
    Hatch hatch;
    int patternIndex; // picCells number of the pattern; the mask follows it
};
constexpr std::array<HatchSlot, 3> kHatchSlots = {
    HatchSlot{Hatch::Block, 0}, HatchSlot{Hatch::Guard, 2}, HatchSlot{Hatch::Action, 8}};

} // namespace

const BuiltinImages& BuiltinImages::instance() {
    static const BuiltinImages images;
    return images;
}

BuiltinImages::BuiltinImages() {
    m_empry[0] = makePlaceholderPicture();
    m_empry[1] = makePlaceholderMask();
    m_placeholderSprite = MaskedImage::fromMaskAndPicture(m_empry[1], m_empry[0]);

    std::array<MaskedImage, 3> single;
    for (std::size_t i = 0; i < kHatchSlots.size(); ++i) {
        const auto index = static_cast<std::size_t>(kHatchSlots[i].patternIndex);
        m_cells[index] = makeHatchPattern(kHatchSlots[i].hatch);
        m_cells[index + 1] = makeHatchMask(kHatchSlots[i].hatch);
        single[i] = MaskedImage::fromMaskAndPicture(m_cells[index + 1], m_cells[index]);
    }
    for (std::size_t combination = 1; combination < m_hatchings.size(); ++combination) {
        MaskedImage combined;
        for (std::size_t i = 0; i < single.size(); ++i) {
            if ((combination & (std::size_t{1} << i)) == 0)
                continue;
            combined = combined.isNull() ? single[i] : combined.followedBy(single[i]);
        }
        m_hatchings[combination] = combined;
    }

    for (int direction = 0; direction < 4; ++direction) {
        const auto i = static_cast<std::size_t>(direction);
        m_arrows[i] = makeArrowPicture(direction);
        m_arrowImages[i] = MaskedImage::fromMergePaint(m_arrows[i]);
    }
}

const QImage& BuiltinImages::picEmpry(int index) const {
    return index == 0 || index == 1 ? m_empry[static_cast<std::size_t>(index)] : m_none;
}

const QImage& BuiltinImages::picCells(int index) const {
    return index >= 0 && index < static_cast<int>(m_cells.size())
               ? m_cells[static_cast<std::size_t>(index)]
               : m_none;
}

const QImage& BuiltinImages::picArrow(int index) const {
    return index >= 0 && index < static_cast<int>(m_arrows.size())
               ? m_arrows[static_cast<std::size_t>(index)]
               : m_none;
}

const MaskedImage& BuiltinImages::hatching(bool block, bool guard, bool action) const {
    const std::size_t index = (block ? 1u : 0u) | (guard ? 2u : 0u) | (action ? 4u : 0u);
    return m_hatchings[index];
}

const MaskedImage& BuiltinImages::arrow(int direction) const {
    return direction >= 0 && direction < static_cast<int>(m_arrowImages.size())
               ? m_arrowImages[static_cast<std::size_t>(direction)]
               : m_noImage;
}

} // namespace canvas
