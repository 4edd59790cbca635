// The action index and the action files of a map: the input is the index
// main.actl, then the action files act_a and act_b of the map folder. The
// index is listed and the first actions it names are read, as the actions
// manager does. Every text must be one a read can give, an action name that
// leaves the map folder must read as an empty action, and nothing may come
// from the planted file beside the application folder (the names
// "..\..\..\outside\secret" and the like lead there).

#include "fuzz/fuzz_support.h"

#include "model/action_files.h"

namespace {

constexpr std::size_t kActionsRead = 16;

void checkAction(const std::string& mapFolder, const std::string& name) {
    const managers::ActionFields fields = managers::readActionFields(mapFolder, name);
    fuzzing::checkReadText(fields.tellText, "a tell text");
    fuzzing::checkReadText(fields.questionText, "a question text");
    fuzzing::checkReadText(fields.questionOk, "a question's Ok");
    fuzzing::checkReadText(fields.questionNone, "a question's None");
    if (!managers::staysInMapFolder(name) &&
        (!fields.tellText.empty() || !fields.questionText.empty() || !fields.questionOk.empty() ||
         !fields.questionNone.empty() || fields.tellStyle != 0))
        fuzzing::fail("an action named outside the map folder was read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (fuzzing::holdsLeakedValue(data, size))
        return 0;
    auto& world = fuzzing::ScratchWorld::instance();
    world.writeInput(data, size,
                     {"Maps/Default/main.actl", "Maps/Default/act_a", "Maps/Default/act_b"});

    const std::string mapFolder = world.text() + "Maps\\Default\\";
    const std::vector<std::string> names = managers::readActionIndex(mapFolder + "main.actl");
    if (names.size() > static_cast<std::size_t>(managers::kMostActions))
        fuzzing::fail("more actions listed than a cell's Doors value can name");
    for (const std::string& name : names)
        fuzzing::checkReadText(name, "an action name");
    for (std::size_t i = 0; i < names.size() && i < kActionsRead; ++i)
        checkAction(mapFolder, names[i]);
    return 0;
}
