#pragma once
// Fakes of the core's interfaces for the shell tests.

#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "system/clock.h"
#include "system/locale.h"
#include "system/profile_file.h"
#include "system/prompter.h"
#include "app/window_placement.h"
#include "version/handover.h"

namespace mv52::test {

// Profile files held in memory; `unwritable` makes every write fail.
class MemoryProfiles : public ProfileFile {
public:
    std::map<std::string, std::string> files;
    bool unwritable = false;

    std::string read(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view fallback, std::size_t maxChars = 1024) const override {
        const auto it = files.find(path);
        return profileRead(it == files.end() ? std::nullopt : std::optional<std::string>(it->second), section, key,
                           fallback, maxChars);
    }
    bool write(const std::string& path, std::string_view section, std::string_view key,
               std::string_view value) override {
        if (unwritable) return false;
        files[path] = profileUpdate(files[path], section, key, value);
        return true;
    }
    std::string value(const std::string& path, std::string_view section, std::string_view key) const {
        return read(path, section, key, "<missing>");
    }
};

class FakeLocale : public LocaleSystem {
public:
    std::uint32_t systemId = 0x0409;
    std::uint32_t userId = 0x0409;
    std::string symbol = ".";
    int changes = 0;

    std::uint32_t systemDefaultLocaleId() const override { return systemId; }
    std::uint32_t userDefaultLocaleId() const override { return userId; }
    std::string decimalSymbol(std::uint32_t) const override { return symbol; }
    bool setDecimalSymbol(std::uint32_t, const std::string& s) override {
        symbol = s;
        ++changes;
        return true;
    }
};

class FakeClock : public Clock {
public:
    std::chrono::system_clock::time_point time = std::chrono::system_clock::now();
    std::chrono::system_clock::time_point now() const override { return time; }
};

// The answer of a box's first button: Yes, Retry or OK.
inline PromptAnswer firstButton(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return PromptAnswer::Yes;
        case MessageButtons::RetryCancel: return PromptAnswer::Retry;
        default: return PromptAnswer::Ok;
    }
}

// Answers from a script (default: the first button) and records every question.
class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
    };
    std::deque<PromptAnswer> answers;
    std::vector<Asked> asked;

    PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override {
        asked.push_back({text, buttons, icon});
        if (!answers.empty()) {
            const PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return firstButton(buttons);
    }
};

class FakeLauncher : public ProcessLauncher {
public:
    std::vector<std::string> started;
    bool fail = false;
    bool startDetached(const std::string& path) override {
        started.push_back(path);
        return !fail;
    }
};

class MemorySettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string> values;
    std::string read(const std::string& section, const std::string& key, const std::string& fallback) const override {
        const auto it = values.find(section + "/" + key);
        return it == values.end() ? fallback : it->second;
    }
    void write(const std::string& section, const std::string& key, const std::string& value) override {
        values[section + "/" + key] = value;
    }
};

}  // namespace mv52::test
