#include "interchange/location_content.h"

#include "model/grid_file.h"
#include "model/notes_file.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

namespace interchange {
namespace {

std::string shown(const std::string& file) {
    return cp1251::toUtf8(fsys::displayText(file));
}

} // namespace

ContentReading readLocationContent(const model::LocationFiles& files, model::LocationSize size,
                                   LocationContent& content) {
    ContentReading reading;
    model::LocationGrid& grid = content.grid;
    grid.setMapWidth(size.width);
    grid.setMapHeight(size.height);
    grid.CreatMap(0);
    if (!grid.ErrorMessage().empty() || !grid.isComplete()) {
        reading.problem = "cannot hold the grid of " + shown(files.grid) + ": " +
                          cp1251::toUtf8(grid.ErrorMessage());
        return reading;
    }
    fsys::File file;
    std::error_code ec;
    std::uint64_t got = 0;
    std::uint64_t fileBytes = 0;
    if (!file.open(files.grid, fsys::File::Mode::Read, ec) || (fileBytes = file.size(ec), ec) ||
        !model::readGridRecords(file, grid, got, ec)) {
        reading.problem = "cannot read grid file " + shown(files.grid) + ": " + ec.message();
        return reading;
    }
    const auto needed =
        static_cast<std::uint64_t>(model::LocationGrid::gridBytes(size.width, size.height));
    if (got < needed) {
        reading.problem = "grid file " + shown(files.grid) + " holds " + std::to_string(got) +
                          " bytes, fewer than the " + std::to_string(needed) +
                          " its location needs";
        return reading;
    }
    reading.bytesPastGrid = fileBytes > needed ? fileBytes - needed : 0;

    content.notes = model::readNotesFile(files.notes);
    if (content.notes.ends_with("\r\n"))
        content.notes.resize(content.notes.size() - 2);
    content.round = mdlINI::ReadIni(files.config, "CONFIG", "Round", "") != "1";
    reading.ok = true;
    return reading;
}

} // namespace interchange
