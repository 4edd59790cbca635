#include "canvas/resource_load_report.h"

#include "canvas/message_box.h"
#include "canvas/resource_catalogues.h"
#include "support/cp1251.h"
#include "support/phrase.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ui {
namespace {

// A catalogue of thousands of such entries still gives a box that fits the
// screen.
constexpr std::size_t kListedWarnings = 20;

std::string warningList(const std::vector<std::string>& warnings) {
    const std::size_t listed = std::min(warnings.size(), kListedWarnings);
    std::string text;
    for (std::size_t i = 0; i < listed; ++i)
        text += (i == 0 ? "" : "\n") + warnings[i];
    if (listed < warnings.size())
        text += phrase::say(phrase::Ru::tr("\n(и ещё предупреждений: %1)"),
                            {std::to_string(warnings.size() - listed)});
    return text;
}

} // namespace

void reportResourceLoad(QWidget* parent, const canvas::ResourceLoadResult& loaded) {
    // The catalogues word their problems in both languages.
    const bool english = phrase::translates();
    if (!loaded)
        showMessage(parent, {MessageIcon::Critical, "Error",
                             english ? loaded.englishMessage() : loaded.message()});
    else if (!loaded.warnings.empty())
        showMessage(parent, {MessageIcon::Warning, phrase::say(phrase::Ru::tr("Предупреждение")),
                             warningList(english ? loaded.warningsEnglish : loaded.warnings)});
}

} // namespace ui
