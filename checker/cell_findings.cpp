#include "checker/cell_findings.h"

#include "checker/check_text.h"

#include <functional>

namespace checker::detail {
namespace {

struct Sentences {
    std::string russian, english;
};

// Emits the findings of one tally: `describe` gives the sentences of a code,
// `rest` those of the codes past the first kCodesReportedApart.
void emit(const std::string& location, const CodeTally& tally, Severity severity,
          const std::string& kind, const std::function<bool(std::uint32_t)>& include,
          const std::function<Sentences(std::uint32_t)>& describe,
          const std::function<Sentences(std::size_t codes, std::uint32_t first,
                                        std::uint32_t last)>& rest,
          std::vector<Finding>& findings) {
    std::size_t reported = 0;
    std::vector<Cell> restCells;
    std::uint64_t restCount = 0;
    std::size_t remainingCodes = 0;
    std::uint32_t firstRest = 0, lastRest = 0;
    for (std::uint32_t code = 0; code < tally.codes(); ++code) {
        const std::uint64_t count = tally.count(code);
        if (count == 0 || !include(code))
            continue;
        if (reported < kCodesReportedApart) {
            ++reported;
            const Sentences s = describe(code);
            Finding f = finding(severity, location, kind, s.russian, s.english);
            f.count = count;
            f.firstCells = tally.firstCells(code);
            f.cell = f.firstCells.front();
            findings.push_back(std::move(f));
            continue;
        }
        if (remainingCodes++ == 0)
            firstRest = code;
        lastRest = code;
        restCount += count;
        for (const Cell& cell : tally.firstCells(code))
            if (restCells.size() < kFirstCells)
                restCells.push_back(cell);
    }
    if (remainingCodes == 0)
        return;
    const Sentences s = rest(remainingCodes, firstRest, lastRest);
    Finding f = finding(severity, location, kind, s.russian, s.english);
    f.count = restCount;
    f.firstCells = std::move(restCells);
    f.cell = f.firstCells.front();
    findings.push_back(std::move(f));
}

bool always(std::uint32_t) {
    return true;
}

std::string range(std::uint32_t first, std::uint32_t last) {
    return std::to_string(first) + ".." + std::to_string(last);
}

std::string entries(const CatalogueFacts& catalogue) {
    return "0.." + std::to_string(catalogue.count);
}

} // namespace

void addCellFindings(const std::string& location, const ScanTallies& tallies,
                     const ResourceFacts& resources, const ActionFacts& actions,
                     std::vector<Finding>& findings) {
    const CatalogueFacts& ground = resources.ground;
    const std::string groundFile = shownFile(ground.file);
    emit(
        location, tallies.ground, Severity::Error, "cell.unknown-ground", always,
        [&](std::uint32_t code) -> Sentences {
            const std::string c = std::to_string(code);
            if (static_cast<std::int64_t>(code) > ground.count)
                return {ru("Код земли ") + c + ru(": в каталоге ") + groundFile +
                            ru(" нет такой записи (записи ") + entries(ground) +
                            ru("); клетка рисуется заглушкой."),
                        "Ground code " + c + " has no entry in " + groundFile + " (entries " +
                            entries(ground) + "); the cell draws the placeholder."};
            return {ru("Код земли ") + c + ru(": запись OBJ-") + c + ru(" каталога ") + groundFile +
                        ru(" не называет картинки; клетка рисуется заглушкой."),
                    "Ground code " + c + ": entry OBJ-" + c + " of " + groundFile +
                        " names no picture; the cell draws the placeholder."};
        },
        [&](std::size_t codes, std::uint32_t first, std::uint32_t last) -> Sentences {
            return {ru("Ещё ") + std::to_string(codes) + ru(" кодов земли (") + range(first, last) +
                        ru(") без картинки в каталоге ") + groundFile +
                        ru("; клетки рисуются заглушкой."),
                    std::to_string(codes) + " more ground codes (" + range(first, last) +
                        ") without a picture in " + groundFile +
                        "; the cells draw the placeholder."};
        },
        findings);

    const CatalogueFacts& objects = resources.objects;
    const std::string objectFile = shownFile(objects.file);
    emit(
        location, tallies.unknownObjects, Severity::Error, "cell.unknown-object", always,
        [&](std::uint32_t code) -> Sentences {
            const std::string c = std::to_string(code);
            const std::string entry = "OBJ-" + std::to_string(code - 1);
            if (static_cast<std::int64_t>(code) - 1 > objects.count)
                return {ru("Код объекта ") + c + ru(" (запись ") + entry + ru("): в каталоге ") +
                            objectFile + ru(" нет такой записи (записи ") + entries(objects) +
                            ru("); объект рисуется заглушкой."),
                        "Object code " + c + " (entry " + entry + ") has no entry in " +
                            objectFile + " (entries " + entries(objects) +
                            "); the object draws the placeholder."};
            return {ru("Код объекта ") + c + ru(": запись ") + entry + ru(" каталога ") +
                        objectFile +
                        ru(" не называет картинки с маской; объект рисуется заглушкой."),
                    "Object code " + c + ": entry " + entry + " of " + objectFile +
                        " names no picture with a mask; the object draws the placeholder."};
        },
        [&](std::size_t codes, std::uint32_t first, std::uint32_t last) -> Sentences {
            return {ru("Ещё ") + std::to_string(codes) + ru(" кодов объектов (") +
                        range(first, last) + ru(") без картинки в каталоге ") + objectFile +
                        ru("; объекты рисуются заглушкой."),
                    std::to_string(codes) + " more object codes (" + range(first, last) +
                        ") without a picture in " + objectFile +
                        "; the objects draw the placeholder."};
        },
        findings);

    const std::string index = shownFile(actions.indexFile);
    const std::string known =
        actions.names.empty() ? std::string() : " 1.." + std::to_string(actions.names.size());
    emit(
        location, tallies.doors, Severity::Error, "cell.unknown-action",
        [&](std::uint32_t code) { return code - 1 >= actions.names.size(); },
        [&](std::uint32_t code) -> Sentences {
            const std::string c = std::to_string(code);
            if (!actions.indexExists)
                return {ru("Номер действия ") + c + ru(": у локации нет индекса действий ") +
                            index + ".",
                        "Action number " + c + ": the location has no action index " + index + "."};
            if (actions.names.empty())
                return {ru("Номер действия ") + c + ru(": в индексе действий ") + index +
                            ru(" нет ни одного действия."),
                        "Action number " + c + ": the action index " + index +
                            " lists no actions."};
            return {ru("Номер действия ") + c + ru(" за пределами индекса действий ") + index +
                        ru(" (номера") + known + ").",
                    "Action number " + c + " lies beyond the action index " + index + " (numbers" +
                        known + ")."};
        },
        [&](std::size_t codes, std::uint32_t first, std::uint32_t last) -> Sentences {
            return {ru("Ещё ") + std::to_string(codes) + ru(" номеров действий (") +
                        range(first, last) + ru(") за пределами индекса действий ") + index + ".",
                    std::to_string(codes) + " more action numbers (" + range(first, last) +
                        ") beyond the action index " + index + "."};
        },
        findings);

    // One finding per broken action, however many there are: each names its file.
    for (std::uint32_t code = 1; code < tallies.doors.codes(); ++code) {
        const std::uint64_t count = tallies.doors.count(code);
        if (count == 0 || code - 1 >= actions.names.size())
            continue;
        const std::size_t action = code - 1;
        const std::string c = std::to_string(code);
        const std::string entry = "A" + std::to_string(action);
        const std::string& name = actions.names[action];
        Finding f =
            finding(Severity::Error, location, "cell.broken-action",
                    ru("Номер действия ") + c + ru(" (запись ") + entry + ru(" индекса ") + index +
                        ru(", действие \"") + name + "\"): " + actions.brokenWhy[action] + ".",
                    "Action number " + c + " (entry " + entry + " of " + index + ", action \"" +
                        name + "\"): " + actions.brokenWhyEnglish[action] + ".");
        f.count = count;
        f.firstCells = tallies.doors.firstCells(code);
        f.cell = f.firstCells.front();
        findings.push_back(std::move(f));
    }

    const auto openCell = [&](std::uint32_t code) {
        const Cell cell = tallies.firstOpenCell.at(code);
        return cellText(cell.x, cell.y);
    };
    emit(
        location, tallies.openFootprints, Severity::Warning, "cell.open-footprint", always,
        [&](std::uint32_t code) -> Sentences {
            const std::string c = std::to_string(code);
            const std::string& block = resources.footprintTexts[code - 1];
            return {ru("Объект с кодом ") + c + ru(" (код палитры ") + std::to_string(code - 1) +
                        ", Block = \"" + block + ru("\"): клетка ") + openCell(code) +
                        ru(" его следа не закрыта."),
                    "Object code " + c + " (palette code " + std::to_string(code - 1) +
                        ", Block = \"" + block + "\"): cell " + openCell(code) +
                        " of its footprint is not blocked."};
        },
        [&](std::size_t codes, std::uint32_t first, std::uint32_t last) -> Sentences {
            return {ru("Ещё ") + std::to_string(codes) + ru(" кодов объектов (") +
                        range(first, last) + ru(") со следом, закрытым не везде."),
                    std::to_string(codes) + " more object codes (" + range(first, last) +
                        ") whose footprint is not blocked everywhere."};
        },
        findings);
}

} // namespace checker::detail
