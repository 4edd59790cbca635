// The map checker on a small map made of the input: the location "main" of
// map "M" (its configuration, grid file, action index and the action files
// act_a and act_b), the palette Resources\editor.ini, the object catalogue
// level1.ini it draws from, and the map's description M.mpc naming the
// resource folder. A fixed ground catalogue with small pictures completes the
// resources. Claimed grids are capped small, so a configuration may promise
// sizes its grid file does not hold without slowing the run.
//
// The check must run, read nothing from the planted file beside the
// application folder (names such as "..\..\..\outside\secret" lead there),
// count every finding at least once, place every cell of a finding within the
// size the configuration claims, list map-wide findings before the
// location's, report progress within the grid file's size, and count its
// errors and warnings as its findings.

#include "fuzz/fuzz_support.h"

#include "checker/map_check.h"
#include "model/location_config.h"
#include "model/location_grid.h"

#include <optional>
#include <string>

namespace {

// Claimed grids larger than this are refused as too large to load.
constexpr std::uint64_t kGridLimit = std::uint64_t{1} << 20;
// The most cells a finding lists.
constexpr std::size_t kMostListedCells = 5;

// A 24-bit picture of `width` x `height` pixels, all one colour.
std::string bitmap(int width, int height, unsigned char shade) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const auto pixels = static_cast<std::uint32_t>(stride * height);
    std::string bytes(54 + pixels, static_cast<char>(shade));
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 54 + pixels, 4);
    put(6, 0, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(30, 0, 4);
    put(34, pixels, 4);
    put(38, 2835, 4);
    put(42, 2835, 4);
    put(46, 0, 4);
    put(50, 0, 4);
    return bytes;
}

// The resources the input does not give: a ground catalogue of four entries
// (one without a picture, one naming a missing file) and the pictures the
// seeds' object catalogues name (b.bmp differs in size from the others).
void writeFixedResources(fuzzing::ScratchWorld& world) {
    static const std::string small = bitmap(2, 2, 0x40);
    static const std::string large = bitmap(3, 2, 0x80);
    world.write("Resources/level0.ini", "[DATA]\r\nCount=3\r\n"
                                        "[OBJ-0]\r\nFileName=g.bmp\r\n"
                                        "[OBJ-1]\r\nName=bare\r\n"
                                        "[OBJ-2]\r\nFileName=gone.bmp\r\n"
                                        "[OBJ-3]\r\nFileName=g.bmp\r\n");
    world.write("Resources/g.bmp", small);
    world.write("Resources/o.bmp", small);
    world.write("Resources/m.bmp", small);
    world.write("Resources/b.bmp", large);
}

bool holdsLeak(std::string_view text) {
    return text.find(fuzzing::kLeakedValue) != std::string_view::npos;
}

void checkFinding(const checker::Finding& f, const std::optional<model::LocationSize>& claimed) {
    if (f.kind.empty() || f.sentence.empty() || f.sentenceEnglish.empty())
        fuzzing::fail("a finding without a kind or a sentence");
    if (holdsLeak(f.sentence) || holdsLeak(f.sentenceEnglish) || holdsLeak(f.location) ||
        holdsLeak(f.kind))
        fuzzing::fail("a finding holds text read from the planted file outside: " +
                      f.sentenceEnglish);
    if (f.severity != checker::Severity::Error && f.severity != checker::Severity::Warning)
        fuzzing::fail("a finding of no known severity");
    if (f.count == 0)
        fuzzing::fail("a finding of no places: " + f.sentenceEnglish);
    if (f.firstCells.size() > kMostListedCells || f.firstCells.size() > f.count)
        fuzzing::fail("a finding lists more cells than it counts: " + f.sentenceEnglish);
    if (f.cell.has_value() != !f.firstCells.empty() ||
        (f.cell && !(*f.cell == f.firstCells.front())))
        fuzzing::fail("a finding's cell is not the first of its cells: " + f.sentenceEnglish);
    if (!f.cell)
        return;
    if (f.location != "main")
        fuzzing::fail("a cell of no location: " + f.sentenceEnglish);
    if (!claimed)
        fuzzing::fail("a cell of a location whose size is unknown: " + f.sentenceEnglish);
    for (const checker::Cell& cell : f.firstCells)
        if (cell.x < 0 || cell.x >= claimed->width || cell.y < 0 || cell.y > claimed->height)
            fuzzing::fail(
                "a finding's cell " + std::to_string(cell.x) + "," + std::to_string(cell.y) +
                " lies outside the location's " + std::to_string(claimed->width) + " x " +
                std::to_string(std::int64_t{claimed->height} + 1) + " cells: " + f.sentenceEnglish);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared =
        (model::LocationGrid::setMaxGridBytes(kGridLimit), fuzzing::ensureGuiApplication(), true);
    (void)prepared;
    if (fuzzing::holdsLeakedValue(data, size))
        return 0;
    auto& world = fuzzing::ScratchWorld::instance();
    world.writeInput(data, size,
                     {"Maps/M/main.config", "Maps/M/main.map", "Maps/M/main.actl", "Maps/M/act_a",
                      "Maps/M/act_b", "Resources/editor.ini", "Resources/level1.ini",
                      "Maps/M/M.mpc"});
    writeFixedResources(world);

    const std::string config = world.text() + "Maps\\M\\main.config";
    const std::optional<model::LocationSize> claimed = model::readLocationConfig(config).size;

    std::uint64_t lastDone = 0;
    const checker::CheckResult result =
        checker::checkMap({"M", ""}, [&](const checker::CheckProgress& progress) {
            if (progress.done > progress.total)
                fuzzing::fail("the check read more of the grid than its file holds");
            if (progress.done < lastDone)
                fuzzing::fail("the check's progress went back");
            lastDone = progress.done;
            return true;
        });
    if (!result.ran || result.cancelled)
        fuzzing::fail("the check of an existing map did not run to its end: " +
                      result.failureEnglish);
    if (result.errors() + result.warnings() != result.findings.size())
        fuzzing::fail("errors and warnings do not add up to the findings");
    bool locationSeen = false;
    for (const checker::Finding& f : result.findings) {
        checkFinding(f, claimed);
        if (!f.location.empty())
            locationSeen = true;
        else if (locationSeen)
            fuzzing::fail("a map-wide finding after a location's: " + f.sentenceEnglish);
    }
    return 0;
}
