#include "checker/action_check.h"

#include "checker/check_text.h"
#include "checker/confinement.h"
#include "model/action_files.h"
#include "model/action_types.h"
#include "model/location_files.h"
#include "model/whole_number.h"
#include "support/file_system.h"
#include "support/ini_snapshot.h"
#include "support/mdl_ini.h"

#include <algorithm>
#include <map>
#include <set>

namespace checker::detail {
namespace {

const char* const kAbsent = "\x01";

struct Verdict {
    std::string why, whyEnglish; // empty: the action is fine
};

class ActionCheck {
public:
    ActionCheck(const std::string& mapFolder, const std::string& location,
                std::vector<Finding>& findings)
        : m_folder(mapFolder), m_confinement(mapFolder), m_location(location),
          m_findings(findings) {
        for (int i = 0; i < managers::kActionTypeCount; ++i)
            m_knownTypes.insert(managers::actionTypeCode(i));
    }

    // Checks action `name` (entry i of the index) once per name.
    const Verdict& check(std::size_t i, const std::string& name) {
        auto known = m_verdicts.find(name);
        if (known == m_verdicts.end())
            known = m_verdicts.emplace(name, read(i, name)).first;
        return known->second;
    }

private:
    void add(Severity severity, const std::string& kind, const std::string& russian,
             const std::string& english) {
        m_findings.push_back(finding(severity, m_location, kind, russian, english));
    }

    Verdict read(std::size_t i, const std::string& name) {
        const std::string entry = "A" + std::to_string(i);
        const std::string index =
            shownFile(model::locationFile(m_folder, m_location, model::kActionIndexFile));
        if (!managers::staysInMapFolder(name) || !m_confinement.holds(name)) {
            add(Severity::Error, "action.outside",
                ru("Запись ") + entry + ru(" индекса действий ") + index +
                    ru(" называет действие \"") + name +
                    ru("\", файл которого лежал бы за пределами папки карты; он не читался."),
                "Entry " + entry + " of the action index " + index + " names the action \"" + name +
                    "\", whose file would lie outside the map folder; it was not read.");
            return {ru("файл действия за пределами папки карты"),
                    "its file lies outside the map folder"};
        }
        const std::string file = m_folder + name;
        const fsys::Probe probe = fsys::probe(file);
        if (probe == fsys::Probe::Missing) {
            add(Severity::Error, "action.missing",
                ru("Запись ") + entry + ru(" индекса действий ") + index +
                    ru(" называет действие \"") + name + ru("\", но файла ") + shownFile(file) +
                    ru(" нет."),
                "Entry " + entry + " of the action index " + index + " names the action \"" + name +
                    "\", but the file " + shownFile(file) + " does not exist.");
            return {ru("файла действия нет"), "its file does not exist"};
        }
        std::error_code error = mdlINI::IniReadProblem(file);
        if (!error && (probe != fsys::Probe::Exists || fsys::isFolder(file)))
            error = std::make_error_code(std::errc::is_a_directory);
        if (error) {
            add(Severity::Error, "action.unreadable",
                ru("Файл действия ") + shownFile(file) + ru(" (запись ") + entry + ru(" индекса ") +
                    index + ru(") не удалось прочитать (") + cp1251Message(error) + ").",
                "The action file " + shownFile(file) + " (entry " + entry + " of " + index +
                    ") cannot be read (" + error.message() + ").");
            return {ru("файл действия не читается"), "its file cannot be read"};
        }
        return readSteps(file);
    }

