#include "cli/command_line.h"
#include "cli/commands.h"

#include "checker/finding_format.h"
#include "checker/map_check.h"
#include "support/application_folder.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <QCoreApplication>
#include <unistd.h>

namespace cli {
namespace {

const char* const kUsage =
    R"usage(usage: mapedit check [--root DIR] --map NAME [--location NAME] [--json]

Checks a map for what the game would trip over: its locations' configuration
and grid files, the codes and actions of every cell, the footprints of the
objects placed, the action files, the catalogues' pictures and the palette.
DIR is the application folder (default: the folder of mapedit); the map is
DIR/Maps/NAME; without --location every location of the map is checked.

Each finding is one line
  LOCATION:X,Y: error|warning: SENTENCE
leaving out the location for findings about the map or its resources, and the
cell where there is none. A problem found in many cells is one line naming
the first cell; "(also at X,Y; ...; and N more cells)" lists the next few and
counts the rest. The last line sums up: "E errors, W warnings".
  --json   write one JSON document instead: every finding with all its
           fields, the counts and the summary
Exit status: 0 without errors (warnings allowed), 1 with errors, 2 when the
check cannot run (no such map or location, bad arguments).
)usage";

constexpr int kCannotRun = 2;

bool wantsHelp(const Args& args) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

// Shows how far the check is on the error stream, when that is a terminal and
// the check has taken more than a second.
class ProgressLine {
public:
    ProgressLine() : m_terminal(isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (m_shown)
            std::cerr << "\r\x1b[K" << std::flush;
    }

    bool operator()(const checker::CheckProgress& progress) {
        if (!m_terminal)
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_start < std::chrono::seconds(1) ||
            now - m_last < std::chrono::milliseconds(200))
            return true;
        m_last = now;
        m_shown = true;
        const std::uint64_t percent =
            progress.total ? std::min<std::uint64_t>(100, progress.done * 100 / progress.total) : 0;
        std::cerr << "\r\x1b[Kchecking " << progress.stage << ": " << percent << "%" << std::flush;
        return true;
    }

private:
    bool m_terminal;
    bool m_shown = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_last{};
};

} // namespace

int runCheck(const Args& args) {
    if (wantsHelp(args)) {
        std::cout << kUsage;
        return 0;
    }
    checker::CheckRequest request;
    bool json = false;
    try {
        const CommandLine line(args, {"--root", "--map", "--location"}, {"--json"});
        if (!line.positional().empty())
            throw Failure{"unexpected argument \"" + line.positional().front() + "\""};
        if (const auto root = line.value("--root")) {
            appfolder::setNative(*root);
            if (!fsys::isFolder(mdlMain::ApplicationFolder()))
                throw Failure{"the folder " + *root + " given by --root does not exist"};
        }
        request.map = cp1251::fromUtf8(line.required("--map"));
        request.location = cp1251::fromUtf8(line.value("--location").value_or(""));
        json = line.has("--json");
    } catch (const Failure& failure) {
        std::cerr << "mapedit check: " << failure.message << "\n";
        return kCannotRun;
    }

    // The picture readers of the toolkit find their plug-ins through the
    // application object.
    int argc = 1;
    char name[] = "mapedit";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);

    checker::CheckResult result;
    {
        ProgressLine progress;
        result = checker::checkMap(request, std::ref(progress));
    }
    if (json)
        std::cout << checker::findingsJson(request, result);
    if (!result.ran) {
        std::cerr << "mapedit check: " << cp1251::toUtf8(result.failureEnglish) << "\n";
        return kCannotRun;
    }
    if (!json) {
        for (const checker::Finding& finding : result.findings)
            std::cout << checker::findingLine(finding) << "\n";
        std::cout << checker::summaryLine(result) << "\n";
    }
    return result.errors() > 0 ? 1 : 0;
}

} // namespace cli
