#include "app/settings.h"

#include <optional>

#include "system/profile_file.h"
#include "data/numeric.h"
#include "data/value_helpers.h"

namespace mv52 {
namespace {

constexpr std::size_t kValueChars = 512;  // values up to 511 characters

std::string readKey(const ProfileFile& profiles, const std::string& path, const char* key) {
    return profiles.read(path, kSettingsSection, key, "", kValueChars);
}

// A missing or unreadable "IsFirstRun" counts as a first run: the system language stands.
bool readFirstRun(const ProfileFile& profiles, const std::string& path) {
    const std::string firstRun = readKey(profiles, path, "IsFirstRun");
    return !isNumeric(firstRun) || numberFromText(firstRun, 1) != 0;
}

std::optional<LanguageIndex> readStoredLanguage(const ProfileFile& profiles, const std::string& path) {
    const std::int16_t stored = numberFromText(readKey(profiles, path, "CurrentLanguage"), 0);
    if (stored == 1 || stored == 2) return static_cast<LanguageIndex>(stored);
    return std::nullopt;
}

}  // namespace

std::string installationFolder(const std::string& programFolder) { return parentFolderOfPath(programFolder); }

std::string settingsFilePath(const std::string& programFolder) {
    return installationFolder(programFolder) + "/language/mysetup.ini";
}

std::string versionFilePath(const std::string& programFolder) {
    return installationFolder(programFolder) + "/Version.ini";
}

LanguageIndex storedLanguage(const ProfileFile& profiles, const std::string& path, std::uint32_t systemLocaleId) {
    const LanguageIndex system = systemLanguageFromLocale(systemLocaleId);
    if (readFirstRun(profiles, path)) return system;
    return readStoredLanguage(profiles, path).value_or(system);
}

Settings loadSettings(ProfileFile& profiles, const std::string& path, std::uint32_t systemLocaleId) {
    Settings s;
    s.language = LanguageState::startingWith(systemLanguageFromLocale(systemLocaleId));
    s.isFirstRun = readFirstRun(profiles, path);

    const std::int16_t port = numberFromText(readKey(profiles, path, "comPort"), 1);
    s.comPort = port >= 1 ? static_cast<std::uint16_t>(port) : std::uint16_t{1};
    s.handshaking = numberFromText(readKey(profiles, path, "Handshaking"), 0);
    s.stopBit = numberFromText(readKey(profiles, path, "StopBit"), 0);
    s.verifyAfterWrite = readKey(profiles, path, "VerifyAfterWrite") == "1";

    if (s.isFirstRun) {
        s.isFirstRun = false;
        profiles.write(path, kSettingsSection, "IsFirstRun", "0");
    } else {
        s.language.current = readStoredLanguage(profiles, path).value_or(s.language.current);
    }
    storeComPort(profiles, path, s.comPort);
    storeLanguage(profiles, path, s.language.current);
    return s;
}

bool storeComPort(ProfileFile& profiles, const std::string& path, std::uint16_t comPort) {
    return profiles.write(path, kSettingsSection, "comPort", std::to_string(comPort));
}

bool storeVerifyAfterWrite(ProfileFile& profiles, const std::string& path, bool verify) {
    return profiles.write(path, kSettingsSection, "VerifyAfterWrite", verify ? "1" : "0");
}

bool storeLanguage(ProfileFile& profiles, const std::string& path, LanguageIndex language) {
    return profiles.write(path, kSettingsSection, "CurrentLanguage", languageStoredText(language));
}

}  // namespace mv52
