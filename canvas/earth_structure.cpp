#include "canvas/earth_structure.h"

namespace canvas {

void EarthStructure::setEarthsCount(std::int16_t count) {
    m_count = count;
    const std::size_t size = count >= 0 ? static_cast<std::size_t>(count) + 1 : 0;
    m_files.assign(size, std::string());
    m_names.assign(size, std::string());
}

} // namespace canvas
