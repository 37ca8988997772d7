#pragma once

#include "core/editor/configuration_tree.h"
#include "core/editor/grid_control.h"
#include "core/editor/page_catalogue.h"
#include "core/model/project.h"

#include <string>

namespace brenmoor {

// The pages the property grid shows, one per kind of tree item, painted
// from the page catalogue. Column 0 holds the labels, column 1 the values;
// value cells are grey when they cannot be edited and white when they can.
inline constexpr int kGridRowsNewDocument = 33;
inline constexpr int kGridRowsTree = 40;
inline constexpr int kGridCols = 2;
inline constexpr int kLeftAlignment = 1;

// The page of `page` for node or command `number` (1-based; ignored for
// the fieldbus and the subnet). A command's page first brings the
// command's copies of its node's address and of the check type up to date.
// A Modbus master's page also decides whether the Output Pulse row is
// editable; the other protocol modes leave `pulseRowEnabled` alone.
void fillPage(GridControl& grid, Project& project, ItemKind page, int number,
              bool& pulseRowEnabled);

// What the page catalogue's rules see of `project` for that page; the
// node or command is null when `number` names none.
PageSubject pageSubject(Project& project, ItemKind page, int number, bool pulseRowEnabled);

// On every resize of the view: each column gets half the grid's width and
// every row 300 twips. A grid without width keeps its sizes.
void layoutPropertyGrid(GridControl& grid, int gridWidthTwips);

// The help text the Info panel shows for a row of a page.
std::string pageRowHelp(ItemKind page, int row, const DeviceSettings& device);

// The grid colour of a catalogue colour.
GridColor gridColour(Colour colour);

} // namespace brenmoor
