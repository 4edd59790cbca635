#include "checker/check_text.h"
#include "checker/confinement.h"
#include "checker/resource_check.h"
#include "model/palette_file.h"
#include "support/file_system.h"
#include "support/ini_snapshot.h"
#include "support/mdl_main.h"

#include <map>
#include <set>

namespace checker::detail {
namespace {

const char* const kCategories = "CATAGORIES";

// A value that no INI file holds: tells a missing key from an empty one.
const char* const kAbsent = "\x01";

Finding mapWide(Severity severity, std::string kind, std::string russian, std::string english) {
    return finding(severity, "", std::move(kind), std::move(russian), std::move(english));
}

struct Source {
    bool usable = false;
    ini::IniSnapshot catalogue;
};

class PaletteCheck {
public:
    PaletteCheck(ResourceFacts& facts, std::vector<Finding>& findings)
        : m_facts(facts), m_findings(findings), m_file(facts.folder + "editor.ini"),
          m_editor(m_file) {}

    void run() {
        if (fsys::probe(m_file) != fsys::Probe::Exists)
            return; // a map without a palette places nothing
        const std::int16_t categories =
            editor::paletteNumber(m_editor.read(kCategories, "Count", "-1"), -1);
        for (int n = 0; n <= categories; ++n)
            checkCategory(n);
        for (std::size_t code = 0; code < m_entriesByCode.size(); ++code) {
            if (m_entriesByCode[code] != 1)
                continue;
            m_facts.footprints[code] = editor::footprintCells(m_footprintByCode[code]);
            m_facts.footprintTexts[code] = m_footprintByCode[code];
        }
    }

private:
    void checkCategory(int n) {
        const std::string section = "CATEGORY-" + std::to_string(n);
        const std::int16_t level = editor::paletteNumber(m_editor.read(section, "Level", "0"), 0);
        const std::int16_t count = editor::paletteNumber(m_editor.read(section, "Count", "-1"), -1);
        const std::string defaultSource = m_editor.read(section, "DefaultSource", "");
        std::set<std::string> reported;
        for (int k = 0; k <= count; ++k) {
            const std::string data = m_editor.read(section, "Data" + std::to_string(k), "");
            if (data.empty())
                continue;
            std::string source = m_editor.read(section, "Source" + std::to_string(k), "");
            if (source.empty())
                source = defaultSource;
            const Source& catalogue = sourceOf(source);
            if (!catalogue.usable) {
                if (reported.insert(source).second)
                    reportSource(section, k, source);
                continue;
            }
            checkEntry(section, k, level, data, source, catalogue.catalogue);
        }
    }

    const Source& sourceOf(const std::string& source) {
        auto known = m_sources.find(source);
        if (known != m_sources.end())
            return known->second;
        Source found{false, ini::IniSnapshot::ofBytes("")};
        if (!source.empty() && staysWithin(m_facts.folder, source) &&
            fsys::probe(m_facts.folder + source) == fsys::Probe::Exists &&
            !fsys::isFolder(m_facts.folder + source)) {
            found.usable = true;
            found.catalogue = ini::IniSnapshot(m_facts.folder + source);
        }
        return m_sources.emplace(source, std::move(found)).first->second;
    }

    void reportSource(const std::string& section, int k, const std::string& source) {
        const std::string where = shownFile(m_file);
        if (source.empty()) {
            m_findings.push_back(
                mapWide(Severity::Error, "palette.missing-source",
                        ru("Раздел ") + section + ru(" палитры ") + where + ru(": у записи Data") +
                            std::to_string(k) + ru(" нет источника (ни Source") +
                            std::to_string(k) + ru(", ни DefaultSource)."),
                        "Section " + section + " of the palette " + where + ": entry Data" +
                            std::to_string(k) + " has no source (neither Source" +
                            std::to_string(k) + " nor DefaultSource)."));
            return;
        }
        const bool outside = !staysWithin(m_facts.folder, source);
        m_findings.push_back(mapWide(
            Severity::Error, "palette.missing-source",
            ru("Раздел ") + section + ru(" палитры ") + where + ru(" называет источник \"") +
                source +
                (outside ? ru("\" за пределами папки ресурсов.") : ru("\", которого нет.")),
            "Section " + section + " of the palette " + where + " names the source \"" + source +
                (outside ? "\" outside the resource folder." : "\", which does not exist.")));
    }

    void checkEntry(const std::string& section, int k, std::int16_t level, const std::string& data,
                    const std::string& source, const ini::IniSnapshot& catalogue) {
        const std::int32_t code = mdlMain::DigitsToNumber(data);
        const bool hasSection = catalogue.read(data, "FileName", kAbsent) != kAbsent ||
                                catalogue.read(data, "Name", kAbsent) != kAbsent ||
                                catalogue.read(data, "Block", kAbsent) != kAbsent;
        const CatalogueFacts* layer = level == 0   ? &m_facts.ground
                                      : level == 1 ? &m_facts.objects
                                                   : nullptr;
        std::string why, whyEnglish;
        if (!hasSection) {
            why = ru("в ") + source + ru(" нет раздела ") + data;
            whyEnglish = source + " has no section " + data;
        } else if (level == 0 && code > 255) {
            why = ru("код земли ") + std::to_string(code) + ru(" не помещается в клетку (0..255)");
            whyEnglish =
                "the ground code " + std::to_string(code) + " does not fit a cell (0..255)";
        } else if (layer && layer->usable && code > layer->count) {
            why = ru("в каталоге ") + shownFile(layer->file) + ru(" нет записи с кодом ") +
                  std::to_string(code) + ru(" (записи 0..") + std::to_string(layer->count) + ")";
            whyEnglish = "the catalogue " + shownFile(layer->file) + " has no entry of code " +
                         std::to_string(code) + " (entries 0.." + std::to_string(layer->count) +
                         ")";
        }
        if (!why.empty()) {
            const std::string where = shownFile(m_file);
            m_findings.push_back(
                mapWide(Severity::Error, "palette.unknown-code",
                        ru("Раздел ") + section + ru(" палитры ") + where + ": Data" +
                            std::to_string(k) + " = \"" + data + "\": " + why + ".",
                        "Section " + section + " of the palette " + where + ": Data" +
                            std::to_string(k) + " = \"" + data + "\": " + whyEnglish + "."));
            return;
        }
        if (level == 1 && code >= 0 && code < static_cast<std::int32_t>(m_entriesByCode.size())) {
            const auto at = static_cast<std::size_t>(code);
            ++m_entriesByCode[at];
            m_footprintByCode[at] = catalogue.read(data, "Block", "");
        }
    }

    ResourceFacts& m_facts;
    std::vector<Finding>& m_findings;
    std::string m_file;
    ini::IniSnapshot m_editor;
    std::map<std::string, Source> m_sources;
    std::vector<int> m_entriesByCode = std::vector<int>(65535);
    std::vector<std::string> m_footprintByCode = std::vector<std::string>(65535);
};

} // namespace

void checkPalette(ResourceFacts& facts, std::vector<Finding>& findings) {
    PaletteCheck(facts, findings).run();
}

} // namespace checker::detail
