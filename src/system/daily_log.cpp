#include "system/daily_log.h"

#include <fstream>

#include "system/clock.h"
#include "data/local_time.h"

namespace mv52 {

std::string hexText(std::span<const std::uint8_t> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        if (!text.empty()) text += ' ';
        if (b >= 16) text += kHex[b >> 4];
        text += kHex[b & 0x0F];
    }
    return text;
}

std::string DailyLog::pathForToday() const { return pathFor(clock_.now()); }

std::string DailyLog::pathFor(std::chrono::system_clock::time_point time) const {
    return folder_ + "/log" + formatLocalTime(time, "%Y%m%d") + ".txt";
}

void DailyLog::writeLogLine(std::string_view title, std::string_view text) {
    // One instant names the file and stamps the line, also across midnight.
    const auto now = clock_.now();
    std::ofstream out(pathFor(now), std::ios::binary | std::ios::app);
    if (!out) return;
    out << formatLocalTime(now, "%Y-%m-%d %H:%M:%S") << "---" << title << ": " << text << "\r\n";
}

}  // namespace mv52
