#pragma once

#include "core/serial/port_settings.h"
#include "core/serial/serial_port.h"
#include "port/port_queue.h"

#include <cstddef>
#include <string>
#include <termios.h>

namespace brenmoor::port {

// A terminal device (a serial port, a USB adapter or a pseudo-terminal) on
// a non-blocking descriptor, behind the core's port interface. Nothing here
// ever waits for input; only a write waits, briefly, for room. The kernel
// keeps its own bounded queue, of which no more than kPortQueueBytes are
// ever reported waiting; nothing is buffered on top of it here, so a flood
// of bytes neither grows memory nor leaves minutes of stale input behind.
class PosixSerialPort : public SerialPort {
  public:
    // Takes over `fd`, opened and set up by PosixPortOpener; `found` are the
    // line settings the device had before, put back as the port closes.
    PosixSerialPort(int fd, const termios& found) : fd_(fd), found_(found) {}
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    // A hung-up device (a pulled adapter, a pseudo-terminal whose other side
    // closed) closes the port here, on the first status query that sees it.
    size_t queryStatus() override;
    bool writeBytes(std::span<const uint8_t> bytes) override;
    size_t readBytes(std::span<uint8_t> buffer) override;
    void closePort() override;
    bool isOpen() const override { return fd_ >= 0; }

  private:
    int fd_ = -1;
    termios found_;
};

// Opens a device in the steps the program reports one by one: the device
// itself (exclusively), its current line settings, the new ones, and the
// purge of both directions.
class PosixPortOpener : public PortOpener {
  public:
    PortOpenResult open(const std::string& deviceName, const LineSettings& line) override;
};

} // namespace brenmoor::port
