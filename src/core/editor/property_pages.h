#pragma once

#include "core/editor/configuration_tree.h"
#include "core/editor/grid_control.h"
#include "core/model/project.h"

#include <string>

namespace brenmoor {

// The pages the property grid shows, one per kind of tree item. Column 0
// holds the labels, column 1 the values; value cells are grey when they
// cannot be edited and white when they can.
inline constexpr int kGridRowsNewDocument = 33;
inline constexpr int kGridRowsTree = 40;
inline constexpr int kGridCols = 2;
inline constexpr int kLeftAlignment = 1;

void fillFieldbusPage(GridControl& grid, const Project& project);
// A Modbus master's page also decides whether the Output Pulse row is
// editable; the other protocol modes leave `pulseRowEnabled` alone.
void fillSubnetPage(GridControl& grid, const Project& project, int subnetIndex,
                    bool& pulseRowEnabled);
void fillNodePage(GridControl& grid, const Project& project, int node);
// Refreshes the command's slaveAddress and checkType first.
void fillCommandPage(GridControl& grid, Project& project, int command);

// On every resize of the view: each column gets half the grid's width and
// every row 300 twips. A grid without width keeps its sizes.
void layoutPropertyGrid(GridControl& grid, int gridWidthTwips);

// The help text the Info panel shows for a row of a page.
std::string pageRowHelp(ItemKind page, int row, const DeviceSettings& device);

// The grid shows "-1" ("not set") as an empty cell.
std::string shownValue(const std::string& stored);
// "RS485" when the interface is "RS232", otherwise "RS232".
std::string otherInterface(const std::string& commInterface);

} // namespace brenmoor
