#include "core/report/report_builder.h"

#include "brenmoor_version.h"
#include "core/editor/memory_grid.h"
#include "core/editor/property_pages.h"
#include "core/mapping/mapping_numbers.h"
#include "core/model/local_time.h"
#include "core/model/text_encoding.h"
#include "core/report/io_map.h"
#include "core/report/report_findings.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_documents.h"
#include "core/resources/messages_editor.h"
#include "core/resources/messages_export.h"
#include "core/resources/messages_gui.h"
#include "core/resources/messages_mapping.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>

namespace brenmoor {

namespace {

std::string textOf(MessageId id) {
    return std::string(loadString(id));
}

struct PageLine {
    std::string label;
    std::string value;
};

// A page as the grid shows it, row by row; rows without label and value
// are left out.
std::vector<PageLine> pageLines(Project& project, ItemKind page, int number) {
    MemoryGrid grid;
    grid.setRows(kGridRowsTree);
    grid.setCols(kGridCols);
    bool pulseRowEnabled = false;
    fillPage(grid, project, page, number, pulseRowEnabled);
    std::vector<PageLine> lines;
    for (int row = 0; row < grid.rows(); ++row) {
        PageLine line{grid.textMatrix(row, 0), utf8Text(grid.textMatrix(row, 1))};
        if (!line.label.empty() || !line.value.empty())
            lines.push_back(std::move(line));
    }
    return lines;
}

ReportTable labelValueTable(const std::vector<PageLine>& lines) {
    ReportTable table;
    table.widths = {2, 3};
    for (const PageLine& line : lines)
        table.rows.push_back({line.label, line.value});
    return table;
}

std::string formattedTime(std::time_t time) {
    const std::tm local = localTimeOf(time);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M", &local);
    return buffer;
}

// The commands of one node (or of none) as one table, a row per command
// with every row of its page.
ReportTable commandTable(Project& project, const std::vector<int>& commands) {
    ReportTable table;
    for (const int c : commands) {
        const INSTRUCTION& command = project.store.subnets[0].commands[static_cast<size_t>(c - 1)];
        const FunctionCodeRecord* record = functionCodeRecord(command);
        const std::vector<PageLine> lines = pageLines(project, ItemKind::Command, c);
        if (table.headers.empty()) {
            table.headers = {textOf(msg::HeaderNumber), textOf(msg::ReportCommand)};
            for (const PageLine& line : lines)
                table.headers.push_back(line.label);
        }
        std::vector<std::string> row{std::to_string(c),
                                     record ? textOf(record->name) : std::string()};
        for (const PageLine& line : lines)
            row.push_back(line.value);
        table.rows.push_back(std::move(row));
    }
    return table;
}

ReportSection nodesSection(Project& project) {
    ReportSection section{textOf(msg::ReportNodesAndCommands), {}};
    const CONFIG& subnet = project.store.subnets[0];
    const int nodes = std::clamp(subnet.nodeCount, 0, kMaxNodes);
    std::vector<std::vector<int>> commandsOf(static_cast<size_t>(nodes) + 1);
    for (int k = 0; k < usedCommandCount(subnet); ++k) {
        const int n = subnet.commands[static_cast<size_t>(k)].nodeNumber;
        commandsOf[n >= 1 && n <= nodes ? static_cast<size_t>(n - 1) : commandsOf.size() - 1]
            .push_back(k + 1);
    }
    if (nodes == 0)
        section.blocks.emplace_back(ReportParagraph{textOf(msg::ReportNoNodes)});
    for (int n = 1; n <= nodes; ++n) {
        section.blocks.emplace_back(
            ReportHeading{utf8Text(subnet.nodes[static_cast<size_t>(n - 1)].name)});
        section.blocks.emplace_back(labelValueTable(pageLines(project, ItemKind::Node, n)));
        const std::vector<int>& commands = commandsOf[static_cast<size_t>(n - 1)];
        if (commands.empty())
            section.blocks.emplace_back(ReportParagraph{textOf(msg::ReportNoCommands)});
        else
            section.blocks.emplace_back(commandTable(project, commands));
    }
    if (!commandsOf.back().empty()) {
        section.blocks.emplace_back(ReportHeading{textOf(msg::ReportCommandsWithoutNode)});
        section.blocks.emplace_back(commandTable(project, commandsOf.back()));
    }
    return section;
}

ReportSection mapsSection(const Project& project) {
    ReportSection section{textOf(msg::ReportMemoryMaps), {}};
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    for (const MapArea area : {MapArea::Input, MapArea::Output}) {
        ReportMap map{textOf(area == MapArea::Input ? msg::InputAreaLabel : msg::OutputAreaLabel),
                      {}};
        for (int row = 0; row < kInputBytes / kMapColumns; ++row) {
            ReportMapRow line{mapRowLabel(area, row), {}};
            bool used = false;
            for (int c = 0; c < kMapColumns; ++c) {
                line.cells[static_cast<size_t>(c)] = maps.cellColour(area, row * kMapColumns + c);
                used |= line.cells[static_cast<size_t>(c)] != MapColour::Free;
            }
            if (used)
                map.rows.push_back(std::move(line));
        }
        section.blocks.emplace_back(ReportHeading{map.title});
        if (map.rows.empty())
            section.blocks.emplace_back(ReportParagraph{textOf(msg::ReportMapUnused)});
        else
            section.blocks.emplace_back(std::move(map));
    }
    ReportLegend legend;
    for (const MapColour colour :
         {MapColour::Green, MapColour::Blue, MapColour::Red, MapColour::Yellow})
        legend.entries.emplace_back(colour, mapColourLegend(colour));
    section.blocks.emplace_back(std::move(legend));
    return section;
}

void addFindings(ReportSection& section, MessageId heading, const std::vector<std::string>& lines,
                 MessageId none) {
    section.blocks.emplace_back(ReportHeading{textOf(heading)});
    if (lines.empty())
        section.blocks.emplace_back(ReportParagraph{textOf(none)});
    for (const std::string& line : lines)
        section.blocks.emplace_back(ReportParagraph{utf8Text(line)});
}

ReportSection ioMapSection(const Project& project, const std::vector<IoMapRow>& rows) {
    ReportSection section{textOf(msg::ReportIoMap), {}};
    section.blocks.emplace_back(ReportParagraph{textOf(msg::ReportIoMapIntro)});
    ReportTable table;
    table.headers = {textOf(msg::ReportDirection),
                     textOf(msg::ReportOffset),
                     textOf(msg::ReportLength),
                     textOf(msg::LabelBitOffset),
                     textOf(project.device.dataFilter ? msg::LabelDataFilter : msg::LabelByteSwap),
                     textOf(msg::ReportNode),
                     textOf(msg::ReportCommand)};
    table.widths = {5, 4, 4, 4, 6, 6, 10};
    for (const IoMapRow& row : rows)
        table.rows.push_back(
            {textOf(row.direction == MapArea::Input ? msg::LegendInput : msg::LegendOutput),
             row.offset ? std::to_string(*row.offset) : textOf(msg::ReportNotMapped),
             std::to_string(row.length), row.bitOffset, utf8Text(row.byteSwap), utf8Text(row.node),
             row.command});
    if (rows.empty())
        section.blocks.emplace_back(ReportParagraph{textOf(msg::ReportNoCommands)});
    else
        section.blocks.emplace_back(std::move(table));
    return section;
}

} // namespace

ReportDocument buildReport(const Project& project, const ReportSource& source) {
    // Showing a page refreshes what a command copies from its node and its
    // subnet; the report shows the pages of a copy and leaves the project.
    Project copy = project;
    ReportDocument doc;
    doc.title = textOf(msg::ReportTitle);
    const std::string file =
        source.projectFile.empty() ? textOf(msg::ReportUntitled) : source.projectFile;
    doc.titleBlock.widths = {1, 3};
    doc.titleBlock.rows = {{textOf(msg::ReportProjectFile), file},
                           {textOf(msg::ReportCreated), formattedTime(source.created)},
                           {textOf(msg::ReportProgramVersion), BRENMOOR_VERSION}};
    doc.pageHeader = doc.title + " - " + file;
    doc.pageFooter = textOf(msg::AppTitle) + " " + BRENMOOR_VERSION;
    doc.pageNumberTemplate = textOf(msg::ReportPageNumber);

    doc.sections.push_back(
        {textOf(msg::FieldbusRoot), {labelValueTable(pageLines(copy, ItemKind::Fieldbus, 0))}});
    doc.sections.push_back(
        {textOf(msg::SubnetRoot), {labelValueTable(pageLines(copy, ItemKind::Subnet, 0))}});
    doc.sections.push_back(nodesSection(copy));
    doc.sections.push_back(mapsSection(copy));

    const std::vector<IoMapRow> ioMap = buildIoMap(copy);
    const ReportFindings findings = findReportFindings(project, ioMap);
    ReportSection found{textOf(msg::ReportFindings), {}};
    addFindings(found, msg::ReportConflicts, findings.conflicts, msg::ReportNoConflicts);
    addFindings(found, msg::ReportChecks, findings.checks, msg::ReportChecksPass);
    addFindings(found, msg::ReportOverflow, findings.overflow, msg::ReportNoOverflow);
    doc.sections.push_back(std::move(found));
    doc.sections.push_back(ioMapSection(copy, ioMap));
    return doc;
}

} // namespace brenmoor
