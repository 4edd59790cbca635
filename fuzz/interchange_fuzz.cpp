// A location as a JSON document from anywhere: any bytes are either refused
// with a line saying where, or read as one location, which writes back as a
// document that reads again as the same cells, notes and form.

#include "fuzz/fuzz_support.h"

#include "interchange/location_json_reader.h"
#include "interchange/location_json_writer.h"

#include <sstream>

namespace {

bool sameContent(const interchange::LocationContent& a, const interchange::LocationContent& b) {
    if (a.notes != b.notes || a.round != b.round || a.grid.MapWidth() != b.grid.MapWidth() ||
        a.grid.MapHeight() != b.grid.MapHeight())
        return false;
    for (const model::Layer layer : model::kAllLayers)
        if (!std::equal(a.grid.layerBytes(layer).begin(), a.grid.layerBytes(layer).end(),
                        b.grid.layerBytes(layer).begin(), b.grid.layerBytes(layer).end()))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Documents may claim any size; grids past a megabyte are refused as too
    // large, so that a run stays quick.
    model::LocationGrid::setMaxGridBytes(1 << 20);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    interchange::LocationContent content;
    const interchange::JsonReading reading = interchange::readLocationJson(in, content, size);
    if (!reading.ok) {
        if (reading.problem.empty() || reading.problem.find('\n') != std::string::npos)
            fuzzing::fail("a refusal is not one line naming the problem");
        return 0;
    }
    std::string written;
    if (!interchange::writeLocationJson(content, [&](std::string_view piece) {
            written += piece;
            return true;
        }))
        fuzzing::fail("a location read could not be written back");
    std::istringstream again(written);
    interchange::LocationContent back;
    if (!interchange::readLocationJson(again, back, written.size()).ok)
        fuzzing::fail("a document written from a location is refused");
    if (!sameContent(content, back))
        fuzzing::fail("a location written and read again differs");
    return 0;
}
