#pragma once
// The steps of an action as the actions manager edits them, and the bytes of
// an action file that stores them. Step k of a file keeps its keys under the
// names of the action file with the suffix stepSuffix(k) (see action_files.h):
// "ActionType", "Text" (line breaks written as "/n") and "Type" for a tell
// step, "ActionType", "Text", "Ok" and "None" for a question, only
// "ActionType" for the types without fields. The keys of the teleport and
// kill steps, and of codes of no type, are not known: such steps are kept
// where they are in their file, their lines untouched, and never written.

#include "model/action_files.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace managers {

struct ActionStep {
    // The type code as compared: blanks trimmed, lower case ("unknown" for a
    // step without one).
    std::string code = "tell";
    std::string text;        // tell, question: CR LF line breaks
    std::string style = "0"; // tell: the frame style ("Type") as read
    std::string ok;          // question
    std::string none;        // question
    // The step's number in the file it was read from; -1 for a new step.
    std::int32_t origin = -1;

    friend bool operator==(const ActionStep&, const ActionStep&) = default;
};

// The longest texts the panels take: a line break counts as one character.
constexpr std::size_t kMostTextCharacters = 2048;
constexpr std::size_t kMostAnswerCharacters = 255;

// Whether every key of steps of this code is known: tell, question and the
// types without fields.
bool stepKeysKnown(std::string_view code);

// The steps of action `name` of the map folder, 0 .. ActionCount, each with
// its origin; a missing file, or a name leading outside the map folder,
// gives one step of unknown type.
std::vector<ActionStep> readActionSteps(std::string_view mapFolder, std::string_view name);

// What the panels show after loading these steps in order: a later step of a
// type overwrites the fields of an earlier one.
ActionFields panelFields(const std::vector<ActionStep>& steps);

// A text as stored: every line break (CR LF, or a lone CR or LF) as "/n".
std::string storedText(std::string_view text);
// The characters of a text as the designer counts them: CR LF is one.
std::size_t textCharacters(std::string_view text);

struct StepProblem {
    enum class Kind {
        None,
        NoSteps,
        TooManySteps,
        // A step of unknown keys that would be written: a new one, one in a
        // new file, or one moved from its place.
        KeysUnknown,
        TextTooLong,   // more than kMostTextCharacters
        AnswerTooLong, // "Ok" or "None" longer than kMostAnswerCharacters
        LineBreakInAnswer,
    };
    Kind kind = Kind::None;
    std::int32_t step = -1; // from 0

    explicit operator bool() const { return kind != Kind::None; }
};

// The first step whose keys are not known and which is not at its place in
// its file (a new one included); -1 when every such step stays in place.
std::int32_t stepOutOfPlace(const std::vector<ActionStep>& steps);

// Why `steps` cannot be stored, in a new file (`newFile`) or in the file
// they were read from; the first step at fault.
StepProblem checkSteps(const std::vector<ActionStep>& steps, bool newFile);

// The bytes of an action file holding `steps` (which checkSteps accepts):
// the file's bytes `oldBytes` (none for a new file) with "ActionCount" and
// the keys of each step of known keys stored into section "ACTION" as single
// writes store them, every other line as it was. In an existing file a key
// is stored only when a read of it gives another value (so a file loaded and
// saved unchanged keeps its bytes); a new file gets every key.
std::string actionFileBytes(std::optional<std::string_view> oldBytes,
                            const std::vector<ActionStep>& steps);

} // namespace managers
