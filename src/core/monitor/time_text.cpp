#include "core/monitor/time_text.h"

#include "core/model/local_time.h"

#include <cstdio>
#include <ctime>

namespace brenmoor::monitor {
namespace {

struct LocalTime {
    std::tm tm{};
    int ms = 0;
};

LocalTime localTime(int64_t wallMs) {
    // Floor division, so that a moment before 1970 still has 0 to 999 ms.
    int64_t seconds = wallMs / 1000;
    int64_t ms = wallMs % 1000;
    if (ms < 0) {
        ms += 1000;
        --seconds;
    }
    LocalTime local;
    const std::time_t t = static_cast<std::time_t>(seconds);
    local.tm = localTimeOf(t);
    local.ms = static_cast<int>(ms);
    return local;
}

// The moment's fields in the order year, month, day, hour, minute, second,
// millisecond, as `format` lays them out.
std::string formatted(int64_t wallMs, const char* format) {
    const LocalTime t = localTime(wallMs);
    char text[48];
    std::snprintf(text, sizeof text, format, t.tm.tm_year + 1900, t.tm.tm_mon + 1, t.tm.tm_mday,
                  t.tm.tm_hour, t.tm.tm_min, t.tm.tm_sec, t.ms);
    return text;
}

} // namespace

std::string wallTimeText(int64_t wallMs) {
    return formatted(wallMs, "%04d-%02d-%02d %02d:%02d:%02d.%03d");
}

std::string wallTimeStamp(int64_t wallMs) {
    return formatted(wallMs, "%04d%02d%02d-%02d%02d%02d-%03d");
}

} // namespace brenmoor::monitor
