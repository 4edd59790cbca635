// mapedit export --json and mapedit import: round trips byte for byte, the
// document's contents against the grid, and every refusal of a bad document.

#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include "model/grid_file.h"
#include "model/location_creation.h"
#include "support/cp1251.h"
#include "support/file_system.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <random>

#include <gtest/gtest.h>

using nlohmann::json;
using testing_support::runProcess;
using testing_support::TempFolder;

namespace {

namespace fs = std::filesystem;

// An application folder with one map, "Default", whose locations the tests
// make as the location manager makes them.
struct World {
    TempFolder root;
    std::string dir = root.path().string();
    fs::path mapFolder = root.path() / "Maps" / "Default";

    World() { fs::create_directories(mapFolder); }

    // A width x (height + 1) location of random values over each layer's
    // whole range.
    void makeLocation(const std::string& name, std::int32_t width, std::int32_t height,
                      const std::string& notes, bool round, unsigned seed) const {
        model::LocationGrid grid;
        grid.setMapWidth(width);
        grid.setMapHeight(height);
        grid.CreatMap(0);
        std::mt19937 random(seed);
        for (model::Layer layer : model::kAllLayers) {
            const std::int32_t largest = model::bytesPerCell(layer) == 2 ? 65535 : 255;
            for (std::int32_t y = 0; y <= height; ++y)
                for (std::int32_t x = 0; x < width; ++x)
                    grid.setCellValue(layer, x, y,
                                      std::uniform_int_distribution<>(0, largest)(random));
        }
        model::NewLocationFiles files{
            root.text() + "Maps\\Default\\", name, notes, std::to_string(width),
            std::to_string(height),          round};
        ASSERT_FALSE(model::writeLocationFiles(files, grid));
    }

    std::string file(const std::string& name) const {
        return testing_support::readNative(mapFolder / name);
    }
    bool has(const std::string& name) const { return fs::exists(mapFolder / name); }

    // Every file of the map folder (hidden ones too) with its bytes.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(mapFolder))
            files[entry.path().filename().string()] = testing_support::readNative(entry.path());
        return files;
    }

    testing_support::ProcessResult exportJson(const std::string& location,
                                              const fs::path& out) const {
        return runProcess(MAPEDIT_CLI, {"export", "--root", dir, "--map", "Default", "--location",
                                        location, "--json", out.string()});
    }
    testing_support::ProcessResult importJson(const std::string& location, const fs::path& in,
                                              bool replace = false) const {
        std::vector<std::string> args = {"import",  "--root",     dir,      "--map",
                                         "Default", "--location", location, in.string()};
        if (replace)
            args.push_back("--replace");
        return runProcess(MAPEDIT_CLI, args);
    }

    // Exports `from`, imports the document as `to`, and expects the three
    // files of both alike byte for byte (a missing notes file on both sides).
    void expectRoundTrip(const std::string& from, const std::string& to,
                         bool replace = false) const {
        const fs::path document = root.path() / (from + ".json");
        auto r = exportJson(from, document);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        r = importJson(to, document, replace);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        for (const char* extension : {".map", ".config", ".inf"}) {
            ASSERT_EQ(has(from + extension), has(to + extension)) << extension;
            if (has(from + extension)) {
                EXPECT_EQ(file(from + extension), file(to + extension)) << extension;
            }
        }
    }
};

TEST(InterchangeRoundTrip, SampleLocationsComeBackByteForByte) {
    World w;
    for (const char* name : {"main", "cave"})
        for (const char* extension : {".map", ".config", ".inf"})
            fs::copy_file(fs::path(MAPEDIT_SAMPLE_WORLD) / "Maps/Default" /
                              (std::string(name) + extension),
                          w.mapFolder / (std::string(name) + extension));
    w.expectRoundTrip("main", "main_copy");
    w.expectRoundTrip("cave", "cave_copy");
}

