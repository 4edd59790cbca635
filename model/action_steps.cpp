#include "model/action_steps.h"

#include "model/action_types.h"
#include "model/whole_number.h"
#include "support/ini_document.h"
#include "support/ini_snapshot.h"
#include "support/ini_text.h"
#include "support/mdl_main.h"

#include <algorithm>
#include <utility>

namespace managers {
namespace {

const char* const kSection = "ACTION";

std::int32_t numberOr(std::string_view text, std::int32_t fallback) {
    return wholeNumberIn(text, INT32_MIN, INT32_MAX).value_or(fallback);
}

std::vector<ActionStep> stepsOf(const ini::IniSnapshot& file) {
    const std::int32_t last =
        std::min(numberOr(file.read(kSection, "ActionCount", "0"), 0), kMostSteps - 1);
    std::vector<ActionStep> steps;
    for (std::int32_t k = 0; k <= last; ++k) {
        const std::string suffix = stepSuffix(k);
        ActionStep step;
        step.origin = k;
        step.code = normalizedTypeCode(file.read(kSection, "ActionType" + suffix, "unknown"));
        if (step.code == "tell" || step.code == "question")
            step.text = mdlMain::ReplaceAll(file.read(kSection, "Text" + suffix, ""), "/n", "\r\n");
        if (step.code == "tell")
            step.style = file.read(kSection, "Type" + suffix, "0");
        if (step.code == "question") {
            step.ok = file.read(kSection, "Ok" + suffix, "");
            step.none = file.read(kSection, "None" + suffix, "");
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

using Values = std::vector<std::pair<std::string, std::string>>;

// Adds key = value unless the file (when there is one) reads `value` for it
// already; `same` compares what a read gives with the value.
template <class Same>
void store(Values& values, const ini::IniSnapshot* file, const std::string& key,
           const std::string& value, const char* defaultValue, Same same) {
    // A value a read returns cut cannot be told from a longer one: it is written.
    if (file && value.size() < ini::kMaxReturned && same(file->read(kSection, key, defaultValue)))
        return;
    values.emplace_back(key, value);
}

void store(Values& values, const ini::IniSnapshot* file, const std::string& key,
           const std::string& value, const char* defaultValue) {
    store(values, file, key, value, defaultValue,
          [&](const std::string& read) { return read == value; });
}

Values valuesOf(const std::vector<ActionStep>& steps, const ini::IniSnapshot* file) {
    Values values;
    const std::int32_t last = static_cast<std::int32_t>(steps.size()) - 1;
    store(values, file, "ActionCount", std::to_string(last), "0",
          [&](const std::string& read) { return numberOr(read, -1) == last; });
    for (std::int32_t k = 0; k <= last; ++k) {
        const ActionStep& step = steps[static_cast<std::size_t>(k)];
        if (!stepKeysKnown(step.code))
            continue;
        const std::string suffix = stepSuffix(k);
        store(values, file, "ActionType" + suffix, step.code, "unknown",
              [&](const std::string& read) { return normalizedTypeCode(read) == step.code; });
        if (step.code == "tell" || step.code == "question")
            store(values, file, "Text" + suffix, storedText(step.text), "");
        if (step.code == "tell")
            store(values, file, "Type" + suffix, step.style, "0");
        if (step.code == "question") {
            store(values, file, "Ok" + suffix, step.ok, "");
            store(values, file, "None" + suffix, step.none, "");
        }
    }
    return values;
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

bool stepKeysKnown(std::string_view code) {
    for (int i = 0; i < kActionTypeCount; ++i) {
        if (code == actionTypeCode(i))
            return code != "teleport" && code != "kill";
    }
    return false;
}

std::vector<ActionStep> readActionSteps(std::string_view mapFolder, std::string_view name) {
    if (!staysInMapFolder(name))
        return stepsOf(ini::IniSnapshot::ofBytes(std::string()));
    return stepsOf(ini::IniSnapshot(std::string(mapFolder) + std::string(name)));
}

ActionFields panelFields(const std::vector<ActionStep>& steps) {
    ActionFields fields;
    for (const ActionStep& step : steps) {
        if (step.code == "tell") {
            fields.tellText = step.text;
            fields.tellStyle = numberOr(step.style, -1);
        } else if (step.code == "question") {
            fields.questionText = step.text;
            fields.questionOk = step.ok;
            fields.questionNone = step.none;
        }
    }
    return fields;
}

std::string storedText(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            stored += "/n";
        else
            stored += text[i];
    }
    return stored;
}

std::size_t textCharacters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        ++count;
    }
    return count;
}

std::int32_t stepOutOfPlace(const std::vector<ActionStep>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto k = static_cast<std::int32_t>(i);
        if (!stepKeysKnown(steps[i].code) && steps[i].origin != k)
            return k;
    }
    return -1;
}

StepProblem checkSteps(const std::vector<ActionStep>& steps, bool newFile) {
    using Kind = StepProblem::Kind;
    if (steps.empty())
        return {Kind::NoSteps, -1};
    if (steps.size() > static_cast<std::size_t>(kMostSteps))
        return {Kind::TooManySteps, kMostSteps};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const ActionStep& step = steps[i];
        const auto k = static_cast<std::int32_t>(i);
        if (!stepKeysKnown(step.code) && (newFile || step.origin != k))
            return {Kind::KeysUnknown, k};
        if (textCharacters(step.text) > kMostTextCharacters)
            return {Kind::TextTooLong, k};
        if (step.ok.size() > kMostAnswerCharacters || step.none.size() > kMostAnswerCharacters)
            return {Kind::AnswerTooLong, k};
        if (hasLineBreak(step.ok) || hasLineBreak(step.none))
            return {Kind::LineBreakInAnswer, k};
    }
    return {};
}

std::string actionFileBytes(std::optional<std::string_view> oldBytes,
                            const std::vector<ActionStep>& steps) {
    std::optional<ini::IniSnapshot> file;
    if (oldBytes)
        file = ini::IniSnapshot::ofBytes(std::string(*oldBytes));
    std::optional<std::string> bytes;
    if (oldBytes)
        bytes = std::string(*oldBytes);
    for (const auto& [key, value] : valuesOf(steps, file ? &*file : nullptr)) {
        std::optional<std::string_view> current;
        if (bytes)
            current = *bytes;
        if (std::optional<std::string> after = ini::bytesAfterWrite(current, kSection, key, value))
            bytes = std::move(*after);
    }
    return bytes.value_or(std::string());
}

} // namespace managers
