#pragma once

#include "core/serial/port_settings.h"
#include "core/serial/serial_port.h"

#include <memory>
#include <string>

class QSerialPort;

namespace brenmoor::port {

// A serial device (a real port, a USB adapter or a pseudo-terminal) behind
// the core's port interface. It runs without an event loop: every status
// query pumps the device so that arrived bytes become visible.
class QtSerialPort : public SerialPort {
  public:
    explicit QtSerialPort(std::unique_ptr<QSerialPort> port);
    ~QtSerialPort() override;

    size_t queryStatus() override;
    bool writeBytes(std::span<const uint8_t> bytes) override;
    size_t readBytes(std::span<uint8_t> buffer) override;
    void closePort() override;

    bool isOpen() const override;

  private:
    // A device that went away (a pulled USB adapter, a closed pseudo-terminal)
    // keeps reporting read errors; the port is closed on the first one so that
    // the transfer ends with its step's message instead of spinning.
    void closeOnFatalError();

    std::unique_ptr<QSerialPort> port_;
};

// Opens devices for the configuration protocol and the monitor.
class QtPortOpener : public PortOpener {
  public:
    PortOpenResult open(const std::string& deviceName, const LineSettings& line) override;
};

// The serial devices of this computer: what Qt finds, then the usual device
// nodes that exist, then the paths a caller added (a simulator's
// pseudo-terminal, which no system list shows).
class SystemPortLister : public PortLister {
  public:
    void addDevice(std::string path) { extra_.push_back(std::move(path)); }
    ComPortNames listPorts() override;

  private:
    ComPortNames extra_;
};

} // namespace brenmoor::port
