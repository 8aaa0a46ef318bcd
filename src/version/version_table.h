#pragma once
// Which program versions go with which firmware and data-file versions, from Version.ini.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/language.h"

namespace mv52 {

class ProfileFile;

inline constexpr const char* kProgramVersion = "V200";

struct VersionPair {
    std::string program;  // a program version
    std::string other;    // the firmware or data-file version it goes with
    bool operator==(const VersionPair&) const = default;
};

struct VersionTable {
    std::string currentVersion;
    std::vector<std::string> softVersions;
    std::vector<VersionPair> pairs;  // in file order
    // Version.ini or one of its count keys was missing or not a number: the table is empty
    // and start-up warns.
    bool incomplete = false;
};

VersionTable loadVersionTable(const ProfileFile& profiles, const std::string& versionIniPath);

bool isCompatible(const VersionTable& table, std::string_view own, std::string_view other);
// The program version of the first pair whose second member is `other`; empty when none.
std::string programVersionFor(const VersionTable& table, std::string_view other);

// "V" followed by three digits.
bool isVersionText(std::string_view text);
// "V200" shows as "V2.00": the first two characters, a point, the last two.
std::string displayVersion(std::string_view version);

enum class VersionKind { Firmware = 0, DataFile = 1 };

// The incompatible-version question: the warning, CR LF, the other version, CR LF, our own.
std::string composeVersionQuestion(std::string_view own, std::string_view other, VersionKind kind,
                                   LanguageIndex language);

}  // namespace mv52
