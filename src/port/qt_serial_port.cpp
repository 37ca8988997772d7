#include "port/qt_serial_port.h"

#include <QDir>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

namespace brenmoor::port {

namespace {

constexpr int kWriteTimeoutMs = 2000;

QSerialPort::Parity toQt(Parity parity) {
    switch (parity) {
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Mark:
        return QSerialPort::MarkParity;
    case Parity::Space:
        return QSerialPort::SpaceParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::DataBits toQtDataBits(int bits) {
    switch (bits) {
    case 5:
        return QSerialPort::Data5;
    case 6:
        return QSerialPort::Data6;
    case 7:
        return QSerialPort::Data7;
    default:
        return QSerialPort::Data8;
    }
}

bool isFatal(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ReadError || error == QSerialPort::ResourceError ||
           error == QSerialPort::WriteError || error == QSerialPort::PermissionError ||
           error == QSerialPort::DeviceNotFoundError;
}

} // namespace

QtSerialPort::QtSerialPort(std::unique_ptr<QSerialPort> port) : port_(std::move(port)) {
    // Where an event loop runs (the desktop), a device that hangs up makes
    // the port report read errors over and over; close it on the first. The
    // close is queued so it never runs inside the port's own signal.
    QSerialPort* raw = port_.get();
    QObject::connect(
        raw, &QSerialPort::errorOccurred, raw,
        [raw](QSerialPort::SerialPortError error) {
            if (isFatal(error) && raw->isOpen())
                raw->close();
        },
        Qt::QueuedConnection);
}

QtSerialPort::~QtSerialPort() {
    closePort();
}

bool QtSerialPort::isOpen() const {
    return port_ && port_->isOpen();
}

void QtSerialPort::closeOnFatalError() {
    if (isOpen() && isFatal(port_->error()))
        port_->close();
}

size_t QtSerialPort::queryStatus() {
    if (!isOpen())
        return 0;
    // Without an event loop the device is only read when asked to wait; a
    // zero wait is enough to move what arrived into the port's buffer.
    port_->waitForReadyRead(0);
    closeOnFatalError();
    if (!isOpen())
        return 0;
    port_->clearError();
    return static_cast<size_t>(std::max<qint64>(0, port_->bytesAvailable()));
}

bool QtSerialPort::writeBytes(std::span<const uint8_t> bytes) {
    if (!isOpen())
        return false;
    const qint64 written = port_->write(reinterpret_cast<const char*>(bytes.data()),
                                        static_cast<qint64>(bytes.size()));
    const bool sent =
        written == static_cast<qint64>(bytes.size()) && port_->waitForBytesWritten(kWriteTimeoutMs);
    closeOnFatalError();
    return sent;
}

size_t QtSerialPort::readBytes(std::span<uint8_t> buffer) {
    if (!isOpen() || buffer.empty())
        return 0;
    const qint64 got =
        port_->read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(buffer.size()));
    closeOnFatalError();
    return got > 0 ? static_cast<size_t>(got) : 0;
}

void QtSerialPort::closePort() {
    if (isOpen())
        port_->close();
}

PortOpenResult QtPortOpener::open(const std::string& deviceName, const LineSettings& line) {
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(QString::fromStdString(deviceName));
    if (!port->open(QIODevice::ReadWrite))
        return {nullptr, PortOpenError::OpenFailed};
    // Qt reads the current settings as part of open; one that cannot be
    // applied fails here.
    const bool applied =
        port->setBaudRate(line.baudRate) && port->setDataBits(toQtDataBits(line.dataBits)) &&
        port->setParity(toQt(line.parity)) &&
        port->setStopBits(line.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        port->setFlowControl(QSerialPort::NoFlowControl);
    if (!applied) {
        port->close();
        return {nullptr, PortOpenError::WriteSettingsFailed};
    }
    // Pseudo-terminals have no modem lines: failing to set them is harmless.
    port->setDataTerminalReady(true);
    port->setRequestToSend(true);
    port->clearError();
    // Opening does not drop what arrived before: purge it, including what
    // the zero wait moves into the port's own buffer.
    port->clear(QSerialPort::AllDirections);
    port->waitForReadyRead(0);
    port->readAll();
    port->clearError();
    return {std::make_unique<QtSerialPort>(std::move(port)), PortOpenError::None};
}

ComPortNames SystemPortLister::listPorts() {
    ComPortNames names;
    auto add = [&names](const std::string& path) {
        if (!path.empty() && std::find(names.begin(), names.end(), path) == names.end())
            names.push_back(path);
    };
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        add(info.systemLocation().toStdString());
    const QDir dev(QStringLiteral("/dev"));
    const QStringList patterns{QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
                               QStringLiteral("ttyS*")};
    for (const QString& pattern : patterns)
        for (const QString& entry : dev.entryList({pattern}, QDir::System, QDir::Name))
            add(dev.filePath(entry).toStdString());
    for (const std::string& path : extra_)
        add(path);
    return names;
}

} // namespace brenmoor::port
