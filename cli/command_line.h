#pragma once
// The small parser shared by the subcommands of `mapedit`: options of the form
// "--name value" or "--flag", and the remaining positional arguments.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cli {

// A failure a command reports: one line on the error stream, exit code 1.
struct Failure {
    std::string message;
};

class CommandLine {
public:
    // `valued` names the options that take a value, `flags` those that do not.
    CommandLine(const std::vector<std::string>& args, const std::set<std::string>& valued,
                const std::set<std::string>& flags);

    bool has(const std::string& option) const;
    std::optional<std::string> value(const std::string& option) const;
    std::string required(const std::string& option) const;
    const std::vector<std::string>& positional() const { return m_positional; }

private:
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
    std::vector<std::string> m_positional;
};

// A whole decimal number, or a Failure naming `what`.
long long parseNumber(const std::string& text, const std::string& what);

} // namespace cli
