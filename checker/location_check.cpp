#include "checker/location_check.h"

#include "checker/action_check.h"
#include "checker/cell_findings.h"
#include "checker/check_text.h"
#include "checker/grid_scan.h"
#include "model/location_config.h"
#include "model/location_files.h"
#include "model/location_grid.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

#include <algorithm>
#include <memory>
#include <new>

namespace checker::detail {
namespace {

class LocationCheck {
public:
    LocationCheck(const std::string& mapFolder, const LocationFilesFound& found,
                  const ResourceFacts& resources, std::vector<Finding>& findings)
        : m_folder(mapFolder), m_found(found), m_resources(resources), m_findings(findings),
          m_config(model::locationFile(mapFolder, found.name, model::kConfigFile)),
          m_grid(model::locationFile(mapFolder, found.name, model::kGridFile)),
          m_notes(model::locationFile(mapFolder, found.name, model::kNotesFile)) {}

    bool run(const std::function<bool(std::uint64_t)>& progress) {
        if (!m_found.config) {
            reportWithoutConfig();
            return true;
        }
        const model::ConfigReading reading = model::readLocationConfig(m_config);
        if (reading.problem) {
            reportConfig(*reading.problem, reading);
            return true;
        }
        const ActionFacts actions = checkActions(m_folder, m_found.name, m_findings);
        if (!m_found.grid) {
            add(Severity::Error, "location.grid-missing",
                ru("Файл карты локации ") + shownFile(m_grid) + ru(" не найден."),
                "The grid file " + shownFile(m_grid) + " does not exist.");
            return true;
        }
        fsys::File file;
        std::error_code ec;
        std::uint64_t size = 0;
        if (file.open(m_grid, fsys::File::Mode::Read, ec))
            size = file.size(ec);
        if (ec) {
            add(Severity::Error, "location.grid-unreadable",
                ru("Файл карты локации ") + shownFile(m_grid) + ru(" не удалось открыть (") +
                    cp1251Message(ec) + ").",
                "The grid file " + shownFile(m_grid) + " cannot be opened (" + ec.message() + ").");
            return true;
        }
        const model::LocationSize cells = *reading.size;
        const auto expected =
            static_cast<std::uint64_t>(model::LocationGrid::gridBytes(cells.width, cells.height));
        reportGridSize(cells, size, expected);

        const auto tables = std::make_unique<ScanTables>();
        makeTables(cells, actions, *tables);
        const auto tallies = std::make_unique<ScanTallies>();
        ScanOutcome outcome;
        try {
            outcome = scanGrid(file, cells.width, cells.height, *tables, *tallies, progress);
        } catch (const std::bad_alloc&) {
            add(Severity::Error, "location.grid-unreadable",
                ru("Для проверки клеток файла ") + shownFile(m_grid) +
                    ru(" не хватило памяти: клетки не проверены."),
                "There was not enough memory to check the cells of " + shownFile(m_grid) +
                    ": its cells are not checked.");
            return true;
        }
        if (outcome.error)
            add(Severity::Error, "location.grid-unreadable",
                ru("Файл карты локации ") + shownFile(m_grid) + ru(" не удалось дочитать (") +
                    cp1251Message(outcome.error) + ru("): прочитано ") +
                    std::to_string(outcome.bytesRead) + ru(" из ") + std::to_string(expected) +
                    ru(" байт."),
                "The grid file " + shownFile(m_grid) + " could not be read to its end (" +
                    outcome.error.message() + "): " + std::to_string(outcome.bytesRead) + " of " +
                    std::to_string(expected) + " bytes read.");
        addCellFindings(m_found.name, *tallies, m_resources, actions, m_findings);
        return !outcome.cancelled;
    }

private:
    void add(Severity severity, std::string kind, std::string russian, std::string english) {
        m_findings.push_back(finding(severity, m_found.name, std::move(kind), std::move(russian),
                                     std::move(english)));
    }

    void reportWithoutConfig() {
        for (const auto& [present, file] :
             {std::pair{m_found.grid, &m_grid}, std::pair{m_found.notes, &m_notes}}) {
            if (!present)
                continue;
            add(Severity::Warning, "location.without-config",
                ru("Файл ") + shownFile(*file) + ru(" есть, а файла параметров ") +
                    shownFile(m_config) + ru(" нет: редактор не видит такой локации."),
                "The file " + shownFile(*file) + " has no configuration " + shownFile(m_config) +
                    " beside it: the editor does not see the location.");
        }
    }

