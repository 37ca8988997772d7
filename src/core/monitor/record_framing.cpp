#include "core/monitor/record_framing.h"

#include "core/monitor/monitor_record.h"

#include <algorithm>

namespace brenmoor::monitor {

std::vector<std::span<const uint8_t>> splitRecords(std::span<const uint8_t> read) {
    std::vector<std::span<const uint8_t>> records;
    read = read.first(std::min(read.size(), kMaxRecordBytes));
    while (!read.empty()) {
        size_t length = read.size();
        if (read.size() >= kRecordHeaderBytes)
            length = std::min(read.size(), kRecordHeaderBytes + read[kRecordHeaderBytes - 1]);
        records.push_back(read.first(length));
        read = read.subspan(length);
    }
    return records;
}

} // namespace brenmoor::monitor
