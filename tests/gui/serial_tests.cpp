// The serial dialogs as the user drives them: Serial Port Configuration and
// its confirmed mark, Download and Upload against a simulated gateway in
// this process, on a fake clock, and the failures they report.
#include "gui_test_support.h"
#include "serial_test_support.h"
#include "transfer_test_support.h"

#include "core/model/project.h"
#include "core/resources/messages_gui.h"
#include "core/resources/messages_mapping.h"
#include "core/resources/messages_serial.h"
#include "core/resources/messages_serial_dialogs.h"
#include "core/resources/string_table.h"
#include "fake_clock.h"
#include "gui/app/command_ids.h"
#include "gui/app/gui_text.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/serial/cdconfig.h"
#include "gui/serial/cdownload.h"
#include "gui/serial/cdupload.h"
#include "gui/serial/front_port_lister.h"
#include "gui/serial/serial_link.h"
#include "sim/gateway_config.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

// How long a test waits for the end of a transfer on the fake clock: the
// simulated gateway answers in this process, so only a fault takes it long.
constexpr int kTransferWaitMs = 20000;

QString message(MessageId id) {
    return qtext(id);
}

QString message(MessageId id, const char* value) {
    return QString::fromStdString(formatMessage(id, value));
}

sim::GatewayConfig gatewayHolding(const Project& project) {
    return sim::configFromStore(project.store, project.device);
}

// The computer's port list, into which the test plugs adapters.
class PluggablePortLister : public PortLister {
  public:
    explicit PluggablePortLister(std::shared_ptr<PortDescriptions> ports)
        : ports_(std::move(ports)) {}
    ComPortNames listPorts() override { return portNames(*ports_); }
    PortDescriptions describePorts() override { return *ports_; }

  private:
    std::shared_ptr<PortDescriptions> ports_;
};

// Every device refuses, for the reason the test gives.
class RefusingPortOpener : public PortOpener {
  public:
    explicit RefusingPortOpener(PortOpenCause cause) : cause_(cause) {}
    PortOpenResult open(const std::string&, const LineSettings&) override {
        return {nullptr, PortOpenError::OpenFailed, cause_};
    }

  private:
    PortOpenCause cause_;
};

} // namespace

class SerialTests : public QObject {
    Q_OBJECT

  private:
    RecordingPrompter prompter_;
    std::unique_ptr<FakeClock> clock_;
    std::unique_ptr<CMainFrame> frame_;

    // A window on a new document whose port list is `ports`; messages and
    // questions of the serial dialogs go to prompter_. The ports of the
    // simulated gateways open; every wait is on a fake clock.
    void openWindow(const ComPortNames& ports, const Project& project = makeNewProject()) {
        openWindowOn(std::make_unique<FixedPortLister>(ports), nullptr, project);
    }

    // The same with a lister and an opener of the test's (the simulated
    // gateways' opener when none is given).
    void openWindowOn(std::unique_ptr<PortLister> lister, std::unique_ptr<PortOpener> opener,
                      const Project& project = makeNewProject()) {
        prompter_ = RecordingPrompter();
        frame_.reset();
        clock_ = std::make_unique<FakeClock>();
        frame_ = std::make_unique<CMainFrame>(std::make_unique<ScriptedFileDialogs>());
        if (!opener)
            opener = std::make_unique<SimulatedPortOpener>(*clock_);
        auto link = std::make_unique<SerialLink>(std::move(lister), std::move(opener), *clock_);
        link->setPrompter(&prompter_);
        frame_->replaceSerialLink(std::move(link));
        frame_->document().project() = project;
        frame_->document().newDocument();
        frame_->document().project() = project;
        frame_->view().storeReplaced();
        frame_->show();
    }

    // A window whose settings are already confirmed.
    void openConfirmedWindow(const ComPortNames& ports, const Project& project = makeNewProject()) {
        openWindow(ports, project);
        frame_->serialLink().settings().confirmed = true;
    }

    void trigger(int command) { frame_->action(command)->trigger(); }

