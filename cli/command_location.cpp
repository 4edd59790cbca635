#include "cli/command_line.h"
#include "cli/commands.h"

namespace cli {

int runInfo(const Args&) {
    throw Failure{"not available yet"};
}

int runCell(const Args&) {
    throw Failure{"not available yet"};
}

} // namespace cli
