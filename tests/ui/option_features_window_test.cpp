// FrmOptFeatures on screen: choices written through their rows, the saved bytes, the rules
// that reach other windows, the number boxes' keys and the loaded flag.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <set>

#include "storage/data_file.h"
#include "ui/option_features_window.h"
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

struct OptionsRig : WindowRig {
    using WindowRig::WindowRig;

    OptionFeaturesWindow& open() {
        window().openChildWindow(kOptionFeaturesWindow);
        // The window's class has no meta-object of its own: find it by name, then cast.
        auto* w = dynamic_cast<OptionFeaturesWindow*>(window().findChild<QWidget*>(QStringLiteral("FrmOptFeatures_content")));
        EXPECT_NE(w, nullptr);
        return *w;
    }
    template <typename T>
    T* control(const char* name) {
        return window().findChild<T*>(QString::fromLatin1(name));
    }
    void choose(const char* combo, const QString& item) {
        auto* c = control<QComboBox>(combo);
        const int p = c->findText(item);
        ASSERT_GE(p, 0) << combo;
        c->setCurrentIndex(p);
        emit c->activated(p);
    }
    void type(const char* box, const QString& text) {
        auto* b = control<QLineEdit>(box);
        b->setText(text);
        emit b->editingFinished();
    }
};

TEST(OptionFeaturesWindow, ThreeChoicesOfDifferentCodingsReachTheSavedBytes) {
    OptionsRig rig;
    rig.open();
    Workspace& ws = *rig.app->workspace;
    ASSERT_EQ(ws.current.options().tot, 0);
    ASSERT_EQ(ws.current.further().rxNr, 0);
    ASSERT_EQ(ws.current.options().swrMax, 160);
    const std::string before = rig.install.file("before.dat");
    ASSERT_TRUE(saveDataFile(ws, before));

    rig.choose("Combo1_9", QStringLiteral("90s"));  // x3
    rig.choose("Combo1_25", QStringLiteral("3"));   // +127
    rig.type("Text2_0", QStringLiteral("25"));       // /10, held at 20.0
    EXPECT_EQ(rig.control<QLineEdit>("Text2_0")->text(), QStringLiteral("20.0"));
    const std::string after = rig.install.file("after.dat");
    ASSERT_TRUE(saveDataFile(ws, after));

    // Exactly three bytes differ: tot 0 -> 9, rxNr 0 -> 130, the low byte of swrMax 160 -> 200.
    const std::vector<std::uint8_t> a = readBytes(before);
    const std::vector<std::uint8_t> b = readBytes(after);
    ASSERT_EQ(a.size(), b.size());
    std::multiset<std::pair<int, int>> changed;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) changed.insert({a[i], b[i]});
    EXPECT_EQ(changed, (std::multiset<std::pair<int, int>>{{0, 9}, {0, 130}, {160, 200}}));
}

TEST(OptionFeaturesWindow, OpensWithTheFocusInItsFirstListAndLabelsRightAligned) {
    OptionsRig rig;
    rig.window().activateWindow();
    OptionFeaturesWindow& w = rig.open();
    EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == rig.control<QComboBox>("Combo1_9"); }));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Optional Features"));
    for (const char* name : {"Combo1_9", "Combo1_24", "Combo1_39", "Combo1_45", "Combo2_6"}) {
        QWidget* field = rig.control<QWidget>(name);
        auto* label = rig.control<QLabel>((std::string(name) + "_label").c_str());
        ASSERT_NE(label, nullptr) << name;
        const QRect l = label->geometry();
        EXPECT_TRUE(label->alignment().testFlag(Qt::AlignRight)) << name;
        EXPECT_LE(l.right(), field->geometry().left()) << name;
        EXPECT_GE(l.right(), field->geometry().left() - 12) << name;
    }
}

