#pragma once

#include "core/model/project.h"
#include "core/report/report_document.h"

#include <ctime>
#include <string>

namespace brenmoor {

// What the report says about where it comes from.
struct ReportSource {
    std::string projectFile; // as the user knows it; empty for an untitled document
    std::time_t created = 0;
};

// The commissioning report of a configuration: the fieldbus and subnet
// pages, every node with its commands as their pages show them, the memory
// maps as Conflict Detection paints them, the findings and the I/O map for
// the PLC. The project itself is not changed.
ReportDocument buildReport(const Project& project, const ReportSource& source);

} // namespace brenmoor
