#pragma once
// Runs the operations of a golden INI case through a given way of reading and
// writing (in process, or through the command-line tool) and lists every result
// that differs from the golden one.

#include "test_support/byte_difference.h"
#include "test_support/ini_golden_cases.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// Performs a get and returns the text read (code page 1251 bytes); adds a line
// to `problems` for anything else that went wrong.
using IniGoldenGet =
    std::function<std::string(const IniGoldenOp& op, std::vector<std::string>& problems)>;
// Performs a set; adds a line to `problems` for anything that went wrong apart
// from the file's bytes, which the runner compares itself.
using IniGoldenSet = std::function<void(const IniGoldenOp& op, std::vector<std::string>& problems)>;

inline std::string describe(const IniGoldenOp& op) {
    std::string text = std::string(op.isGet ? "get " : "set ") + op.file + " [" +
                       shownBytes(op.section.substr(0, 40)) + "] \"" +
                       shownBytes(op.key.substr(0, 40)) + "\"";
    return text + (op.isGet ? " default \"" : " = \"") + shownBytes(op.text.substr(0, 40)) + "\"";
}

// Creates the case's files in `root` and runs its operations in order.
inline std::vector<std::string> runIniGoldenCase(const IniGoldenCase& goldenCase,
                                                 const TempFolder& root, const IniGoldenGet& get,
                                                 const IniGoldenSet& set) {
    std::vector<std::string> problems;
    createIniGoldenFiles(goldenCase, root);
    for (std::size_t i = 0; i < goldenCase.ops.size(); ++i) {
        const IniGoldenOp& op = goldenCase.ops[i];
        const std::string where = "operation " + std::to_string(i + 1) + " (" + describe(op) + ")";
        std::vector<std::string> opProblems;
        if (op.isGet) {
            const std::optional<std::string> before = fileBytes(root, op.file);
            const std::string got = get(op, opProblems);
            if (got != op.result)
                problems.push_back(where + ": " + difference(got, op.result));
            if (fileBytes(root, op.file) != before)
                problems.push_back(where + ": reading changed or created the file");
        } else {
            set(op, opProblems);
            const std::optional<std::string> after = fileBytes(root, op.file);
            if (!op.fileAfter && after)
                problems.push_back(where + ": the file exists, it must not");
            else if (op.fileAfter && !after)
                problems.push_back(where + ": the file does not exist");
            else if (after && *after != *op.fileAfter)
                problems.push_back(where + ": file " + difference(*after, *op.fileAfter));
        }
        for (const std::string& problem : opProblems)
            problems.push_back(where + ": " + problem);
    }
    return problems;
}

} // namespace testing_support
