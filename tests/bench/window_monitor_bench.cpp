// What the monitor's window costs per record with its diagnostics panel:
// a tick of timer 1 with the panel's catching up, and a repaint of the
// dialog with the statistics of 48 commands or the plot of two. Runs
// headless, in the window's benchmark program.
#include "core/model/project.h"
#include "core/serial/clock.h"
#include "gui/app/file_dialogs.h"
#include "gui/monitor/cstakeout.h"
#include "gui/monitor/diagnostics_panel.h"
#include "gui/monitor/value_plot.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace brenmoor::gui {
namespace {

// A clock that never waits: the benchmark drives the ticks.
class TickClock : public Clock {
  public:
    int64_t now() override { return now_; }
    void sleepMs(int ms) override { now_ += ms; }
    void advance(int64_t ms) { now_ += ms; }

  private:
    int64_t now_ = 0;
};

// A port that always has the next record waiting.
class RecordPort : public SerialPort {
  public:
    std::deque<uint8_t> input;
    size_t queryStatus() override { return input.size(); }
    bool writeBytes(std::span<const uint8_t>) override { return true; }
    size_t readBytes(std::span<uint8_t> buffer) override {
        const size_t n = std::min(buffer.size(), input.size());
        std::copy_n(input.begin(), n, buffer.begin());
        input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    void closePort() override {}
    bool isOpen() const override { return true; }
};

class RecordOpener : public PortOpener {
  public:
    explicit RecordOpener(RecordPort*& port) : port_(port) {}
    PortOpenResult open(const std::string&, const LineSettings&) override {
        auto port = std::make_unique<RecordPort>();
        port_ = port.get();
        return {std::move(port), PortOpenError::None};
    }

  private:
    RecordPort*& port_;
};

class NoDialogs : public FileDialogs {
  public:
    QString openFileName(QWidget*) override { return {}; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    QString monitorSaveFileName(QWidget*) override { return {}; }
    QString workbookSaveFileName(QWidget*) override { return {}; }
};

// 48 commands on 48 slaves, ten registers each from address 1000 + n.
ParameterStore plant() {
    ParameterStore store = makeNewProject().store;
    CONFIG& subnet = store.subnets[0];
    subnet.nodeCount = kMaxNodes;
    subnet.commandCount = kMaxCommands;
    for (int n = 0; n < kMaxNodes; ++n) {
        subnet.nodes[n].address = std::to_string(n + 1);
        subnet.nodes[n].name = "Node-" + std::to_string(n + 1);
        INSTRUCTION& command = subnet.commands[n];
        command.nodeNumber = n + 1;
        command.functionCode = "3";
        command.startAddress = std::to_string(1000 + n);
        command.dataCount = "10";
        command.swapMode = "No Swap";
    }
    return store;
}

std::vector<uint8_t> record(int n, int value) {
    const int start = 1000 + n;
    std::vector<uint8_t> bytes{0x00, static_cast<uint8_t>(n + 1), static_cast<uint8_t>(start >> 8),
                               static_cast<uint8_t>(start & 0xFF), 20};
    for (int i = 0; i < 10; ++i) {
        bytes.push_back(static_cast<uint8_t>(value >> 8));
        bytes.push_back(static_cast<uint8_t>(value + i));
    }
    return bytes;
}

struct Monitor {
    TickClock clock;
    RecordPort* port = nullptr;
    RecordOpener opener{port};
    NoDialogs dialogs;
    CStakeout dialog{opener, std::string("/dev/bench"), clock, dialogs};
    DiagnosticsPanel* panel = new DiagnosticsPanel(dialog, plant(), clock, dialogs, std::nullopt);
    int sent = 0;

    Monitor() {
        dialog.openMonitor();
        dialog.timer()->stop();
        dialog.resize(1300, 700);
        dialog.show();
        // Every command seen once, so the table is full.
        for (int n = 0; n < kMaxCommands; ++n)
            tick();
        panel->refresh();
    }
    void tick() {
        const auto bytes = record(sent % kMaxCommands, sent);
        port->input.assign(bytes.begin(), bytes.end());
        ++sent;
        clock.advance(200);
        dialog.pollTick();
    }
};

// One record through timer 1 with the panel's refresh after it: more than
// the window does per record, which refreshes at most four times a second.
void BM_MonitorTickWithPanelRefresh(benchmark::State& state) {
    Monitor monitor;
    for (auto _ : state) {
        monitor.tick();
        monitor.panel->refresh();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MonitorTickWithPanelRefresh)->Unit(benchmark::kMicrosecond);

// A repaint of the dialog with the statistics of 48 commands.
void BM_MonitorRepaintStatistics(benchmark::State& state) {
    Monitor monitor;
    for (auto _ : state)
        monitor.dialog.grab();
}
BENCHMARK(BM_MonitorRepaintStatistics)->Unit(benchmark::kMillisecond);

// The plot of two commands over ten minutes at the full pace (3000
// records), refreshed and repainted.
void BM_MonitorRepaintPlot(benchmark::State& state) {
    Monitor monitor;
    for (int i = 0; i < 3000; ++i)
        monitor.tick();
    monitor.panel->tabs()->setCurrentIndex(1);
    ValuePlot* plot = monitor.panel->plot();
    plot->refresh();
    plot->commandList()->item(0)->setCheckState(Qt::Checked);
    plot->commandList()->item(1)->setCheckState(Qt::Checked);
    for (auto _ : state) {
        monitor.tick();
        plot->refresh();
        monitor.dialog.grab();
    }
}
BENCHMARK(BM_MonitorRepaintPlot)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brenmoor::gui
