// The editor run unattended by a script (--screenshot): it never waits on a
// message box, prints what it would have shown, writes the picture and tells
// by its exit code whether anything failed.

#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using testing_support::ProcessLimits;
using testing_support::ProcessResult;
using testing_support::runProcess;

namespace {

struct SampleCopy {
    testing_support::TempFolder root;
    SampleCopy() {
        std::filesystem::copy(MAPEDIT_SAMPLE_WORLD, root.path(),
                              std::filesystem::copy_options::recursive);
    }
    std::string picture(const std::string& name) const { return (root.path() / name).string(); }

    // Fails instead of hanging: a run that waits on a person is killed.
    ProcessResult screenshot(std::vector<std::string> args, const std::string& file) const {
        args.insert(args.begin(), {"--root", root.path().string()});
        args.insert(args.end(), {"--screenshot", file});
        ProcessLimits limits;
        limits.seconds = 60;
        limits.environment = {"QT_QPA_PLATFORM=offscreen"};
        return runProcess(MAPEDIT_EDITOR, args, limits);
    }
};

// The lines the editor printed itself.
std::vector<std::string> editorLines(const std::string& err) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = err.find('\n', start)) != std::string::npos; start = end + 1)
        if (err.compare(start, 11, "mapeditor: ") == 0)
            lines.push_back(err.substr(start, end - start));
    return lines;
}

} // namespace

TEST(UnattendedEditor, AFailedOpenIsPrintedThePictureWrittenAndTheRunFails) {
    SampleCopy world;
    struct Case {
        std::vector<std::string> args;
        std::string names; // the location that fails
    };
    for (const Case& c : {Case{{"--map", "Nope"}, "\"main\""},
                          Case{{"--map", "Default", "--location", "Nope"}, "\"Nope\""}}) {
        const auto& args = c.args;
        const std::string file = world.picture("failed.png");
        std::filesystem::remove(file);
        const ProcessResult r = world.screenshot(args, file);
        EXPECT_FALSE(r.timedOut) << "the editor waited on a message box";
        EXPECT_EQ(r.exitCode, 1) << r.err;
        const auto lines = editorLines(r.err);
        ASSERT_EQ(lines.size(), 1u) << r.err;
        EXPECT_EQ(lines[0].rfind("mapeditor: Error: ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(c.names), std::string::npos) << lines[0];
        EXPECT_TRUE(std::filesystem::exists(file)) << "the window is still pictured";
    }
}

TEST(UnattendedEditor, ASuccessfulRunPrintsNothingAndExitsWithZero) {
    SampleCopy world;
    const std::string file = world.picture("cave.bmp");
    const ProcessResult r = world.screenshot({"--map", "Default", "--location", "cave"}, file);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(editorLines(r.err).empty()) << r.err;
    EXPECT_EQ(testing_support::readNative(file).substr(0, 2), "BM");
}

TEST(UnattendedEditor, AMissingRootOrAnUnknownFormatIsRefusedAtOnce) {
    SampleCopy world;
    ProcessLimits limits;
    limits.seconds = 60;
    limits.environment = {"QT_QPA_PLATFORM=offscreen"};
    const std::string file = world.picture("x.png");
    const ProcessResult missing =
        runProcess(MAPEDIT_EDITOR, {"--root", "/nonexistent/folder", "--screenshot", file}, limits);
    EXPECT_EQ(missing.exitCode, 1);
    const auto lines = editorLines(missing.err);
    ASSERT_EQ(lines.size(), 1u) << missing.err;
    EXPECT_NE(lines[0].find("no such folder"), std::string::npos) << lines[0];
    EXPECT_FALSE(std::filesystem::exists(file));

    const ProcessResult gif = world.screenshot({"--map", "Default"}, world.picture("x.gif"));
    EXPECT_EQ(gif.exitCode, 1);
    EXPECT_NE(gif.err.find("unknown picture format"), std::string::npos) << gif.err;
    EXPECT_FALSE(std::filesystem::exists(world.picture("x.gif")));
}
