#pragma once
// A location as the interchange formats carry it: its cells, its notes and
// whether it is round. What the location's files hold, read whole.

#include "model/location_config.h"
#include "model/location_files.h"
#include "model/location_grid.h"

#include <array>
#include <cstdint>
#include <string>

namespace interchange {

struct LocationContent {
    model::LocationGrid grid; // MapWidth x (MapHeight + 1) cells, every layer complete
    std::string notes;        // code page 1251, without the notes file's closing CR LF
    bool round = true;
};

// The layers under the names the interchange formats give them, in the order
// of a grid file's record.
struct NamedLayer {
    const char* name;
    model::Layer layer;
};
constexpr std::array<NamedLayer, 6> kNamedLayers = {{{"earth", model::Layer::Earths},
                                                     {"object", model::Layer::Objects},
                                                     {"item", model::Layer::Predmets},
                                                     {"action", model::Layer::Doors},
                                                     {"block", model::Layer::Blocks},
                                                     {"guard", model::Layer::Guards}}};

// The largest value a cell of the layer holds: 255, or 65535 for two bytes.
constexpr std::int32_t largestValue(model::Layer layer) {
    return model::bytesPerCell(layer) == 2 ? 65535 : 255;
}

struct ContentReading {
    bool ok = false;
    std::string problem;             // UTF-8, when not ok: what and in which file
    std::uint64_t bytesPastGrid = 0; // a longer grid file's bytes no cell holds
};

// Reads the location whose files and checked size are given: the whole grid
// file (one shorter than the size needs is refused), the notes file (missing:
// no notes) and the configuration's "Round".
ContentReading readLocationContent(const model::LocationFiles& files, model::LocationSize size,
                                   LocationContent& content);

} // namespace interchange
