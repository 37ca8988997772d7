// brenmoor --simulate end to end: the simulated gateway on a pseudo-terminal
// first in the port list, and a download to it over the real port, in real
// time. The serial dialogs themselves are tested in serial_tests.cpp, on a
// fake clock.
#include "gui_test_support.h"
#include "serial_test_support.h"
#include "transfer_test_support.h"

#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_app.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/serial/cdconfig.h"
#include "gui/serial/cdownload.h"
#include "gui/serial/serial_link.h"
#include "sim/pty_gateway.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

// A download of the default configuration takes a few exchanges of at most
// 300 ms each.
constexpr int kTransferWaitMs = 20000;

} // namespace

class SimulateTests : public QObject {
    Q_OBJECT

  private:
    RecordingPrompter prompter_;

  private slots:
    void simulateOffersTheSimulatedGatewayFirstAndDownloadsToIt() {
        const CModbusConfigApp::Options options = CModbusConfigApp::parse(
            {QStringLiteral("brenmoor"), QStringLiteral("--no-select-device"),
             QStringLiteral("--simulate"), QStringLiteral("--port"), QStringLiteral("/dev/extra")});
        CModbusConfigApp app;
        QCOMPARE(app.start(options), -1);
        QVERIFY(app.simulator());
        SerialLink& link = app.mainFrame()->serialLink();
        QVERIFY(link.portNames().size() >= 2);
        QCOMPARE(link.portNames()[0], app.simulator()->devicePath());
        QCOMPARE(link.portNames()[1], std::string("/dev/extra"));
        link.setPrompter(&prompter_);
        prompter_.shown.clear();

        // The first Download asks for the settings; the proposed port is the
        // simulator's.
        auto config = whenModal<CDConfig>([](CDConfig* d) {
            QCOMPARE(d->list(CDConfig::Port)->currentIndex(), 0);
            QVERIFY(d->list(CDConfig::Port)->itemText(0).endsWith(" - Simulated gateway"));
            d->accept();
        });
        bool downloaded = false;
        auto download = whenModal<CDownload>([&](CDownload* d) {
            d->verifyBox()->setChecked(false);
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            downloaded = d->lineB()->text() == QStringLiteral("Downloading is successful!");
            d->exitButton()->click();
        });
        app.mainFrame()->action(cmd::Download)->trigger();
        QVERIFY(*config);
        QVERIFY(*download);
        QVERIFY(downloaded);
        QCOMPARE(prompter_.shown, QStringList());
        app.mainFrame()->document().project().marks.modified = false;
    }
};

QTEST_MAIN(SimulateTests)
#include "simulate_tests.moc"
