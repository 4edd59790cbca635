#include "canvas/object_structure.h"

namespace canvas {

void ObjectStructure::setObjectsCount(std::int32_t count) {
    m_count = count;
    const std::size_t size = count >= 0 ? static_cast<std::size_t>(count) + 1 : 0;
    m_pics.assign(size, std::string());
    m_masks.assign(size, std::string());
    m_names.assign(size, std::string());
}

} // namespace canvas
