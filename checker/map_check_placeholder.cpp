// TEMPORARY PLACEHOLDER: stands in for the map checker until its real
// implementation takes this file's place. It checks nothing and reports no
// findings; only the counting of a result's findings is real.

#include "checker/map_check.h"

#include <algorithm>

namespace checker {

std::size_t CheckResult::errors() const {
    return static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [](const Finding& f) { return f.severity == Severity::Error; }));
}

std::size_t CheckResult::warnings() const {
    return static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [](const Finding& f) { return f.severity == Severity::Warning; }));
}

CheckResult checkMap(const CheckRequest&, const std::function<bool(const CheckProgress&)>&) {
    return {};
}

} // namespace checker
