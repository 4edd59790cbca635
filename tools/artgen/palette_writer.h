#pragma once
// The editor's palette, Resources\editor.ini: the categories the designer
// picks ground tiles and objects from, each entry naming its section of a
// catalogue.

namespace artgen {

void writePalette();

} // namespace artgen
