// frmCommChInfo driven from the keyboard and its lists, as a dealer types a channel plan.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

#include "channels/channel_editing.h"
#include "storage/data_file.h"
#include "storage/data_file_layout.h"
#include "ui/channel_window.h"
#include "ui/channel_rig.h"

namespace mv52::test {
namespace {

TEST(ChannelWindow, TypingAFrequencyIntoAnEmptyRowAddsTheChannelAndMovesOn) {
    ChannelRig rig;
    rig.selectRow(7);
    rig.key(rig.grid(), Qt::Key_Return);
    ASSERT_TRUE(rig.edit()->isVisible());
    rig.type(QStringLiteral("27.185"));
    rig.key(rig.edit(), Qt::Key_Return);
    EXPECT_FALSE(rig.edit()->isVisible());
    const int p = rig.doc().findChannel(0, 1, 7);
    ASSERT_NE(p, 0);
    const ChannelRecord& r = rig.doc().channels.slot(0, 1, p);
    EXPECT_EQ(r.Mode, 0);
    EXPECT_EQ(r.NbAnl, 1);
    EXPECT_EQ(r.ScanAdd, 1);
    EXPECT_EQ(r.TxToneType, 0);
    EXPECT_EQ(r.RxToneType, 0);
    EXPECT_EQ(rig.grid()->currentRow(), 7);  // row 8
    EXPECT_EQ(rig.grid()->item(6, 1)->text(), QStringLiteral("27.18500"));
    EXPECT_EQ(rig.channels().selectedRow(), 8);
}

TEST(ChannelWindow, FortyChannelsByKeyboardAlone) {
    ChannelRig rig;
    rig.selectRow(1);
    for (int n = 1; n <= 40; ++n) {
        rig.key(rig.grid(), Qt::Key_Return);
        rig.type(QString::number(27.0 + n * 0.01, 'f', 3));
        rig.key(rig.edit(), Qt::Key_Return);
    }
    EXPECT_EQ(rig.doc().count(0, 1), 40);
    EXPECT_EQ(rig.grid()->item(39, 1)->text(), QStringLiteral("27.40000"));
    EXPECT_EQ(rig.grid()->currentRow(), 0);  // after the last row, row 1
}

TEST(ChannelWindow, EnterInAnEmptyBoxOnTheLastRowWrapsToRowOne) {
    ChannelRig rig;
    rig.selectRow(40);
    rig.key(rig.grid(), Qt::Key_Return);
    rig.key(rig.edit(), Qt::Key_Return);
    EXPECT_EQ(rig.grid()->currentRow(), 0);
    EXPECT_EQ(rig.doc().findChannel(0, 1, 40), 0);
}

// Enter moves the selection before the edit is saved; the group's settings follow all the same.
TEST(ChannelWindow, AddingAndDeletingByEnterRefillsTheGroupSettings) {
    ChannelRig rig;
    auto typeInto = [&](int row, const QString& text) {
        rig.selectRow(row);
        rig.key(rig.grid(), Qt::Key_Return);
        rig.edit()->clear();
        rig.type(text);
        rig.key(rig.edit(), Qt::Key_Return);
    };
    typeInto(3, QStringLiteral("27.185"));
    EXPECT_TRUE(rig.items("Combo1_0").contains(QStringLiteral("3")));
    rig.choose("Combo1_0", QStringLiteral("3"));
    EXPECT_EQ(rig.doc().options().emgChannel1.at(0, 1), 3);
    typeInto(3, QString());
    EXPECT_EQ(rig.doc().findChannel(0, 1, 3), 0);
    EXPECT_FALSE(rig.items("Combo1_0").contains(QStringLiteral("3")));
    EXPECT_NE(rig.doc().options().emgChannel1.at(0, 1), 3);

    // The last channel of a group goes while another group is valid: the group's flag clears.
    rig.doc().options().groupEnabled.at(0, 2) = 1;
    rig.doc().appendChannel(0, 2, 1, "27.005");
    typeInto(1, QString());
    EXPECT_EQ(rig.doc().count(0, 1), 0);
    EXPECT_EQ(rig.doc().options().groupEnabled.at(0, 1), 0);
    EXPECT_EQ(rig.control("Combo1_6")->currentText(), QStringLiteral("Off"));
}

TEST(ChannelWindow, ChoosingAGroupSelectsRowOneAndStoresIt) {
    ChannelRig rig;
    rig.doc().header.currentRow.at(0, 2) = 7;
    rig.choose("Combo6", QStringLiteral("B"));
    EXPECT_EQ(rig.grid()->currentRow(), 0);
    EXPECT_EQ(rig.doc().header.currentRow.at(0, 2), 1);
}

TEST(ChannelWindow, AStoredFrequencyThatIsNotANumberIsSaidOnceForTheGroup) {
    ChannelRig rig;
    for (int row : {2, 3}) {
        rig.doc().appendChannel(0, 1, row, "27.005");
        rig.doc().channels.slot(0, 1, rig.doc().findChannel(0, 1, row)).RxFrequency.set("27A05000");
    }
    rig.prompter.asked.clear();
    rig.channels().SetGridData();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked.front().text, "Not IsNumeric");
}

TEST(ChannelWindow, TheEditBoxTakesDigitsAndAPointOnly) {
    ChannelRig rig;
    rig.selectRow(3);
    rig.key(rig.grid(), Qt::Key_Return);
    rig.type(QStringLiteral("2a7-,.1"));
    EXPECT_EQ(rig.edit()->text(), QStringLiteral("27.1"));
    rig.key(rig.edit(), Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(rig.edit()->text(), QStringLiteral("27."));
    rig.key(rig.edit(), Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    EXPECT_EQ(rig.edit()->text(), QStringLiteral("27."));
    // Escape leaves the cell as it was.
    rig.key(rig.edit(), Qt::Key_Escape);
    EXPECT_FALSE(rig.edit()->isVisible());
    EXPECT_EQ(rig.doc().findChannel(0, 1, 3), 0);
}

TEST(ChannelWindow, AnOutOfBandFrequencyWarnsAndDeletesWhenAllowed) {
    ChannelRig rig;
    for (int row : {2, 3}) {
        rig.selectRow(row);
        rig.key(rig.grid(), Qt::Key_Return);
        rig.type(QStringLiteral("27.5"));
        rig.key(rig.edit(), Qt::Key_Return);
    }
    rig.selectRow(3);
    rig.key(rig.grid(), Qt::Key_Return);
    rig.edit()->clear();
    rig.type(QStringLiteral("35"));
    rig.key(rig.edit(), Qt::Key_Return);
    ASSERT_FALSE(rig.prompter.asked.empty());
    EXPECT_EQ(rig.prompter.asked.back().text,
              "Frequency is out of range.\nThe band of this group is 24.7150 - 30.1050 MHz. The channel was deleted.");
    EXPECT_EQ(rig.doc().findChannel(0, 1, 3), 0);
    EXPECT_TRUE(rig.grid()->item(2, 1)->text().isEmpty());
    // Into an empty row: nothing is added, and the message says so.
    rig.selectRow(5);
    rig.key(rig.grid(), Qt::Key_Return);
    rig.type(QStringLiteral("35"));
    rig.key(rig.edit(), Qt::Key_Return);
    EXPECT_EQ(rig.prompter.asked.back().text,
              "Frequency is out of range.\nThe band of this group is 24.7150 - 30.1050 MHz. No channel was added.");
    EXPECT_EQ(rig.doc().findChannel(0, 1, 5), 0);
}

TEST(ChannelWindow, ToneTypeShowsItsCodeBoxWithTheEarlierCode) {
    ChannelRig rig;
    rig.selectRow(1);
    ChannelRecord& r = rig.doc().channels.slot(0, 1, 1);
    r.RxDcsIndex = 5;
    rig.channels().ReShowData();
    rig.choose("Combo8_18", QStringLiteral("DCS"));
    EXPECT_EQ(r.RxToneType, 2);
    EXPECT_FALSE(rig.control("Combo8_19")->isVisible());
    EXPECT_TRUE(rig.control("Combo8_20")->isVisible());
    EXPECT_EQ(rig.control("Combo8_20")->currentIndex(), 5);
    rig.choose("Combo8_18", QStringLiteral("Off"));
    EXPECT_FALSE(rig.control("Combo8_20")->isVisible());
    rig.choose("Combo8_18", QStringLiteral("DCS"));
    EXPECT_EQ(rig.control("Combo8_20")->currentText().toStdString(), "D_006(036N)");
}

TEST(ChannelWindow, ChoosingAToneTypeMovesNoLineBelow) {
    ChannelRig rig;
    rig.selectRow(1);
    auto rogerTop = [&] {
        QCoreApplication::processEvents();
        return rig.control("Combo8_11")->mapTo(&rig.channels(), QPoint(0, 0)).y();
    };
    rig.choose("Combo8_18", QStringLiteral("Off"));
    rig.choose("Combo8_17", QStringLiteral("Off"));
    const int withoutCodes = rogerTop();
    rig.choose("Combo8_18", QStringLiteral("DCS"));
    rig.choose("Combo8_17", QStringLiteral("CTCSS"));
    EXPECT_EQ(rogerTop(), withoutCodes);
}

TEST(ChannelWindow, PublicLocksTheSettingsItTakesFromThePublicChannel) {
    ChannelRig rig;
    rig.selectRow(1);
    rig.choose("Combo8_9", rig.items("Combo8_9").at(1));
    EXPECT_EQ(rig.doc().channels.slot(0, 1, 1).Public, 1);
    EXPECT_FALSE(rig.control("Combo8_12")->isEnabled());
    EXPECT_FALSE(rig.control("Combo8_11")->isEnabled());
    EXPECT_TRUE(rig.control("Combo8_6")->isEnabled());
    EXPECT_TRUE(rig.control("Combo8_10")->isEnabled());
}

TEST(ChannelWindow, GroupKindsShowTheirRowsAndSettings) {
    ChannelRig rig;
    rig.choose("Combo6", QStringLiteral("MEM"));
    EXPECT_EQ(rig.grid()->rowCount(), 99);
    EXPECT_EQ(rig.grid()->item(98, 0)->text(), QStringLiteral("M99"));
    EXPECT_FALSE(rig.control<QGroupBox>("FrameGroupSettings")->isVisible());
    EXPECT_TRUE(rig.control("Combo3")->isVisible());
    // A memory channel offers no PA.
    rig.selectRow(2);
    rig.key(rig.grid(), Qt::Key_Return);
    rig.type(QStringLiteral("27.5"));
    rig.key(rig.edit(), Qt::Key_Return);
    rig.selectRow(2);
    EXPECT_FALSE(rig.items("Combo8_12").contains(QStringLiteral("PA")));

    rig.choose("Combo6", QStringLiteral("VFO"));
    EXPECT_EQ(rig.grid()->rowCount(), 1);
    EXPECT_FALSE(rig.control<QGroupBox>("FrameGroupSettings")->isVisible());
    EXPECT_FALSE(rig.control("Combo3")->isVisible());

    rig.choose("Combo6", QStringLiteral("B"));
    EXPECT_EQ(rig.grid()->rowCount(), 40);
    EXPECT_TRUE(rig.control<QGroupBox>("FrameGroupSettings")->isVisible());
    EXPECT_EQ(rig.doc().header.currentGroup[0], 2);
}

TEST(ChannelWindow, HamListsItsGroupsAndRetitlesTheMainWindow) {
    ChannelRig rig;
    rig.choose("Combo2", rig.items("Combo2").at(1));
    EXPECT_EQ(rig.app->workspace->bandText, kBandTextHam);
    EXPECT_TRUE(rig.window().windowTitle().contains(QStringLiteral("28.0000 - 29.6950 MHz")));
    QStringList expected;
    for (const char* g : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "MEM", "VFO"}) expected << g;
    EXPECT_EQ(rig.items("Combo6"), expected);
    expected.removeLast();
    expected.removeLast();
    EXPECT_EQ(rig.items("Combo3"), expected);
}

TEST(ChannelWindow, TheOnlyValidGroupStaysValid) {
    ChannelRig rig;
    rig.choose("Combo1_6", rig.items("Combo1_6").at(0));
    EXPECT_EQ(rig.doc().options().groupEnabled.at(0, 1), 1);
    EXPECT_EQ(rig.control("Combo1_6")->currentIndex(), 1);
}

TEST(ChannelWindow, AnEditedChannelReachesItsRecordInTheChannelFile) {
    ChannelRig rig;
    rig.selectRow(5);
    rig.key(rig.grid(), Qt::Key_Return);
    rig.type(QStringLiteral("27.205"));
    rig.key(rig.edit(), Qt::Key_Return);
    rig.selectRow(5);
    rig.choose("Combo8_12", QStringLiteral("AM"));
    rig.choose("Combo8_18", QStringLiteral("CTCSS"));
    rig.choose("Combo8_19", QStringLiteral("C_012(100.0Hz)"));

    const std::string path = rig.install.file("plan.dat");
    ASSERT_TRUE(saveDataFile(*rig.app->workspace, path));
    const std::vector<std::uint8_t> channels = readBytes(rig.install.file("plan.fre"));
    ChannelRecord expected;
    expected.ChannelNumber = 5;
    expected.Present = 1;
    expected.ScanAdd = 1;
    expected.RxFrequency.set("2720500");
    expected.TxFrequency.set("2720500");
    expected.NbAnl = 1;
    expected.Mode = 1;
    expected.RxToneType = 1;
    expected.RxCtcssIndex = 11;
    const ChannelBytes bytes = writeChannelBytes(expected);
    // Group A's records come first: channel 1, then channel 5.
    ASSERT_GE(channels.size(), 2 * bytes.size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), channels.begin() + static_cast<std::ptrdiff_t>(bytes.size())));
}

}  // namespace
}  // namespace mv52::test

namespace mv52::test {
namespace {

// A mode switched off in the options is missing from a channel's Mode list; the list's
// tooltip names it and where to switch it on.
TEST(ChannelWindow, TheModeListSaysWhichModesAreSwitchedOff) {
    ChannelRig rig;
    rig.doc().options().amEnable = 0;
    rig.doc().options().cwEnable = 0;
    rig.channels().ReShowData();
    rig.selectRow(1);
    EXPECT_FALSE(rig.items("Combo8_12").contains(QStringLiteral("AM")));
    const QString tip = rig.control("Combo8_12")->toolTip();
    EXPECT_TRUE(tip.contains(QStringLiteral("Switched off in Optional Features: AM, CW."))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("Option Features"))) << tip.toStdString();
}

}  // namespace
}  // namespace mv52::test
