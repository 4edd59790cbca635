#pragma once
// The Doors layer after an action is taken out of the location's index:
// cells name action i (from 1) by the value i, so the cells of the removed
// action are emptied and every later action moves down by one.

#include "model/location_grid.h"

#include <cstdint>

namespace model {

// The cells of the grid whose Doors value is `value`.
std::uint64_t countDoors(const LocationGrid& grid, std::uint16_t value);

// Every Doors value `removed` (from 1) becomes 0 and every value above it one
// less; values below stay. Rows are written as span writes, so an observer
// of the grid hears every change. Returns the number of cells emptied.
std::uint64_t renumberDoorsAfterRemoval(LocationGrid& grid, std::uint16_t removed);

} // namespace model
