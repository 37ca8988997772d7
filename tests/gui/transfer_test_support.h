#pragma once

// What the serial dialogs' suites and the stall probe drive a transfer with.
#include "core/model/project.h"
#include "gui/serial/transfer_dialog.h"

#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <string>

namespace brenmoor::gui::test {

// A configuration with one node and `commands` commands of `functionCode`,
// complete enough to pass the Download dialog's opening check. Each one
// takes `mapStride` bytes of the mapping area.
inline Project projectWithCommands(int commands, const char* functionCode = "3",
                                   int mapStride = 2) {
    Project project = makeNewProject();
    CONFIG& subnet = project.store.subnets[0];
    subnet.nodeCount = 1;
    subnet.nodes[0] = NODE{"7", "Node-7"};
    subnet.commandCount = commands;
    for (int k = 0; k < commands; ++k) {
        INSTRUCTION& command = subnet.commands[static_cast<size_t>(k)];
        command.slaveAddress = "7";
        command.functionCode = functionCode;
        command.startAddress = std::to_string(10 * k);
        command.dataCount = "1";
        command.mapAddress = QString::number(mapStride * k, 16).toStdString();
        command.bitOffset = "0";
        command.swapMode = "No Swap";
        command.scanType = "Fast Scan";
        command.nodeNumber = 1;
    }
    return project;
}

// Presses the dialog's action button and waits for the end of the transfer
// it started; false when it did not end within `waitMs`.
inline bool pressAndWait(TransferDialog* dialog, int waitMs) {
    bool ended = false;
    auto connection = QObject::connect(dialog, &TransferDialog::transferFinished,
                                       [&ended](bool) { ended = true; });
    dialog->actionButton()->click();
    const bool done = QTest::qWaitFor([&] { return ended; }, waitMs);
    QObject::disconnect(connection);
    return done;
}

} // namespace brenmoor::gui::test
