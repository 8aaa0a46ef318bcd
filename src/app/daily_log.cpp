#include "app/daily_log.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <fstream>

#include "app/clock.h"

namespace mv52 {
namespace {

std::tm localTime(std::chrono::system_clock::time_point t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

std::string format(const std::tm& t, const char* pattern) {
    std::array<char, 64> buf{};
    const std::size_t n = std::strftime(buf.data(), buf.size(), pattern, &t);
    return std::string(buf.data(), n);
}

}  // namespace

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

std::string DailyLog::pathForToday() const {
    return folder_ + "/log" + format(localTime(clock_.now()), "%Y%m%d") + ".txt";
}

void DailyLog::writeLogLine(std::string_view title, std::string_view text) {
    const std::tm now = localTime(clock_.now());
    std::ofstream out(pathForToday(), std::ios::binary | std::ios::app);
    if (!out) return;
    out << format(now, "%Y-%m-%d %H:%M:%S") << "---" << title << ": " << text << "\r\n";
}

}  // namespace mv52
