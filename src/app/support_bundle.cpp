#include "app/support_bundle.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "data/native_files.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> readTail(const std::string& path, std::size_t limit) {
    std::ifstream in(native::toPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    const auto start = static_cast<std::streamoff>(size > static_cast<std::streamoff>(limit) ? size - static_cast<std::streamoff>(limit) : 0);
    in.seekg(start);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// The daily logs of the log folder, newest last: their names sort by date.
std::vector<std::string> lastLogs(const std::string& logFolder) {
    static const std::regex name(R"(log\d{8}\.txt)");
    std::vector<std::string> logs;
    std::error_code ec;
    for (fs::directory_iterator it(native::toPath(logFolder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = native::fromPath(it->path().filename());
        if (std::regex_match(file, name) && it->is_regular_file(ec)) logs.push_back(file);
    }
    std::sort(logs.begin(), logs.end());
    if (logs.size() > kBundledLogs) logs.erase(logs.begin(), logs.end() - static_cast<std::ptrdiff_t>(kBundledLogs));
    return logs;
}

std::string replaceExtension(const std::string& path, const std::string& extension) {
    // The channel file is the data file's path with its last three characters replaced.
    return path.size() >= 3 ? path.substr(0, path.size() - 3) + extension : path;
}

}  // namespace

std::vector<BundleFile> supportBundleFiles(const std::string& programFolder, const std::string& logFolder,
                                           const std::string& settingsPath,
                                           const std::string& versionPath, const SupportFacts& facts,
                                           const std::optional<std::string>& dataFile) {
    std::vector<BundleFile> files;
    std::string missing;
    const auto add = [&](const std::string& name, const std::string& path) {
        if (auto bytes = readTail(path, kBundledLogLimit))
            files.push_back({name, std::move(*bytes)});
        else
            missing += name + ": " + path + "\n";
    };

    std::string about = "Program version: " + facts.programVersion + "\n" + "Toolkit: " + facts.toolkitVersion +
                        "\n" + "System: " + facts.system + "\n" + "Program folder: " + programFolder + "\n";
    files.push_back({"about.txt", std::move(about)});
    std::string ports;
    for (const std::string& line : facts.portLines) ports += line + "\n";
    if (facts.portLines.empty()) ports = "(no serial ports)\n";
    files.push_back({"ports.txt", std::move(ports)});
    add("language/mysetup.ini", settingsPath);
    add("Version.ini", versionPath);
    for (const std::string& log : lastLogs(logFolder)) add("logs/" + log, native::fromPath(native::toPath(logFolder) / native::toPath(log)));
    if (dataFile) {
        add("data/" + native::fromPath(native::toPath(*dataFile).filename()), *dataFile);
        const std::string channels = replaceExtension(*dataFile, "fre");
        add("data/" + native::fromPath(native::toPath(channels).filename()), channels);
    }
    if (!missing.empty()) files.push_back({"missing.txt", std::move(missing)});
    return files;
}

}  // namespace mv52
