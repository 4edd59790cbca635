#include "checker/check_text.h"

#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"

namespace checker::detail {

std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

std::string shownFile(std::string_view path) {
    const std::string shown = fsys::displayText(path);
    const std::string root = fsys::displayText(mdlMain::ApplicationFolder());
    if (shown.size() > root.size() && shown.compare(0, root.size(), root) == 0)
        return shown.substr(root.size());
    return shown;
}

std::string cp1251Message(const std::error_code& error) {
    return cp1251::fromUtf8(error.message());
}

std::string cellText(std::int32_t x, std::int32_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

Finding finding(Severity severity, std::string location, std::string kind, std::string russian,
                std::string english) {
    Finding f;
    f.severity = severity;
    f.location = std::move(location);
    f.kind = std::move(kind);
    f.sentence = std::move(russian);
    f.sentenceEnglish = std::move(english);
    return f;
}

} // namespace checker::detail
