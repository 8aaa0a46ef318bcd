// The optional-features controls: every row shows back what it writes, the codings and rules
// of the window, and the lookups mv52ctl uses.

#include <gtest/gtest.h>

#include <memory>

#include "data/groups.h"
#include "document/document.h"
#include "options/option_controls.h"
#include "options/option_defaults.h"
#include "tones/dtmf.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

constexpr auto E = LanguageIndex::English;
constexpr auto C = LanguageIndex::Chinese;

std::unique_ptr<Document> defaults() {
    auto doc = std::make_unique<Document>();
    resetOptionDefaults(doc->options(), doc->further());
    resetRogerBeepDefaults(doc->header.rogerBeep);
    resetDtmfDefaults(doc->options().dtmf, doc->options().dtmfMemory);
    setDtmfMemory(doc->options().dtmfMemory[2], "123");
    setDtmfMemory(doc->options().dtmfMemory[9], "#*0");
    OptionRecord& o = doc->options();
    o.fmEnable = o.amEnable = o.usbEnable = o.lsbEnable = o.paEnable = o.cwEnable = 1;
    return doc;
}

const ControlRow& row(const char* name) {
    const ControlRow* r = findControl(optionControls(), name);
    EXPECT_NE(r, nullptr) << name;
    return *r;
}

// Chooses `item` in the list as the window does.
unsigned choose(Document& doc, const char* name, const std::string& item, LanguageIndex language = E) {
    unsigned effects = 0;
    EXPECT_TRUE(applyItem(row(name), doc, item, language, &effects)) << name << " " << item;
    return effects;
}

std::string shown(const Document& doc, const char* name, LanguageIndex language = E) {
    return shownItem(row(name), doc, language);
}

TEST(OptionControls, EveryItemOfEveryRowShowsBackAfterItIsWritten) {
    for (const LanguageIndex language : {E, C}) {
        auto doc = defaults();
        for (const ControlRow& r : optionControls()) {
            SCOPED_TRACE(r.objectName);
            switch (r.kind) {
                case ControlKind::List: {
                    const std::vector<std::string> items = r.items(*doc, language);
                    ASSERT_FALSE(items.empty());
                    for (std::size_t p = 0; p < items.size(); ++p) {
                        r.write(*doc, {static_cast<int>(p), items[p]});
                        EXPECT_EQ(r.shown(*doc, r.items(*doc, language)), static_cast<int>(p)) << items[p];
                    }
                    break;
                }
                case ControlKind::Check:
                    for (const int state : {0, 1, 1, 0}) {
                        r.write(*doc, {state, {}});
                        EXPECT_EQ(r.shown(*doc, {}), state);
                    }
                    r.write(*doc, {1, {}});
                    break;
                case ControlKind::Text:
                    for (const char* typed : {"9.5", "12", "16.7"}) {
                        r.write(*doc, {0, typed});
                        const std::string text = r.shownText(*doc);
                        r.write(*doc, {0, text});
                        EXPECT_EQ(r.shownText(*doc), text) << typed;
                    }
                    break;
            }
        }
    }
}

