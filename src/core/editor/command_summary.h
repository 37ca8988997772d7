#pragma once

#include "core/editor/configuration_editor.h"
#include "core/model/project.h"

#include <string>

namespace brenmoor {

// What tells a command from the others of its function under the same node:
// its slave address, starting address, number of data and mapping address,
// one line each, labelled and shown as the command's page shows them. The
// tree's command items and the rows of Conflict Detection carry it as their
// tooltip. `command` counts from 0; empty for a command that is not there.
std::string commandSummary(const Project& project, int subnet, int command);

// The tooltip of a tree item: a command item's summary, nothing for the
// other items.
std::string itemToolTip(const ConfigurationEditor& editor, ItemId item);

} // namespace brenmoor
