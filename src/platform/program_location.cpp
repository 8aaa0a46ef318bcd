#include "platform/program_location.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include "data/windows_api.h"

#include <vector>
#endif

#include "data/native_files.h"

namespace mv52 {

std::string programFolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
#if defined(__linux__)
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path().string();
#elif defined(_WIN32)
    // The wide name: argv[0] holds the ANSI code page's rendering, which loses a folder named
    // in Chinese.
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) break;
        if (n < name.size()) return native::fromPath(fs::path(std::wstring(name.data(), n)).parent_path());
        name.resize(name.size() * 2);
    }
#endif
    const fs::path fallback = fs::absolute(fs::path(argv0 ? argv0 : "."), ec);
    return native::fromPath(fallback.parent_path());
}

}  // namespace mv52
