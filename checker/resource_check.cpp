#include "checker/resource_check.h"

#include "canvas/catalogue_count.h"
#include "canvas/picture_file.h"
#include "checker/check_text.h"
#include "checker/confinement.h"
#include "support/file_system.h"
#include "support/ini_snapshot.h"
#include "support/mdl_ini.h"
#include "support/mdl_main.h"
#include "support/path_confinement.h"

#include <limits>
#include <map>
#include <optional>

namespace checker::detail {
namespace {

// Object codes are two bytes and code n draws entry n - 1.
constexpr std::int64_t kHighestObjectEntry = 65534;

std::string entrySection(std::int64_t i) {
    return "OBJ-" + std::to_string(i);
}

bool isGiven(std::string_view value) {
    return value.find_first_not_of(' ') != std::string_view::npos;
}

Finding mapWide(Severity severity, std::string kind, std::string russian, std::string english) {
    return finding(severity, "", std::move(kind), std::move(russian), std::move(english));
}

// What became of one picture file: read (with its size) or why not.
struct PictureVerdict {
    bool missing = false;
    std::string reason; // empty when read
    std::string reasonEnglish;
    int width = 0, height = 0;
};

class PictureCheck {
public:
    PictureCheck(const std::string& folder, std::vector<Finding>& findings)
        : m_folder(folder), m_confinement(folder), m_findings(findings) {}

    // Checks the picture `name` of entry `entry` of `catalogue`; its size
    // when it could be read.
    std::optional<std::pair<int, int>> check(const std::string& catalogue, std::int64_t entry,
                                             const std::string& key, const std::string& name) {
        const auto where = [&] { return shownFile(catalogue); };
        const std::string section = entrySection(entry);
        if (!m_confinement.holds(name)) {
            m_findings.push_back(
                mapWide(Severity::Error, "picture.outside",
                        ru("Запись ") + section + ru(" каталога ") + where() + ": " + key +
                            " = \"" + name + ru("\" ведёт за пределы папки ресурсов ") +
                            shownFile(m_folder) + ru("; файл не проверялся."),
                        "Entry " + section + " of " + where() + ": " + key + " = \"" + name +
                            "\" leads outside the resource folder " + shownFile(m_folder) +
                            "; the file was not checked."));
            return std::nullopt;
        }
        const std::string file = m_folder + name;
        auto known = m_verdicts.find(file);
        if (known == m_verdicts.end())
            known = m_verdicts.emplace(file, read(file)).first;
        const PictureVerdict& verdict = known->second;
        if (verdict.missing) {
            m_findings.push_back(mapWide(Severity::Error, "picture.missing",
                                         ru("Запись ") + section + ru(" каталога ") + where() +
                                             ": " + key + ru(": файл ") + shownFile(file) +
                                             ru(" не найден."),
                                         "Entry " + section + " of " + where() + ": " + key +
                                             ": the file " + shownFile(file) + " does not exist."));
            return std::nullopt;
        }
        if (!verdict.reason.empty()) {
            m_findings.push_back(mapWide(
                Severity::Error, "picture.unreadable",
                ru("Запись ") + section + ru(" каталога ") + where() + ": " + key + ru(": файл ") +
                    shownFile(file) + ru(" не удалось прочитать: ") + verdict.reason + ".",
                "Entry " + section + " of " + where() + ": " + key + ": the file " +
                    shownFile(file) + " cannot be read: " + verdict.reasonEnglish + "."));
            return std::nullopt;
        }
        return std::pair{verdict.width, verdict.height};
    }

private:
    static PictureVerdict read(const std::string& file) {
        PictureVerdict verdict;
        // Decoded as the editor decodes it, then dropped: only the verdict and
        // the size are kept.
        const canvas::PictureReading reading = canvas::readPicture(file);
        if (reading.missing) {
            verdict.missing = true;
            return verdict;
        }
        verdict.reason = reading.reason;
        verdict.reasonEnglish = reading.reasonEnglish;
        verdict.width = reading.image.width();
        verdict.height = reading.image.height();
        return verdict;
    }