    Verdict readSteps(const std::string& file) {
        const ini::IniSnapshot action(file);
        const std::string countText = action.read("ACTION", "ActionCount", "0");
        const std::int32_t last =
            std::min(managers::wholeNumberIn(countText, INT32_MIN, INT32_MAX).value_or(0),
                     managers::kMostSteps - 1);
        std::int32_t highestPresent = -1;
        std::int32_t unknownSteps = 0;
        std::int32_t firstUnknown = -1;
        std::string firstType;
        for (std::int32_t k = 0; k <= last; ++k) {
            const std::string type =
                action.read("ACTION", "ActionType" + managers::stepSuffix(k), kAbsent);
            if (type == kAbsent)
                continue;
            highestPresent = k;
            if (m_knownTypes.count(managers::normalizedTypeCode(type)))
                continue;
            if (unknownSteps++ == 0) {
                firstUnknown = k;
                firstType = type;
            }
        }
        Verdict verdict;
        const std::string shown = shownFile(file);
        if (unknownSteps > 0) {
            const std::string more =
                unknownSteps > 1 ? " (" + std::to_string(unknownSteps) : std::string();
            add(Severity::Error, "action.unknown-step",
                ru("Файл действия ") + shown + ru(": шаг ") + std::to_string(firstUnknown) +
                    ru(" неизвестного типа ActionType = \"") + firstType + "\"" +
                    (unknownSteps > 1
                         ? ru(" (всего таких шагов: ") + std::to_string(unknownSteps) + ")"
                         : std::string()) +
                    ".",
                "The action file " + shown + ": step " + std::to_string(firstUnknown) +
                    " has the unknown type ActionType = \"" + firstType + "\"" +
                    (unknownSteps > 1 ? more + " such steps in all)" : std::string()) + ".");
            verdict = {ru("в действии есть шаги неизвестного типа"),
                       "it has steps of unknown type"};
        }
        if (last > highestPresent) {
            const std::string present =
                highestPresent < 0
                    ? ru("ни у одного шага нет ActionType")
                    : ru("ActionType есть только у шагов до ") + std::to_string(highestPresent);
            const std::string presentEnglish =
                highestPresent < 0
                    ? "no step has an ActionType"
                    : "only steps up to " + std::to_string(highestPresent) + " have an ActionType";
            add(Severity::Error, "action.step-count",
                ru("Файл действия ") + shown + ru(": ActionCount = ") + countText + ru(", но ") +
                    present + ".",
                "The action file " + shown + ": ActionCount = " + countText + ", but " +
                    presentEnglish + ".");
            if (verdict.why.empty())
                verdict = {ru("ActionCount больше числа шагов в файле"),
                           "its ActionCount exceeds the steps in the file"};
        }
        return verdict;
    }

    const std::string& m_folder;
    FolderConfinement m_confinement;
    const std::string& m_location;
    std::vector<Finding>& m_findings;
    std::set<std::string> m_knownTypes;
    std::map<std::string, Verdict> m_verdicts;
};

} // namespace

ActionFacts checkActions(const std::string& mapFolder, const std::string& location,
                         std::vector<Finding>& findings) {
    ActionFacts facts;
    facts.indexFile = model::locationFile(mapFolder, location, model::kActionIndexFile);
    const fsys::Probe probe = fsys::probe(facts.indexFile);
    if (probe == fsys::Probe::Missing)
        return facts; // a location without actions
    facts.indexExists = true;
    std::error_code error = mdlINI::IniReadProblem(facts.indexFile);
    if (!error && (probe != fsys::Probe::Exists || fsys::isFolder(facts.indexFile)))
        error = std::make_error_code(std::errc::is_a_directory);
    if (error) {
        facts.indexReadable = false;
        findings.push_back(finding(
            Severity::Error, location, "action.index-unreadable",
            ru("Индекс действий ") + shownFile(facts.indexFile) + ru(" не удалось прочитать (") +
                cp1251Message(error) + ru("); действия клеток не проверялись."),
            "The action index " + shownFile(facts.indexFile) + " cannot be read (" +
                error.message() + "); the cells' actions were not checked."));
        return facts;
    }
    facts.names = managers::readActionIndex(facts.indexFile);
    facts.broken.assign(facts.names.size(), false);
    facts.brokenWhy.resize(facts.names.size());
    facts.brokenWhyEnglish.resize(facts.names.size());
    ActionCheck check(mapFolder, location, findings);
    for (std::size_t i = 0; i < facts.names.size(); ++i) {
        const Verdict& verdict = check.check(i, facts.names[i]);
        if (verdict.why.empty())
            continue;
        facts.broken[i] = true;
        facts.brokenWhy[i] = verdict.why;
        facts.brokenWhyEnglish[i] = verdict.whyEnglish;
    }
    return facts;
}

} // namespace checker::detail
