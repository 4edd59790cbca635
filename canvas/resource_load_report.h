#pragma once
// How the editor tells the designer what loading the catalogues gave.

class QWidget;

namespace canvas {
struct ResourceLoadResult;
}

namespace ui {

// A failed load as a critical box titled "Error" with its message; the
// warnings of a successful load as one warning box listing them (the first
// few, then how many more); nothing for a clean load.
void reportResourceLoad(QWidget* parent, const canvas::ResourceLoadResult& loaded);

} // namespace ui
