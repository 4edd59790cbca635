#pragma once
// The golden INI cases (tests/data/ini-cases.json): loading them, and building
// a case's starting files in a temporary folder. Header only: it needs the JSON
// library, which only the test executables that use it link.

#include "test_support/temp_folder.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct IniGoldenOp {
    bool isGet = false;
    std::string file; // relative, "/"-separated
    std::string section;
    std::string key;
    std::string text;                     // get: the default; set: the value
    std::string result;                   // get: the bytes returned
    std::optional<std::string> fileAfter; // set: the file's bytes, or none for no file
};

// The only tag that leaves a case binding: results not cross-checked on the
// desktop platform. Every other tag marks results that are known to be wrong
// there, or writes that change untouched lines.
inline const std::string kBindingTag = "unverified";

struct IniGoldenCase {
    std::string name;
    std::vector<std::pair<std::string, std::string>> tags; // tag, its meaning in the file
    std::string note;
    std::vector<std::string> folders;
    std::vector<std::pair<std::string, std::string>> files; // relative path, bytes
    std::vector<IniGoldenOp> ops;

    // Why the case is not binding, or nothing when it is.
    std::optional<std::string> notBindingBecause() const {
        for (const auto& [tag, meaning] : tags) {
            if (tag != kBindingTag)
                return meaning + (note.empty() ? "" : " (" + note + ")");
        }
        return std::nullopt;
    }

    // The case's name as a test name: letters and digits, everything else "_".
    std::string testName() const {
        std::string out = name;
        for (char& c : out) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return out;
    }
};

// How the test framework names a case in its messages.
inline void PrintTo(const IniGoldenCase& goldenCase, std::ostream* os) {
    *os << goldenCase.name;
}

inline std::string fromHex(const std::string& hex) {
    if (hex.size() % 2 != 0)
        throw std::runtime_error("odd hex length");
    std::string out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

inline IniGoldenOp parseIniGoldenOp(const nlohmann::json& o) {
    IniGoldenOp op;
    op.isGet = o.at("op") == "get";
    op.file = o.at("file").get<std::string>();
    op.section = fromHex(o.at("section").get<std::string>());
    op.key = fromHex(o.at("key").get<std::string>());
    if (op.isGet) {
        op.text = fromHex(o.at("default").get<std::string>());
        op.result = fromHex(o.at("result").get<std::string>());
    } else {
        op.text = fromHex(o.at("value").get<std::string>());
        if (!o.at("file_after").is_null())
            op.fileAfter = fromHex(o.at("file_after").get<std::string>());
    }
    return op;
}

inline IniGoldenCase parseIniGoldenCase(const nlohmann::json& c, const nlohmann::json& meanings) {
    IniGoldenCase one;
    one.name = c.at("name").get<std::string>();
    for (const std::string& tag : c.value("tags", std::vector<std::string>()))
        one.tags.emplace_back(tag, meanings.value(tag, "tagged " + tag));
    one.note = c.value("note", "");
    one.folders = c.value("folders", std::vector<std::string>());
    const nlohmann::json files = c.value("files", nlohmann::json::object());
    for (const auto& [file, hex] : files.items())
        one.files.emplace_back(file, fromHex(hex.get<std::string>()));
    for (const auto& o : c.at("ops"))
        one.ops.push_back(parseIniGoldenOp(o));
    return one;
}

// The cases of the file, or an empty list when it cannot be read or is not a
// case file.
inline std::vector<IniGoldenCase> loadIniGoldenCases(const std::string& path) {
    std::vector<IniGoldenCase> cases;
    std::ifstream in(path, std::ios::binary);
    const nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
    if (doc.is_discarded() || !doc.is_object() || doc.value("format", "") != "ini-cases/1")
        return cases;
    try {
        const nlohmann::json meanings = doc.value("tags", nlohmann::json::object());
        for (const auto& c : doc.at("cases"))
            cases.push_back(parseIniGoldenCase(c, meanings));
    } catch (const std::exception&) {
        cases.clear();
    }
    return cases;
}

inline std::filesystem::path nativePath(const TempFolder& root, const std::string& relative) {
    return root.path() / std::filesystem::path(std::u8string(relative.begin(), relative.end()));
}

// The case's folders and starting files, created in `root`.
inline void createIniGoldenFiles(const IniGoldenCase& goldenCase, const TempFolder& root) {
    for (const auto& folder : goldenCase.folders)
        std::filesystem::create_directories(nativePath(root, folder));
    for (const auto& [file, bytes] : goldenCase.files)
        root.write(file, bytes);
}

// The bytes of a file below `root`, or nothing when it does not exist.
inline std::optional<std::string> fileBytes(const TempFolder& root, const std::string& relative) {
    const std::filesystem::path file = nativePath(root, relative);
    if (!std::filesystem::exists(file))
        return std::nullopt;
    return readNative(file);
}

} // namespace testing_support
