#pragma once
// The port dialog PortDialog without its window: the list of port names, the selected entry
// and `PortID`, the refresh that keeps the user's pick, and what OK stores.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
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

// A port as a line of a list: "COM34  /dev/ttyUSB1  FT232R USB UART (FTDI, USB 0403:6001,
// serial A50285BI)", with "(configured)" after the configured port's name.
std::string portLine(const PortEntry& entry, bool configured, LanguageIndex language);
// Each detail on a line of its own ("Device: /dev/ttyUSB1", ...), only those the system gave.
std::string portDetails(const PortEntry& entry, LanguageIndex language);

// The adapter of the last completed transfer (portIdentity), kept in section "ports" of the
// settings file so that the port dialog finds it again under another COM number.
std::string rememberedTransferPort(const ProfileFile& profiles, const std::string& settingsPath);
void rememberTransferPort(ProfileFile& profiles, const std::string& settingsPath, const std::string& identity);

// The ports Find Radio asks: USB serial adapters, or every port.
std::vector<std::uint16_t> probeCandidates(const std::vector<PortEntry>& entries, bool all);

// Plug detection: given the port list again and again, names the first port that was not in
// the list before (a port unplugged and plugged in again counts as appearing).
class PlugWatch {
public:
    explicit PlugWatch(std::vector<PortEntry> now) : last_(std::move(now)) {}
    std::optional<PortEntry> update(std::vector<PortEntry> now);

private:
    std::vector<PortEntry> last_;
};

class PortSettings {
public:
    explicit PortSettings(PortList& ports) : ports_(ports) {}

    // The dialog's load: lists the ports and selects "COM" + comPort; when that port is gone,
    // the adapter of the last completed transfer (`remembered`, a portIdentity) under whatever
    // number it has now; else the first.
    void load(std::uint16_t comPort, const std::string& remembered = {});
    // The 1000 ms refresh: lists the ports again and selects "COM" + PortID, so a pick
    // survives while its port exists and a vanished one gives way to the first entry.
    void refresh();
    // A pick in the list; -1 (or any position outside the list) for none.
    void pick(int index);
    // Selects the entry of `comPort` as a pick would; nothing changes when it is not listed.
    void selectPort(std::uint16_t comPort);
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
