#include "checker/finding_format.h"

#include "support/cp1251.h"

#include <cstdio>

namespace checker {
namespace {

std::string severityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string cellText(const Cell& cell) {
    return std::to_string(cell.x) + "," + std::to_string(cell.y);
}

// The cells listed after the first, and the number of the rest.
// "клетка", "клетки" or "клеток" after `count`, in UTF-8.
const char* cellsWord(std::uint64_t count) {
    const std::uint64_t lastTwo = count % 100;
    const std::uint64_t last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return "клеток";
    if (last == 1)
        return "клетка";
    if (last >= 2 && last <= 4)
        return "клетки";
    return "клеток";
}

std::string otherCells(const Finding& finding, std::uint64_t& more) {
    std::string cells;
    const std::size_t listed = finding.firstCells.size();
    for (std::size_t i = 1; i < listed; ++i)
        cells += cellText(finding.firstCells[i]) + "; ";
    // The first cell is the finding's own; a finding without cells names one place.
    const std::uint64_t shown = listed == 0 ? 1 : listed;
    more = finding.count > shown ? finding.count - shown : 0;
    return cells;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// A code page 1251 text as a JSON string.
std::string json1251(std::string_view text) {
    return jsonString(cp1251::toUtf8(text));
}

} // namespace

std::string repeatNote(const Finding& finding) {
    if (!finding.cell)
        return finding.count > 1 ? " (" + std::to_string(finding.count) + " in all)" : "";
    std::uint64_t more = 0;
    const std::string cells = otherCells(finding, more);
    if (cells.empty() && more == 0)
        return {};
    std::string note = " (";
    if (!cells.empty())
        note += "also at " + cells.substr(0, cells.size() - 2);
    if (more > 0)
        note += (cells.empty() ? "and " : "; and ") + std::to_string(more) + " more " +
                (more == 1 ? "cell" : "cells");
    return note + ")";
}

std::string repeatNoteRussian(const Finding& finding) {
    if (!finding.cell)
        return finding.count > 1
                   ? cp1251::fromUtf8(" (всего " + std::to_string(finding.count) + ")")
                   : "";
    std::uint64_t more = 0;
    const std::string cells = otherCells(finding, more);
    if (cells.empty() && more == 0)
        return {};
    std::string note = " (";
    if (!cells.empty())
        note += cp1251::fromUtf8("также в ") + cells.substr(0, cells.size() - 2);
    if (more > 0)
        note += cp1251::fromUtf8((cells.empty() ? "и ещё " : "; и ещё ") + std::to_string(more) +
                                 " " + cellsWord(more));
    return note + ")";
}

std::string findingLine(const Finding& finding) {
    std::string line;
    if (!finding.location.empty())
        line += cp1251::toUtf8(finding.location);
    if (finding.cell)
        line += (line.empty() ? "" : ":") + cellText(*finding.cell);
    if (!line.empty())
        line += ": ";
    return line + severityName(finding.severity) + ": " + cp1251::toUtf8(finding.sentenceEnglish) +
           repeatNote(finding);
}

std::string summaryLine(const CheckResult& result) {
    const std::size_t errors = result.errors();
    const std::size_t warnings = result.warnings();
    std::string line = std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") +
                       std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings");
    if (result.cancelled)
        line += " (the check was cancelled before its end)";
    return line;
}

std::string findingsJson(const CheckRequest& request, const CheckResult& result) {
    std::string out = "{\n  \"map\": " + json1251(request.map) +
                      ",\n  \"location\": " + json1251(request.location) +
                      ",\n  \"ran\": " + (result.ran ? "true" : "false") +
                      ",\n  \"failure\": " + json1251(result.failureEnglish) +
                      ",\n  \"cancelled\": " + (result.cancelled ? "true" : "false") +
                      ",\n  \"findings\": [";
    bool first = true;
    for (const Finding& f : result.findings) {
        out += first ? "\n" : ",\n";
        first = false;
        out += "    {\"severity\": \"" + severityName(f.severity) +
               "\", \"location\": " + json1251(f.location) + ", \"cell\": ";
        out += f.cell ? "{\"x\": " + std::to_string(f.cell->x) +
                            ", \"y\": " + std::to_string(f.cell->y) + "}"
                      : std::string("null");
        out += ", \"kind\": " + jsonString(f.kind) + ", \"sentence\": " + json1251(f.sentence) +
               ", \"sentenceEnglish\": " + json1251(f.sentenceEnglish) +
               ", \"count\": " + std::to_string(f.count) + ", \"firstCells\": [";
        for (std::size_t i = 0; i < f.firstCells.size(); ++i)
            out += (i ? ", " : "") + std::string("{\"x\": ") + std::to_string(f.firstCells[i].x) +
                   ", \"y\": " + std::to_string(f.firstCells[i].y) + "}";
        out += "], \"line\": " + jsonString(findingLine(f)) + "}";
    }
    out += first ? "]" : "\n  ]";
    out += ",\n  \"errors\": " + std::to_string(result.errors()) +
           ",\n  \"warnings\": " + std::to_string(result.warnings()) +
           ",\n  \"summary\": " + jsonString(summaryLine(result)) + "\n}\n";
    return out;
}

} // namespace checker
