#pragma once
// The whole configuration as labelled settings: every control of the optional-features,
// DTMF, roger-beep and channel windows by its English label, with the item the window shows.
// The text file and the comparison of two configurations both read this one list, and an
// import writes it back through the same controls, so every value passes the windows' rules.
//
// Paths: {"Options", label}, {"DTMF", label}, {"Roger beep", "RB Tone n", label} or
// {"Roger beep", "RB Tone n", tone, column}, {"Channels", "CB A", group setting} and
// {"Channels", "CB A", "CH 7", label}; a channel's "Frequency" comes first.

#include <memory>
#include <string>
#include <vector>

#include "exchange/import_result.h"

namespace mv52 {

struct Document;
struct Workspace;

inline constexpr const char* kOptionsSection = "Options";
inline constexpr const char* kDtmfSection = "DTMF";
inline constexpr const char* kRogerSection = "Roger beep";
inline constexpr const char* kChannelsSection = "Channels";
inline constexpr const char* kFrequencyKey = "Frequency";

struct Setting {
    std::vector<std::string> path;
    std::string value;
    int line = 0;  // where an imported setting was written, for refusals
};

std::vector<Setting> documentSettings(const Document& doc);

// Writes the settings into the workspace's document as the windows would: options, DTMF and
// roger-beep entries first (they fill the channels' lists), then each group named, emptied
// and filled with its channels in the order given, then the groups' own settings. A setting
// no control takes is refused with its line; the document is then in an unknown state, so
// callers work on a copy.
//
// A choice a list does not offer when its turn comes is tried again once everything else is
// in, so references are checked against the final document, not in the order of the file.
// Scope Values applies the settings of controls only, to the channels and groups as they are
// (no group emptied, no frequency).
// With `heldReferences`, a reference to a roger-beep entry or DTMF memory that is not valid
// even then is written as a number and held there, for the caller to check once the stored
// bytes are in (they may make the entry valid).
enum class SettingsScope { Whole, Values };
void applySettings(Workspace& ws, const std::vector<Setting>& settings, ImportResult& result,
                   SettingsScope scope = SettingsScope::Whole, std::vector<Setting>* heldReferences = nullptr);

// The document settings are applied to: the built-in defaults, the same on every run.
std::unique_ptr<Workspace> settingsBase();

// "CB A", "HAM MEM"; and back (false for another name).
std::string groupTitle(int workMode, int group);
bool groupFromTitle(std::string_view title, int& workMode, int& group);
// "CH 7", "CH M1"; and back (0 for another name).
std::string channelTitle(int workMode, int group, int number);
int channelFromTitle(int workMode, int group, std::string_view title);

}  // namespace mv52
