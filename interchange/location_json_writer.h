#pragma once
// The JSON document of a location, written as it goes (no document tree is
// built, so a location of any size takes a buffer of about a megabyte):
//
//   {
//     "width": W,
//     "height": H,
//     "round": true,
//     "notes": "UTF-8 text",
//     "layers": {
//       "earth": [[v, v, ...], ... H + 1 rows of W values],
//       "object": ..., "item": ..., "action": ..., "block": ..., "guard": ...
//     }
//   }
//
// with one row to a line. Values are the cells' values: 0..255, and 0..65535
// for the two-byte layers (object and action) read big-endian.

#include "interchange/location_content.h"
#include "interchange/text_sink.h"

#include <filesystem>
#include <system_error>

namespace interchange {

// False when the sink stopped it.
bool writeLocationJson(const LocationContent& content, const TextSink& sink);

// Writes the document into a file the user named (native path), crash-safely:
// the file holds its old or its new bytes, never a mix.
bool writeLocationJsonFile(const std::filesystem::path& file, const LocationContent& content,
                           std::error_code& ec);

} // namespace interchange
