#pragma once

#include "core/model/device_settings.h"
#include "core/model/parameter_store.h"
#include "core/serial/received_data.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brenmoor {

// The gateway keeps numbers and codes where the store keeps texts. These
// build the data bytes of the write requests from the store and turn the
// bytes of the read replies back into texts. Every table is one array read
// in both directions.

std::array<uint8_t, kDeviceNetBlockSize> encodeDeviceNetBlock(const ParameterStore& store);
std::array<uint8_t, kSubnetBlockSize> encodeSubnetBlock(const ParameterStore& store, int subnet);
std::array<uint8_t, kCommandRecordSize> encodeCommand(const ParameterStore& store, int subnet,
                                                      int command);
// The value of request 0x32; its meaning follows the flag that sends it.
uint8_t encodeClearingOption(const ParameterStore& store, const DeviceSettings& device);
std::array<uint8_t, kProfibusConfigSize> encodeProfibusConfigData(const ParameterStore& store);

// The request frames a download sends, built from the store.
std::vector<uint8_t> deviceNetWriteFrame(const ParameterStore& store);
std::vector<uint8_t> subnetWriteFrame(const ParameterStore& store, int subnet);
std::vector<uint8_t> commandWriteFrame(const ParameterStore& store, int subnet, int command);

// Decoders of single blocks, for the upload and the simulated gateway.
void decodeDeviceNetBlock(std::span<const uint8_t, kDeviceNetBlockSize> block, FIELDBUS& fieldbus);
// Leaves the subnet's parameters alone for an unknown protocol byte.
void decodeSubnetBlock(std::span<const uint8_t, kSubnetBlockSize> block, CONFIG& config,
                       const DeviceSettings& device);
void decodeCommand(std::span<const uint8_t, kCommandRecordSize> record, INSTRUCTION& command,
                   const DeviceSettings& device);
void decodeClearingOption(uint8_t value, ParameterStore& store, const DeviceSettings& device);
void decodeProfibusConfigData(std::span<const uint8_t, kProfibusConfigSize> data,
                              FIELDBUS& fieldbus);

// Applies everything an upload received to a store that was reset to its
// defaults: device family, DeviceNet block, the four subnets with their
// nodes rebuilt from the commands, and the optional blocks that were read.
// The caller rebuilds the configuration tree afterwards.
void decodeUpload(const ReceivedData& received, ParameterStore& store, DeviceSettings& device);

// Number conversions as the encoders use them: the leading decimal (or
// hexadecimal) digits with an optional sign; anything else gives 0.
int encodedDecimal(std::string_view text);
int encodedHex(std::string_view text);

} // namespace brenmoor
