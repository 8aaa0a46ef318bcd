#pragma once
// The port dialog PortDialog without its window: the list of port names, the selected entry
// and `PortID`, the refresh that keeps the user's pick, and what OK stores.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system/port_list.h"

namespace mv52 {

class ProfileFile;

// "COM" + the decimal port number: "COM3".
std::string comPortName(std::uint16_t comPort);

// The position of the name equal to `wanted`, else 0; -1 for an empty list.
int restoreSelection(const std::vector<std::string>& names, std::string_view wanted);

// OK with the selected entry's text, nullopt when nothing is selected. Nothing selected sets
// `comPort` to 0 and writes nothing. Otherwise the text after its first three characters,
// when numeric, becomes `comPort` and is written as "comPort" to the settings file; a text
// that is not numeric changes nothing.
void applyPortChoice(std::optional<std::string_view> selectedName, std::uint16_t& comPort,
                     ProfileFile& profiles, const std::string& settingsPath);

class PortSettings {
public:
    explicit PortSettings(PortList& ports) : ports_(ports) {}

    // The dialog's load: lists the ports and selects "COM" + comPort (else the first).
    void load(std::uint16_t comPort);
    // The 1000 ms refresh: lists the ports again and selects "COM" + PortID, so a pick
    // survives while its port exists and a vanished one gives way to the first entry.
    void refresh();
    // A pick in the list; -1 (or any position outside the list) for none.
    void pick(int index);
    // OK: see applyPortChoice. Cancel has nothing to undo, as nothing is stored before OK.
    void confirm(std::uint16_t& comPort, ProfileFile& profiles, const std::string& settingsPath) const;

    // The ports as last listed, in the system's order, and their names ("COM" + number).
    const std::vector<PortEntry>& entries() const { return entries_; }
    const std::vector<std::string>& names() const { return names_; }
    int selected() const { return selected_; }  // -1 when nothing is selected
    std::uint16_t portId() const { return portId_; }

private:
    void list(const std::string& wanted);

    PortList& ports_;
    std::vector<PortEntry> entries_;
    std::vector<std::string> names_;
    int selected_ = -1;
    std::uint16_t portId_ = 0;
};

}  // namespace mv52
