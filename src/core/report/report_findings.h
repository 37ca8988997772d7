#pragma once

#include "core/model/project.h"
#include "core/report/io_map.h"

#include <string>
#include <vector>

namespace brenmoor {

// What the report says about the layout and the checks, each as lines of
// text: an empty list means nothing was found (the report says so).
struct ReportFindings {
    // Each run of bytes Conflict Detection paints red, with the commands on it.
    std::vector<std::string> conflicts;
    // The messages the Download dialog's checks show on opening.
    std::vector<std::string> checks;
    // The total of input and output bytes beyond what the gateway moves.
    std::vector<std::string> overflow;
};

ReportFindings findReportFindings(const Project& project, const std::vector<IoMapRow>& ioMap);

} // namespace brenmoor
