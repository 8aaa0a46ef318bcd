#pragma once
// The daily log of every serial frame: <program folder>/logYYYYMMDD.txt, one line per frame,
// the file named anew from the date at every line and opened and closed for each.

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mv52 {

class Clock;

inline constexpr const char* kLogTitleSent = "发送数据";
inline constexpr const char* kLogTitleReceived = "接收数据";

// Each byte as upper-case hexadecimal without a leading zero, separated by single spaces.
std::string hexText(std::span<const std::uint8_t> bytes);

class DailyLog {
public:
    DailyLog(std::string programFolder, const Clock& clock) : folder_(std::move(programFolder)), clock_(clock) {}
    virtual ~DailyLog() = default;

    // Appends "<date and time>---<title>: <text>" CR LF; a file that cannot be written is
    // skipped silently.
    virtual void writeLogLine(std::string_view title, std::string_view text);

    std::string pathForToday() const;

private:
    std::string pathFor(std::chrono::system_clock::time_point time) const;
    std::string folder_;
    const Clock& clock_;
};

}  // namespace mv52
