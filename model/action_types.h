#pragma once
// The types of the game's actions: their codes in action files, their captions
// in the type list and the help text of each type's panel. Captions and help
// texts are code page 1251 in the interface language (support/phrase.h); help
// texts break their lines with CR LF.

#include <string>
#include <string_view>

namespace managers {

constexpr int kActionTypeCount = 10;

// Type codes by panel index: "tell", "question", "changestatus", "get",
// "takeaway", "teleport", "kill", "fx", "music", "episode".
std::string actionTypeCode(int index);

// The caption of the type with panel index `index`.
std::string actionTypeCaption(int index);

// The caption for a type code as found in a file: compared after trimming
// blanks and folding to lower case; "unknown" for any other code.
std::string ActionTypeCaption(std::string_view code);

// A type code as compared: surrounding blanks trimmed, lower case.
std::string normalizedTypeCode(std::string_view code);

// The fixed help text of the panel with index `index`.
std::string actionHelpText(int index);

} // namespace managers
