#include "version/version_table.h"

#include <algorithm>

#include "system/profile_file.h"
#include "data/numeric.h"
#include "lang/messages.h"
#include "version/package_version.h"

namespace mv52 {

// The release number (CMake's project version) and the version text the data files, the radio
// checks and Version.ini pair with must tell the same version: a 2.1.x release is program V210.
static_assert(std::string_view(kProgramVersion) == kProjectVersionText,
              "the project version in CMakeLists.txt does not match kProgramVersion");
namespace {

// More entries than any installation lists; keeps a damaged count from stalling start-up.
constexpr int kMaxEntries = 1000;

std::optional<int> readCount(const ProfileFile& profiles, const std::string& path, std::string_view key) {
    const std::string text = profiles.read(path, "Version", key, "");
    if (!isNumeric(text)) return std::nullopt;
    return std::clamp<int>(numberFromText(text, 0), 0, kMaxEntries);
}

}  // namespace

VersionTable loadVersionTable(const ProfileFile& profiles, const std::string& path) {
    VersionTable table;
    table.currentVersion = profiles.read(path, "Version", "CurrentVersion", "");
    const auto softCount = readCount(profiles, path, "SoftVersionCount");
    const auto firmCount = readCount(profiles, path, "FirmVersionCount");
    if (!softCount || !firmCount) {
        table.incomplete = true;
        return table;
    }
    for (int i = 0; i < *softCount; ++i)
        table.softVersions.push_back(profiles.read(path, "Soft", "Version" + std::to_string(i), ""));
    for (int i = 0; i < *firmCount; ++i) {
        const std::string value = profiles.read(path, "Firm", "Firm" + std::to_string(i), "");
        const std::size_t tail = value.size() < 4 ? 0 : value.size() - 4;
        table.pairs.push_back({value.substr(0, 4), value.substr(tail)});
    }
    return table;
}

bool isCompatible(const VersionTable& table, std::string_view own, std::string_view other) {
    return std::any_of(table.pairs.begin(), table.pairs.end(),
                       [&](const VersionPair& p) { return p.program == own && p.other == other; });
}

std::string programVersionFor(const VersionTable& table, std::string_view other) {
    for (const VersionPair& p : table.pairs)
        if (p.other == other) return p.program;
    return {};
}

bool isVersionText(std::string_view text) {
    return text.size() == 4 && text[0] == 'V' && isDigits(text.substr(1));
}

std::string displayVersion(std::string_view version) {
    const std::size_t tail = version.size() < 2 ? 0 : version.size() - 2;
    return std::string(version.substr(0, 2)) + "." + std::string(version.substr(tail));
}

std::string composeVersionQuestion(std::string_view own, std::string_view other, VersionKind kind,
                                   LanguageIndex language) {
    const MessageKey otherKey = kind == VersionKind::Firmware ? MessageKey::MsgFirmwareVersionIs
                                                              : MessageKey::MsgDataFileVersionIs;
    return messageText(MessageKey::MsgIncompatibleVersion, language) + "\r\n" +
           messageText(otherKey, language) + " " + displayVersion(other) + "\r\n" +
           messageText(MessageKey::MsgSoftwareVersionIs, language) + " " + displayVersion(own);
}

}  // namespace mv52
