#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "system/daily_log.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

std::chrono::system_clock::time_point localTime(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(DailyLog, HexText) {
    const std::uint8_t handshake[] = {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D};
    EXPECT_EQ(hexText(handshake), "50 52 4F 47 52 41 4D");
    const std::uint8_t end[] = {0x45, 0x4E, 0x44};
    EXPECT_EQ(hexText(end), "45 4E 44");
    const std::uint8_t ack[] = {0x06};
    EXPECT_EQ(hexText(ack), "6");
    const std::uint8_t mixed[] = {0x00, 0x0F, 0x10, 0xFF};
    EXPECT_EQ(hexText(mixed), "0 F 10 FF");
    EXPECT_EQ(hexText({}), "");
}

TEST(DailyLog, OneFilePerDayOneLinePerCall) {
    test::TempDir dir;
    test::FakeClock clock;
    DailyLog log(dir.path().string(), clock);
    clock.time = localTime(2026, 12, 8, 23, 59);
    log.writeLogLine(kLogTitleSent, "50 52 4F 47 52 41 4D");
    log.writeLogLine(kLogTitleReceived, "4C 42 6");
    clock.time = localTime(2026, 12, 9, 0, 1);
    log.writeLogLine(kLogTitleSent, "2");

    const std::string first = slurp(dir.file("log20261208.txt"));
    EXPECT_EQ(first, "2026-12-08 23:59:00---发送数据: 50 52 4F 47 52 41 4D\r\n"
                     "2026-12-08 23:59:00---接收数据: 4C 42 6\r\n");
    EXPECT_EQ(slurp(dir.file("log20261209.txt")), "2026-12-09 00:01:00---发送数据: 2\r\n");
}

TEST(DailyLog, HeldLinesKeepTheirStampAndOrderAndReachTheirDaysFile) {
    test::TempDir dir;
    test::FakeClock clock;
    DailyLog log(dir.path().string(), clock);
    const std::string day1 = dir.file("log20261208.txt");
    clock.time = localTime(2026, 12, 8, 23, 59);
    {
        const DailyLog::Hold hold(log);
        log.writeLogLine(kLogTitleReceived, "52 0 0 10");
        log.writeLogLine(kLogTitleSent, "52 0 10 10");
        EXPECT_FALSE(std::filesystem::exists(day1));  // held
        clock.time = localTime(2026, 12, 9, 0, 0);
        log.writeLogLine(kLogTitleSent, "2");  // a new day: the held lines go to their own day
        EXPECT_EQ(slurp(day1), "2026-12-08 23:59:00---接收数据: 52 0 0 10\r\n"
                               "2026-12-08 23:59:00---发送数据: 52 0 10 10\r\n");
        {
            // A reply handled while a box of the outer handler is open: written when it ends.
            const DailyLog::Hold inner(log);
            log.writeLogLine(kLogTitleReceived, "4C 42");
        }
        EXPECT_EQ(slurp(dir.file("log20261209.txt")), "2026-12-09 00:00:00---发送数据: 2\r\n"
                                                      "2026-12-09 00:00:00---接收数据: 4C 42\r\n");
        log.writeLogLine(kLogTitleReceived, "6");
        log.writeHeld();  // as before a message box
        const std::string day2 = "2026-12-09 00:00:00---发送数据: 2\r\n"
                                 "2026-12-09 00:00:00---接收数据: 4C 42\r\n"
                                 "2026-12-09 00:00:00---接收数据: 6\r\n";
        EXPECT_EQ(slurp(dir.file("log20261209.txt")), day2);
        log.writeLogLine(kLogTitleSent, "45 4E 44");
        EXPECT_EQ(slurp(dir.file("log20261209.txt")), day2);  // held
    }
    EXPECT_EQ(slurp(dir.file("log20261209.txt")), "2026-12-09 00:00:00---发送数据: 2\r\n"
                                                  "2026-12-09 00:00:00---接收数据: 4C 42\r\n"
                                                  "2026-12-09 00:00:00---接收数据: 6\r\n"
                                                  "2026-12-09 00:00:00---发送数据: 45 4E 44\r\n");
}

TEST(DailyLog, AnUnwritableFolderIsSkippedSilently) {
    test::FakeClock clock;
    DailyLog log("/nonexistent/folder", clock);
    EXPECT_NO_THROW(log.writeLogLine(kLogTitleSent, "6"));
}

TEST(DailyLog, AFolderThatCannotBeWrittenIsTriedAgainWithTheNextLine) {
    test::TempDir dir;
    test::FakeClock clock;
    clock.time = localTime(2026, 12, 8, 10, 0);
    const std::filesystem::path folder = dir.path() / "later";
    DailyLog log(folder.string(), clock);
    log.writeLogLine(kLogTitleSent, "6");
    std::filesystem::create_directory(folder);
    log.writeLogLine(kLogTitleReceived, "4C 42 6");
    EXPECT_EQ(slurp((folder / "log20261208.txt").string()), "2026-12-08 10:00:00---接收数据: 4C 42 6\r\n");
}

// The log is deleted, then moved away, in the middle of a session (a read's held lines
// included): every later line is in a new file under the day's name, none goes to the old one.
TEST(DailyLog, ALogDeletedOrMovedMidSessionGetsEveryLaterLineInANewFile) {
    test::TempDir dir;
    test::FakeClock clock;
    clock.time = localTime(2026, 12, 8, 10, 0);
    DailyLog log(dir.path().string(), clock);
    const std::string path = dir.file("log20261208.txt");
    log.writeLogLine(kLogTitleSent, "50 52 4F 47 52 41 4D");
    std::filesystem::remove(path);
    {
        DailyLog::Hold hold(log);
        log.writeLogLine(kLogTitleReceived, "6");
        log.writeLogLine(kLogTitleSent, "52 0 0 10");
    }
    const std::string afterDelete = "2026-12-08 10:00:00---接收数据: 6\r\n"
                                    "2026-12-08 10:00:00---发送数据: 52 0 0 10\r\n";
    EXPECT_EQ(slurp(path), afterDelete);
    std::filesystem::rename(path, dir.file("rotated.txt"));
    log.writeLogLine(kLogTitleReceived, "57 0 0 10");
    EXPECT_EQ(slurp(path), "2026-12-08 10:00:00---接收数据: 57 0 0 10\r\n");
    EXPECT_EQ(slurp(dir.file("rotated.txt")), afterDelete);
}

}  // namespace
}  // namespace mv52
