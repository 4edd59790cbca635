#pragma once
// The ground catalogue as read from level0.ini: the highest entry number and,
// per entry, its file name and display name. Only a record; the pictures live
// in the image buffers of ResourceCatalogues.

#include <cstdint>
#include <string>
#include <vector>

namespace canvas {

class EarthStructure {
public:
    using Texts = std::vector<std::string>;

    std::int16_t EarthsCount() const { return m_count; }
    // A value >= 0 re-creates both lists with elements 0..value, all empty; a
    // negative value empties them.
    void setEarthsCount(std::int16_t count);

    Texts EarthsFile() const { return m_files; }
    void setEarthsFile(const Texts& files) { m_files = files; }
    Texts EarthsName() const { return m_names; }
    void setEarthsName(const Texts& names) { m_names = names; }

private:
    std::int16_t m_count = 0;
    Texts m_files;
    Texts m_names;
};

} // namespace canvas