  private slots:
    void cleanup() {
        prompter_.onShown = nullptr;
        frame_.reset();
        clock_.reset();
    }

    // --- Serial Port Configuration -------------------------------------

    void configDialogShowsTheStoredChoiceWithOnlyThePortEnabled() {
        SerialPortSettings settings;
        settings.portIndex = 1;
        const ComPortNames names = {"/dev/ttyB", "/dev/ttyA", "/dev/ttyC"};
        CDConfig dialog(settings, names);
        QComboBox* port = dialog.list(CDConfig::Port);
        QCOMPARE(port->count(), 3);
        // The system's order, not sorted.
        QCOMPARE(port->itemText(0), QStringLiteral("/dev/ttyB"));
        QCOMPARE(port->currentIndex(), 1);
        QVERIFY(port->isEnabled());
        QCOMPARE(dialog.list(CDConfig::BaudRate)->currentText(), QStringLiteral("19200"));
        QCOMPARE(dialog.list(CDConfig::BaudRate)->count(), 8);
        QCOMPARE(dialog.list(CDConfig::CheckBit)->currentText(), QStringLiteral("None"));
        QCOMPARE(dialog.list(CDConfig::DataBits)->currentText(), QStringLiteral("8"));
        QCOMPARE(dialog.list(CDConfig::StopBits)->currentText(), QStringLiteral("1"));
        for (auto list :
             {CDConfig::BaudRate, CDConfig::CheckBit, CDConfig::DataBits, CDConfig::StopBits})
            QVERIFY(!dialog.list(list)->isEnabled());

        port->setCurrentIndex(2);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.portIndex, 2);
        QCOMPARE(settings.baudIndex, 6);
        QVERIFY(settings.confirmed);
    }

    void configDialogWithoutPortsRefusesOkAndStaysOpen() {
        SerialPortSettings settings;
        CDConfig dialog(settings, {});
        QCOMPARE(dialog.list(CDConfig::Port)->currentIndex(), -1);
        auto seen = answerNextModal(QStringLiteral("OK"));
        dialog.show();
        dialog.accept();
        QVERIFY(seen->seen);
        QCOMPARE(seen->text, QStringLiteral("Encountered an improper argument."));
        QVERIFY(dialog.isVisible());
        QVERIFY(!settings.confirmed);
        // Cancel after the refusal leaves the settings as they were.
        dialog.reject();
        QCOMPARE(settings.portIndex, 0);
    }

    void newDocumentReadsThePortListAgain() {
        openWindow({"/dev/one"});
        QCOMPARE(frame_->serialLink().portNames(), ComPortNames{"/dev/one"});
        frame_->serialLink().settings().baudIndex = 2;
        frame_->document().newDocument();
        QCOMPARE(frame_->serialLink().settings().baudIndex, 6);
    }

    void frontDevicesComeFirstOnce() {
        FrontPortLister lister(std::make_unique<FixedPortLister>(ComPortNames{"/dev/a", "/dev/s"}));
        lister.addFront("/dev/s");
        lister.addFront("/dev/p");
        QCOMPARE(lister.listPorts(), (ComPortNames{"/dev/s", "/dev/p", "/dev/a"}));
    }

    void refreshReadsThePortListAgainAndOnlyOkKeepsIt() {
        auto plugged = std::make_shared<PortDescriptions>(portsNamed({"/dev/ttyS0"}));
        openWindowOn(std::make_unique<PluggablePortLister>(plugged), nullptr);
        SerialLink& link = frame_->serialLink();
        link.settings().baudIndex = 2;
        // An adapter plugged in after start, which the system lists first.
        PortDescription adapter{"/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0"};
        adapter.device = "/dev/ttyUSB0";
        adapter.description = "FT232R USB UART";
        plugged->insert(plugged->begin(), adapter);

        auto cancelled = whenModal<CDConfig>([](CDConfig* d) {
            QComboBox* port = d->list(CDConfig::Port);
            QCOMPARE(port->count(), 1);
            QCOMPARE(d->list(CDConfig::BaudRate)->currentIndex(), 2);
            d->refreshButton()->click();
            QCOMPARE(port->count(), 2);
            QCOMPARE(port->itemText(0),
                     QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0 "
                                    "(ttyUSB0) - FT232R USB UART"));
            // The chosen port stays chosen where the new list put it.
            QCOMPARE(port->currentText(), QStringLiteral("/dev/ttyS0"));
            QCOMPARE(d->list(CDConfig::BaudRate)->currentText(), QStringLiteral("19200"));
            d->reject();
        });
        trigger(cmd::SerialConnection);
        QVERIFY(*cancelled);
        QCOMPARE(link.portNames(), ComPortNames{"/dev/ttyS0"});
        QCOMPARE(link.settings().baudIndex, 2);

        auto accepted = whenModal<CDConfig>([](CDConfig* d) {
            d->refreshButton()->click();
            d->list(CDConfig::Port)->setCurrentIndex(0);
            d->accept();
        });
        trigger(cmd::SerialConnection);
        QVERIFY(*accepted);
        QCOMPARE(link.portNames(), (ComPortNames{adapter.name, "/dev/ttyS0"}));
        QCOMPARE(link.settings().portIndex, 0);
        QCOMPARE(link.settings().baudIndex, 6);
    }

    void aDeviceNamedInFrontByItsNodeIsListedOnceWithWhatTheSystemKnows() {
        PortDescription adapter{"/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0"};
        adapter.device = "/dev/ttyUSB0";
        adapter.manufacturer = "FTDI";
        FrontPortLister lister(std::make_unique<PluggablePortLister>(
            std::make_shared<PortDescriptions>(PortDescriptions{{"/dev/ttyS0"}, adapter})));
        lister.addFront("/dev/ttyUSB0");
        const PortDescriptions ports = lister.describePorts();
        QCOMPARE(portNames(ports), (ComPortNames{"/dev/ttyUSB0", "/dev/ttyS0"}));
        QCOMPARE(ports[0].manufacturer, std::string("FTDI"));
    }

    // --- Dispatch ------------------------------------------------------

    void downloadAsksForSettingsUntilConfirmed() {
        openWindow({"/dev/nothing-here"});
        // Cancel: no Download dialog, and the next Download asks again.
        auto cancelled = whenModal<CDConfig>([](CDConfig* d) { d->reject(); });
        trigger(cmd::Download);
        QVERIFY(*cancelled);
        QVERIFY(!frame_->serialLink().settings().confirmed);
        QVERIFY(prompter_.shown.empty()); // no port was tried

        auto accepted = whenModal<CDConfig>([](CDConfig* d) { d->accept(); });
        trigger(cmd::Download);
        QVERIFY(*accepted);
        QVERIFY(frame_->serialLink().settings().confirmed);
        // The Download dialog then tried the chosen port.
        QCOMPARE(prompter_.shown, QStringList{message(msg::PortFailedToOpen, "/dev/nothing-here")});

        // Confirmed: straight to the transfer dialog.
        prompter_.shown.clear();
        auto asked = whenModal<CDConfig>([](CDConfig* d) { d->reject(); });
        trigger(cmd::Upload);
        QCOMPARE(prompter_.shown.size(), 1);
        QVERIFY(!*asked);
        QApplication::processEvents();
    }

    void serialConnectionCancelChangesNothing() {
        openConfirmedWindow({"/dev/a", "/dev/b"});
        frame_->serialLink().settings().portIndex = 1;
        auto cancelled = whenModal<CDConfig>([](CDConfig* d) {
            d->list(CDConfig::Port)->setCurrentIndex(0);
            d->reject();
        });
        trigger(cmd::SerialConnection);
        QVERIFY(*cancelled);
        QVERIFY(frame_->serialLink().settings().confirmed);
        QCOMPARE(frame_->serialLink().settings().portIndex, 1);

        // Serial Connection opens the dialog even when confirmed; OK stores.
        auto accepted = whenModal<CDConfig>([](CDConfig* d) {
            d->list(CDConfig::Port)->setCurrentIndex(0);
            d->accept();
        });
        trigger(cmd::SerialConnection);
        QVERIFY(*accepted);
        QCOMPARE(frame_->serialLink().settings().portIndex, 0);
    }

    void noPortsAtAllReportsWithoutOpeningTheDialog() {
        openConfirmedWindow({});
        auto opened = whenModal<CDownload>([](CDownload* d) { d->reject(); });
        trigger(cmd::Download);
        QCOMPARE(prompter_.shown, QStringList{message(msg::NoSerialPort)});
        QApplication::processEvents();
        QVERIFY(!*opened);
    }

    // --- Download ------------------------------------------------------

    void downloadSucceedsAndTheDialogServesASecondOne() {
        const Project project = projectWithCommands(3);
        SimulatedGateway gateway;
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()}, project);
        bool checked = false;
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            d->verifyBox()->setChecked(false);
            QVERIFY(d->actionButton()->isEnabled());
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(d->lineB()->text(), QStringLiteral("Downloading is successful!"));
            QVERIFY(d->lineA()->text().isEmpty());
            QCOMPARE(d->stepLine(0)->text(),
                     QStringLiteral("Downloading DeviceNet parameters configuration"));
            QCOMPARE(d->stepLine(2)->text(),
                     QStringLiteral("Downloading Modbus commands configuration"));
            for (int i = 0; i < 3; ++i)
                QVERIFY(d->stepIcon(i)->isVisible());
            // Verification off: no fourth step.
            QVERIFY(!d->stepLine(3)->isVisible());
            QVERIFY(!d->stepIcon(3)->isVisible());
            QVERIFY(d->actionButton()->isEnabled());
            // The port stayed open: the same dialog downloads again.
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(d->lineB()->text(), QStringLiteral("Downloading is successful!"));
            checked = true;
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);
        QVERIFY(checked);
        QVERIFY(prompter_.shown.empty());
    }

    // The bar and "k of n" show what the transfer reports, request by
    // request, and end full.
    void progressFollowsTheTransfer() {
        const Project project = projectWithCommands(5);
        SimulatedGateway gateway;
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()}, project);
        QList<int> values;
        int maximum = 0;
        QString command;
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            QVERIFY(!d->progressBar()->isVisible());
            connect(d->progressBar(), &QProgressBar::valueChanged, d,
                    [&values](int value) { values << value; });
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            maximum = d->progressBar()->maximum();
            command = d->commandLine()->text();
            QCOMPARE(d->progressBar()->value(), maximum);
            QCOMPARE(d->progressBar()->format(), QStringLiteral("%1 of %1 requests").arg(maximum));
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);
        // Device information, DeviceNet, subnet, clear, five commands, then
        // the read-back: DeviceNet, subnet, count and one packet.
        QCOMPARE(maximum, 13);
        QCOMPARE(command, QStringLiteral("5 of 5"));
        QVERIFY(std::is_sorted(values.begin(), values.end()));
    }

    void verifyRunsAfterADownloadOnlyWhenChecked() {
        const Project project = projectWithCommands(1);
        SimulatedGateway gateway;
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()}, project);
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            QVERIFY(d->verifyBox()->isChecked()); // on by default
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            // Whatever the read-back found, it was asked for after the
            // download succeeded; the dialog stays open and usable.
            QVERIFY(d->isVisible());
            QVERIFY(d->actionButton()->isEnabled());
            QVERIFY(d->verifyBox()->isEnabled());
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);

        // Exit released the port: a new dialog opens it again.
        prompter_.shown.clear();
        auto again = whenModal<CDownload>([](CDownload* d) {
            QVERIFY(d->actionButton()->isEnabled());
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*again);
        QVERIFY(prompter_.shown.isEmpty());
    }

    void aNegativeClearAnswerIsAskedOnTheWindowAndTheDownloadGoesOn() {
        const Project project = projectWithCommands(2);
        sim::FaultRule negative;
        negative.code = 0x14;
        negative.occurrence = 1;
        negative.kind = sim::FaultRule::Kind::Negative;
        SimulatedGateway gateway(SimulatedGateway::fastOptions(), {}, {negative});
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()}, project);
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            d->verifyBox()->setChecked(false);
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(d->lineB()->text(), QStringLiteral("Downloading is successful!"));
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);
        QCOMPARE(prompter_.shown, QStringList{QStringLiteral("Clear command error")});
    }

    void noReplyShowsTheTimeoutAndTheDialogStaysUsable() {
        sim::FaultRule silent;
        silent.code = 0x01;
        silent.occurrence = 1;
        silent.kind = sim::FaultRule::Kind::NoReply;
        SimulatedGateway gateway(SimulatedGateway::fastOptions(), {}, {silent});
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()}, projectWithCommands(1));
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            d->verifyBox()->setChecked(false);
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(prompter_.shown, QStringList{message(msg::ReadDeviceTypeTimeout)});
            QVERIFY(d->isVisible());
            // The gateway answers the second time.
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(d->lineB()->text(), QStringLiteral("Downloading is successful!"));
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);
    }

    void wrongDeviceTypeClosesThePortButNotTheDialog() {
        sim::GatewayOptions options = SimulatedGateway::fastOptions();
        options.deviceType = 2;
        SimulatedGateway gateway(options);
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()}, projectWithCommands(1));
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(prompter_.shown, QStringList{message(msg::DeviceTypeMismatch)});
            QVERIFY(d->isVisible());
            // The port is closed now: the next press cannot reach the gateway.
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(prompter_.shown.back(), message(msg::ReadDeviceTypeTimeout));
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);
    }

    void anIncompleteConfigurationNeverOpensThePort() {
        Project project = projectWithCommands(1);
        project.store.fieldbus.inputSize = "160";
        project.store.fieldbus.outputSize = "112";
        openConfirmedWindow({"/dev/nothing-here"}, project);
        auto opened = whenModal<CDownload>([](CDownload* d) { d->reject(); });
        trigger(cmd::Download);
        QApplication::processEvents();
        QVERIFY(!*opened);
        QVERIFY(prompter_.shown.contains(message(msg::BufferSumTooLarge)));
        // No "Port ... failed to open!": the port was never tried.
        QVERIFY(!prompter_.shown.contains(message(msg::PortFailedToOpen, "/dev/nothing-here")));
    }

    void aMissingNodeAddressStopsBeforeTheGateway() {
        Project project = projectWithCommands(1);
        project.store.subnets[1].nodeCount = 1;
        project.store.subnets[1].nodes[0] = NODE{"-1", "Node"};
        SimulatedGateway gateway;
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()}, project);
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            d->actionButton()->click();
            QCOMPARE(prompter_.shown, QStringList{message(msg::NodeAddressEmpty)});
            QVERIFY(!d->isTransferring());
            QVERIFY(d->lineB()->text().isEmpty());
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);
    }

    // Without a prompter of the test's, a long list of read-back differences
    // is a warning box of the dialog with the first ten and "...", and all
    // of them in its details.
    void readBackDifferencesAreABoxWithTheFirstTenAndAllInItsDetails() {
        const Project project = projectWithCommands(12);
        sim::FaultRule miswrite;
        miswrite.code = 0x10;
        miswrite.occurrence = 0;
        miswrite.kind = sim::FaultRule::Kind::Miswrite;
        miswrite.miswriteByte = 7;
        miswrite.miswriteMask = 0x10;
        SimulatedGateway gateway(SimulatedGateway::fastOptions(), {}, {miswrite});
        openConfirmedWindow({gateway.device()}, project);
        frame_->serialLink().setPrompter(nullptr);
        std::shared_ptr<SeenDialog> box;
        QStringList shown, details;
        auto ran = whenModal<CDownload>([&](CDownload* d) {
            QVERIFY(d->verifyBox()->isChecked());
            d->setProperty("answeredByTest", true);
            box = onNextModal([&](QWidget* modal) {
                if (auto* message = qobject_cast<QMessageBox*>(modal)) {
                    shown = message->informativeText().split(QLatin1Char('\n'));
                    details = message->detailedText().split(QLatin1Char('\n'));
                }
                modal->close();
            });
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QVERIFY(!d->stepIcon(3)->isVisible());
            d->exitButton()->click();
        });
        trigger(cmd::Download);
        QVERIFY(*ran);
        QVERIFY(box && box->seen);
        QCOMPARE(box->title, message(msg::AppTitle));
        QCOMPARE(box->text, message(msg::VerifyDifferencesHeading));
        // One changed byte in each of the twelve commands.
        QCOMPARE(details.size(), 12);
        QCOMPARE(shown.size(), 11);
        QCOMPARE(shown.mid(0, 10), details.mid(0, 10));
        QCOMPARE(shown.back(), QStringLiteral("..."));
    }

    // --- Upload --------------------------------------------------------

    void uploadReplacesTheDocumentAndMarksItModified() {
        const Project held = projectWithCommands(7);
        SimulatedGateway gateway(SimulatedGateway::fastOptions(), gatewayHolding(held));
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()});
        QCOMPARE(frame_->document().project().store.subnets[0].commandCount, 0);
        auto ran = whenModal<CDUpload>([&](CDUpload* d) {
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(d->lineB()->text(), QStringLiteral("Uploading is successful!"));
            QCOMPARE(d->stepLine(1)->text(),
                     QStringLiteral("Uploading Modbus parameters configuration"));
            // The window behind already shows the new document.
            QCOMPARE(frame_->document().project().store.subnets[0].commandCount, 7);
            d->exitButton()->click();
        });
        trigger(cmd::Upload);
        QVERIFY(*ran);
        QVERIFY(prompter_.shown.empty());
        const Project& project = frame_->document().project();
        QVERIFY(project.marks.modified);
        QVERIFY(!project.marks.upload);
        QCOMPARE(project.store.subnets[0].nodeCount, 1);
        QCOMPARE(project.store.subnets[0].commands[6].startAddress, std::string("60"));
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Untitled - Brenmoor"));
        // Tree: the two roots, the node and seven commands; the first root
        // selected.
        const ConfigurationTree& tree = frame_->view().editor().tree();
        QCOMPARE(tree.selected(), tree.firstRoot());
        QVERIFY(tree.isExpanded(findSubnetRoot(tree)));
        QVERIFY(frame_->view().editor().commandItem(7) != kNoItem);
    }

    void uploadOfUnsavedEditsAsksFirst() {
        const Project held = projectWithCommands(2);
        SimulatedGateway gateway(SimulatedGateway::fastOptions(), gatewayHolding(held));
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()});
        frame_->document().project().marks.modified = true;
        auto ran = whenModal<CDUpload>([&](CDUpload* d) {
            d->setProperty("answeredByTest", true);
            auto question = answerNextModal(QStringLiteral("Cancel"));
            d->actionButton()->click();
            QVERIFY(question->seen);
            QCOMPARE(question->title, QStringLiteral("Save Configuration"));
            QVERIFY(!d->isTransferring());
            QVERIFY(d->lineB()->text().isEmpty());
            d->exitButton()->click();
        });
        trigger(cmd::Upload);
        QVERIFY(*ran);
        QCOMPARE(frame_->document().project().store.subnets[0].commandCount, 0);
    }

    void uploadFailureLeavesTheDocumentAlone() {
        sim::FaultRule broken;
        broken.code = 0x04;
        broken.occurrence = 0;
        broken.kind = sim::FaultRule::Kind::BadChecksum;
        SimulatedGateway gateway(SimulatedGateway::fastOptions(),
                                 gatewayHolding(projectWithCommands(2)), {broken});
        QVERIFY(gateway.ok());
        const Project before = projectWithCommands(1);
        openConfirmedWindow({gateway.device()}, before);
        QString lineBAtMessage;
        bool stepsAtMessage = false;
        auto ran = whenModal<CDUpload>([&](CDUpload* d) {
            prompter_.onShown = [&] {
                lineBAtMessage = d->lineB()->text();
                stepsAtMessage = d->stepLine(0)->isVisible();
            };
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(prompter_.shown, QStringList{message(msg::ReadModbusParametersError)});
            // The lines are emptied only once the message was seen.
            QCOMPARE(lineBAtMessage, QStringLiteral("Uploading, please wait"));
            QVERIFY(stepsAtMessage);
            QVERIFY(d->lineB()->text().isEmpty());
            QVERIFY(!d->stepLine(0)->isVisible());
            d->exitButton()->click();
        });
        trigger(cmd::Upload);
        QVERIFY(*ran);
        QVERIFY(frame_->document().project().store == before.store);
        QVERIFY(!frame_->document().project().marks.modified);
    }

    void uploadRefusesTypeFiveAndClosesThePort() {
        sim::GatewayOptions options = SimulatedGateway::fastOptions();
        options.deviceType = 5;
        SimulatedGateway gateway(options);
        QVERIFY(gateway.ok());
        // With the double-fault flag the reply is well-formed, and the
        // download would accept the type.
        Project project = makeNewProject();
        project.device.doubleFault = true;
        openConfirmedWindow({gateway.device()}, project);
        auto ran = whenModal<CDUpload>([&](CDUpload* d) {
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(prompter_.shown, QStringList{message(msg::DeviceTypeMismatch)});
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            QCOMPARE(prompter_.shown.back(), message(msg::UploadError));
            d->exitButton()->click();
        });
        trigger(cmd::Upload);
        QVERIFY(*ran);
    }

    // The transfers, the monitor and Compare with Gateway keep their
    // message and say in the box why the port did not open.
    void aPortThatDoesNotOpenSaysWhyInTheBox() {
        openWindowOn(std::make_unique<FixedPortLister>(ComPortNames{"/dev/ttyUSB7"}),
                     std::make_unique<RefusingPortOpener>(PortOpenCause::PermissionDenied));
        frame_->serialLink().settings().confirmed = true;
        frame_->serialLink().setPrompter(nullptr);
        const QString why = QStringLiteral("\"sudo usermod -aG dialout $USER\"");
        for (const auto& [command, text] :
             {std::pair{cmd::Download, QStringLiteral("Port /dev/ttyUSB7 failed to open!")},
              std::pair{cmd::MonitorIoData, QStringLiteral("Open the serial port failed!")},
              std::pair{cmd::CompareWithGateway,
                        QStringLiteral("Port /dev/ttyUSB7 failed to open!")}}) {
            auto box = answerNextModal(QStringLiteral("OK"));
            trigger(command);
            QVERIFY(box->seen);
            QCOMPARE(box->text, text);
            QVERIFY2(box->details.contains(why), qPrintable(box->details));
        }
    }

    // Without a prompter of the test's, the messages are message boxes of
    // the dialog, answered while the transfer thread waits.
    void messagesAreMessageBoxesOfTheDialog() {
        sim::GatewayOptions options = SimulatedGateway::fastOptions();
        options.deviceType = 3;
        SimulatedGateway gateway(options);
        QVERIFY(gateway.ok());
        openConfirmedWindow({gateway.device()});
        frame_->serialLink().setPrompter(nullptr);
        std::shared_ptr<SeenDialog> box;
        auto ran = whenModal<CDUpload>([&](CDUpload* d) {
            // The answering helper takes the first unmarked modal dialog.
            d->setProperty("answeredByTest", true);
            box = answerNextModal(QStringLiteral("OK"));
            QVERIFY(pressAndWait(d, kTransferWaitMs));
            d->exitButton()->click();
        });
        trigger(cmd::Upload);
        QVERIFY(*ran);
        QVERIFY(box && box->seen);
        QCOMPARE(box->text, QStringLiteral("Device type does not match!"));
    }
};

QTEST_MAIN(SerialTests)
#include "serial_tests.moc"