TEST(OptionControls, CodingsOfTheWindow) {
    auto doc = defaults();
    Document& d = *doc;
    choose(d, "Combo1_9", "90s");
    EXPECT_EQ(d.options().tot, 9);
    d.options().tot = 10;
    EXPECT_EQ(shown(d, "Combo1_9"), "90s");
    d.options().tot = 63;
    EXPECT_EQ(shown(d, "Combo1_9"), "Off");

    choose(d, "Combo1_25", "3");
    EXPECT_EQ(d.further().rxNr, 130);
    choose(d, "Combo1_25", "OFF");
    EXPECT_EQ(d.further().rxNr, 0);

    choose(d, "Combo1_47", "2550");
    EXPECT_EQ(d.further().cwFreq, 255);
    EXPECT_EQ(row("Combo1_47").items(d, E).back(), "2550");

    choose(d, "Combo1_3", "17");
    EXPECT_EQ(d.options().micGain, 17);

    for (const LanguageIndex language : {E, C}) {
        d.further().asqLevel = 5;
        choose(d, "Combo1_24", row("Combo1_24").items(d, language).front(), language);
        EXPECT_EQ(d.further().asqLevel, 0);
    }

    // Roger entries 1, 2 and 5 valid.
    for (int n : {3, 4, 6, 7, 8}) d.header.rogerBeep[static_cast<std::size_t>(n - 1)].recycleTimes() = 0;
    EXPECT_EQ(row("Combo1_53").items(d, E), (std::vector<std::string>{"OFF", "1", "2", "5"}));
    choose(d, "Combo1_53", "5");
    EXPECT_EQ(d.further().comChanRb, 5);
    EXPECT_EQ(shown(d, "Combo1_53"), "5");
    d.further().comChanRb = 4;  // no longer valid: shown as Off, kept
    EXPECT_EQ(shown(d, "Combo1_53"), "OFF");
    EXPECT_EQ(d.further().comChanRb, 4);

    // The DTMF lists offer the memories that hold a code.
    EXPECT_EQ(row("Combo2_6").items(d, E), (std::vector<std::string>{"OFF", "3", "10"}));
    choose(d, "Combo2_8", "10");
    EXPECT_EQ(d.options().publicCall, 10);
}

TEST(OptionControls, TextBoxesHoldTheirValuesWithinRange) {
    struct Case {
        const char* box;
        const char* typed;
        const char* shows;
        int stored;
    };
    const Case cases[] = {
        {"Text2_0", "25", "20.0", 200},      {"Text2_0", "abc", "20.0", 200}, {"Text2_0", "1", "1.2", 12},
        {"Text2_0", "7.45", "7.5", 75},      {"Text4_12", "0", "0.0001", 1},  {"Text4_12", "7", "5.0000", 50000},
        {"Text4_12", "", "5.0000", 50000},   {"Text4_12", "0.6", "0.6000", 6000},
    };
    for (const Case& c : cases) {
        auto doc = defaults();
        row(c.box).write(*doc, {0, c.typed});
        EXPECT_EQ(row(c.box).shownText(*doc), c.shows) << c.box << " " << c.typed;
        const int stored = std::string(c.box) == "Text2_0" ? doc->options().swrMax : doc->further().txOffset;
        EXPECT_EQ(stored, c.stored) << c.box << " " << c.typed;
    }
}

TEST(OptionControls, BatteryMinAndMaxAreExchangedWhenMaxIsBelowMin) {
    for (const char* left : {"Text2_1", "Text2_2"}) {
        auto doc = defaults();
        row("Text2_1").write(*doc, {0, "16.0"});
        doc->options().batteryMax = 120;
        row(left).write(*doc, {0, row(left).shownText(*doc)});
        EXPECT_EQ(row("Text2_1").shownText(*doc), "12.0") << left;
        EXPECT_EQ(row("Text2_2").shownText(*doc), "16.0") << left;
    }
    auto doc = defaults();
    row("Text2_1").write(*doc, {0, "9"});
    row("Text2_2").write(*doc, {0, "x"});
    EXPECT_EQ(doc->options().batteryMin, 90);
    EXPECT_EQ(doc->options().batteryMax, 90);
    row("Text2_1").write(*doc, {0, "30"});  // held at 17.0, then above Max: exchanged
    EXPECT_EQ(doc->options().batteryMin, 90);
    EXPECT_EQ(doc->options().batteryMax, 170);
}

TEST(OptionControls, TheOnlyCheckedModeStaysChecked) {
    auto doc = defaults();
    OptionRecord& o = doc->options();
    o.amEnable = o.usbEnable = o.lsbEnable = o.paEnable = o.cwEnable = 0;
    row("Check1_5").write(*doc, {0, {}});
    EXPECT_EQ(doc->options().fmEnable, 1);
    EXPECT_EQ(row("Check1_5").shown(*doc, {}), 1);
}

