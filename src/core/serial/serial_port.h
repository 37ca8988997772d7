#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace brenmoor {

// An open serial port as the configuration protocol uses it. The protocol
// never waits inside a read: it asks how many bytes wait and reads exactly
// those. A port that was closed, or whose device went away, reports nothing
// waiting and reads nothing, so a transfer over it ends with the step's
// timeout message instead of hanging.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Clears the port's error state and returns the number of bytes waiting
    // in the input queue.
    virtual size_t queryStatus() = 0;
    // Writes the whole frame; false when the port could not take it.
    virtual bool writeBytes(std::span<const uint8_t> bytes) = 0;
    // Reads up to buffer.size() bytes that are already waiting; returns how
    // many were read.
    virtual size_t readBytes(std::span<uint8_t> buffer) = 0;
    virtual void closePort() = 0;
    // False once closePort() ran or the port closed itself because its
    // device went away (a pulled adapter, a hung-up line). A closed port
    // never opens again: whoever polls it must stop and say so.
    virtual bool isOpen() const = 0;
};

} // namespace brenmoor
