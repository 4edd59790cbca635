#pragma once
// The resource folder: the pictures of the ground tiles and objects, and the
// catalogues level0.ini and level1.ini that list them.

namespace artgen {

void writeResources();

} // namespace artgen
