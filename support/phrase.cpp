#include "support/phrase.h"

#include "support/cp1251.h"

#include <atomic>
#include <vector>

namespace phrase {
namespace {

std::atomic<Translator>& installed() {
    static std::atomic<Translator> translator{nullptr};
    return translator;
}

std::string translated(const char* utf8Source) {
    const Translator translator = installed().load();
    return cp1251::fromUtf8(translator ? translator(utf8Source) : std::string(utf8Source));
}

} // namespace

void setTranslator(Translator translator) {
    installed().store(translator);
}

bool translates() {
    return installed().load() != nullptr;
}

std::string say(const char* utf8Source) {
    return translated(utf8Source);
}

std::string say(const char* utf8Source, std::initializer_list<std::string_view> args) {
    return fill(translated(utf8Source), args);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string result;
    result.reserve(pattern.size() + 16 * values.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                result.append(values[index]);
                ++i;
                continue;
            }
        }
        result.push_back(c);
    }
    return result;
}

} // namespace phrase
