#include "gui/app/modbus_config_app.h"

#include "core/jobs/item_lookup.h"
#include "core/resources/messages_gui.h"
#include "core/resources/messages_serial_dialogs.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/model/cddevice.h"
#include "gui/serial/front_port_lister.h"
#include "gui/serial/serial_link.h"
#include "port/system_ports.h"
#include "sim/desktop_gateway.h"
#include "sim/gateway_config.h"
#include "sim/monitor_script.h"

#include <QCommandLineParser>
#include <QMessageBox>

namespace brenmoor::gui {

CModbusConfigApp::CModbusConfigApp() = default;
CModbusConfigApp::~CModbusConfigApp() {
    // The window goes first: no dialog may still hold the simulator's port.
    frame_.reset();
    simulator_.reset();
}

CModbusConfigApp::Options CModbusConfigApp::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    QCommandLineOption noSelect(QStringLiteral("no-select-device"));
    noSelect.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption select(QStringLiteral("select"), QString(), QStringLiteral("item"));
    select.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption simulate(QStringLiteral("simulate"),
                                QStringLiteral("Start a simulated gateway for this run and select "
                                               "its port"));
    QCommandLineOption port(QStringLiteral("port"),
                            QStringLiteral("Offer this serial device in the port list"),
                            QStringLiteral("device"));
    QCommandLineOption noOpenWorkbook(
        QStringLiteral("no-open-workbook"),
        QStringLiteral("Export Excel writes the workbook without opening it"));
    QCommandLineOption simulateRecords(QStringLiteral("simulate-records"), QString(),
                                       QStringLiteral("file"));
    simulateRecords.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption simulateFullSpeed(QStringLiteral("simulate-full-speed"));
    simulateFullSpeed.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions(
        {noSelect, select, simulate, port, noOpenWorkbook, simulateRecords, simulateFullSpeed});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Project file to open"),
                                 QStringLiteral("[file.chg]"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(arguments);

    Options options;
    // The environment variables are the same choices for a session that
    // starts the program many times (scripts, accessibility tools).
    options.selectDevice = !parser.isSet(noSelect) &&
                           qEnvironmentVariable("BRENMOOR_NO_SELECT_DEVICE") != QLatin1String("1");
    options.select = parser.value(select);
    options.openWorkbooks =
        !parser.isSet(noOpenWorkbook) && !qEnvironmentVariableIsSet("BRENMOOR_NO_OPEN");
    options.simulate = parser.isSet(simulate);
    options.simulateRecords = parser.value(simulateRecords);
    options.simulateFullSpeed = parser.isSet(simulateFullSpeed);
    options.ports = parser.values(port);
    if (!parser.positionalArguments().isEmpty())
        options.file = parser.positionalArguments().constFirst();
    return options;
}

int CModbusConfigApp::start(const Options& options) {
    DeviceSettings device;
    if (options.selectDevice) {
        CDDevice dialog(device);
        if (dialog.exec() != QDialog::Accepted)
            return 0;
    } else {
        applySelectDeviceOk(device);
    }

    frame_ = std::make_unique<CMainFrame>(std::make_unique<QtFileDialogs>(options.openWorkbooks));
    setUpSerialLink(options);
    CModbusConfigDoc& doc = frame_->document();
    doc.project().device = device;
    if (options.file.isEmpty()) {
        doc.newDocument();
    } else if (!doc.openDocument(options.file)) {
        // The message has been shown; without a document there is nothing
        // to start.
        return 1;
    } else {
        // A new document reads the port list; an opened one does not, and
        // would otherwise leave no port to download it to until the next
        // File New.
        frame_->serialLink().enumeratePorts();
    }
    frame_->show();
    frame_->view().treeWidget()->setFocus();
    frame_->setWindowTitle(qtext(msg::MainWindowTitle));
    frame_->updateCommandUi();

    if (!options.select.isEmpty())
        selectRequested(options.select);
    return -1;
}

void CModbusConfigApp::setUpSerialLink(const Options& options) {
    auto lister = std::make_unique<FrontPortLister>(port::makeSystemPortLister());
    std::unique_ptr<PortOpener> opener = port::makeSystemPortOpener();
    if (options.simulate) {
        // The simulated gateway starts out holding the default configuration,
        // so that a first upload shows something sensible. It plays the
        // monitor while the line is at the monitor's speed and the
        // configuration protocol otherwise, so one device serves every tool.
        const Project defaults = makeNewProject();
        sim::GatewayOptions gatewayOptions;
        gatewayOptions.mode = sim::GatewayMode::Auto;
        sim::MonitorOptions monitorOptions;
        if (options.simulateFullSpeed)
            monitorOptions.recordGapMs = 0;
        sim::MonitorScript script = sim::defaultMonitorCycle();
        if (!options.simulateRecords.isEmpty()) {
            sim::MonitorScript loaded =
                sim::loadMonitorScript(options.simulateRecords.toStdString());
            // A script that does not read leaves the default cycle playing.
            if (loaded.ok())
                script = std::move(loaded);
            else
                qWarning("%s", loaded.error.c_str());
        }
        std::string error;
        simulator_ = sim::startDesktopGateway(
            sim::GatewayEngine(gatewayOptions,
                               sim::configFromStore(defaults.store, defaults.device)),
            sim::MonitorEngine(monitorOptions, std::move(script)), error);
        if (simulator_) {
            lister->addFront(simulator_->devicePath(),
                             std::string(loadString(msg::SimulatorPortDescription)));
            opener = simulator_->opener(std::move(opener));
        } else {
            QMessageBox::warning(frame_.get(), qtext(msg::AppTitle),
                                 qtext(formatMessage(msg::SimulatorFailed, error)));
        }
    }
    for (const QString& device : options.ports)
        lister->addFront(device.toStdString());
    frame_->replaceSerialLink(std::make_unique<SerialLink>(std::move(lister), std::move(opener)));
}

void CModbusConfigApp::selectRequested(const QString& what) {
    // The same names as the command line's `select`, in any case.
    const auto parsed = parseItemName(what.toLower().toStdString());
    if (const auto* name = std::get_if<ItemName>(&parsed)) {
        const ItemId item = findItem(frame_->view().editor(), *name);
        if (item != kNoItem)
            frame_->view().selectItem(item);
    }
}

} // namespace brenmoor::gui
