#pragma once
// The actions of one location: its action index and the action files it
// names. Which actions are broken is what the cell check looks up for the
// cells that refer to them.

#include "checker/finding.h"

#include <cstdint>
#include <string>
#include <vector>

namespace checker::detail {

struct ActionFacts {
    bool indexExists = false;
    bool indexReadable = true;
    std::string indexFile;
    std::vector<std::string> names; // action i, named by Doors value i + 1
    std::vector<bool> broken;       // by action: missing, unreadable, outside, bad steps
    std::vector<std::string> brokenWhy, brokenWhyEnglish; // by action, for the cells' finding
};

ActionFacts checkActions(const std::string& mapFolder, const std::string& location,
                         std::vector<Finding>& findings);

} // namespace checker::detail
