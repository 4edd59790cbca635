// Reading the files the windows ask many values of: an action index and the
// palette's editor.ini with its catalogue, against a plain read of the same
// bytes, and against reading each value on its own (a pass over the file per
// value, as a single-value INI read does).

#include "model/action_files.h"
#include "model/palette_file.h"
#include "support/file_system.h"
#include "support/ini_document.h"
#include "test_support/temp_folder.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

// "A" + i, the key of action i in the index.
std::string actionKey(int i) {
    std::string key = "A";
    key += std::to_string(i);
    return key;
}

const testing_support::TempFolder& folder() {
    static testing_support::TempFolder made;
    return made;
}

// Maps/Default/main.actl listing `count` actions; written once per count.
std::string actionIndex(int count) {
    static std::map<int, std::string> written;
    const std::string relative = "Maps/Default/index" + std::to_string(count) + ".actl";
    if (!written.count(count)) {
        std::string bytes = "[ACTIONS]\r\nCount=" + std::to_string(count - 1) + "\r\n";
        for (int i = 0; i < count; ++i)
            bytes += actionKey(i) + "=action_number_" + std::to_string(i) + "\r\n";
        folder().write(relative, bytes);
        written[count] = folder().text() + "Maps\\Default\\index" + std::to_string(count) + ".actl";
    }
    return written[count];
}

std::string wholeFile(const std::string& file) {
    std::string bytes;
    std::error_code ec;
    fsys::readWholeFile(file, bytes, ec);
    return bytes;
}

void BM_PlainReadOfIndex(benchmark::State& state) {
    const std::string file = actionIndex(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(wholeFile(file));
}

void BM_ReadActionIndex(benchmark::State& state) {
    const std::string file = actionIndex(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(managers::readActionIndex(file));
}

void BM_IndexValueByValue(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string file = actionIndex(count);
    for (auto _ : state) {
        const std::string bytes = wholeFile(file);
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i)
            names.push_back(ini::readValue(bytes, "ACTIONS", actionKey(i), "Noname"));
        benchmark::DoNotOptimize(names);
    }
}

// Resources/editor.ini with one category of 1000 entries from catalogue.ini.
std::string paletteFolder() {
    static const std::string resources = [] {
        std::string editor = "[CATAGORIES]\r\nCount=0\r\nCategory0=all\r\n[CATEGORY-0]\r\n"
                             "Count=999\r\nLevel=1\r\nDefaultSource=catalogue.ini\r\n";
        std::string catalogue = "[DATA]\r\nCount=999\r\n";
        for (int i = 0; i < 1000; ++i) {
            const std::string entry = "OBJ-" + std::to_string(i);
            editor += "Data" + std::to_string(i) + "=" + entry + "\r\n";
            catalogue += "[" + entry + "]\r\nFileName=object" + std::to_string(i) +
                         ".bmp\r\nMaskFileName=mask" + std::to_string(i) +
                         ".bmp\r\nName=Object number " + std::to_string(i) +
                         "\r\nBlock=010,111,010\r\n";
        }
        folder().write("Resources/editor.ini", editor);
        folder().write("Resources/catalogue.ini", catalogue);
        return folder().text() + "Resources\\";
    }();
    return resources;
}

void BM_PlainReadOfPalette(benchmark::State& state) {
    const std::string resources = paletteFolder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(wholeFile(resources + "editor.ini"));
        benchmark::DoNotOptimize(wholeFile(resources + "catalogue.ini"));
    }
}

void BM_PaletteEntries(benchmark::State& state) {
    const editor::PaletteFile palette(paletteFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(palette.entries(0));
}

} // namespace

BENCHMARK(BM_PlainReadOfIndex)->Arg(1000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadActionIndex)->Arg(1000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexValueByValue)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadOfPalette)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaletteEntries)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
