#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace brenmoor {

// Request and reply codes of the configuration protocol.
namespace code {
inline constexpr uint8_t DeviceInfo = 0x01;
inline constexpr uint8_t WriteSubnet = 0x03;
inline constexpr uint8_t ReadSubnet = 0x04;
inline constexpr uint8_t WriteCommand = 0x10;
inline constexpr uint8_t ClearCommands = 0x14;
inline constexpr uint8_t ReadCommandCount = 0x15;
inline constexpr uint8_t ReadCommandPacket = 0x16;
inline constexpr uint8_t WriteDeviceNet = 0x21;
inline constexpr uint8_t ReadDeviceNet = 0x22;
inline constexpr uint8_t FieldbusAck = 0x30; // also acknowledges a DeviceNet write
inline constexpr uint8_t WriteClearingOption = 0x32;
inline constexpr uint8_t ReadClearingOption = 0x33;
inline constexpr uint8_t WriteProfibusConfig = 0x34;
inline constexpr uint8_t ReadProfibusConfig = 0x35;
inline constexpr uint8_t NegativeFlag = 0x80;
} // namespace code

inline constexpr size_t kSubnetBlockSize = 22;
inline constexpr size_t kCommandRecordSize = 11;
inline constexpr size_t kDeviceNetBlockSize = 4;
inline constexpr size_t kProfibusConfigSize = 9; // count + 8 bytes
inline constexpr size_t kCommandsPerPacket = 6;

// The low 8 bits of the sum of the bytes.
uint8_t frameChecksum(std::span<const uint8_t> bytes);

// Command, data length, data and checksum. Data longer than 255 bytes does
// not fit a frame and is cut.
std::vector<uint8_t> buildFrame(uint8_t command, std::span<const uint8_t> data = {});

// The plain acknowledgement of a request: its code, 0x00, its code.
std::vector<uint8_t> ackFrame(uint8_t command);

// True when bytes[0..n-1] sum to bytes[n] (and the reply holds n + 1 bytes).
bool checksumMatches(std::span<const uint8_t> bytes, size_t n);

} // namespace brenmoor
