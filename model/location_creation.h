#pragma once
// Writing the files of a new location into the map folder: the grid file from
// the grid just built, the notes file (only for notes that are not empty) and
// the configuration file, in that order. The location manager creates
// locations this way, and an import writes them through the same code.

#include "model/location_grid.h"

#include <string>
#include <system_error>

namespace model {

struct NewLocationFiles {
    std::string mapFolder; // ends in "\"
    std::string name;
    std::string notes;      // code page 1251, CR LF line breaks
    std::string widthText;  // as typed
    std::string heightText; // as typed
    bool round = true;
};

// The files already there: written over as a save of the editor would (a
// longer grid file keeps its tail, a configuration its other lines, notes
// stay when the new ones are empty), or replaced, so that the files end up
// with the bytes a location created where none was gets.
enum class ExistingFiles { WriteOver, Replace };

// The first file that could not be written; an empty `file` means none.
struct LocationWriteFailure {
    std::string file;
    std::error_code error;

    explicit operator bool() const { return !file.empty(); }
};

// Writes the files; stops at the first failure, which it returns after
// removing the files this call made (files that were there stay, replaced or
// not).
LocationWriteFailure writeLocationFiles(const NewLocationFiles& location, const LocationGrid& grid,
                                        ExistingFiles existing = ExistingFiles::WriteOver);

} // namespace model