    void reportConfig(const model::ConfigProblem& problem, const model::ConfigReading& reading) {
        const std::string file = shownFile(m_config);
        if (problem.kind == model::ConfigProblem::Kind::Unreadable) {
            add(Severity::Error, "location.config-unreadable",
                ru("Файл параметров ") + file + ru(" не удалось прочитать (") +
                    cp1251Message(problem.error) + ").",
                "The configuration " + file + " cannot be read (" + problem.error.message() + ").");
            return;
        }
        std::string why, whyEnglish;
        switch (problem.kind) {
        case model::ConfigProblem::Kind::NotANumber:
            why = ru(" не является целым числом");
            whyEnglish = " is not a whole number";
            break;
        case model::ConfigProblem::Kind::Negative:
            why = ru(" отрицательно");
            whyEnglish = " is negative";
            break;
        default:
            break;
        }
        if (problem.kind == model::ConfigProblem::Kind::TooLarge) {
            add(Severity::Error, "location.config-size",
                ru("Файл параметров ") + file + ": Width = " + reading.widthText + ", Height = " +
                    reading.heightText + ru(": локация слишком велика, чтобы её загрузить."),
                "The configuration " + file + ": Width = " + reading.widthText +
                    ", Height = " + reading.heightText + ": the location is too large to load.");
            return;
        }
        add(Severity::Error, "location.config-size",
            ru("Файл параметров ") + file + ": " + problem.key + " = \"" + problem.value + "\"" +
                why + ".",
            "The configuration " + file + ": " + problem.key + " = \"" + problem.value + "\"" +
                whyEnglish + ".");
    }

    void reportGridSize(const model::LocationSize& cells, std::uint64_t size,
                        std::uint64_t expected) {
        const std::string file = shownFile(m_grid);
        const std::string shape =
            std::to_string(cells.width) + " x " + std::to_string(std::int64_t{cells.height} + 1);
        if (size < expected)
            add(Severity::Error, "location.grid-short",
                ru("Файл карты ") + file + ru(" короче, чем обещают параметры (") + shape +
                    ru(" клеток): ") + std::to_string(size) + ru(" байт вместо ") +
                    std::to_string(expected) + ru("; недостающие клетки пусты."),
                "The grid file " + file + " is shorter than its configuration promises (" + shape +
                    " cells): " + std::to_string(size) + " bytes instead of " +
                    std::to_string(expected) + "; the missing cells are empty.");
        else if (size > expected)
            add(Severity::Warning, "location.grid-long",
                ru("Файл карты ") + file + ru(" длиннее, чем обещают параметры (") + shape +
                    ru(" клеток): ") + std::to_string(size) + ru(" байт вместо ") +
                    std::to_string(expected) + ru("; лишние байты не читаются."),
                "The grid file " + file + " is longer than its configuration promises (" + shape +
                    " cells): " + std::to_string(size) + " bytes instead of " +
                    std::to_string(expected) + "; the extra bytes are not read.");
    }

    void makeTables(const model::LocationSize& cells, const ActionFacts& actions,
                    ScanTables& tables) {
        const CatalogueFacts& ground = m_resources.ground;
        if (ground.usable)
            for (std::int64_t code = 0; code < 256; ++code)
                tables.ground[static_cast<std::size_t>(code)] =
                    code > ground.count || !ground.pictured[static_cast<std::size_t>(code)];
        const CatalogueFacts& objects = m_resources.objects;
        const std::int32_t deepest = deepestCheckableFootprint(cells.width);
        std::size_t tooDeep = 0;
        for (std::int64_t value = 1; value < 65536; ++value) {
            const auto entry = static_cast<std::size_t>(value - 1);
            std::uint8_t flags = 0;
            if (objects.usable &&
                (value - 1 > objects.count || !objects.pictured[static_cast<std::size_t>(entry)]))
                flags |= kObjectUnknown;
            const auto& footprint = m_resources.footprints[entry];
            if (!footprint.empty() && cells.width > 0 && cells.height > 0) {
                auto& offsets = tables.footprints[static_cast<std::size_t>(value)];
                std::int32_t depth = 0;
                for (const auto& [row, column] : footprint) {
                    offsets.emplace_back(row % cells.height, column % cells.width);
                    depth = std::max(depth, offsets.back().first);
                }
                if (depth <= deepest) {
                    flags |= kObjectFootprint;
                    tables.footprintDepth = std::max(tables.footprintDepth, depth);
                } else {
                    offsets.clear();
                    ++tooDeep;
                }
            }
            tables.objects[static_cast<std::size_t>(value)] = flags;
        }
        if (tooDeep)
            add(Severity::Warning, "cell.footprint-unchecked",
                ru("Следы ") + std::to_string(tooDeep) +
                    ru(" объектов палитры глубже, чем проверка держит строк (") +
                    std::to_string(deepest) + ru("); их следы не проверялись."),
                "The footprints of " + std::to_string(tooDeep) +
                    " palette objects reach deeper than the rows the check keeps (" +
                    std::to_string(deepest) + "); they were not checked.");
        if (!actions.indexReadable)
            return;
        for (std::size_t value = 1; value < 65536; ++value) {
            const std::size_t action = value - 1;
            if (action >= actions.names.size())
                tables.doors[value] = kDoorBeyondIndex;
            else if (actions.broken[action])
                tables.doors[value] = kDoorBrokenAction;
        }
    }

    const std::string& m_folder;
    const LocationFilesFound& m_found;
    const ResourceFacts& m_resources;
    std::vector<Finding>& m_findings;
    std::string m_config, m_grid, m_notes;
};

} // namespace

bool checkLocation(const std::string& mapFolder, const LocationFilesFound& found,
                   const ResourceFacts& resources, std::vector<Finding>& findings,
                   const std::function<bool(std::uint64_t)>& progress) {
    return LocationCheck(mapFolder, found, resources, findings).run(progress);
}

} // namespace checker::detail
