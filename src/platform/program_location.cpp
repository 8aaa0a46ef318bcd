#include "platform/program_location.h"

#include <filesystem>
#include <system_error>

namespace mv52 {

std::string programFolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
#if defined(__linux__)
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path().string();
#endif
    const fs::path fallback = fs::absolute(fs::path(argv0 ? argv0 : "."), ec);
    return fallback.parent_path().string();
}

}  // namespace mv52
