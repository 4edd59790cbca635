#pragma once
// The findings as text for programs and people outside the editor: one line
// per finding, a summary line, and one JSON document. Everything returned
// here is UTF-8.

#include "checker/finding.h"
#include "checker/map_check.h"

#include <string>

namespace checker {

// What a repeated finding adds after its sentence: the other first cells
// and how many more there are, e.g. " (also at 4,5; 6,7; and 37 more cells)";
// empty for a finding of one place. A finding without a cell counts its
// places: " (6 in all)". In English, and in Russian (code page 1251) for the
// editor: " (также в 4,5; 6,7; и ещё 37 клеток)", " (всего 6)".
std::string repeatNote(const Finding& finding);
std::string repeatNoteRussian(const Finding& finding);

// "location:x,y: error|warning: sentence" in English, the parts that do not
// apply left out ("error: ..." for a map-wide finding, "main: warning: ..."
// for one without a cell), the repeat note appended.
std::string findingLine(const Finding& finding);

// "N errors, M warnings" and, for a cancelled check, that it was cancelled.
std::string summaryLine(const CheckResult& result);

// One JSON document: the map and location asked for, whether the check ran
// (and why not), every finding with all its fields (the sentences in UTF-8,
// the Russian one as "sentence"), the counts and the summary line.
std::string findingsJson(const CheckRequest& request, const CheckResult& result);

} // namespace checker
