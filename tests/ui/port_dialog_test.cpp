#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>

#include "ui/port_dialog.h"
#include "app/startup.h"
#include "support/fake_ports.h"
#include "support/fakes.h"
#include "support/sim_process.h"

namespace mv52 {
namespace {

using Numbers = std::vector<std::uint16_t>;

constexpr const char* kPath = "/inst/language/mysetup.ini";
constexpr const char* kFile = "[language]\nIsFirstRun=0\ncomPort=9\nCurrentLanguage=1\n";

// The COM names the list shows, each at the start of its line.
QStringList itemsOf(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i).section(QLatin1Char(' '), 0, 0);
    return items;
}

QStringList comNames(const Numbers& numbers) {
    QStringList names;
    for (std::uint16_t n : numbers) names << QStringLiteral("COM%1").arg(n);
    return names;
}

// Runs the event loop until `done` holds or three seconds have passed.
bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// The user moves through the list with the arrow keys, as with the mouse a pick.
void keyTo(QComboBox& combo, int index) {
    const Qt::Key key = index > combo.currentIndex() ? Qt::Key_Down : Qt::Key_Up;
    while (combo.currentIndex() != index) {
        const int before = combo.currentIndex();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&combo, &press);
        if (combo.currentIndex() == before) break;
    }
}

class ComSetDialog : public ::testing::Test {
protected:
    ComSetDialog() {
        app.settingsPath = kPath;
        app.settings.comPort = 1;
        profiles.files[kPath] = kFile;
    }

    AppState app;
    test::MemoryProfiles profiles;
    test::FakePortList ports;
};

TEST_F(ComSetDialog, CaptionsFollowTheLanguage) {
    struct Case {
        LanguageIndex language;
        QString title, label, ok, cancel;
    };
    const Case cases[] = {
        {LanguageIndex::English, "Communication Port", "COM", "&OK", "&Cancel"},
        {LanguageIndex::Chinese, QString::fromUtf8("通信端口"), QString::fromUtf8("通信口"),
         QString::fromUtf8("确定(&O)"), QString::fromUtf8("取消(&C)")},
    };
    ports.set({1});
    for (const Case& c : cases) {
        app.settings.language.current = c.language;
        PortDialog dialog(app, profiles, ports);
        EXPECT_EQ(dialog.windowTitle(), c.title);
        EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), c.label);
        EXPECT_EQ(dialog.findChild<QPushButton*>("CommandOK")->text(), c.ok);
        EXPECT_EQ(dialog.findChild<QPushButton*>("CommandCancel")->text(), c.cancel);
        EXPECT_TRUE(dialog.isModal());
    }
}

