// The roger-beep window's rows: codings, the entry they follow, the rule that keeps one entry
// valid and the clean-up of references.

#include <gtest/gtest.h>

#include <memory>

#include "document/document.h"
#include "tones/roger_beep.h"
#include "tones/roger_controls.h"

namespace mv52 {
namespace {

constexpr auto E = LanguageIndex::English;
constexpr auto C = LanguageIndex::Chinese;

struct RogerRows {
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    int entry = 1;
    std::vector<ControlRow> rows = rogerBeepControls([this] { return entry; });

    RogerRows() { resetRogerBeepDefaults(doc->header.rogerBeep); }
    const ControlRow& row(const char* name) const {
        const ControlRow* r = findControl(rows, name);
        EXPECT_NE(r, nullptr) << name;
        return *r;
    }
    unsigned choose(const char* name, const std::string& item) {
        unsigned effects = 0;
        EXPECT_TRUE(applyItem(row(name), *doc, item, E, &effects)) << name << " " << item;
        return effects;
    }
    std::string shown(const char* name, LanguageIndex language = E) const {
        return shownItem(row(name), *doc, language);
    }
    RogerBeepEntry& entryAt(int n) { return doc->header.rogerBeep[static_cast<std::size_t>(n - 1)]; }
    // Only the entries named stay valid.
    void keepValid(std::initializer_list<int> valid) {
        for (int n = 1; n <= kRogerEntryCount; ++n)
            if (std::find(valid.begin(), valid.end(), n) == valid.end()) entryAt(n).recycleTimes() = 0;
    }
    // Channel 1 of (work mode, group) refers to entry n.
    ChannelRecord& channelUsing(int workMode, int group, int n) {
        doc->appendChannel(workMode, group, 1, "28.015");
        ChannelRecord& r = doc->channels.slot(workMode, group, 1);
        r.RogerBeep = static_cast<std::int16_t>(n);
        return r;
    }
};

TEST(RogerControls, EveryItemOfEveryRowShowsBackAfterItIsWritten) {
    for (const LanguageIndex language : {E, C}) {
        RogerRows t;
        t.entry = 3;
        for (const ControlRow& r : t.rows) {
            SCOPED_TRACE(r.objectName);
            const std::vector<std::string> items = r.items(*t.doc, language);
            ASSERT_FALSE(items.empty());
            for (std::size_t p = 0; p < items.size(); ++p) {
                r.write(*t.doc, {static_cast<int>(p), items[p]});
                EXPECT_EQ(r.shown(*t.doc, items), static_cast<int>(p)) << items[p];
            }
        }
    }
}

TEST(RogerControls, RowsFollowTheShownEntryAndItsCodings) {
    RogerRows t;
    EXPECT_EQ(t.rows.size(), 2u + 2u * 14u);
    EXPECT_EQ(t.shown("Combo3_0"), "2100");
    EXPECT_EQ(t.shown("Combo4_0"), "100");
    EXPECT_EQ(t.shown("Combo3_1"), "None");
    EXPECT_EQ(t.shown("Combo3_1", C), "无");
    EXPECT_EQ(t.row("Combo3_4").label(E), "Fifth Tone");
    EXPECT_FALSE(t.row("Combo4_4").label);  // named by its column's heading
    t.entry = 4;
    EXPECT_EQ(t.shown("Combo3_4"), "1920");
    EXPECT_EQ(t.shown("Combo4_4"), "60");

    t.choose("Combo3_0", "1000");
    EXPECT_EQ(t.entryAt(4).toneFreq(1), 100);
    t.choose("Combo3_0", "None");
    EXPECT_EQ(t.entryAt(4).toneFreq(1), 0);
    t.choose("Combo2_0", "500");
    EXPECT_EQ(t.entryAt(4).interTime(), 50);
    t.choose("Combo1_0", "3");
    EXPECT_EQ(t.entryAt(4).recycleTimes(), 3);
    EXPECT_EQ(t.entryAt(1).recycleTimes(), 1);

    // A frequency no item shows reads "None" and stays until another item is chosen.
    t.entryAt(4).toneFreq(2) = 30;
    EXPECT_EQ(t.shown("Combo3_1"), "None");
    EXPECT_EQ(t.entryAt(4).toneFreq(2), 30);
    t.entryAt(4).recycleTimes() = 11;
    EXPECT_EQ(t.shown("Combo1_0"), "Off");
}

TEST(RogerControls, TheLastValidEntryCannotBeSwitchedOff) {
    RogerRows t;
    t.keepValid({2});
    t.entry = 2;
    EXPECT_EQ(t.choose("Combo1_0", "Off"), unsigned{kEffectNone});
    EXPECT_EQ(t.entryAt(2).recycleTimes(), 1);
    EXPECT_EQ(t.shown("Combo1_0"), "1");
    // All lengths to 0: the last one snaps back.
    for (int i = 0; i < 13; ++i) t.choose(("Combo4_" + std::to_string(i)).c_str(), "0");
    t.choose("Combo4_13", "0");
    EXPECT_EQ(t.entryAt(2).toneLength(14), 4);
    EXPECT_EQ(validRogerEntry(t.doc->header.rogerBeep, 2), 2);
    // An entry that is not valid may still be changed.
    t.entry = 6;
    t.entryAt(6).toneLength(1) = 10;
    t.entryAt(6).recycleTimes() = 0;
    t.choose("Combo4_0", "0");
    EXPECT_EQ(t.entryAt(6).toneLength(1), 0);
}

TEST(RogerControls, SwitchingAnEntryOffCleansTheReferencesOfGroupsOneToTen) {
    RogerRows t;
    t.keepValid({1, 2});
    ChannelRecord& a = t.channelUsing(0, 1, 2);
    ChannelRecord& ham = t.channelUsing(1, 10, 2);
    ChannelRecord& k = t.channelUsing(0, 11, 2);
    ChannelRecord& other = t.channelUsing(0, 2, 1);
    t.doc->options().publicRoger = 2;
    t.entry = 2;
    EXPECT_EQ(t.choose("Combo1_0", "Off"), unsigned{kEffectRogerReferences});
    EXPECT_EQ(t.entryAt(2).recycleTimes(), 0);
    EXPECT_EQ(a.RogerBeep, 0);
    EXPECT_EQ(ham.RogerBeep, 0);
    EXPECT_EQ(k.RogerBeep, 2);
    EXPECT_EQ(other.RogerBeep, 1);
    EXPECT_EQ(t.doc->options().publicRoger, 0);
    // A change that keeps every entry's validity reports nothing to refresh.
    EXPECT_EQ(t.choose("Combo1_0", "Off"), unsigned{kEffectNone});
    EXPECT_EQ(t.choose("Combo4_0", "50"), unsigned{kEffectNone});
    EXPECT_EQ(t.choose("Combo1_0", "2"), unsigned{kEffectRogerReferences});
}

TEST(RogerControls, ARecycleOrLengthChangeOfAValidEntryCleansADanglingReference) {
    // Entry 5 is not valid; a channel from a foreign file or a read still names it.
    const struct {
        const char* row;
        const char* first;
        const char* second;
    } changes[] = {{"Combo1_0", "3", "2"}, {"Combo4_0", "120", "50"}};
    for (const auto& c : changes) {
        RogerRows t;
        t.keepValid({1, 2});
        ChannelRecord& dangling = t.channelUsing(0, 3, 5);
        t.entry = 1;
        EXPECT_EQ(t.choose(c.row, c.first), unsigned{kEffectRogerReferences}) << c.row;
        EXPECT_EQ(dangling.RogerBeep, 0) << c.row;
        // Nothing left to clean: nothing to refresh.
        EXPECT_EQ(t.choose(c.row, c.second), unsigned{kEffectNone}) << c.row;
    }
}

TEST(RogerControls, AllLengthsOfAnEntryToZeroMakeItInvalid) {
    RogerRows t;
    t.keepValid({1, 3});
    ChannelRecord& a = t.channelUsing(0, 5, 3);
    t.entry = 3;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(t.choose(("Combo4_" + std::to_string(i)).c_str(), "0"), unsigned{kEffectNone});
    EXPECT_EQ(t.choose("Combo4_6", "0"), unsigned{kEffectRogerReferences});
    EXPECT_EQ(validRogerEntry(t.doc->header.rogerBeep, 3), 0);
    EXPECT_EQ(a.RogerBeep, 0);
}

}  // namespace
}  // namespace mv52
