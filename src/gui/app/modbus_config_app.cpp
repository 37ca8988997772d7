#include "gui/app/modbus_config_app.h"

#include "core/resources/messages_gui.h"
#include "core/resources/messages_serial_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/app/startup_clock.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/model/cddevice.h"
#include "gui/serial/front_port_lister.h"
#include "gui/serial/serial_link.h"
#include "port/posix_serial_port.h"
#include "port/system_port_lister.h"
#include "sim/gateway_config.h"
#include "sim/pty_gateway.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace brenmoor::gui {

CModbusConfigApp::CModbusConfigApp() = default;
CModbusConfigApp::~CModbusConfigApp() {
    // The window goes first: no dialog may still hold the simulator's port.
    frame_.reset();
    if (simulator_) {
        simulator_->stop();
        simulator_->join();
    }
}

CModbusConfigApp::Options CModbusConfigApp::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    QCommandLineOption noSelect(QStringLiteral("no-select-device"));
    noSelect.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption select(QStringLiteral("select"), QString(), QStringLiteral("item"));
    select.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption measure(QStringLiteral("measure"));
    measure.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption simulate(QStringLiteral("simulate"),
                                QStringLiteral("Start a simulated gateway for this run and select "
                                               "its port"));
    QCommandLineOption port(QStringLiteral("port"),
                            QStringLiteral("Offer this serial device in the port list"),
                            QStringLiteral("device"));
    parser.addOptions({noSelect, select, measure, simulate, port});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Project file to open"),
                                 QStringLiteral("[file.chg]"));
    parser.addHelpOption();
    parser.process(arguments);

    Options options;
    options.selectDevice = !parser.isSet(noSelect) &&
                           qEnvironmentVariable("BRENMOOR_NO_SELECT_DEVICE") != QLatin1String("1");
    options.select = parser.value(select);
    options.measure = parser.isSet(measure);
    options.simulate = parser.isSet(simulate);
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

    frame_ = std::make_unique<CMainFrame>();
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
    frame_->setWindowTitle(qtext(msg::MainWindowTitle));
    frame_->updateCommandUi();

    if (!options.select.isEmpty())
        selectRequested(options.select);
    if (options.measure)
        QTimer::singleShot(0, frame_.get(), [this] { measure(); });
    return -1;
}

void CModbusConfigApp::setUpSerialLink(const Options& options) {
    auto lister = std::make_unique<FrontPortLister>(std::make_unique<port::SystemPortLister>());
    if (options.simulate) {
        // The simulated gateway starts out holding the default configuration,
        // so that a first upload shows something sensible. It plays the
        // monitor while the line is at the monitor's speed and the
        // configuration protocol otherwise, so one device serves every tool.
        const Project defaults = makeNewProject();
        sim::GatewayOptions gatewayOptions;
        gatewayOptions.mode = sim::GatewayMode::Auto;
        simulator_ = std::make_unique<sim::PtyGateway>(sim::GatewayEngine(
            gatewayOptions, sim::configFromStore(defaults.store, defaults.device)));
        if (simulator_->open()) {
            simulator_->start();
            lister->addFront(simulator_->devicePath());
        } else {
            QMessageBox::warning(
                frame_.get(), qtext(msg::AppTitle),
                qtext(formatMessage(msg::SimulatorFailed, simulator_->errorText())));
            simulator_.reset();
        }
    }
    for (const QString& device : options.ports)
        lister->addFront(device.toStdString());
    frame_->replaceSerialLink(
        std::make_unique<SerialLink>(std::move(lister), std::make_unique<port::PosixPortOpener>()));
}

void CModbusConfigApp::selectRequested(const QString& what) {
    ConfigurationEditor& editor = frame_->view().editor();
    const QStringList parts = what.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ItemId item = kNoItem;
    const QString kind = parts.value(0).toLower();
    const int number = parts.value(1).toInt();
    if (kind == QLatin1String("fieldbus"))
        item = editor.tree().firstRoot();
    else if (kind == QLatin1String("subnet"))
        item = findSubnetRoot(editor.tree());
    else if (kind == QLatin1String("node"))
        item = editor.nodeItem(number);
    else if (kind == QLatin1String("command"))
        item = editor.commandItem(number);
    if (item != kNoItem)
        frame_->view().selectItem(item);
}

// Start-up time from the process's own start, then the page rebuild of every
// command, each one timed; the median, the 95th percentile and the slowest
// are printed.
void CModbusConfigApp::measure() {
    const double startup = millisecondsSinceProcessStart();
    CModbusConfigView& view = frame_->view();
    ConfigurationEditor& editor = view.editor();
    std::vector<double> rebuilds;
    for (int round = 0; round < 3; ++round) {
        for (int c = 1; c <= editor.project().store.subnets[0].commandCount; ++c) {
            const ItemId item = editor.commandItem(c);
            QElapsedTimer timer;
            timer.start();
            view.selectItem(item);
            rebuilds.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(rebuilds.begin(), rebuilds.end());
    QTextStream out(stdout);
    out << "startup_ms " << QString::number(startup, 'f', 1) << '\n';
    if (!rebuilds.empty()) {
        out << "page_rebuilds " << rebuilds.size() << '\n';
        out << "page_rebuild_median_ms " << QString::number(rebuilds[rebuilds.size() / 2], 'f', 3)
            << '\n';
        out << "page_rebuild_p95_ms "
            << QString::number(rebuilds[rebuilds.size() * 95 / 100], 'f', 3) << '\n';
        out << "page_rebuild_max_ms " << QString::number(rebuilds.back(), 'f', 3) << '\n';
    }
    out.flush();
    frame_->document().project().marks.modified = false;
    QCoreApplication::exit(0);
}

} // namespace brenmoor::gui
