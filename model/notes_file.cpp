#include "model/notes_file.h"

#include "support/file_system.h"

namespace model {

bool writeNotesFile(std::string_view notesFile, std::string_view notes, std::error_code& ec) {
    ec.clear();
    if (notes.empty())
        return true;
    std::string bytes(notes);
    bytes += "\r\n";
    return fsys::writeWholeFile(notesFile, bytes, ec);
}

std::string readNotesFile(std::string_view notesFile) {
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(notesFile, bytes, ec))
        return {};
    return bytes;
}

} // namespace model
