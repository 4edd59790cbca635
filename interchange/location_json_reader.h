#pragma once
// Reading a location's JSON document (see location_json_writer.h) as it is
// parsed, value by value, straight into the layers' bytes: no document tree
// is built. Every field is required; other top-level fields are ignored.
// Everything is checked before the content is handed out: the value types,
// the row counts (height + 1) and lengths (width), the values' ranges, a size
// the editor loads (model::usableGridSize) and notes that code page 1251 can
// hold.

#include "interchange/location_content.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

namespace interchange {

struct JsonReading {
    bool ok = false;
    // When not ok, one line (UTF-8) naming where and what, e.g.
    // "layers.object[12][7]: 70000 is out of range 0..65535" or
    // "line 3, column 9: syntax error ...".
    std::string problem;
};

// `inputBytes`, when known, lets the layers' room be set aside at once.
JsonReading readLocationJson(std::istream& in, LocationContent& content,
                             std::uint64_t inputBytes = 0);

// The same from a file the user named (native path).
JsonReading readLocationJsonFile(const std::filesystem::path& file, LocationContent& content);

} // namespace interchange
