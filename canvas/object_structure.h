#pragma once
// The object catalogue as read from level1.ini: the highest entry number and,
// per entry, its sprite file, mask file and display name. Only a record; the
// pictures live in the image buffers of ResourceCatalogues.

#include <cstdint>
#include <string>
#include <vector>

namespace canvas {

class ObjectStructure {
public:
    using Texts = std::vector<std::string>;

    std::int32_t ObjectsCount() const { return m_count; }
    // A value >= 0 re-creates the three lists with elements 0..value, all
    // empty; a negative value empties them.
    void setObjectsCount(std::int32_t count);

    Texts ObjectsPic() const { return m_pics; }
    void setObjectsPic(const Texts& pics) { m_pics = pics; }
    Texts ObjectsMask() const { return m_masks; }
    void setObjectsMask(const Texts& masks) { m_masks = masks; }
    Texts ObjectsName() const { return m_names; }
    void setObjectsName(const Texts& names) { m_names = names; }

private:
    std::int32_t m_count = 0;
    Texts m_pics;
    Texts m_masks;
    Texts m_names;
};

} // namespace canvas