TEST_F(ComSetDialog, LoadListsThePortsWithTheirDevicesAndSelectsComPort) {
    ports.current = {{1, "/dev/ttyS0", "16550A"},
                     {34, "/dev/ttyUSB1", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "A50285BI"},
                     {99, "/dev/pts/4", ""}};
    app.settings.comPort = 34;
    PortDialog dialog(app, profiles, ports);
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(itemsOf(*combo), QStringList({"COM1", "COM34", "COM99"}));
    EXPECT_EQ(combo->itemText(0), "COM1  /dev/ttyS0  16550A");
    EXPECT_EQ(combo->itemText(1),
              "COM34 (configured)  /dev/ttyUSB1  FT232R USB UART (FTDI, USB 0403:6001, serial A50285BI)");
    EXPECT_EQ(combo->itemText(2), "COM99  /dev/pts/4");
    EXPECT_EQ(combo->currentIndex(), 1);
    const QString details = "Device: /dev/ttyUSB1\nDescription: FT232R USB UART\nManufacturer: FTDI\n"
                            "USB vendor:product: 0403:6001\nSerial number: A50285BI";
    EXPECT_EQ(dialog.findChild<QLabel*>("PortDetails")->text(), details);
    EXPECT_EQ(combo->itemData(1, Qt::ToolTipRole).toString(), details);
    EXPECT_EQ(combo->itemData(2, Qt::ToolTipRole).toString(), "Device: /dev/pts/4");

    auto* timer = dialog.findChild<QTimer*>("ReShowComPortTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

// The cable of the last transfer, moved to another USB socket, is found under its new number.
TEST_F(ComSetDialog, TheLastTransfersAdapterIsPreselectedWhenTheConfiguredPortIsGone) {
    const PortEntry cable{34, "/dev/ttyUSB1", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "A50285BI"};
    const PortEntry other{35, "/dev/ttyUSB2", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "B0000001"};
    profiles.files[kPath] = std::string(kFile) + "[ports]\nLastTransferPort=usb:0403:6001:A50285BI\n";
    ports.current = {{1, "/dev/ttyS0", "16550A"}, other, cable};
    struct Case {
        std::uint16_t comPort;
        int selected;
    };
    for (const Case c : {Case{33, 2}, Case{1, 0}, Case{35, 1}}) {
        app.settings.comPort = c.comPort;
        PortDialog dialog(app, profiles, ports);
        EXPECT_EQ(dialog.findChild<QComboBox*>("Combo1")->currentIndex(), c.selected) << c.comPort;
    }
}

// Find Radio asks the ports (every one, with the check box) and selects the one that answers
// as the radio.
TEST_F(ComSetDialog, FindRadioSelectsThePortThatAnswers) {
    test::SimProcess sim({});
    ASSERT_FALSE(sim.path().empty());
    profiles.files[kPath] = std::string(kFile) + "[ports]\nCOM97=/dev/null\nCOM99=" + sim.path() + "\n";
    ports.current = {{97, "/dev/null"}, {99, sim.path()}};
    app.settings.comPort = 97;
    PortDialog dialog(app, profiles, ports);
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    auto* status = dialog.findChild<QLabel*>("FindStatus");
    EXPECT_EQ(dialog.findChild<QPushButton*>("CommandFind")->text(), "&Find Radio");
    dialog.findChild<QCheckBox*>("CheckAllPorts")->setChecked(true);
    dialog.findChild<QPushButton*>("CommandFind")->click();
    ASSERT_TRUE(waitFor([&] { return status->text().contains("The radio is on"); })) << status->text().toStdString();
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(dialog.model().portId(), 99);
    EXPECT_EQ(status->text().toStdString(), "The radio is on COM99 (" + sim.path() + ").");
    EXPECT_EQ(app.settings.comPort, 97) << "nothing is stored before OK";
}

// With nothing answering, the dialog waits for the cable to be plugged in again and selects
// the port that appears.
TEST_F(ComSetDialog, FindRadioFallsBackToThePortThatIsPluggedIn) {
    ports.current = {{97, "/dev/null"}, {98, "/dev/zero"}};
    app.settings.comPort = 97;
    PortDialog dialog(app, profiles, ports);
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    auto* status = dialog.findChild<QLabel*>("FindStatus");
    dialog.findChild<QPushButton*>("CommandFind")->click();  // no USB adapter to ask
    ASSERT_TRUE(waitFor([&] { return status->text().contains("Unplug the cable"); }));
    EXPECT_EQ(combo->currentIndex(), 0);
    ports.current = {{34, "/dev/ttyUSB1", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "A50285BI"},
                     {97, "/dev/null"},
                     {98, "/dev/zero"}};
    ASSERT_TRUE(waitFor([&] { return dialog.model().portId() == 34; }));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(status->text(), "The cable is on COM34 (/dev/ttyUSB1).");
}

TEST_F(ComSetDialog, RefreshKeepsThePickWhileItsPortExists) {
    struct Case {
        const char* what;
        Numbers before;
        std::uint16_t comPort;
        int pick;  // the user's pick after the load; -1 for none
        Numbers after;
        int selected;
    };
    const Case cases[] = {
        {"an adapter plugged in is listed and the pick stays", {1, 3}, 1, 1, {1, 33, 3}, 2},
        {"the selected adapter unplugged: the first remaining port", {1, 33}, 1, 1, {1}, 0},
        {"the preselected port stays", {3, 1}, 1, -1, {3, 1}, 1},
        {"every port gone: nothing selected", {1, 3}, 3, -1, {}, -1},
    };
    for (const Case& c : cases) {
        ports.set(c.before);
        app.settings.comPort = c.comPort;
        PortDialog dialog(app, profiles, ports);
        auto* combo = dialog.findChild<QComboBox*>("Combo1");
        if (c.pick >= 0) {
            keyTo(*combo, c.pick);
            ASSERT_EQ(dialog.model().selected(), c.pick) << c.what;
        }
        ports.set(c.after);
        dialog.reShowComPorts();
        EXPECT_EQ(itemsOf(*combo), comNames(c.after)) << c.what;
        EXPECT_EQ(combo->currentIndex(), c.selected) << c.what;
        EXPECT_EQ(dialog.model().selected(), c.selected) << c.what;
        EXPECT_EQ(app.settings.comPort, c.comPort) << c.what;  // only OK stores
    }
}

TEST_F(ComSetDialog, TimerPicksUpAPluggedInAdapterWithinASecond) {
    ports.set({1, 3});
    PortDialog dialog(app, profiles, ports);
    dialog.show();
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    keyTo(*combo, 1);
    ports.set({1, 3, 33});
    EXPECT_TRUE(waitFor([&] { return combo->count() == 3; }));
    EXPECT_EQ(combo->currentText(), "COM3  /dev/fake3  Adapter 3");
    ports.set({1, 33});
    EXPECT_TRUE(waitFor([&] { return combo->count() == 2; }));
    EXPECT_EQ(combo->currentText(), "COM1 (configured)  /dev/fake1  Adapter 1");
}

TEST_F(ComSetDialog, ClosingStopsTheTimer) {
    ports.set({1});
    PortDialog dialog(app, profiles, ports);
    dialog.show();
    dialog.findChild<QPushButton*>("CommandCancel")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.findChild<QTimer*>("ReShowComPortTimer")->isActive());
}

// The modal dialog as the main window opens it, answered by a click once it is up.
TEST_F(ComSetDialog, OkStoresThePickAndCancelNothing) {
    struct Case {
        const char* what;
        Numbers ports;
        std::uint16_t comPort;
        std::optional<int> pick;
        Numbers replugged;  // the ports at a refresh before the click; empty: no refresh
        const char* button;
        bool changed;
        std::uint16_t comPortAfter;
        std::optional<const char*> written;  // nullopt: the file is untouched
    };
    const Case cases[] = {
        {"COM1 and COM3 with comPort 3", {1, 3}, 3, std::nullopt, {}, "CommandOK", false, 3, "3"},
        {"comPort 5 with only COM1 stores 1", {1}, 5, std::nullopt, {}, "CommandOK", true, 1, "1"},
        {"a pick that survived a plug-in", {1, 3}, 1, 1, {33, 1, 3}, "CommandOK", true, 3, "3"},
        {"the picked adapter unplugged", {1, 33}, 3, 1, {1}, "CommandOK", true, 1, "1"},
        {"no ports: comPort 0, nothing written", {}, 4, std::nullopt, {}, "CommandOK", true, 0, std::nullopt},
        {"cancel after a pick", {1, 3}, 1, 1, {}, "CommandCancel", false, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        ports.set(c.ports);
        app.settings.comPort = c.comPort;
        profiles.files[kPath] = kFile;
        QWidget mainWindow;
        bool answered = false;
        QTimer::singleShot(0, &mainWindow, [&] {
            auto* dialog = mainWindow.findChild<PortDialog*>();
            if (!dialog || !dialog->isVisible()) return;
            if (c.pick) keyTo(*dialog->findChild<QComboBox*>("Combo1"), *c.pick);
            if (!c.replugged.empty()) {
                ports.set(c.replugged);
                dialog->reShowComPorts();
            }
            answered = true;
            dialog->findChild<QPushButton*>(c.button)->click();
        });
        const bool changed = runPortDialog(&mainWindow, app, profiles, ports);
        ASSERT_TRUE(answered) << c.what;
        EXPECT_EQ(changed, c.changed) << c.what;
        EXPECT_EQ(app.settings.comPort, c.comPortAfter) << c.what;
        if (c.written)
            EXPECT_EQ(profiles.value(kPath, "language", "comPort"), *c.written) << c.what;
        else
            EXPECT_EQ(profiles.files[kPath], kFile) << c.what;
    }
}

}  // namespace
}  // namespace mv52
