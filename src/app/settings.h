#pragma once
// The settings file <parent of the program folder>/language/mysetup.ini, section "language".

#include <cstdint>
#include <string>

#include "lang/language_choice.h"

namespace mv52 {

class ProfileFile;

inline constexpr const char* kSettingsSection = "language";

struct Settings {
    std::uint16_t comPort = 1;
    std::int16_t handshaking = 0;  // kept only
    std::int16_t stopBit = 0;      // kept only
    bool isFirstRun = false;
    bool verifyAfterWrite = false;  // "VerifyAfterWrite": our own, 1 reads the radio back after a write
    LanguageState language;
};

// The installation folder: the program folder without its last path component.
std::string installationFolder(const std::string& programFolder);
std::string settingsFilePath(const std::string& programFolder);
std::string versionFilePath(const std::string& programFolder);

// Reads the five keys and "VerifyAfterWrite" (off unless 1), then writes "IsFirstRun" (on a first run), "comPort" and
// "CurrentLanguage" back. A missing file, key or number keeps the default: comPort 1, a
// first run, the system language. A file that cannot be written changes nothing else.
Settings loadSettings(ProfileFile& profiles, const std::string& path, std::uint32_t systemLocaleId);

// The language the settings file asks for, without writing anything: the stored
// "CurrentLanguage" unless this would be a first run, else the system language.
LanguageIndex storedLanguage(const ProfileFile& profiles, const std::string& path, std::uint32_t systemLocaleId);

// Writes "comPort" (the port dialog), "CurrentLanguage" (the language dialog) and
// "VerifyAfterWrite" (the Program menu's check item).
bool storeComPort(ProfileFile& profiles, const std::string& path, std::uint16_t comPort);
bool storeLanguage(ProfileFile& profiles, const std::string& path, LanguageIndex language);
bool storeVerifyAfterWrite(ProfileFile& profiles, const std::string& path, bool verify);

}  // namespace mv52