TEST(InterchangeRoundTrip, TwoByteValuesNotesAndRoundnessComeBack) {
    World w;
    // Every byte of the code page but the line end in the notes, Cyrillic
    // among them, and a CR LF inside.
    std::string notes = "\xCF\xF0\xE8\xE2\xE5\xF2\r\n";
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n')
            notes += static_cast<char>(c);
    w.makeLocation("wide", 9, 6, notes, false, 1);
    w.expectRoundTrip("wide", "wide_copy");
    w.makeLocation("plain", 3, 0, "", true, 2);
    w.expectRoundTrip("plain", "plain_copy");
    EXPECT_FALSE(w.has("plain_copy.inf"));
    w.makeLocation("cyrillic", 4, 2, "\xC7\xE0\xEC\xE5\xF2\xEA\xE8", true, 3);
    w.expectRoundTrip("cyrillic", "cyrillic_copy");
}

TEST(InterchangeExport, TheDocumentHoldsTheCellsAsTheGridReadsThem) {
    World w;
    const std::string notes = "\xD1\xE5\xE2\xE5\xF0\r\nnorth";
    w.makeLocation("loc", 5, 3, notes, false, 4);
    const fs::path document = w.root.path() / "loc.json";
    ASSERT_EQ(w.exportJson("loc", document).exitCode, 0);
    const json doc = json::parse(testing_support::readNative(document));
    EXPECT_EQ(doc.at("width"), 5);
    EXPECT_EQ(doc.at("height"), 3);
    EXPECT_EQ(doc.at("round"), false);
    EXPECT_EQ(doc.at("notes").get<std::string>(), cp1251::toUtf8(notes));

    model::LocationGrid grid;
    grid.setMapWidth(5);
    grid.setMapHeight(3);
    grid.CreatMap(0);
    fsys::File file;
    std::error_code ec;
    std::uint64_t got = 0;
    ASSERT_TRUE(file.openNative(w.mapFolder / "loc.map", fsys::File::Mode::Read, ec));
    ASSERT_TRUE(model::readGridRecords(file, grid, got, ec));
    const std::pair<const char*, model::Layer> names[] = {
        {"earth", model::Layer::Earths},  {"object", model::Layer::Objects},
        {"item", model::Layer::Predmets}, {"action", model::Layer::Doors},
        {"block", model::Layer::Blocks},  {"guard", model::Layer::Guards}};
    ASSERT_EQ(doc.at("layers").size(), 6u);
    int above255 = 0;
    for (const auto& [name, layer] : names) {
        const json& rows = doc.at("layers").at(name);
        ASSERT_EQ(rows.size(), 4u) << name;
        for (std::int32_t y = 0; y <= 3; ++y) {
            ASSERT_EQ(rows[y].size(), 5u) << name;
            for (std::int32_t x = 0; x < 5; ++x) {
                EXPECT_EQ(rows[y][x].get<int>(), grid.cellValue(layer, x, y)) << name;
                above255 += rows[y][x].get<int>() > 255;
            }
        }
    }
    EXPECT_GT(above255, 0); // the two-byte layers were read as such
}

TEST(InterchangeExport, RefusesShortGridsAndMissingOutputs) {
    World w;
    w.makeLocation("loc", 4, 2, "", true, 5);
    const std::string grid = w.file("loc.map");
    testing_support::TempFolder out;
    std::ofstream(w.mapFolder / "loc.map", std::ios::binary) << grid.substr(0, grid.size() - 1);
    auto r = w.exportJson("loc", out.path() / "a.json");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("fewer than the 96"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out.path() / "a.json"));

    std::ofstream(w.mapFolder / "loc.map", std::ios::binary) << grid << "xy";
    r = w.exportJson("loc", out.path() / "a.json");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("2 bytes past"), std::string::npos) << r.err;

    r = runProcess(MAPEDIT_CLI, {"export", "--root", w.dir, "--map", "Default"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("--json FILE"), std::string::npos) << r.err;
    r = w.exportJson("loc", out.path() / "missing" / "a.json");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
}

// A valid document of a 2 x 2 location (height 1) to spoil.
json goodDocument() {
    json doc = {{"width", 2}, {"height", 1}, {"round", true}, {"notes", "n"}};
    for (const char* name : {"earth", "object", "item", "action", "block", "guard"})
        doc["layers"][name] = {{1, 2}, {3, 4}};
    return doc;
}

