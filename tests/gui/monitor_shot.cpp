// Draws the I/O monitor with a few rows, for the user guide: the dialog over
// a scripted port that reports a plant's traffic, grabbed into a PNG. With
// --device it runs the real dialog on that serial device (a gateway, or the
// simulated one in its monitor mode) for MS milliseconds and grabs it then.
//
//   monitor_shot OUT.png
//   monitor_shot --device PATH [--ms MS] OUT.png
#include "core/monitor/monitor_record.h"
#include "core/serial/clock.h"
#include "core/serial/port_settings.h"
#include "gui/app/file_dialogs.h"
#include "gui/monitor/cstakeout.h"
#include "port/posix_serial_port.h"
#include "scripted_port.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace brenmoor;
using namespace brenmoor::gui;

namespace {

class NoDialogs : public FileDialogs {
  public:
    QString openFileName(QWidget*) override { return {}; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    QString monitorSaveFileName(QWidget*) override { return {}; }
    QString workbookSaveFileName(QWidget*) override { return {}; }
};

class SharedPort : public SerialPort {
  public:
    explicit SharedPort(ScriptedPort& port) : port_(port) {}
    size_t queryStatus() override { return port_.queryStatus(); }
    bool writeBytes(std::span<const uint8_t> bytes) override { return port_.writeBytes(bytes); }
    size_t readBytes(std::span<uint8_t> buffer) override { return port_.readBytes(buffer); }
    void closePort() override { port_.closePort(); }
    bool isOpen() const override { return port_.isOpen(); }

  private:
    ScriptedPort& port_;
};

class SharedOpener : public PortOpener {
  public:
    explicit SharedOpener(ScriptedPort& port) : port_(port) {}
    PortOpenResult open(const std::string&, const LineSettings&) override {
        return {std::make_unique<SharedPort>(port_), PortOpenError::None};
    }

  private:
    ScriptedPort& port_;
};

monitor::MonitorRecord record(uint8_t state, uint8_t slave, uint16_t start,
                              std::vector<uint8_t> data) {
    return {state, slave, start, static_cast<uint8_t>(data.size()), std::move(data)};
}

bool save(QWidget& dialog, const QString& out) {
    if (dialog.grab().save(out))
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(out));
    return false;
}

// The real thing: the port library, real waits, timer 1 running.
int runOnDevice(const std::string& device, int ms, const QString& out) {
    port::PosixPortOpener opener;
    SteadyClock clock;
    NoDialogs dialogs;
    CStakeout dialog(opener, device, clock, dialogs);
    bool saved = false;
    QTimer::singleShot(ms, &dialog, [&] {
        saved = save(dialog, out);
        dialog.reject();
    });
    dialog.exec();
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    std::string device;
    int ms = 2000;
    while (args.size() > 1 && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--device") && !args.isEmpty())
            device = args.takeFirst().toStdString();
        else if (option == QLatin1String("--ms") && !args.isEmpty())
            ms = args.takeFirst().toInt();
        else
            args.clear();
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: monitor_shot [--device PATH [--ms MS]] OUT.png\n");
        return 2;
    }
    if (!device.empty())
        return runOnDevice(device, ms, args.front());

    FakeClock clock;
    ScriptedPort port(clock);
    SharedOpener opener(port);
    NoDialogs dialogs;
    CStakeout dialog(opener, std::string("/dev/ttyUSB0"), clock, dialogs);
    if (!dialog.openMonitor())
        return 1;
    dialog.timer()->stop();

    const monitor::MonitorRecord traffic[] = {
        record(0, 1, 0, {0x00, 0x64, 0x01, 0x2c, 0x00, 0x00, 0x13, 0x88}),
        record(0, 2, 16, {0x0f, 0xa5}),
        record(1, 3, 100, {0x02}),
        record(0, 1, 0, {0x00, 0x65, 0x01, 0x2c, 0x00, 0x00, 0x13, 0x88}),
        record(3, 4, 200, {}),
        record(2, 2, 16, {0x0f}),
        record(0, 5, 40, {0x00, 0x01, 0x02, 0x03}),
        record(1, 3, 100, {0x09}),
        record(0, 1, 0, {0x00, 0x66, 0x01, 0x2d, 0x00, 0x00, 0x13, 0x88}),
    };
    for (const auto& one : traffic) {
        port.injectNow(monitor::encodeRecord(one));
        dialog.pollTick();
    }
    dialog.show();
    application.processEvents();
    return save(dialog, args.front()) ? 0 : 1;
}
