#include "cli/command_line.h"

#include <cerrno>
#include <cstdlib>

namespace cli {

CommandLine::CommandLine(const std::vector<std::string>& args, const std::set<std::string>& valued,
                         const std::set<std::string>& flags) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 3 || a.compare(0, 2, "--") != 0) {
            m_positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = a;
        std::optional<std::string> inlineValue;
        if (const auto eq = a.find('='); eq != std::string::npos) {
            name = a.substr(0, eq);
            inlineValue = a.substr(eq + 1);
        }
        if (valued.count(name)) {
            if (inlineValue) {
                m_values[name] = *inlineValue;
            } else if (i + 1 < args.size()) {
                m_values[name] = args[++i];
            } else {
                throw Failure{"option " + name + " needs a value"};
            }
        } else if (flags.count(name) && !inlineValue) {
            m_flags.insert(name);
        } else {
            throw Failure{"unknown option " + a};
        }
    }
}

bool CommandLine::has(const std::string& option) const {
    return m_flags.count(option) > 0 || m_values.count(option) > 0;
}

std::optional<std::string> CommandLine::value(const std::string& option) const {
    const auto it = m_values.find(option);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

std::string CommandLine::required(const std::string& option) const {
    const auto v = value(option);
    if (!v)
        throw Failure{"option " + option + " is required"};
    return *v;
}

long long parseNumber(const std::string& text, const std::string& what) {
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE)
        throw Failure{what + " must be a whole number, not \"" + text + "\""};
    return value;
}

} // namespace cli