TEST(OptionFeaturesWindow, ModeChecksKeepOneAndHfPublicReopensTheChannelWindow) {
    OptionsRig rig;
    int channelWindows = 0;
    rig.defineTestWindow(kChannelEditorWindow, &channelWindows);
    OptionFeaturesWindow& w = rig.open();
    OptionRecord& o = rig.app->workspace->current.options();
    o.amEnable = o.usbEnable = o.lsbEnable = o.paEnable = o.cwEnable = 0;
    o.fmEnable = 1;
    w.ReShowData();
    auto* fm = rig.control<QCheckBox>("Check1_5");
    ASSERT_TRUE(fm->isChecked());
    fm->click();
    EXPECT_TRUE(fm->isChecked());
    EXPECT_EQ(o.fmEnable, 1);

    const int before = channelWindows;
    rig.choose("Combo1_45", QStringLiteral("ON"));
    EXPECT_EQ(channelWindows, before + 1);
    EXPECT_EQ(rig.app->workspace->current.channels.slot(0, 17, 1).Public, 1);
    rig.choose("Combo1_45", QStringLiteral("ON"));
    EXPECT_EQ(channelWindows, before + 1);
}

TEST(OptionFeaturesWindow, VoxLevelAndDelayFollowVox) {
    OptionsRig rig;
    rig.open();
    rig.choose("Combo1_35", QStringLiteral("OFF"));
    EXPECT_FALSE(rig.control<QComboBox>("Combo1_27")->isEnabled());
    EXPECT_FALSE(rig.control<QComboBox>("Combo1_28")->isEnabled());
    rig.choose("Combo1_35", QStringLiteral("ON"));
    EXPECT_TRUE(rig.control<QComboBox>("Combo1_27")->isEnabled());
}

TEST(OptionFeaturesWindow, NumberBoxesTakeDigitsAndAPointOnly) {
    OptionsRig rig;
    rig.open();
    auto* box = rig.control<QLineEdit>("Text4_12");
    box->clear();
    const auto key = [box](int code, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, code, mods, text);
        QCoreApplication::sendEvent(box, &press);
    };
    key(Qt::Key_A, QStringLiteral("a"));
    key(Qt::Key_1, QStringLiteral("1"));
    key(Qt::Key_Period, QStringLiteral("."));
    key(Qt::Key_5, QStringLiteral("5"));
    key(Qt::Key_Minus, QStringLiteral("-"));
    key(0, QStringLiteral("é"));
    EXPECT_EQ(box->text(), QStringLiteral("1.5"));
    key(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(box->text(), QStringLiteral("1."));
    box->selectAll();
    key(Qt::Key_X, QStringLiteral("\x18"), Qt::ControlModifier);  // cut is refused
    EXPECT_EQ(box->text(), QStringLiteral("1."));
    emit box->editingFinished();
    EXPECT_EQ(box->text(), QStringLiteral("1.0000"));
    EXPECT_EQ(rig.app->workspace->current.further().txOffset, 10000);
}

TEST(OptionFeaturesWindow, SaveOptFeatWritesFromTheControlAndShowingWritesNothing) {
    OptionsRig rig;
    OptionFeaturesWindow& w = rig.open();
    Workspace& ws = *rig.app->workspace;
    auto* tot = rig.control<QComboBox>("Combo1_9");
    tot->setCurrentIndex(4);  // programmatic: no write
    EXPECT_EQ(ws.current.options().tot, 0);
    EXPECT_FALSE(documentChanged(ws));
    w.SaveOptFeat(9);
    EXPECT_EQ(ws.current.options().tot, 12);
    w.SaveOptFeat(77);  // no such control
    w.ReShowData();
    EXPECT_EQ(tot->currentText(), QStringLiteral("120s"));
}

}  // namespace
}  // namespace mv52::test

namespace mv52::test {
namespace {

// A typed value the box cannot keep is held to its range, and the status bar says so; the
// control's tooltip gave the range beforehand.
TEST(OptionFeaturesWindow, AClampedValueIsReportedInTheStatusBar) {
    OptionsRig rig;
    rig.open();
    auto* max = rig.control<QLineEdit>("Text2_2");
    EXPECT_EQ(max->toolTip(), QStringLiteral("Max[V]: a number from 9.0 to 17.0, in steps of 0.1."));
    EXPECT_EQ(max->accessibleName(), QStringLiteral("Max[V]"));
    EXPECT_EQ(max->accessibleDescription(), max->toolTip());
    rig.type("Text2_2", QStringLiteral("30"));
    EXPECT_EQ(max->text(), QStringLiteral("17.0"));
    EXPECT_EQ(rig.window().statusBar()->currentMessage(), QStringLiteral("Max[V]: 30 is above 17.0; stored 17.0"));
    EXPECT_EQ(rig.app->workspace->current.options().batteryMax, 170);
}

}  // namespace
}  // namespace mv52::test
