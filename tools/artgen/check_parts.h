#pragma once
// The parts of the world check, each adding what it finds to a report.

#include "world_reader.h"

#include <string>
#include <vector>

namespace artgen {

struct Report {
    std::vector<std::string> problems;
    std::vector<std::string> notes;
    void problem(std::string text) { problems.push_back(std::move(text)); }
    void note(std::string text) { notes.push_back(std::move(text)); }
};

// Picture formats, sizes and the sprite/mask rule.
void checkPictures(const LoadedCatalogues& art, Report& report);
// Palette levels, catalogues of the right layer, and a preview for each entry.
void checkPalette(Report& report);
// Notes, water and rock closed, doors on open cells, teleport targets and
// question answers.
void checkLocation(const std::string& name, const std::vector<std::string>& locations,
                   Report& report);

} // namespace artgen
