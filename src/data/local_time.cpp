#include "data/local_time.h"

#include <array>
#include <ctime>

namespace mv52 {

std::string formatLocalTime(std::chrono::system_clock::time_point time, const char* pattern) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    std::array<char, 64> buf{};
    const std::size_t n = std::strftime(buf.data(), buf.size(), pattern, &local);
    return std::string(buf.data(), n);
}

}  // namespace mv52
