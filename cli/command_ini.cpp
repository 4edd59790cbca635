#include "cli/command_line.h"
#include "cli/commands.h"

#include "support/cp1251.h"
#include "support/mdl_ini.h"

#include <iostream>

namespace cli {
namespace {

const char* const kUsage = R"(usage: mapedit ini get FILE SECTION KEY [DEFAULT]
       mapedit ini set FILE SECTION KEY VALUE

get prints the value of KEY in SECTION of the INI file FILE, or DEFAULT (the
empty text when omitted) when the file, the section or the key is missing; no
newline is added. A FILE that exists but cannot be read (no permission, over
32 MB, or no regular file, such as a folder or a named pipe) is an error. set stores VALUE under KEY, creating the file and the section
when needed. Arguments and output are UTF-8; files are code page 1251.
)";

// A command-line argument as a program text; characters the code page does
// not have cannot reach a file and are refused.
std::string text(const std::string& utf8Argument) {
    bool lossless = true;
    std::string converted = cp1251::fromUtf8(utf8Argument, &lossless);
    if (!lossless)
        throw Failure{"\"" + utf8Argument + "\" holds characters outside code page 1251"};
    return converted;
}

} // namespace

int runIni(const Args& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 1 : 0;
    }
    const std::string& verb = args[0];
    if ((verb == "get" || verb == "set") && args.size() >= 2 && args[1].empty())
        throw Failure{"the file name is empty"};
    if (verb == "get" && (args.size() == 4 || args.size() == 5)) {
        if (const std::error_code problem = mdlINI::IniReadProblem(text(args[1])))
            throw Failure{"cannot read " + args[1] + ": " + problem.message()};
        const std::string value = mdlINI::ReadIni(text(args[1]), text(args[2]), text(args[3]),
                                                  args.size() == 5 ? text(args[4]) : std::string());
        std::cout << cp1251::toUtf8(value) << std::flush;
        return 0;
    }
    if (verb == "set" && args.size() == 5) {
        std::error_code ec;
        if (!mdlINI::WriteIniReporting(text(args[1]), text(args[2]), text(args[3]), text(args[4]),
                                       ec))
            throw Failure{"cannot write " + args[1] + ": " + ec.message()};
        return 0;
    }
    throw Failure{"expected \"get FILE SECTION KEY [DEFAULT]\" or "
                  "\"set FILE SECTION KEY VALUE\" (see mapedit ini --help)"};
}

} // namespace cli
