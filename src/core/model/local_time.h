#pragma once

#include <ctime>

namespace brenmoor {

// The calendar time of a moment in the computer's time zone. Both platforms
// have a thread-safe form, under different names and argument orders.
inline std::tm localTimeOf(std::time_t moment) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &moment);
#else
    localtime_r(&moment, &local);
#endif
    return local;
}

} // namespace brenmoor
