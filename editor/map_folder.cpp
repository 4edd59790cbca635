#include "editor/map_folder.h"

namespace editor {

std::string& MapFolder() {
    static std::string folder;
    return folder;
}

} // namespace editor