struct BadDocument {
    std::string text;
    std::string says;
};

std::vector<BadDocument> badDocuments() {
    std::vector<BadDocument> bad;
    const auto spoil = [&](auto change, std::string says) {
        json doc = goodDocument();
        change(doc);
        bad.push_back({doc.dump(1), std::move(says)});
    };
    // Syntax.
    bad.push_back({"", "line 1, column 1: syntax error"});
    bad.push_back({"{\"width\": 2,", "syntax error"});
    bad.push_back({goodDocument().dump() + " 5", "syntax error"});
    bad.push_back({"{\"width\": 2, \"notes\": \"\xFF\"}", "syntax error"});
    // Wrong types.
    bad.push_back({"[1, 2]", ": expected an object holding the location, found an array"});
    spoil([](json& d) { d["width"] = "2"; }, ": width: expected a whole number, found a text");
    spoil([](json& d) { d["height"] = true; }, ": height: expected a whole number, found true");
    spoil([](json& d) { d["round"] = 1; }, ": round: expected true or false, found a number");
    spoil([](json& d) { d["notes"] = nullptr; }, ": notes: expected a text, found null");
    spoil([](json& d) { d["layers"] = json::array(); }, ": layers: expected an object");
    spoil([](json& d) { d["layers"]["item"] = 5; },
          ": layers.item: expected an array of rows, found a number");
    spoil([](json& d) { d["layers"]["block"][1] = "row"; },
          ": layers.block[1]: expected a row (an array of numbers), found a text");
    spoil([](json& d) { d["layers"]["guard"][0][1] = json::array(); },
          ": layers.guard[0][1]: expected a whole number, found an array");
    spoil([](json& d) { d["layers"]["earth"][1][0] = "7"; },
          ": layers.earth[1][0]: expected a whole number, found a text");
    // Missing and unknown fields.
    spoil([](json& d) { d.erase("width"); }, ": width: missing");
    spoil([](json& d) { d.erase("notes"); }, ": notes: missing");
    spoil([](json& d) { d.erase("layers"); }, ": layers: missing");
    spoil([](json& d) { d["layers"].erase("guard"); }, ": layers.guard: missing");
    spoil([](json& d) { d["layers"]["objects"] = d["layers"]["object"]; },
          ": layers.objects: no such layer");
    bad.push_back({R"({"width": 2, "width": 2})", ": width: given twice"});
    // Names quoted from the document stay on the one line of the refusal.
    bad.push_back({R"({"layers": {"ear\r\nth": []}})", R"(: layers.ear\x0D\x0Ath: no such layer)"});
    // Row counts and lengths.
    spoil([](json& d) { d["layers"]["item"].erase(1); },
          ": layers.item: 1 rows, expected height + 1 = 2");
    spoil(
        [](json& d) {
            d["layers"]["action"].push_back({0, 0});
        },
        ": layers.action: 3 rows, expected height + 1 = 2");
    spoil([](json& d) { d["layers"]["block"][1].push_back(0); },
          ": layers.block[1]: 3 values, expected width = 2");
    spoil([](json& d) { d["layers"]["earth"][0].erase(0); },
          ": layers.earth[0]: 1 values, expected width = 2");
    // Values.
    spoil([](json& d) { d["layers"]["earth"][0][1] = 256; },
          ": layers.earth[0][1]: 256 is out of range 0..255");
    spoil([](json& d) { d["layers"]["object"][1][0] = 70000; },
          ": layers.object[1][0]: 70000 is out of range 0..65535");
    spoil([](json& d) { d["layers"]["action"][1][1] = -1; },
          ": layers.action[1][1]: -1 is out of range 0..65535");
    spoil([](json& d) { d["layers"]["guard"][0][0] = 1.5; },
          ": layers.guard[0][0]: 1.5 is not a whole number");
    bad.push_back({std::string(R"({"layers": {"item": [[1e2]]}})"),
                   ": layers.item[0][0]: 1e2 is not a whole number"});
    bad.push_back({std::string(R"({"layers": {"block": [[123456789012345678901234567890]]}})"),
                   ": layers.block[0][0]: 123456789012345678901234567890 is out of range 0..255"});
    bad.push_back({std::string(R"({"layers": {"object": [[18446744073709551616]]}})"),
                   ": layers.object[0][0]: 18446744073709551616 is out of range 0..65535"});
    // Sizes.
    spoil([](json& d) { d["width"] = -1; }, ": width: -1 is out of range 0..2147483647");
    spoil([](json& d) { d["height"] = 2147483648LL; },
          ": height: 2147483648 is out of range 0..2147483647");
    spoil([](json& d) { d["width"] = 2.0; }, ": width: 2.0 is not a whole number");
    spoil(
        [](json& d) {
            d["width"] = 2000000000;
            d["height"] = 2000000000;
        },
        ": width, height: the editor does not load a location of 2000000000 x 2000000001 cells");
    // Notes.
    spoil([](json& d) { d["notes"] = "snow \xE2\x98\x83 here"; },
          ": notes: character 6 (\"\xE2\x98\x83\", U+2603) has no code in code page 1251");
    return bad;
}

