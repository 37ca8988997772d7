#pragma once

#include <cstdint>
#include <string>

namespace brenmoor::monitor {

// A moment of the calendar clock (milliseconds since 1970) in the
// computer's local time, "2024-05-01 14:03:07.123": what spreadsheets read
// as a time and people read without a key.
std::string wallTimeText(int64_t wallMs);

// The same moment for a file name: "20240501-140307-123".
std::string wallTimeStamp(int64_t wallMs);

} // namespace brenmoor::monitor
