// The steps of an action file: reading them with their places, the bytes a
// new file gets for each kind of step, the lines an existing file changes
// (and keeps) when its steps are edited, moved or cut, and the limits.
#include "location_fixture.h"
#include "model/action_steps.h"

#include <gtest/gtest.h>

using managers::actionFileBytes;
using managers::ActionStep;
using managers::checkSteps;
using Kind = managers::StepProblem::Kind;

namespace managers {
void PrintTo(const ActionStep& step, std::ostream* out) {
    *out << "{" << step.code << ", \"" << step.text << "\", " << step.style << ", " << step.ok
         << ", " << step.none << ", " << step.origin << "}";
}
} // namespace managers

namespace {

ActionStep tell(std::string text, std::string style = "0") {
    ActionStep step;
    step.code = "tell";
    step.text = std::move(text);
    step.style = std::move(style);
    return step;
}

ActionStep question(std::string text, std::string ok, std::string none) {
    ActionStep step;
    step.code = "question";
    step.text = std::move(text);
    step.ok = std::move(ok);
    step.none = std::move(none);
    return step;
}

ActionStep ofCode(std::string code, std::int32_t origin = -1) {
    ActionStep step;
    step.code = std::move(code);
    step.origin = origin;
    return step;
}

// A file written by hand: blanks, quotes and capitals in places, a comment,
// keys the editor does not know, teleport and kill steps with their own
// keys, a section of another name and a last line without a line end.
const std::string kHandWritten = "; written by hand\r\n"
                                 "[ACTION]\r\n"
                                 "ActionCount = 4\r\n"
                                 "ActionType= TELL \r\n"
                                 "Text=\"Hello/nthere\"\r\n"
                                 "Sound=bell.wav\r\n"
                                 "ActionType1=teleport\r\n"
                                 "Location1=cave\r\n"
                                 "X1=-1\r\n"
                                 "ActionType2=Question\r\n"
                                 "Text2=Go?\r\n"
                                 "Ok2=go_action\r\n"
                                 "None2=\r\n"
                                 "ActionType3=kill\r\n"
                                 "Kill3=1\r\n"
                                 "\r\n"
                                 "[NOTES]\r\n"
                                 "ActionType4=tell\r\n"
                                 "[ACTION]\r\n"
                                 "ActionType4=get";

std::vector<ActionStep> stepsOfFile(const std::string& bytes) {
    testing_support::WorldFolder world;
    world.root().write("Maps/M/act", bytes);
    return managers::readActionSteps(world.root().text() + "Maps\\M\\", "act");
}

} // namespace

