// The DTMF window's rows: the Encode tab's codings and the memories as mv52ctl and the grid
// write them.

#include <gtest/gtest.h>

#include <memory>

#include "document/document.h"
#include "tones/dtmf.h"
#include "tones/dtmf_controls.h"

namespace mv52 {
namespace {

constexpr auto E = LanguageIndex::English;
constexpr auto C = LanguageIndex::Chinese;

std::unique_ptr<Document> defaults() {
    auto doc = std::make_unique<Document>();
    resetDtmfDefaults(doc->options().dtmf, doc->options().dtmfMemory);
    return doc;
}

const ControlRow& row(const char* name) {
    const ControlRow* r = findControl(dtmfEncodeControls(), name);
    EXPECT_NE(r, nullptr) << name;
    return *r;
}

TEST(DtmfControls, EveryItemOfEveryEncodeRowShowsBackAfterItIsWritten) {
    for (const LanguageIndex language : {E, C}) {
        auto doc = defaults();
        for (const ControlRow& r : dtmfEncodeControls()) {
            SCOPED_TRACE(r.objectName);
            if (r.kind == ControlKind::Check) {
                for (const int state : {1, 0}) {
                    r.write(*doc, {state, {}});
                    EXPECT_EQ(r.shown(*doc, {}), state);
                }
                continue;
            }
            const std::vector<std::string> items = r.items(*doc, language);
            ASSERT_FALSE(items.empty());
            for (std::size_t p = 0; p < items.size(); ++p) {
                r.write(*doc, {static_cast<int>(p), items[p]});
                EXPECT_EQ(r.shown(*doc, items), static_cast<int>(p)) << items[p];
            }
        }
    }
}

TEST(DtmfControls, EncodeCodings) {
    auto doc = defaults();
    const DtmfSettings& s = doc->options().dtmf;
    struct Case {
        const char* control;
        const char* item;
        const std::int16_t DtmfSettings::*field;
        int stored;
    };
    for (const Case& c : {Case{"Combo1_0", "250", &DtmfSettings::dtmfSendTime, 25},
                          Case{"Combo1_1", "1000", &DtmfSettings::firstDigitTime, 10},
                          Case{"Combo1_2", "2500", &DtmfSettings::firstDigitDelay, 25},
                          Case{"Combo1_3", "500", &DtmfSettings::starHashTone, 5},
                          Case{"Combo1_4", "5s", &DtmfSettings::dCodeAssignment, 5},
                          Case{"Combo1_4", "D Code", &DtmfSettings::dCodeAssignment, 0},
                          Case{"Check1", "on", &DtmfSettings::dtmfDisplay, 1}}) {
        EXPECT_TRUE(applyItem(row(c.control), *doc, c.item, E)) << c.control;
        EXPECT_EQ(s.*c.field, c.stored) << c.control << " " << c.item;
        EXPECT_EQ(shownItem(row(c.control), *doc, E), c.item);
    }
    EXPECT_EQ(row("Combo1_4").items(*doc, C)[5], "5秒");
    // A stored value no item shows reads as the first item and stays.
    doc->options().dtmf.starHashTone = 3;
    EXPECT_EQ(shownItem(row("Combo1_3"), *doc, E), "0");
    EXPECT_EQ(s.starHashTone, 3);
    EXPECT_EQ(row("Combo1_0").label(E), "DTMF Send Time[ms]");
    EXPECT_EQ(row("Check1").label(C), "DTMF 显示");
}

TEST(DtmfControls, AMemoryIsStoredAsTypedAndEmptyingItCleansItsReferences) {
    auto doc = defaults();
    const ControlRow& m3 = dtmfMemoryControl(3);
    EXPECT_EQ(m3.label(E), "Memory 3");
    ASSERT_TRUE(applyItem(m3, *doc, "12a*", E));
    EXPECT_EQ(doc->options().dtmfMemory[2].raw(), std::string("12A*\0           ", 16));
    EXPECT_EQ(shownItem(m3, *doc, E), "12A*");

    doc->appendChannel(0, 1, 1, "28.015");
    doc->appendChannel(0, 1, 5, "28.015");
    doc->appendChannel(0, 11, 1, "28.015");
    ChannelRecord& five = doc->channels.slot(0, 1, 2);
    ChannelRecord& k = doc->channels.slot(0, 11, 1);
    five.Bot = 3;
    k.Bot = 3;
    doc->options().publicCall = 3;
    unsigned effects = 0;
    ASSERT_TRUE(applyItem(m3, *doc, "", E, &effects));
    EXPECT_EQ(effects, unsigned{kEffectDtmfReferences});
    EXPECT_EQ(doc->options().dtmfMemory[2].clean(), "");
    EXPECT_EQ(five.Bot, 0);
    EXPECT_EQ(k.Bot, 3);
    EXPECT_EQ(doc->options().publicCall, 0);

    // Texts the grid's editor could never hold are refused, and nothing is written.
    ASSERT_TRUE(applyItem(m3, *doc, "0123456789ABCD*#", E));
    for (const char* refused : {"12E", "1 2", "0123456789ABCD*#0", "１"}) {
        EXPECT_FALSE(applyItem(m3, *doc, refused, E)) << refused;
        EXPECT_EQ(shownItem(m3, *doc, E), "0123456789ABCD*#");
    }
}

}  // namespace
}  // namespace mv52
