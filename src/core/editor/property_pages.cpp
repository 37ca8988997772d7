#include "core/editor/property_pages.h"

#include "core/model/derived_fields.h"
#include "core/model/store_texts.h"
#include "core/resources/string_table.h"

namespace brenmoor {

namespace {

constexpr int kRowHeightTwips = 300;

void paintValue(GridControl& grid, int row, const ValueCell& cell, PageSubject& s) {
    if (!cell.field.empty())
        grid.setTextMatrix(row, 1, shownCellText(cell, s));
    if (const Colour colour = cell.paint.of(s); colour != Colour::Default)
        grid.paintCell(row, 1, gridColour(colour));
}

} // namespace

GridColor gridColour(Colour colour) {
    switch (colour) {
    case Colour::Grey:
        return kGreyColor;
    case Colour::White:
        return kWhiteColor;
    case Colour::Default:
        break;
    }
    return kDefaultColor;
}

PageSubject pageSubject(Project& project, ItemKind page, int number, bool pulseRowEnabled) {
    CONFIG& subnet = project.store.subnets[0];
    PageSubject s{project, subnet, nullptr, nullptr, pulseRowEnabled};
    if (page == ItemKind::Node && number >= 1 && number <= kMaxNodes)
        s.node = &subnet.nodes[static_cast<size_t>(number - 1)];
    if (page == ItemKind::Command && number >= 1 && number <= kMaxCommands)
        s.command = &subnet.commands[static_cast<size_t>(number - 1)];
    return s;
}

void fillPage(GridControl& grid, Project& project, ItemKind page, int number,
              bool& pulseRowEnabled) {
    grid.clear();
    grid.setColAlignment(1, kLeftAlignment);
    PageSubject s = pageSubject(project, page, number, pulseRowEnabled);
    if (page == ItemKind::Subnet) {
        if (s.subnet.protocolMode == text::ModbusMaster)
            pulseRowEnabled = s.subnet.master.outputMode == text::PulseOutput;
        s.pulseRowEnabled = s.subnet.master.outputMode == text::PulseOutput;
        const size_t mode = subnetModeIndex(s.subnet.protocolMode);
        for (const SubnetRow& row : subnetRows()) {
            if (row.label != MessageId{})
                grid.setTextMatrix(row.row, 0, loadString(row.label));
            paintValue(grid, row.row, row.byMode[mode], s);
        }
        return;
    }
    if (page == ItemKind::Command) {
        // A command number that names no slot shows an empty page.
        if (!s.command)
            return;
        refreshSlaveAddress(s.subnet, *s.command);
        refreshCheckType(s.subnet, *s.command);
    }
    for (const PageRow& row : pageRows(page)) {
        grid.setTextMatrix(row.row, 0, loadString(row.label.pick(project.device)));
        paintValue(grid, row.row, row.cell, s);
    }
}

void layoutPropertyGrid(GridControl& grid, int gridWidthTwips) {
    const int width = gridWidthTwips / 2;
    if (width <= 0)
        return;
    for (int col = 0; col < kGridCols; ++col)
        grid.setColWidth(col, width);
    for (int row = 0; row < grid.rows(); ++row)
        grid.setRowHeight(row, kRowHeightTwips);
}

std::string pageRowHelp(ItemKind page, int row, const DeviceSettings& device) {
    const auto help = pageRowHelpId(page, row, device);
    return help ? std::string(loadString(*help)) : std::string();
}

} // namespace brenmoor