TEST(ActionStepBytes, ANewFileGetsEveryKeyOfEachKindOfStep) {
    EXPECT_EQ(actionFileBytes(std::nullopt, {tell("Hi\r\nyou\r\n")}),
              "[ACTION]\r\nActionCount=0\r\nActionType=tell\r\nText=Hi/nyou/n\r\nType=0\r\n");
    EXPECT_EQ(actionFileBytes(std::nullopt, {question("Open\r\nit?", "open_it", "leave_it")}),
              "[ACTION]\r\nActionCount=0\r\nActionType=question\r\nText=Open/nit?\r\n"
              "Ok=open_it\r\nNone=leave_it\r\n");
    for (const char* code : {"changestatus", "get", "takeaway", "fx", "music", "episode"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(actionFileBytes(std::nullopt, {ofCode(code)}),
                  std::string("[ACTION]\r\nActionCount=0\r\nActionType=") + code + "\r\n");
    }
    // Lone CR and LF are line breaks as well; "/n" typed stays as typed.
    EXPECT_EQ(actionFileBytes(std::nullopt, {tell("a\rb\nc/nd\xE9")}),
              "[ACTION]\r\nActionCount=0\r\nActionType=tell\r\nText=a/nb/nc/nd\xE9\r\nType=0\r\n");
}

TEST(ActionStepBytes, StepsAfterTheFirstCarryTheirNumberInEveryKey) {
    const std::vector<ActionStep> steps = {question("Q?", "a", "b"), ofCode("fx"), tell("T", "0")};
    EXPECT_EQ(actionFileBytes(std::nullopt, steps),
              "[ACTION]\r\nActionCount=2\r\n"
              "ActionType=question\r\nText=Q?\r\nOk=a\r\nNone=b\r\n"
              "ActionType1=fx\r\n"
              "ActionType2=tell\r\nText2=T\r\nType2=0\r\n");
}

TEST(ActionStepReading, StepsComeWithTheirPlacesAndCodesAsCompared) {
    const std::vector<ActionStep> steps = stepsOfFile(kHandWritten);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0], (ActionStep{"tell", "Hello\r\nthere", "0", "", "", 0}));
    EXPECT_EQ(steps[1], (ActionStep{"teleport", "", "0", "", "", 1}));
    EXPECT_EQ(steps[2], (ActionStep{"question", "Go?", "0", "go_action", "", 2}));
    EXPECT_EQ(steps[3], (ActionStep{"kill", "", "0", "", "", 3}));
    // Only the first section of a name counts: step 4 has no type.
    EXPECT_EQ(steps[4], (ActionStep{"unknown", "", "0", "", "", 4}));

    const std::vector<ActionStep> missing = stepsOfFile("");
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].code, "unknown");
    EXPECT_EQ(missing[0].origin, 0);
    testing_support::WorldFolder world;
    EXPECT_EQ(managers::readActionSteps(world.root().text(), "..\\secret").front().code, "unknown");
}

TEST(ActionStepBytes, AFileLoadedAndSavedUnchangedKeepsEveryByte) {
    const std::vector<ActionStep> steps = stepsOfFile(kHandWritten);
    EXPECT_EQ(actionFileBytes(std::string_view(kHandWritten), steps), kHandWritten);
    // A missing "Type", "ActionCount" or "Text" reads as its default: kept so.
    const std::string sparse = "[ACTION]\r\nActionType=tell\r\nActionType1=question\r\n";
    EXPECT_EQ(actionFileBytes(std::string_view(sparse), stepsOfFile(sparse)), sparse);
}

TEST(ActionStepBytes, AnEditedStepChangesOnlyItsOwnLines) {
    std::vector<ActionStep> steps = stepsOfFile(kHandWritten);
    steps[2].text = "Go\r\nnow?";
    steps[2].none = "stay";
    steps[0].style = "0";
    EXPECT_EQ(actionFileBytes(std::string_view(kHandWritten), steps), "; written by hand\r\n"
                                                                      "[ACTION]\r\n"
                                                                      "ActionCount = 4\r\n"
                                                                      "ActionType= TELL \r\n"
                                                                      "Text=\"Hello/nthere\"\r\n"
                                                                      "Sound=bell.wav\r\n"
                                                                      "ActionType1=teleport\r\n"
                                                                      "Location1=cave\r\n"
                                                                      "X1=-1\r\n"
                                                                      "ActionType2=Question\r\n"
                                                                      "Text2=Go/nnow?\r\n"
                                                                      "Ok2=go_action\r\n"
                                                                      "None2=stay\r\n"
                                                                      "ActionType3=kill\r\n"
                                                                      "Kill3=1\r\n"
                                                                      "\r\n"
                                                                      "[NOTES]\r\n"
                                                                      "ActionType4=tell\r\n"
                                                                      "[ACTION]\r\n"
                                                                      "ActionType4=get");
}

