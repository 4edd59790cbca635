#pragma once
// The subcommands of `mapedit`. Each takes the arguments after its name, writes
// its result to standard output and returns the exit code; failures are thrown
// as cli::Failure.

#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;

int runIni(const Args& args);
int runInfo(const Args& args);
int runCell(const Args& args);
int runRender(const Args& args);
// Exit status 0 (no errors), 1 (errors found) or 2 (the check cannot run).
int runCheck(const Args& args);
// Exit status 0 (equal), 1 (different) or 2 (the files cannot be compared).
int runDiff(const Args& args);
// Always 0, so that git goes on with the next file.
int runGitDiff(const Args& args);
// Exit status 0 (clean merge), 1 (conflicts) or 2 (the merge cannot run).
int runMerge(const Args& args);
int runExport(const Args& args);
// Exit status 0 (written), 1 (a file could not be written) or 2 (refused:
// nothing written).
int runImport(const Args& args);

} // namespace cli
