#include "core/model/function_code.h"

#include "core/model/number_text.h"
#include "core/resources/messages_model.h"

namespace brenmoor {

namespace {

constexpr FunctionCodeRecord kRecords[] = {
    {1, msg::ReadCoilStatus, true, true, false, std::nullopt},
    {2, msg::ReadInputStatus, true, true, false, PlcAddressRange{10000, 20000, 10001}},
    {3, msg::ReadHoldingRegisters, true, false, false, PlcAddressRange{40000, 50000, 40001}},
    {4, msg::ReadInputRegister, true, false, false, PlcAddressRange{30000, 40000, 30001}},
    {5, msg::ForceSingleCoil, false, true, true, PlcAddressRange{0, 10000, 1}},
    {6, msg::PresetSingleRegister, false, false, true, PlcAddressRange{40000, 50000, 40001}},
    {15, msg::ForceMultipleCoils, false, true, false, PlcAddressRange{0, 10000, 1}},
    {16, msg::PresetMultipleRegisters, false, false, false, PlcAddressRange{40000, 50000, 40001}},
};

} // namespace

int functionCodeOf(std::string_view text) {
    return leadingInt(text);
}

int64_t FunctionCodeRecord::downloadByteCount(int64_t n) const {
    if (single)
        return bits ? 1 : 2;
    return bits ? (n + 7) / 8 : 2 * n;
}

int64_t FunctionCodeRecord::layoutSize(int64_t n, int64_t b) const {
    // A single coil is one bit from the offset on.
    if (bits)
        return ((single ? 1 : n) + b + 7) / 8;
    return single ? 2 : 2 * n;
}

std::span<const FunctionCodeRecord> functionCodeRecords() {
    return kRecords;
}

const FunctionCodeRecord* functionCodeRecord(int code) {
    for (const FunctionCodeRecord& record : kRecords)
        if (record.code == code)
            return &record;
    return nullptr;
}

} // namespace brenmoor