TEST(ActionStepBytes, MovedAndCutStepsRewriteTheirKeysAndLeaveOtherLines) {
    const std::string file = "[ACTION]\r\nActionCount=2\r\nActionType=tell\r\nText=one\r\n"
                             "ActionType1=question\r\nText1=two\r\nOk1=y\r\nNone1=n\r\n"
                             "ActionType2=music\r\n";
    std::vector<ActionStep> steps = stepsOfFile(file);
    std::swap(steps[0], steps[1]);
    steps.pop_back();
    // The first step becomes the question, the second the tell; the old
    // third step's line stays past the new count.
    EXPECT_EQ(actionFileBytes(std::string_view(file), steps),
              "[ACTION]\r\nActionCount=1\r\nActionType=question\r\nText=two\r\n"
              "ActionType1=tell\r\nText1=one\r\nOk1=y\r\nNone1=n\r\n"
              "ActionType2=music\r\nOk=y\r\nNone=n\r\n");
    // A tell step where a missing "Type" reads as 0 leaves it missing; a
    // text a read would return cut is always written.
    const std::string longText(1100, 'x');
    const std::string shortFile = "[ACTION]\r\nActionType=tell\r\nText=" + longText + "\r\n";
    std::vector<ActionStep> cut = stepsOfFile(shortFile);
    ASSERT_EQ(cut[0].text.size(), 1023u);
    cut[0].text = longText;
    EXPECT_EQ(actionFileBytes(std::string_view(shortFile), cut), shortFile);
}

TEST(ActionStepChecks, StepsOfUnknownKeysStayWhereTheyAreAndAreNeverMade) {
    const std::vector<ActionStep> read = stepsOfFile(kHandWritten);
    EXPECT_FALSE(checkSteps(read, false));
    std::vector<ActionStep> moved = read;
    std::swap(moved[0], moved[1]);
    EXPECT_EQ(checkSteps(moved, false).kind, Kind::KeysUnknown);
    EXPECT_EQ(checkSteps(moved, false).step, 0);
    std::vector<ActionStep> shifted = read;
    shifted.erase(shifted.begin() + 2);
    EXPECT_EQ(checkSteps(shifted, false).step, 2) << "the kill step moved up";
    EXPECT_EQ(checkSteps(read, true).kind, Kind::KeysUnknown) << "a new file";
    EXPECT_EQ(checkSteps({tell("a"), ofCode("teleport")}, false).step, 1) << "a new step";
    EXPECT_EQ(checkSteps({ofCode("kill")}, false).kind, Kind::KeysUnknown);
    EXPECT_EQ(checkSteps({ofCode("sound", 0)}, true).kind, Kind::KeysUnknown);
    EXPECT_FALSE(checkSteps({ofCode("sound", 0)}, false));
    EXPECT_EQ(checkSteps({}, true).kind, Kind::NoSteps);
}

TEST(ActionStepChecks, TextsKeepTheirLimitsWithALineBreakCountingOne) {
    std::string text(2046, 'a');
    text += "\r\nb"; // 2048 characters in the box, 2049 bytes
    EXPECT_FALSE(checkSteps({tell(text)}, true));
    EXPECT_FALSE(checkSteps({question(text, std::string(255, 'o'), std::string(255, 'n'))}, true));
    EXPECT_EQ(checkSteps({tell(text + "c")}, true).kind, Kind::TextTooLong);
    EXPECT_EQ(checkSteps({tell("a"), question(text + "\r\n", "", "")}, true).step, 1);
    EXPECT_EQ(checkSteps({question("q", std::string(256, 'o'), "")}, true).kind,
              Kind::AnswerTooLong);
    EXPECT_EQ(checkSteps({question("q", "", std::string(256, 'n'))}, true).kind,
              Kind::AnswerTooLong);
    EXPECT_EQ(checkSteps({question("q", "a\nb", "")}, true).kind, Kind::LineBreakInAnswer);
    EXPECT_EQ(checkSteps({question("q", "", "a\r")}, true).kind, Kind::LineBreakInAnswer);
}

TEST(ActionStepReading, PanelsShowTheLastStepOfEachType) {
    const std::vector<ActionStep> steps = {tell("first", "0"), question("q1", "a", "b"),
                                           tell("second", "x"), question("q2", "c", "")};
    const managers::ActionFields fields = managers::panelFields(steps);
    EXPECT_EQ(fields.tellText, "second");
    EXPECT_EQ(fields.tellStyle, -1);
    EXPECT_EQ(fields.questionText, "q2");
    EXPECT_EQ(fields.questionOk, "c");
    EXPECT_EQ(fields.questionNone, "");
}
