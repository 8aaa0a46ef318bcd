#include "system/daily_log.h"

#include <cstdio>

#include "system/clock.h"
#include "data/local_time.h"
#include "data/native_files.h"

namespace mv52 {

std::string hexText(std::span<const std::uint8_t> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
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
    const auto second = std::chrono::floor<std::chrono::seconds>(now.time_since_epoch()).count();
    if (second != stampSecond_) {
        stampSecond_ = second;
        stamp_ = formatLocalTime(now, "%Y-%m-%d %H:%M:%S");
        stampPath_ = pathFor(now);
    }
    if (!held_.empty() && heldPath_ != stampPath_) writeHeld();  // the day changed while held
    heldPath_ = stampPath_;
    held_.append(stamp_).append("---").append(title).append(": ").append(text).append("\r\n");
    if (holds_ == 0) writeHeld();
}

void DailyLog::writeHeld() {
    if (held_.empty()) return;
    // One append of everything held; a file that cannot be opened or written is skipped.
    if (std::FILE* file = native::openStream(heldPath_, "ab")) {
        std::fwrite(held_.data(), 1, held_.size(), file);
        std::fclose(file);
    }
    held_.clear();
}

}  // namespace mv52