TEST(OptionControls, ClearingFmRewritesFmChannelsOfGroupsOneToTen) {
    auto doc = defaults();
    doc->options().paEnable = 0;
    doc->options().cwEnable = 0;
    for (int m : {kWorkModeCb, kWorkModeHam})
        for (int g : {1, 10, 11}) {
            doc->appendChannel(m, g, 1, "27.005");
            doc->channels.slot(m, g, 1).Mode = 0;  // FM
            doc->appendChannel(m, g, 2, "27.015");
            doc->channels.slot(m, g, 2).Mode = 3;  // LSB stays
        }
    const unsigned effects = row("Check1_5").write(*doc, {0, {}});
    EXPECT_EQ(effects, unsigned{kEffectChannelModes});
    EXPECT_EQ(doc->options().fmEnable, 0);
    for (int m : {kWorkModeCb, kWorkModeHam}) {
        for (int g : {1, 10}) EXPECT_EQ(doc->channels.slot(m, g, 1).Mode, 1) << m << " " << g;  // AM
        EXPECT_EQ(doc->channels.slot(m, 11, 1).Mode, 0) << m;
        for (int g : {1, 10, 11}) EXPECT_EQ(doc->channels.slot(m, g, 2).Mode, 3);
    }
    EXPECT_EQ(row("Combo1_18").items(*doc, E), (std::vector<std::string>{"AM", "USB", "LSB"}));
}

TEST(OptionControls, ThePublicModeListLeavesCwOutAndStoresTheFixedPosition) {
    auto doc = defaults();
    EXPECT_EQ(row("Combo1_18").items(*doc, E), (std::vector<std::string>{"FM", "AM", "USB", "LSB", "PA"}));
    doc->options().amEnable = 0;
    choose(*doc, "Combo1_18", "USB");
    EXPECT_EQ(doc->options().publicMode, 2);
    doc->options().publicMode = 1;  // AM, not offered: the first item shows
    EXPECT_EQ(shown(*doc, "Combo1_18"), "FM");
    doc->options().publicMode = 9;
    EXPECT_EQ(shown(*doc, "Combo1_18"), "FM");
}

TEST(OptionControls, HfPublicOnSetsThePublicFlagOfEveryCbSlot) {
    auto doc = defaults();
    EXPECT_EQ(choose(*doc, "Combo1_45", "ON"), unsigned{kEffectChannelWindow});
    EXPECT_EQ(doc->further().hfPublic, 1);
    for (int g = 1; g <= groupCount(kWorkModeCb); ++g)
        for (int p = 1; p <= groupCapacity(kWorkModeCb, g); ++p) ASSERT_EQ(doc->channels.slot(kWorkModeCb, g, p).Public, 1);
    EXPECT_EQ(doc->channels.slot(kWorkModeCb, 1, 41).Public, 0);  // beyond the group's 40 slots
    EXPECT_EQ(doc->channels.slot(kWorkModeHam, 1, 1).Public, 0);
    // The value already stored changes nothing more.
    doc->channels.slot(kWorkModeCb, 1, 1).Public = 0;
    EXPECT_EQ(choose(*doc, "Combo1_45", "ON"), unsigned{kEffectNone});
    EXPECT_EQ(doc->channels.slot(kWorkModeCb, 1, 1).Public, 0);
}

TEST(OptionControls, VoxLevelAndDelayOnlyWithVoxOn) {
    auto doc = defaults();
    choose(*doc, "Combo1_35", "OFF");
    EXPECT_FALSE(row("Combo1_27").enabled(*doc));
    EXPECT_FALSE(row("Combo1_28").enabled(*doc));
    choose(*doc, "Combo1_35", "ON");
    EXPECT_TRUE(row("Combo1_27").enabled(*doc));
}

