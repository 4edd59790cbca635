// Every golden INI case, run in process through ReadIni and WriteIni.

#include "support/mdl_ini.h"
#include "test_support/ini_golden_runner.h"

#include <algorithm>
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

// A case file's path as the program spells it: below the folder, "\" separators.
std::string programPath(const TempFolder& root, const std::string& relative) {
    std::string text = root.text() + relative;
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

std::vector<std::string> runInProcess(const IniGoldenCase& goldenCase) {
    TempFolder root;
    const auto get = [&](const IniGoldenOp& op, std::vector<std::string>&) {
        return mdlINI::ReadIni(programPath(root, op.file), op.section, op.key, op.text);
    };
    const auto set = [&](const IniGoldenOp& op, std::vector<std::string>& problems) {
        std::error_code ec;
        const bool written =
            mdlINI::WriteIniReporting(programPath(root, op.file), op.section, op.key, op.text, ec);
        if (written != op.fileAfter.has_value())
            problems.push_back(written ? "reported success for a file that cannot be written"
                                       : "reported failure: " + ec.message());
        if (!written && !ec)
            problems.push_back("reported failure without an error code");
    };
    return testing_support::runIniGoldenCase(goldenCase, root, get, set);
}

class IniGolden : public testing::TestWithParam<IniGoldenCase> {};

TEST_P(IniGolden, GivesTheGoldenResults) {
    const IniGoldenCase& goldenCase = GetParam();
    const std::vector<std::string> problems = runInProcess(goldenCase);
    if (const auto reason = goldenCase.notBindingBecause()) {
        GTEST_SKIP() << "not binding, " << *reason << "; "
                     << (problems.empty()
                             ? "this implementation gives the golden results anyway"
                             : "this implementation gives " + std::to_string(problems.size()) +
                                   " different results, the first: " + problems.front());
    }
    for (const std::string& problem : problems)
        ADD_FAILURE() << goldenCase.name << ", " << problem;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniGolden, testing::ValuesIn(goldenCases()),
                         [](const testing::TestParamInfo<IniGoldenCase>& info) {
                             return info.param.testName();
                         });

TEST(IniGoldenSet, LoadsWithUniqueNamesAndOperations) {
    const auto& cases = goldenCases();
    ASSERT_FALSE(cases.empty()) << "cannot read " MAPEDIT_TEST_DATA "/ini-cases.json";
    std::vector<std::string> names;
    for (const auto& goldenCase : cases) {
        EXPECT_FALSE(goldenCase.ops.empty()) << goldenCase.name;
        names.push_back(goldenCase.testName());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end())
        << "two cases give the same test name";
}

} // namespace
