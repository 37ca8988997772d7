// Measures the longest gap between the ticks of a 10 ms timer on the window's
// event loop while a 48-command download, Compare with Gateway and monitor
// Send run against the simulated gateway on a pseudo-terminal, in real time.
#include "gui_test_support.h"
#include "serial_test_support.h"
#include "transfer_test_support.h"

#include "core/model/project.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/monitor/cstakeout.h"
#include "gui/serial/cdownload.h"
#include "gui/serial/serial_link.h"
#include "port/posix_serial_port.h"
#include "sim/gateway_config.h"
#include "sim/pty_gateway.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

// The longest gap between two ticks while it runs.
class StallProbe {
  public:
    StallProbe() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.elapsed();
            if (last_ >= 0)
                longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
    }
    void start() {
        // The gap from the start to the first tick counts too.
        longest_ = 0;
        clock_.start();
        last_ = 0;
        timer_.start();
    }
    qint64 stop() {
        timer_.stop();
        const qint64 now = clock_.elapsed();
        if (last_ >= 0)
            longest_ = std::max(longest_, now - last_);
        return longest_;
    }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = -1;
    qint64 longest_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // Coils: one byte each, so that 48 of them fit the input area.
    const Project project = projectWithCommands(48, "1", 1);
    sim::GatewayOptions options;
    options.mode = sim::GatewayMode::Auto;
    sim::PtyGateway gateway(
        sim::GatewayEngine(options, sim::configFromStore(project.store, project.device)));
    if (!gateway.open())
        return 1;
    gateway.start();

    RecordingPrompter prompter;
    CMainFrame frame(std::make_unique<ScriptedFileDialogs>());
    auto link = std::make_unique<SerialLink>(
        std::make_unique<FixedPortLister>(ComPortNames{gateway.devicePath()}),
        std::make_unique<port::PosixPortOpener>());
    link->setPrompter(&prompter);
    frame.replaceSerialLink(std::move(link));
    frame.document().project() = project;
    frame.document().newDocument();
    frame.document().project() = project;
    frame.view().storeReplaced();
    frame.serialLink().enumeratePorts();
    frame.serialLink().settings().confirmed = true;
    frame.show();
    frame.setComparisonShower([](std::vector<ConfigDifference>, const QString&) {});

    StallProbe probe;
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    for (int round = 0; round < rounds; ++round) {
        qint64 download = -1;
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            d->verifyBox()->setChecked(false);
            probe.start();
            (void)pressAndWait(d, 60000);
            download = probe.stop();
            std::printf("download: %s\n", d->lineB()->text().toUtf8().constData());
            d->exitButton()->click();
        });
        frame.action(cmd::Download)->trigger();

        probe.start();
        frame.action(cmd::CompareWithGateway)->trigger();
        const qint64 compare = probe.stop();

        qint64 send = -1;
        auto monitor = whenModal<CStakeout>([&](CStakeout* d) {
            QTest::qWait(400);
            probe.start();
            d->sendButton()->click();
            QTest::qWait(50);
            send = probe.stop();
            d->exitButton()->click();
        });
        frame.action(cmd::MonitorIoData)->trigger();
        std::printf("round %d: longest stall download %lld ms, compare %lld ms, send %lld ms\n",
                    round + 1, static_cast<long long>(download), static_cast<long long>(compare),
                    static_cast<long long>(send));
        for (const QString& text : prompter.shown)
            std::printf("  shown: %s\n", text.toUtf8().constData());
        prompter.shown.clear();
    }
    frame.document().project().marks.modified = false;
    gateway.stop();
    gateway.join();
    return 0;
}
