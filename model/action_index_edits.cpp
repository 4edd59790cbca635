#include "model/action_index_edits.h"

#include "model/action_files.h"
#include "model/location_files.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/ini_document.h"
#include "support/ini_lines.h"
#include "support/ini_text.h"
#include "support/mdl_ini.h"

#include <algorithm>
#include <optional>

namespace managers {
namespace {

const char* const kSection = "ACTIONS";

// The number of an entry key "A" + n (n decimal, without leading zeros), or
// nothing for any other key.
std::optional<std::int32_t> entryNumber(std::string_view key) {
    if (key.size() < 2 || key.size() > 11 || (key[0] != 'A' && key[0] != 'a'))
        return std::nullopt;
    const std::string_view digits = key.substr(1);
    if (digits.size() > 1 && digits[0] == '0')
        return std::nullopt;
    std::int64_t n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(n);
}

} // namespace

bool isActionNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '[' || c == ']';
}

ActionNameProblem checkNewActionName(std::string_view mapFolder,
                                     const std::vector<std::string>& indexNames,
                                     std::string_view name) {
    if (name.empty())
        return ActionNameProblem::Empty;
    if (!std::all_of(name.begin(), name.end(), isActionNameCharacter))
        return ActionNameProblem::Character;
    if (name.size() > kMostActionNameBytes)
        return ActionNameProblem::TooLong;
    if (indexNames.size() >= static_cast<std::size_t>(kMostActions))
        return ActionNameProblem::TooManyActions;
    for (const std::string& listed : indexNames) {
        if (cp1251::sameNameIgnoringCase(listed, name))
            return ActionNameProblem::InIndex;
    }
    if (fsys::probe(std::string(mapFolder) + std::string(name)) != fsys::Probe::Missing)
        return ActionNameProblem::FileExists;
    return ActionNameProblem::None;
}

bool appendToActionIndex(std::string_view indexFile, std::string_view name, std::error_code& ec) {
    const std::string entry = std::to_string(readActionIndex(indexFile).size());
    const std::string key = "A" + entry;
    const mdlINI::IniValue values[] = {{"Count", entry}, {key, name}};
    return mdlINI::WriteIniValues(indexFile, kSection, values, ec);
}

bool renameActionIndexEntry(std::string_view indexFile, std::int32_t entry, std::string_view name,
                            std::error_code& ec) {
    return mdlINI::WriteIniReporting(indexFile, kSection, "A" + std::to_string(entry), name, ec);
}

std::string indexBytesWithout(std::string_view bytes, std::int32_t entry, std::int32_t last) {
    std::string out;
    out.reserve(bytes.size());
    ini::LineReader reader(bytes);
    ini::Line line;
    enum { Before, Inside, After } where = Before;
    std::size_t copied = 0; // bytes before this offset are in `out` or dropped
    while (reader.next(line)) {
        if (line.kind == ini::Line::Kind::Section) {
            if (where == Inside)
                where = After;
            else if (where == Before && ini::sameName(line.name, kSection))
                where = Inside;
            continue;
        }
        if (where != Inside || line.kind != ini::Line::Kind::Entry)
            continue;
        const std::optional<std::int32_t> n = entryNumber(line.name);
        if (!n || *n < entry || *n > last)
            continue;
        out.append(bytes.substr(copied, line.begin - copied));
        copied = line.next;
        if (*n == entry)
            continue; // the entry's line goes
        // "A" + n becomes "A" + (n - 1); the line's other bytes stay.
        const std::size_t keyStart = static_cast<std::size_t>(line.name.data() - bytes.data());
        out.append(bytes.substr(line.begin, keyStart - line.begin));
        out += line.name[0];
        out += std::to_string(*n - 1);
        out.append(
            bytes.substr(keyStart + line.name.size(), line.next - keyStart - line.name.size()));
    }
    out.append(bytes.substr(copied));
    return ini::bytesAfterWrite(out, kSection, "Count", std::to_string(last - 1)).value_or(out);
}

bool removeActionIndexEntry(std::string_view indexFile, std::int32_t entry, std::error_code& ec) {
    ec.clear();
    const auto last = static_cast<std::int32_t>(readActionIndex(indexFile).size()) - 1;
    if (entry < 0 || entry > last) {
        ec = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    std::string bytes;
    if (!fsys::readWholeFile(indexFile, bytes, ec, mdlINI::kMaxIniFileBytes))
        return false;
    return fsys::writeWholeFile(indexFile, indexBytesWithout(bytes, entry, last), ec);
}

bool anyIndexNames(std::string_view mapFolder, std::string_view name) {
    std::error_code ec;
    const std::string pattern = "*." + model::GetFileType(model::kActionIndexFile);
    for (const std::string& index :
         fsys::listFolder(mapFolder, pattern, fsys::EntryKind::Files, ec)) {
        const std::string file = std::string(mapFolder) + index;
        if (mdlINI::IniReadProblem(file))
            return true; // an index that cannot be read may name it
        for (const std::string& listed : readActionIndex(file)) {
            if (cp1251::sameNameIgnoringCase(listed, name))
                return true;
        }
    }
    return false;
}

} // namespace managers