TEST(OptionControls, LookupsByLabelAndBySaveIndex) {
    EXPECT_EQ(optionControlByLabel("TOT")->objectName, "Combo1_9");
    EXPECT_EQ(optionControlByLabel("Max[V]")->objectName, "Text2_2");
    EXPECT_EQ(optionControlByLabel("Max")->objectName, "Text2_0");
    EXPECT_EQ(optionControlByLabel("tot"), nullptr);
    EXPECT_EQ(optionControlForSaveIndex(9)->objectName, "Combo1_9");
    EXPECT_EQ(optionControlForSaveIndex(105)->objectName, "Check1_5");
    EXPECT_EQ(optionControlForSaveIndex(206)->objectName, "Combo2_6");
    for (int none : {-1, 1, 54, 99, 111, 209}) EXPECT_EQ(optionControlForSaveIndex(none), nullptr) << none;
    // Every English label names one control.
    for (const ControlRow& r : optionControls()) EXPECT_EQ(optionControlByLabel(r.label(E)), &r) << r.objectName;
}

TEST(OptionControls, AnItemTheListDoesNotOfferWritesNothing) {
    auto doc = defaults();
    const Document before = *doc;
    EXPECT_FALSE(applyItem(row("Combo1_9"), *doc, "95s", E));
    EXPECT_FALSE(applyItem(row("Check1_3"), *doc, "maybe", E));
    EXPECT_EQ(doc->header, before.header);
}

}  // namespace
}  // namespace mv52

namespace mv52 {
namespace {

// A number box that did not keep what was typed says what it stored and why; one that kept
// it (or only showed it with its decimals) says nothing.
TEST(ControlTips, TypedValueNotesSayWhatWasStored) {
    struct Case {
        const char* box;
        const char* typed;
        const char* stored;
        LanguageIndex language;
        const char* note;
    };
    const Case cases[] = {
        {"Text2_2", "30", "17.0", E, "Max[V]: 30 is above 17.0; stored 17.0"},
        {"Text2_1", "3", "9.0", E, "Min[V]: 3 is below 9.0; stored 9.0"},
        {"Text2_0", "1.26", "1.3", E, "Max: 1.26 is kept to steps of 0.1; stored 1.3"},
        {"Text2_1", "", "9.0", E, "Min[V]: \"\" is not a number; stored 9.0"},
        {"Text2_1", "16", "12.0", E, "Min[V]: stored 12.0 instead of 16"},
        {"Text2_2", "30", "17.0", C, "Max[V]：30 大于 17.0；已存为 17.0"},
        {"Text2_2", "12", "12.0", E, ""},
        {"Text4_12", "2.5", "2.5000", E, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typedValueNote(row(c.box), c.typed, c.stored, c.language), c.note) << c.box << " " << c.typed;
    // A box that takes text other than numbers has no range to report.
    EXPECT_EQ(typedValueNote(row("Combo1_9"), "x", "y", E), "");
}

TEST(ControlTips, EachKindOfControlIsExplainedWithWhatItTakes) {
    auto doc = defaults();
    EXPECT_EQ(controlTip(row("Text2_2"), *doc, E), "Max[V]: a number from 9.0 to 17.0, in steps of 0.1.");
    EXPECT_EQ(controlTip(row("Text4_12"), *doc, E), "Tx Offset: a number from 0.0001 to 5.0000, in steps of 0.0001.");
    EXPECT_EQ(controlTip(row("Check1_3"), *doc, E), "Switches SWR Protect on or off.");
    EXPECT_EQ(controlTip(row("Combo1_9"), *doc, E).rfind("Chooses TOT: ", 0), 0u);
    // Where the items of a reference list come from, and why a control may be off.
    EXPECT_NE(controlTip(row("Combo2_6"), *doc, E).find("Edit > DTMF"), std::string::npos);
    EXPECT_NE(controlTip(row("Combo1_53"), *doc, C).find("RB音"), std::string::npos);
    EXPECT_NE(controlTip(row("Combo1_27"), *doc, E).find("VOX is on"), std::string::npos);
    // Every row of the table has a tip in both languages.
    for (const ControlRow& r : optionControls())
        for (LanguageIndex l : {E, C}) EXPECT_FALSE(controlTip(r, *doc, l).empty()) << r.objectName;
}

}  // namespace
}  // namespace mv52