TEST(InterchangeImport, RefusesEveryBadDocumentInOneLineWritingNothing) {
    World w;
    w.makeLocation("old", 3, 2, "old notes", false, 6);
    const auto before = w.snapshot();
    const fs::path document = w.root.path() / "in.json";
    for (const BadDocument& bad : badDocuments()) {
        std::ofstream(document, std::ios::binary | std::ios::trunc) << bad.text;
        for (const char* target : {"new", "old"}) {
            const auto r = w.importJson(target, document, true);
            EXPECT_EQ(r.exitCode, 2) << bad.text;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err.rfind("mapedit import: " + document.string() + ": ", 0), 0u) << r.err;
            EXPECT_NE(r.err.find(bad.says), std::string::npos) << bad.text << "\n" << r.err;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
            EXPECT_EQ(w.snapshot(), before) << bad.text;
        }
    }
}

TEST(InterchangeImport, ReplacesAnExistingLocationOnlyWhenAsked) {
    World w;
    // The old location is larger, not round and has notes: a replacement
    // keeps none of it.
    w.makeLocation("old", 12, 9, "old notes", false, 7);
    w.makeLocation("small", 3, 1, "", true, 8);
    const fs::path document = w.root.path() / "small.json";
    ASSERT_EQ(w.exportJson("small", document).exitCode, 0);
    const auto before = w.snapshot();
    auto r = w.importJson("old", document);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--replace"), std::string::npos) << r.err;
    EXPECT_EQ(w.snapshot(), before);

    // A grid file alone makes the name taken, too.
    w.root.write("Maps/Default/lonely.map", "xyz");
    r = w.importJson("LONELY", document);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(w.file("lonely.map"), "xyz");

    w.expectRoundTrip("small", "old", true);
    EXPECT_FALSE(w.has("old.inf"));
    EXPECT_EQ(w.file("old.config"), "[CONFIG]\r\nWidth=3\r\nHeight=1\r\n");
}

TEST(InterchangeImport, RefusesBadTargets) {
    World w;
    w.makeLocation("small", 2, 1, "", true, 9);
    const fs::path document = w.root.path() / "small.json";
    ASSERT_EQ(w.exportJson("small", document).exitCode, 0);
    const auto before = w.snapshot();
    for (const char* name : {"", "a/b", "a\\b", "snow\xE2\x98\x83"}) {
        const auto r = w.importJson(name, document);
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_NE(r.err.find("cannot be a location's name"), std::string::npos) << r.err;
    }
    auto r = runProcess(MAPEDIT_CLI, {"import", "--root", w.dir, "--map", "Nowhere", "--location",
                                      "x", document.string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("does not exist"), std::string::npos) << r.err;
    r = w.importJson("x", w.root.path() / "missing.json");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("missing.json: cannot be read"), std::string::npos) << r.err;
    r = w.importJson("x", w.root.path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(w.snapshot(), before);
}

} // namespace
