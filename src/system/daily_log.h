#pragma once
// The daily log of every serial frame: <program folder>/logYYYYMMDD.txt, one line per frame.
// Every write opens the day's file for appending, writes and closes it, so a log that is
// moved, rotated or deleted while the program runs loses no later line: the next write makes
// the file afresh. The lines of a reply and of the request that answers it are held and
// written together once the request has left (Hold), so the open and close never stand
// between a reply and the next request.

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
    DailyLog(const DailyLog&) = delete;
    DailyLog& operator=(const DailyLog&) = delete;

    // Appends "<date and time>---<title>: <text>" CR LF; a file that cannot be opened or
    // written is skipped silently (and opened afresh for the next line).
    virtual void writeLogLine(std::string_view title, std::string_view text);

    // While held, lines are stamped when written but reach the file together, in one system
    // call, when the hold ends or writeHeld() is called. The link holds the lines of a reply
    // and of the request that answers it until the request has left, so that the log never
    // delays the radio by more than the time to build a line.
    class Hold {
    public:
        explicit Hold(DailyLog& log) : log_(log) { ++log_.holds_; }
        // Every hold that ends writes what is held: a reply handled inside another one's
        // message box has sent its request when its own handler returns.
        ~Hold() {
            --log_.holds_;
            log_.writeHeld();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        DailyLog& log_;
    };
    // Hands the held lines to the file now (before anything that may wait for the user).
    void writeHeld();

    std::string pathForToday() const;

private:
    std::string pathFor(std::chrono::system_clock::time_point time) const;
    std::string folder_;
    const Clock& clock_;

    // The stamp and file name of the last line's second, reused while the second lasts.
    std::chrono::system_clock::time_point::rep stampSecond_ = -1;
    std::string stamp_;
    std::string stampPath_;
    std::string held_;      // lines not yet in the file, all for heldPath_
    std::string heldPath_;
    int holds_ = 0;
};

}  // namespace mv52
