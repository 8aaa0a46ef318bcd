#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/port_settings.h"
#include "support/fake_ports.h"
#include "support/fakes.h"

namespace mv52 {
namespace {

using Numbers = std::vector<std::uint16_t>;
using Names = std::vector<std::string>;

constexpr const char* kPath = "/inst/language/mysetup.ini";
constexpr const char* kFile = "[language]\nIsFirstRun=0\ncomPort=9\nCurrentLanguage=1\n";

TEST(PortSettings, RestoreSelection) {
    struct Case {
        Names names;
        const char* wanted;
        int expected;
    };
    for (const Case& c : {Case{{"COM1", "COM3"}, "COM3", 1}, Case{{"COM1", "COM3"}, "COM1", 0},
                          Case{{"COM3", "COM1"}, "COM5", 0}, Case{{"COM12", "COM1"}, "COM1", 1},
                          Case{{"COM1"}, "COM0", 0}, Case{{}, "COM1", -1}}) {
        EXPECT_EQ(restoreSelection(c.names, c.wanted), c.expected) << c.wanted;
    }
}

TEST(PortSettings, LoadListsThePortsAndSelectsTheConfiguredOneElseTheFirst) {
    struct Case {
        const char* what;
        Numbers ports;
        std::uint16_t comPort;
        Names names;
        int selected;
        std::uint16_t portId;
    };
    const Case cases[] = {
        {"COM1 and COM3 with comPort 3", {1, 3}, 3, {"COM1", "COM3"}, 1, 3},
        {"the system's order is kept", {3, 1, 65}, 3, {"COM3", "COM1", "COM65"}, 0, 3},
        {"comPort 5 with only COM1", {1}, 5, {"COM1"}, 0, 1},
        {"comPort 0 selects the first", {33, 34}, 0, {"COM33", "COM34"}, 0, 33},
        {"no ports", {}, 1, {}, -1, 0},
    };
    for (const Case& c : cases) {
        test::FakePortList ports;
        ports.set(c.ports);
        PortSettings model(ports);
        model.load(c.comPort);
        EXPECT_EQ(model.names(), c.names) << c.what;
        EXPECT_EQ(model.selected(), c.selected) << c.what;
        EXPECT_EQ(model.portId(), c.portId) << c.what;
        EXPECT_EQ(model.entries(), ports.current) << c.what;
    }
}

TEST(PortSettings, RefreshKeepsThePickWhileItsPortExists) {
    struct Case {
        const char* what;
        Numbers ports;
        std::uint16_t comPort;
        std::optional<int> pick;    // a pick in the list after the load
        std::vector<Numbers> ticks;  // the ports at each refresh
        Names names;                // after the last refresh
        int selected;
        std::uint16_t portId;
    };
    const Case cases[] = {
        {"an adapter plugged in keeps the pick", {1, 3}, 1, 1, {{1, 3, 33}}, {"COM1", "COM3", "COM33"}, 1, 3},
        {"an adapter listed ahead of the pick", {1, 3}, 1, 1, {{33, 1, 3}}, {"COM33", "COM1", "COM3"}, 2, 3},
        {"the preselected port stays", {1, 3}, 3, std::nullopt, {{1, 3}, {1, 3}}, {"COM1", "COM3"}, 1, 3},
        {"the selected adapter unplugged moves to the first", {1, 33}, 1, 1, {{1}}, {"COM1"}, 0, 1},
        {"the first remaining port in the system's order", {3, 33, 1}, 1, 1, {{3, 1}}, {"COM3", "COM1"}, 0, 3},
        {"a replugged adapter does not take the selection back", {1, 33}, 1, 1, {{1}, {1, 33}}, {"COM1", "COM33"}, 0, 1},
        {"every port gone", {1, 3}, 3, std::nullopt, {{}}, {}, -1, 0},
        {"after an empty list the first port is selected", {}, 3, std::nullopt, {{5, 3}}, {"COM5", "COM3"}, 0, 5},
        {"a pick of nothing gives way to the first", {1, 3}, 3, -1, {{1, 3}}, {"COM1", "COM3"}, 0, 1},
    };
    for (const Case& c : cases) {
        test::FakePortList ports;
        ports.set(c.ports);
        PortSettings model(ports);
        model.load(c.comPort);
        if (c.pick) model.pick(*c.pick);
        for (const Numbers& tick : c.ticks) {
            ports.set(tick);
            model.refresh();
        }
        EXPECT_EQ(model.names(), c.names) << c.what;
        EXPECT_EQ(model.selected(), c.selected) << c.what;
        EXPECT_EQ(model.portId(), c.portId) << c.what;
    }
}

TEST(PortSettings, PickSetsPortIdFromTheEntry) {
    test::FakePortList ports;
    ports.set({1, 3, 33});
    PortSettings model(ports);
    model.load(1);
    struct Case {
        int index;
        int selected;
        std::uint16_t portId;
    };
    for (const Case& c : {Case{2, 2, 33}, Case{1, 1, 3}, Case{-1, -1, 0}, Case{3, -1, 0}, Case{0, 0, 1}}) {
        model.pick(c.index);
        EXPECT_EQ(model.selected(), c.selected) << c.index;
        EXPECT_EQ(model.portId(), c.portId) << c.index;
    }
}

// OK stores the selection in comPort and the settings file; without OK nothing is stored.
TEST(PortSettings, OkStoresTheSelectedPortAndCancelNothing) {
    struct Case {
        const char* what;
        Numbers ports;
        std::uint16_t comPort;
        std::optional<int> pick;
        std::vector<Numbers> ticks;
        bool ok;  // false: the dialog is cancelled
        std::uint16_t comPortAfter;
        std::optional<const char*> written;  // the stored "comPort", nullopt: the file is untouched
    };
    const Case cases[] = {
        {"COM1 and COM3 with comPort 3", {1, 3}, 3, std::nullopt, {}, true, 3, "3"},
        {"comPort 5 with only COM1 stores 1", {1}, 5, std::nullopt, {}, true, 1, "1"},
        {"a pick is stored", {1, 3}, 1, 1, {}, true, 3, "3"},
        {"a pick that survived a plug-in", {1, 3}, 1, 1, {{1, 3, 33}}, true, 3, "3"},
        {"the unplugged pick gave way to the first", {1, 33}, 1, 1, {{1}}, true, 1, "1"},
        {"no ports sets 0 and writes nothing", {}, 4, std::nullopt, {}, true, 0, std::nullopt},
        {"every port gone before OK", {1, 3}, 3, std::nullopt, {{}}, true, 0, std::nullopt},
        {"nothing picked sets 0 and writes nothing", {1, 3}, 3, -1, {}, true, 0, std::nullopt},
        {"cancel after a pick", {1, 3}, 1, 1, {}, false, 1, std::nullopt},
        {"cancel with no ports", {}, 4, std::nullopt, {}, false, 4, std::nullopt},
    };
    for (const Case& c : cases) {
        test::FakePortList ports;
        ports.set(c.ports);
        test::MemoryProfiles profiles;
        profiles.files[kPath] = kFile;
        std::uint16_t comPort = c.comPort;

        PortSettings model(ports);
        model.load(comPort);
        if (c.pick) model.pick(*c.pick);
        for (const Numbers& tick : c.ticks) {
            ports.set(tick);
            model.refresh();
        }
        if (c.ok) model.confirm(comPort, profiles, kPath);

        EXPECT_EQ(comPort, c.comPortAfter) << c.what;
        if (c.written)
            EXPECT_EQ(profiles.value(kPath, "language", "comPort"), *c.written) << c.what;
        else
            EXPECT_EQ(profiles.files[kPath], kFile) << c.what;
    }
}

TEST(PortSettings, OkTakesTheNumberAfterTheFirstThreeCharacters) {
    struct Case {
        std::optional<std::string_view> selected;
        std::uint16_t comPortAfter;
        std::optional<const char*> written;
    };
    const Case cases[] = {
        {"COM7", 7, "7"},
        {"COM12", 12, "12"},
        {"COM 8", 8, "8"},
        {"COM65535", 65535, "65535"},
        {"COMX", 4, std::nullopt},
        {"COM", 4, std::nullopt},
        {"COM3a", 4, std::nullopt},
        {"COM-1", 4, std::nullopt},
        {"COM70000", 4, std::nullopt},
        {std::nullopt, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string label(c.selected.value_or("<nothing>"));
        test::MemoryProfiles profiles;
        profiles.files[kPath] = kFile;
        std::uint16_t comPort = 4;
        applyPortChoice(c.selected, comPort, profiles, kPath);
        EXPECT_EQ(comPort, c.comPortAfter) << label;
        if (c.written)
            EXPECT_EQ(profiles.value(kPath, "language", "comPort"), *c.written) << label;
        else
            EXPECT_EQ(profiles.files[kPath], kFile) << label;
    }
}

TEST(PortSettings, OkWritesOnlyTheComPortKey) {
    test::FakePortList ports;
    ports.set({1, 3});
    test::MemoryProfiles profiles;
    profiles.files[kPath] = "[language]\r\nIsFirstRun=0\r\ncomPort=9\r\nCurrentLanguage=2\r\n[ports]\r\nCOM99=/dev/pts/4\r\n";
    std::uint16_t comPort = 3;
    PortSettings model(ports);
    model.load(comPort);
    model.confirm(comPort, profiles, kPath);
    EXPECT_EQ(profiles.files[kPath],
              "[language]\r\nIsFirstRun=0\r\ncomPort=3\r\nCurrentLanguage=2\r\n[ports]\r\nCOM99=/dev/pts/4\r\n");
}

}  // namespace
}  // namespace mv52
