#pragma once

#include "core/serial/port_settings.h"
#include "core/serial/serial_port.h"

#include <string>

namespace brenmoor::port {

// A COM device opened through the Windows communications functions, for
// synchronous I/O. The status query says how many bytes wait and the
// protocol reads exactly those, so a read never waits.
class WindowsSerialPort : public SerialPort {
  public:
    // Takes over `handle` (a HANDLE), opened and set up by
    // WindowsPortOpener.
    explicit WindowsSerialPort(void* handle) : handle_(handle) {}
    ~WindowsSerialPort() override;
    WindowsSerialPort(const WindowsSerialPort&) = delete;
    WindowsSerialPort& operator=(const WindowsSerialPort&) = delete;

    // A device that went away (a pulled adapter) fails its status query;
    // the port closes itself then.
    size_t queryStatus() override;
    bool writeBytes(std::span<const uint8_t> bytes) override;
    size_t readBytes(std::span<uint8_t> buffer) override;
    void closePort() override;
    bool isOpen() const override { return handle_ != nullptr; }

  private:
    // After a failed transfer: clears the device's error state so the next
    // one can work, or closes the port when the device is gone.
    void recover();

    void* handle_ = nullptr;
};

// The device a port name stands for: names longer than four characters
// (COM10 and up) need the "\\.\" prefix; COM1 to COM9 are used as they are.
std::string devicePathOf(const std::string& portName);

// Opens a COM port in the steps the program reports one by one: the device
// (exclusively), its device-control block, the block with the line
// settings, and the purge of both directions.
class WindowsPortOpener : public PortOpener {
  public:
    PortOpenResult open(const std::string& portName, const LineSettings& line) override;
};

} // namespace brenmoor::port
