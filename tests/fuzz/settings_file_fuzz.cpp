// Feeds arbitrary texts as the settings file (mysetup.ini) and the version file (Version.ini)
// to their readers. The first byte chooses the system locale, the next two where the
// settings text ends and the version text begins.
//
// Whatever the file held, what start-up writes back must read back: loading the settings a
// second time is no first run and gives the same port and language.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "app/settings.h"
#include "system/profile_file.h"
#include "version/version_table.h"

namespace {

using namespace mv52;

// Profile files held in memory, read and written with the semantics of the files on disk.
class MemoryProfileFile final : public ProfileFile {
public:
    std::string read(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view fallback, std::size_t maxChars) const override {
        const auto it = files.find(path);
        return profileRead(it == files.end() ? std::nullopt : std::optional<std::string>(it->second), section, key,
                           fallback, maxChars);
    }
    bool write(const std::string& path, std::string_view section, std::string_view key,
               std::string_view value) override {
        files[path] = profileUpdate(files[path], section, key, value);
        return true;
    }
    std::map<std::string, std::string> files;
};

const char* const kSettings = "language/mysetup.ini";
const char* const kVersions = "Version.ini";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // English, Chinese (PRC), and one that only contains the Chinese digits.
    static constexpr std::uint32_t kLocales[] = {0x0409, 0x0804, 0x20804, 0x0404};
    const std::uint32_t locale = kLocales[data[0] % 4];
    const std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);
    const std::size_t split = (static_cast<std::size_t>(data[1]) | (static_cast<std::size_t>(data[2]) << 8)) % (text.size() + 1);

    MemoryProfileFile profiles;
    profiles.files[kSettings] = text.substr(0, split);
    profiles.files[kVersions] = text.substr(split);

    const LanguageIndex stored = storedLanguage(profiles, kSettings, locale);
    const Settings first = loadSettings(profiles, kSettings, locale);
    if (first.isFirstRun || first.comPort < 1) std::abort();
    if (first.language.current != stored) std::abort();  // the dialog's view agrees with start-up
    const std::string& written = profiles.files[kSettings];
    if (profileLookup(written, kSettingsSection, "comPort") != std::to_string(first.comPort)) std::abort();
    if (profileLookup(written, kSettingsSection, "CurrentLanguage") != languageStoredText(first.language.current))
        std::abort();

    const Settings second = loadSettings(profiles, kSettings, locale);
    if (second.isFirstRun || second.comPort != first.comPort || second.language.current != first.language.current ||
        second.verifyAfterWrite != first.verifyAfterWrite || second.handshaking != first.handshaking ||
        second.stopBit != first.stopBit)
        std::abort();

    const VersionTable table = loadVersionTable(profiles, kVersions);
    if (table.incomplete && !table.pairs.empty()) std::abort();
    for (const VersionPair& pair : table.pairs) {
        const std::string program = programVersionFor(table, pair.other);
        if (!isCompatible(table, program, pair.other)) std::abort();
        (void)composeVersionQuestion(program, pair.other, VersionKind::Firmware, LanguageIndex::Chinese);
    }
    (void)isVersionText(table.currentVersion);
    (void)displayVersion(table.currentVersion);
    return 0;
}
