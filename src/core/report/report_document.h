#pragma once

#include "core/mapping/conflict_maps.h"

#include <array>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace brenmoor {

// The commissioning report as content, before any page exists: sections of
// headings, paragraphs, tables and memory maps. The window's print, its
// preview and the PDF of the window and the command line all lay out this
// one document.

struct ReportHeading {
    std::string text;
};

struct ReportParagraph {
    std::string text;
};

// A table; without headers it is a list of labels and values.
struct ReportTable {
    std::vector<std::string> headers;
    std::vector<int> widths; // relative width of each column
    std::vector<std::vector<std::string>> rows;
};

// One row of sixteen bytes of a memory map, as Conflict Detection paints it.
struct ReportMapRow {
    std::string label; // the row's first address, "0010"
    std::array<MapColour, kMapColumns> cells{};
};

struct ReportMap {
    std::string title;
    std::vector<ReportMapRow> rows; // the rows with a byte in use, in address order
};

struct ReportLegend {
    std::vector<std::pair<MapColour, std::string>> entries;
};

using ReportBlock =
    std::variant<ReportHeading, ReportParagraph, ReportTable, ReportMap, ReportLegend>;

struct ReportSection {
    std::string title;
    std::vector<ReportBlock> blocks;
};

struct ReportDocument {
    std::string title;
    ReportTable titleBlock; // project file, date and time, program version
    std::vector<ReportSection> sections;
    std::string pageHeader;         // on top of every page
    std::string pageFooter;         // bottom left of every page
    std::string pageNumberTemplate; // bottom right: "%1" the page, "%2" the pages
};

} // namespace brenmoor
