// The daily log's promise to a program that dies, which needs a process killed with SIGKILL.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
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

}  // namespace

// Every line is in the file as soon as it is written: a program killed right after a frame
// has logged that frame.
TEST(DailyLog, EveryLineIsInTheFileWhenTheProgramDies) {
    test::TempDir dir;
    test::FakeClock clock;
    clock.time = localTime(2026, 12, 8, 10, 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DailyLog log(dir.path().string(), clock);
        log.writeLogLine(kLogTitleSent, "45 4E 44");
        log.writeLogLine(kLogTitleReceived, "6");
        std::raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::string before = "2026-12-08 10:00:00---发送数据: 45 4E 44\r\n"
                               "2026-12-08 10:00:00---接收数据: 6\r\n";
    EXPECT_EQ(slurp(dir.file("log20261208.txt")), before);

    DailyLog log(dir.path().string(), clock);
    log.writeLogLine(kLogTitleSent, "2");
    EXPECT_EQ(slurp(dir.file("log20261208.txt")), before + "2026-12-08 10:00:00---发送数据: 2\r\n");
}

}  // namespace mv52
