#pragma once
// The notes file of a location: the designer's notes (code page 1251)
// followed by CR LF, written only for notes that are not empty.

#include <string>
#include <string_view>
#include <system_error>

namespace model {

// Writes the notes with their closing CR LF; empty notes write nothing.
bool writeNotesFile(std::string_view notesFile, std::string_view notes, std::error_code& ec);

// The whole file as one text, its closing CR LF included; the empty text when
// the file is missing or unreadable.
std::string readNotesFile(std::string_view notesFile);

} // namespace model
