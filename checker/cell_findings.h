#pragma once
// Turning the scan's tallies into findings: one per code (the first codes of
// a kind), the rest of a kind summed up in one more.

#include "checker/action_check.h"
#include "checker/finding.h"
#include "checker/grid_scan.h"
#include "checker/resource_check.h"

#include <string>
#include <vector>

namespace checker::detail {

// Codes of one kind reported each with its own finding; further codes of the
// kind share one.
constexpr std::size_t kCodesReportedApart = 20;

void addCellFindings(const std::string& location, const ScanTallies& tallies,
                     const ResourceFacts& resources, const ActionFacts& actions,
                     std::vector<Finding>& findings);

} // namespace checker::detail