    const std::string& m_folder;
    FolderConfinement m_confinement;
    std::vector<Finding>& m_findings;
    std::map<std::string, PictureVerdict> m_verdicts;
};

// Reads a catalogue's "Count" as the editor's loader does; false (with a
// finding) when the catalogue gives no entries.
bool readCount(const std::string& file, const ini::IniSnapshot& catalogue, std::int64_t lowest,
               std::int64_t highest, CatalogueFacts& facts, std::vector<Finding>& findings) {
    const std::string where = shownFile(file);
    if (fsys::probe(file) == fsys::Probe::Missing) {
        findings.push_back(mapWide(Severity::Error, "catalogue.missing",
                                   ru("Каталог ") + where +
                                       ru(" не найден: все коды его слоя рисуются заглушкой."),
                                   "The catalogue " + where +
                                       " does not exist: every code of its layer draws the "
                                       "placeholder."));
        return false;
    }
    if (const std::error_code error = mdlINI::IniReadProblem(file)) {
        findings.push_back(mapWide(
            Severity::Error, "catalogue.unreadable",
            ru("Каталог ") + where + ru(" не удалось прочитать (") + cp1251Message(error) + ").",
            "The catalogue " + where + " cannot be read (" + error.message() + ")."));
        return false;
    }
    const std::string text = catalogue.read("DATA", "Count", "-1");
    const canvas::CountReading reading = canvas::readCount(text, lowest, highest);
    if (reading.status != canvas::CountReading::Status::Ok || reading.value < 0 ||
        reading.value > kHighestObjectEntry) {
        findings.push_back(mapWide(
            Severity::Error, "catalogue.count",
            ru("Каталог ") + where + ru(": значение Count = \"") + text +
                ru("\" в разделе DATA не даёт ни одной записи, которую можно использовать."),
            "The catalogue " + where + ": Count = \"" + text +
                "\" in section DATA gives no entries that can be used."));
        return false;
    }
    facts.count = reading.value;
    facts.usable = true;
    return true;
}

void checkGroundCatalogue(PictureCheck& pictures, CatalogueFacts& facts,
                          std::vector<Finding>& findings) {
    const ini::IniSnapshot catalogue(facts.file);
    if (!readCount(facts.file, catalogue, std::numeric_limits<std::int16_t>::min(),
                   std::numeric_limits<std::int16_t>::max(), facts, findings))
        return;
    facts.pictured.assign(static_cast<std::size_t>(facts.count) + 1, false);
    for (std::int64_t i = 0; i <= facts.count; ++i) {
        const std::string name = catalogue.read(entrySection(i), "FileName", "");
        if (!isGiven(name))
            continue;
        facts.pictured[static_cast<std::size_t>(i)] = true;
        pictures.check(facts.file, i, "FileName", name);
    }
}

void checkObjectCatalogue(PictureCheck& pictures, CatalogueFacts& facts,
                          std::vector<Finding>& findings) {
    const ini::IniSnapshot catalogue(facts.file);
    if (!readCount(facts.file, catalogue, std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max(), facts, findings))
        return;
    const std::string where = shownFile(facts.file);
    facts.pictured.assign(static_cast<std::size_t>(facts.count) + 1, false);
    for (std::int64_t i = 0; i <= facts.count; ++i) {
        const std::string section = entrySection(i);
        const std::string picture = catalogue.read(section, "FileName", "");
        const std::string mask = catalogue.read(section, "MaskFileName", "");
        if (!isGiven(picture) && !isGiven(mask))
            continue;
        if (isGiven(picture) != isGiven(mask)) {
            const std::string given = isGiven(picture) ? "FileName" : "MaskFileName";
            const std::string lacking = isGiven(picture) ? "MaskFileName" : "FileName";
            findings.push_back(
                mapWide(Severity::Error, "picture.missing",
                        ru("Запись ") + section + ru(" каталога ") + where + ru(" называет ") +
                            given + ru(", но не ") + lacking + ru(": объект рисуется заглушкой."),
                        "Entry " + section + " of " + where + " names " + given + " but no " +
                            lacking + ": the object draws the placeholder."));
            continue;
        }
        facts.pictured[static_cast<std::size_t>(i)] = true;
        const auto pictureSize = pictures.check(facts.file, i, "FileName", picture);
        const auto maskSize = pictures.check(facts.file, i, "MaskFileName", mask);
        if (pictureSize && maskSize && *pictureSize != *maskSize) {
            const auto size = [](const std::pair<int, int>& s) {
                return std::to_string(s.first) + " x " + std::to_string(s.second);
            };
            findings.push_back(
                mapWide(Severity::Warning, "picture.mask-size",
                        ru("Запись ") + section + ru(" каталога ") + where + ru(": маска ") + mask +
                            " (" + size(*maskSize) + ru(" точек) другого размера, чем картинка ") +
                            picture + " (" + size(*pictureSize) + ").",
                        "Entry " + section + " of " + where + ": the mask " + mask + " (" +
                            size(*maskSize) + " pixels) differs in size from the picture " +
                            picture + " (" + size(*pictureSize) + ")."));
        }
    }
}

} // namespace

ResourceFacts checkResources(const std::string& mapFolder, const std::string& mapName,
                             std::vector<Finding>& findings) {
    ResourceFacts facts;
    const std::string description = mapFolder + mapName + ".mpc";
    std::string resources = mdlINI::ReadIni(description, "CONFIG", "Resources", "");
    if (resources.empty())
        resources = "Resources";
    const std::string application = mdlMain::ApplicationFolder();
    if (!staysWithin(application, resources)) {
        findings.push_back(mapWide(
            Severity::Error, "resources.outside",
            ru("Описание карты ") + shownFile(description) + ru(" называет папку ресурсов \"") +
                resources + ru("\" за пределами папки программы; ресурсы не проверялись."),
            "The map description " + shownFile(description) + " names the resource folder \"" +
                resources + "\" outside the application folder; the resources were not checked."));
        return facts;
    }
    facts.folder = mdlMain::NormalizeFolder(application + resources);
    if (!fsys::isFolder(facts.folder)) {
        findings.push_back(mapWide(Severity::Error, "resources.missing",
                                   ru("Папка ресурсов ") + shownFile(facts.folder) +
                                       ru(", названная в ") + shownFile(description) +
                                       ru(", не найдена."),
                                   "The resource folder " + shownFile(facts.folder) + " named by " +
                                       shownFile(description) + " does not exist."));
        return facts;
    }
    facts.ground.file = facts.folder + "level0.ini";
    facts.objects.file = facts.folder + "level1.ini";
    PictureCheck pictures(facts.folder, findings);
    checkGroundCatalogue(pictures, facts.ground, findings);
    checkObjectCatalogue(pictures, facts.objects, findings);
    checkPalette(facts, findings);
    return facts;
}

} // namespace checker::detail
