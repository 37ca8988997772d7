#include "core/editor/command_summary.h"

#include "core/editor/page_catalogue.h"
#include "core/model/derived_fields.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_desktop.h"
#include "core/resources/string_table.h"

#include <array>

namespace brenmoor {

namespace {

constexpr std::array kSummaryFields = {&INSTRUCTION::slaveAddress, &INSTRUCTION::startAddress,
                                       &INSTRUCTION::dataCount, &INSTRUCTION::mapAddress};

} // namespace

std::string commandSummary(const Project& project, int subnet, int command) {
    if (subnet < 0 || subnet >= kSubnetCount || command < 0)
        return {};
    const CONFIG& config = project.store.subnets[static_cast<size_t>(subnet)];
    if (command >= std::min(config.commandCount, kMaxCommands))
        return {};
    // The page shows a copy of the command with its node's address brought
    // up to date; the summary reads the same copy and changes nothing.
    INSTRUCTION shown = config.commands[static_cast<size_t>(command)];
    refreshSlaveAddress(config, shown);
    PageSubject s{const_cast<Project&>(project), const_cast<CONFIG&>(config), nullptr, &shown};

    std::string summary;
    for (const auto field : kSummaryFields)
        for (const PageRow& row : pageRows(ItemKind::Command)) {
            if (row.cell.field.command != field)
                continue;
            if (!summary.empty())
                summary += '\n';
            summary += fillIn(msg::SummaryLine, {loadString(row.label.pick(project.device)),
                                                 shownCellText(row.cell, s)});
        }
    return summary;
}

std::string itemToolTip(const ConfigurationEditor& editor, ItemId item) {
    if (editor.kindOf(item) != ItemKind::Command)
        return {};
    // The tree shows the first subnet's commands, numbered from 1.
    return commandSummary(editor.project(), 0, editor.tree().data(item) - 1);
}

} // namespace brenmoor
