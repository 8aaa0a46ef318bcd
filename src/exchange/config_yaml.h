#pragma once
// The whole configuration as a YAML text a dealer can keep under version control, review and
// change with a script: every labelled setting (config_settings.h), then, under "Stored", the
// few stored values no window shows, so that export then import gives back the same data file
// pair byte for byte.

#include <map>
#include <string>
#include <utility>
#include <vector>
#include <string_view>

#include "exchange/import_result.h"

namespace mv52 {

struct Document;

inline constexpr std::size_t kConfigMaxBytes = 8u << 20;  // every channel in use: ~1.5 MB
inline constexpr std::size_t kConfigMaxValueBytes = 256;
inline constexpr int kConfigMaxDepth = 16;
// Keys of all maps together, counted as the file is read: aliases can repeat a map without
// its size showing in the text. A radio with every channel of every group in use has about
// 27,000 (and its stored bytes); the limit leaves room for that several times over.
inline constexpr int kConfigMaxKeys = 150000;

// Stored bytes the settings cannot give back: for the data file ("Data file") and each
// channel record ("CB A CH 7"), runs of offset -> hex digits.
using Patches = std::vector<std::pair<std::string, std::map<std::size_t, std::string>>>;
Patches storedPatches(const Document& doc);

std::string exportConfigYaml(const Document& doc);

// Replaces `doc` with the configuration of the text, every value written through the
// windows' controls and rules, on top of the built-in defaults. All or nothing: on any fault
// `doc` is untouched and every fault is returned with its line.
ImportResult importConfigYaml(Document& doc, std::string_view text);

}  // namespace mv52
