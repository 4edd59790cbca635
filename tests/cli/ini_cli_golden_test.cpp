// Every golden INI case, run through "mapedit ini" as an outside checker runs
// it: arguments and output in UTF-8, the file named by its absolute path.

#include "support/cp1251.h"
#include "test_support/ini_golden_runner.h"
#include "test_support/process.h"

#include <gtest/gtest.h>

namespace {

using testing_support::IniGoldenCase;
using testing_support::IniGoldenOp;
using testing_support::TempFolder;

const std::vector<IniGoldenCase>& goldenCases() {
    static const std::vector<IniGoldenCase> cases =
        testing_support::loadIniGoldenCases(MAPEDIT_TEST_DATA "/ini-cases.json");
    return cases;
}

testing_support::ProcessResult runIni(const TempFolder& root, const IniGoldenOp& op) {
    return testing_support::runProcess(
        MAPEDIT_CLI,
        {"ini", op.isGet ? "get" : "set", testing_support::nativePath(root, op.file).string(),
         cp1251::toUtf8(op.section), cp1251::toUtf8(op.key), cp1251::toUtf8(op.text)});
}

std::vector<std::string> runThroughTheTool(const IniGoldenCase& goldenCase) {
    TempFolder root;
    const auto get = [&](const IniGoldenOp& op, std::vector<std::string>& problems) {
        const auto run = runIni(root, op);
        if (run.exitCode != 0)
            problems.push_back("exit code " + std::to_string(run.exitCode) + ": " + run.err);
        // Compared as code page 1251 text; the output must be exactly its
        // UTF-8 form, which is then the same as comparing the UTF-8 bytes.
        bool lossless = true;
        std::string text = cp1251::fromUtf8(run.out, &lossless);
        if (!lossless || cp1251::toUtf8(text) != run.out)
            problems.push_back("the output is not the UTF-8 form of a code page 1251 text: \"" +
                               testing_support::shownBytes(run.out.substr(0, 80)) + "\"");
        return text;
    };
    const auto set = [&](const IniGoldenOp& op, std::vector<std::string>& problems) {
        const auto run = runIni(root, op);
        if (op.fileAfter && run.exitCode != 0)
            problems.push_back("exit code " + std::to_string(run.exitCode) + ": " + run.err);
        if (!op.fileAfter && (run.exitCode == 0 || run.err.empty()))
            problems.push_back("a write that cannot reach the file was not reported as failed");
    };
    return testing_support::runIniGoldenCase(goldenCase, root, get, set);
}

class IniCliGolden : public testing::TestWithParam<IniGoldenCase> {};

TEST_P(IniCliGolden, PrintsAndWritesTheGoldenResults) {
    const IniGoldenCase& goldenCase = GetParam();
    if (const auto reason = goldenCase.notBindingBecause())
        GTEST_SKIP() << "not binding, " << *reason;
    for (const std::string& problem : runThroughTheTool(goldenCase))
        ADD_FAILURE() << goldenCase.name << ", " << problem;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniCliGolden, testing::ValuesIn(goldenCases()),
                         [](const testing::TestParamInfo<IniGoldenCase>& info) {
                             return info.param.testName();
                         });

TEST(IniCliGoldenSet, Loads) {
    EXPECT_FALSE(goldenCases().empty()) << "cannot read " MAPEDIT_TEST_DATA "/ini-cases.json";
}

} // namespace
