// FrmDTMF on screen: the three tabs, the Encode settings, the memory editor with its keys,
// and SetDTMFList reaching the channels and the other windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "tones/dtmf.h"
#include "ui/autodial_grid.h"
#include "ui/dtmf_window.h"
#include "ui/tone_windows_support.h"

namespace mv52::test {
namespace {

struct DtmfRig : ToneRig {
    using ToneRig::ToneRig;
    QMdiSubWindow* frame = nullptr;

    DtmfWindow& openDtmf() {
        frame = open(kDtmfWindow);
        auto* w = dynamic_cast<DtmfWindow*>(frame ? frame->widget() : nullptr);
        EXPECT_NE(w, nullptr);
        return *w;
    }
    AutodialGrid* grid() { return in<AutodialGrid>(frame, "MSFlexGrid1"); }
    QLineEdit* editor() { return in<QLineEdit>(frame, "Text3"); }
    // Shows the Autodial tab and clicks memory n's cell.
    void clickMemory(int n) {
        in<QTabWidget>(frame, "SSTab1")->setCurrentIndex(2);
        AutodialGrid* g = grid();
        click(g->viewport(), g->visualRect(g->model()->index(n, 1)).center());
    }
    DtmfMemory& memory(int n) { return app->workspace->current.options().dtmfMemory[static_cast<std::size_t>(n - 1)]; }
};

TEST(DtmfWindow, ThreeTabsOpeningOnEncode) {
    for (const auto& [stored, encode, autodial] :
         {std::tuple{"1", "Encode", "Autodial Memory"}, std::tuple{"2", "编码", "自动拨号存储器"}}) {
        DtmfRig rig(0x0409, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored + "\r\n");
        rig.openDtmf();
        auto* tabs = DtmfRig::in<QTabWidget>(rig.frame, "SSTab1");
        ASSERT_EQ(tabs->count(), 3);
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(tabs->tabText(0), QString::fromUtf8(encode));
        EXPECT_EQ(tabs->tabText(2), QString::fromUtf8(autodial));
        EXPECT_EQ(rig.grid()->rowCount(), 17);
        EXPECT_EQ(rig.grid()->item(0, 1)->text(), QString::fromUtf8(autodial));
        EXPECT_EQ(rig.grid()->item(16, 0)->text(), QStringLiteral("16"));
        EXPECT_FALSE(rig.editor()->isVisible());
    }
}

TEST(DtmfWindow, TheDecodeTabIsShownButStoresNothing) {
    DtmfRig rig;
    rig.openDtmf();
    QWidget* decode = DtmfRig::in<QWidget>(rig.frame, "SSTab1_Decode");
    for (const char* name : {"TextIdCode", "ComboGroupCode", "ComboAutoResetTimer", "ComboCallAlert", "ComboTranspond",
                             "CheckClearToTranspond", "TextStunCode", "ComboStunType"}) {
        QWidget* w = DtmfRig::in<QWidget>(decode, name);
        EXPECT_FALSE(w->isEnabled()) << name;
        EXPECT_NE(w->toolTip().indexOf(QStringLiteral("nothing on this tab is stored")), -1) << name;
    }
    // The reason is on the tab itself, in readable (not greyed) text.
    auto* why = DtmfRig::in<QLabel>(decode, "LabelDecodeNotStored");
    EXPECT_TRUE(why->isEnabled());
    EXPECT_NE(why->text().indexOf(QStringLiteral("nothing on this tab is stored")), -1);
    EXPECT_EQ(DtmfRig::in<QLineEdit>(decode, "TextIdCode")->text(), QStringLiteral("000"));
    EXPECT_EQ(DtmfRig::itemsOf(DtmfRig::in<QComboBox>(decode, "ComboCallAlert")),
              (QStringList{"Off", "Normal", "Continuous"}));
}

TEST(DtmfWindow, EncodeSettingsAreWrittenAtOnce) {
    DtmfRig rig;
    rig.openDtmf();
    const DtmfSettings& s = rig.app->workspace->current.options().dtmf;
    EXPECT_EQ(DtmfRig::in<QComboBox>(rig.frame, "Combo1_0")->currentText(), QStringLiteral("10"));
    DtmfRig::choose(DtmfRig::in<QComboBox>(rig.frame, "Combo1_0"), QStringLiteral("250"));
    EXPECT_EQ(s.dtmfSendTime, 25);
    DtmfRig::choose(DtmfRig::in<QComboBox>(rig.frame, "Combo1_4"), QStringLiteral("5s"));
    EXPECT_EQ(s.dCodeAssignment, 5);
    DtmfRig::in<QCheckBox>(rig.frame, "Check1")->click();
    EXPECT_EQ(s.dtmfDisplay, 1);
    auto* label = DtmfRig::in<QLabel>(rig.frame, "Combo1_2_label");
    EXPECT_EQ(label->text(), QStringLiteral("First Digit Delay[ms]"));
    EXPECT_LE(label->geometry().right(), DtmfRig::in<QWidget>(rig.frame, "Combo1_2")->geometry().left());
}

TEST(DtmfWindow, TheMemoryEditorTakesDtmfKeysAndStoresEachAtOnce) {
    DtmfRig rig;
    rig.openDtmf();
    rig.clickMemory(1);
    QLineEdit* editor = rig.editor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(rig.grid()->currentMemory(), 1);
    typeKey(editor, Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(rig.memory(1).clean(), "1");
    typeKey(editor, Qt::Key_2, QStringLiteral("2"));
    typeKey(editor, Qt::Key_E, QStringLiteral("e"));   // not a DTMF key
    typeKey(editor, Qt::Key_A, QStringLiteral("a"));   // stored as a capital
    typeKey(editor, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);  // no paste
    typeKey(editor, Qt::Key_Asterisk, QStringLiteral("*"));
    EXPECT_EQ(editor->text(), QStringLiteral("12A*"));
    EXPECT_EQ(rig.memory(1).raw(), std::string("12A*\0           ", 16));
    EXPECT_EQ(rig.grid()->item(1, 1)->text(), QStringLiteral("12A*"));
    typeKey(editor, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(rig.memory(1).clean(), "12A");
}

TEST(DtmfWindow, EnterMovesOnToTheNextMemoryAndLeavesAfterTheLast) {
    DtmfRig rig;
    setDtmfMemory(rig.memory(2), "99");
    rig.openDtmf();
    rig.window().activateWindow();
    rig.clickMemory(1);
    typeKey(rig.editor(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(rig.grid()->currentMemory(), 2);
    EXPECT_EQ(rig.editor()->text(), QStringLiteral("99"));
    rig.clickMemory(16);
    typeKey(rig.editor(), Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_EQ(rig.grid()->currentMemory(), 16);
    EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == DtmfRig::in<QWidget>(rig.frame, "CommandClose"); }));
}

TEST(DtmfWindow, ClearingAMemoryCleansItsReferencesAndTheOtherWindowsLists) {
    DtmfRig rig;
    setDtmfMemory(rig.memory(3), "55");
    rig.memory(4).set("                ");  // spaces only: empty
    ChannelRecord& five = rig.channel(0, 1, 5);
    ChannelRecord& k = rig.channel(0, 11, 1);
    five.Bot = 3;
    k.Bot = 3;
    auto* channelBot = DtmfRig::in<QComboBox>(rig.openChannelWindow(), "Combo8_13");
    EXPECT_EQ(DtmfRig::itemsOf(channelBot).mid(1), (QStringList{"3"}));
    QMdiSubWindow* options = rig.open(kOptionFeaturesWindow);
    auto* bot = DtmfRig::in<QComboBox>(options, "Combo2_6");
    EXPECT_EQ(DtmfRig::itemsOf(bot), (QStringList{"OFF", "3"}));
    rig.openDtmf();
    EXPECT_EQ(rig.grid()->item(4, 1)->text(), QString());

    rig.clickMemory(3);
    rig.editor()->selectAll();
    typeKey(rig.editor(), Qt::Key_Delete, QString());
    EXPECT_EQ(rig.memory(3).clean(), "");
    EXPECT_EQ(five.Bot, 0);
    EXPECT_EQ(k.Bot, 3);
    EXPECT_EQ(DtmfRig::itemsOf(bot), (QStringList{"OFF"}));
    EXPECT_EQ(DtmfRig::itemsOf(channelBot).size(), 1);

    // A memory typed afresh is offered again.
    typeKey(rig.editor(), Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(DtmfRig::itemsOf(bot), (QStringList{"OFF", "3"}));
    EXPECT_EQ(DtmfRig::itemsOf(channelBot).mid(1), (QStringList{"3"}));
}

}  // namespace
}  // namespace mv52::test
