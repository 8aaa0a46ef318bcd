#include "platform/system_port_inspector.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mv52 {
namespace {

// Both are known to open new USB serial adapters on their own, which keeps the port busy or
// sends the radio bytes it does not expect.
const std::vector<std::string> kGrabbers{"ModemManager", "brltty"};

#ifndef _WIN32
bool processHasGroup(gid_t gid) {
    if (getegid() == gid) return true;
    const int n = getgroups(0, nullptr);
    if (n <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    const int got = getgroups(n, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

// The user's groups as the group database lists them: what the next login will have.
bool userListedInGroup(gid_t gid) {
    const passwd* pw = getpwuid(getuid());
    if (pw == nullptr) return false;
    if (pw->pw_gid == gid) return true;
    const std::string name = pw->pw_name;
    const gid_t primary = pw->pw_gid;
    int n = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    if (getgrouplist(name.c_str(), primary, groups.data(), &n) < 0) {
        groups.resize(static_cast<std::size_t>(n));
        if (getgrouplist(name.c_str(), primary, groups.data(), &n) < 0) return false;
    }
    return std::find(groups.begin(), groups.begin() + n, gid) != groups.begin() + n;
}
#endif

}  // namespace

std::vector<std::string> SystemPortInspector::runningPrograms(const std::string& procFolder,
                                                              const std::vector<std::string>& watched) {
    std::vector<std::string> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(procFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        std::ifstream comm(it->path() / "comm");
        std::string program;
        if (!std::getline(comm, program)) continue;
        if (std::find(watched.begin(), watched.end(), program) != watched.end() &&
            std::find(found.begin(), found.end(), program) == found.end())
            found.push_back(program);
    }
    // In the order they are watched for, so messages read the same every time.
    std::vector<std::string> ordered;
    for (const std::string& w : watched)
        if (std::find(found.begin(), found.end(), w) != found.end()) ordered.push_back(w);
    return ordered;
}

PortCircumstances SystemPortInspector::inspect(const std::string& device) {
    PortCircumstances c;
#ifndef _WIN32
    c.unixLike = true;
    struct stat st {};
    if (!device.empty() && ::stat(device.c_str(), &st) == 0) {
        if (const group* g = getgrgid(st.st_gid)) c.deviceGroup = g->gr_name;
        c.userInGroup = userListedInGroup(st.st_gid);
        c.groupInEffect = processHasGroup(st.st_gid);
    }
    c.grabbers = runningPrograms("/proc", kGrabbers);
#else
    (void)device;
#endif
    return c;
}

}  // namespace mv52
