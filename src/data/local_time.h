#pragma once
// Local-time texts of a point in time, the same on every system.

#include <chrono>
#include <string>

namespace mv52 {

// strftime's `pattern` ("%Y%m%d") applied to `time` in the local time zone.
std::string formatLocalTime(std::chrono::system_clock::time_point time, const char* pattern);

}  // namespace mv52
