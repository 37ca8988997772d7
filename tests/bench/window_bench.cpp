// What the window costs with a full command list: Conflict Detection opening
// with its first paint, one check box toggle and a full paint of both maps,
// and the page rebuild when the tree selects a command. Runs headless.
#include "core/model/project.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/mapping/cdtest.h"

#include <QApplication>
#include <QListWidget>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdio>

#include <memory>
#include <string>

namespace brenmoor::gui {
namespace {

INSTRUCTION& addCommand(Project& project, int code, int dataCount, const std::string& mapAddress) {
    CONFIG& subnet = project.store.subnets[0];
    INSTRUCTION& command = subnet.commands[static_cast<size_t>(subnet.commandCount++)];
    command.slaveAddress = "1";
    command.functionCode = std::to_string(code);
    command.startAddress = "0";
    command.dataCount = std::to_string(dataCount);
    command.bitOffset = "0";
    command.mapAddress = mapAddress;
    command.byteCount = "0";
    return command;
}

// 48 commands of maximal size, reads and writes in turn.
Project fullProject() {
    Project project = makeNewProject();
    char address[8];
    for (int i = 0; i < 24; ++i) {
        std::snprintf(address, sizeof address, "%x", i * 0x100);
        addCommand(project, 3, 125, address);
        std::snprintf(address, sizeof address, "%x", 0x4000 + i * 0x100 + 0x80);
        addCommand(project, 16, 123, address);
    }
    return project;
}

void BM_ConflictDetectionOpensWithFirstPaint(benchmark::State& state) {
    const Project project = fullProject();
    MappingState mapping;
    for (auto _ : state) {
        CDTest dialog(project, mapping);
        dialog.show();
        dialog.grab(); // the first complete paint
    }
}
BENCHMARK(BM_ConflictDetectionOpensWithFirstPaint)->Unit(benchmark::kMillisecond);

void BM_ConflictDetectionToggle(benchmark::State& state) {
    const Project project = fullProject();
    MappingState mapping;
    CDTest dialog(project, mapping);
    dialog.show();
    dialog.grab();
    int row = 0;
    for (auto _ : state) {
        QListWidgetItem* item = dialog.commandList()->item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        row = (row + 1) % dialog.commandList()->count();
    }
}
BENCHMARK(BM_ConflictDetectionToggle)->Unit(benchmark::kMicrosecond);

void BM_ConflictDetectionFullPaintOfBothMaps(benchmark::State& state) {
    const Project project = fullProject();
    MappingState mapping;
    CDTest dialog(project, mapping);
    dialog.show();
    for (auto _ : state) {
        dialog.inputGrid()->viewport()->grab();
        dialog.outputGrid()->viewport()->grab();
    }
}
BENCHMARK(BM_ConflictDetectionFullPaintOfBothMaps)->Unit(benchmark::kMillisecond);

// The page of a command built again, as selecting it in the tree does.
void BM_CommandPageRebuild(benchmark::State& state) {
    CMainFrame frame;
    frame.document().newDocument();
    frame.document().project() = fullProject();
    frame.view().storeReplaced();
    frame.show();
    CModbusConfigView& view = frame.view();
    const int commands = frame.document().project().store.subnets[0].commandCount;
    int command = 1;
    for (auto _ : state) {
        view.selectItem(view.editor().commandItem(command));
        command = command % commands + 1;
    }
    frame.document().project().marks.modified = false;
}
BENCHMARK(BM_CommandPageRebuild)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brenmoor::gui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
