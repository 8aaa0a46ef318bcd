#include <gtest/gtest.h>

#include "document/document.h"
#include "tones/references.h"
#include "tones/dtmf.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

TEST(References, RogerBeepCleaningReferencesCoversGroupsOneToTenAndThePublicChannel) {
    auto doc = std::make_unique<Document>();
    resetRogerBeepDefaults(doc->header.rogerBeep);
    doc->appendChannel(0, 1, 1, "28.015");
    doc->appendChannel(1, 10, 1, "28.015");
    doc->appendChannel(0, 11, 1, "28.015");
    for (auto [m, g] : {std::pair{0, 1}, std::pair{1, 10}, std::pair{0, 11}}) doc->channels.slot(m, g, 1).RogerBeep = 2;
    doc->options().publicRoger = 2;
    doc->further().comChanRb = 2;
    doc->header.rogerBeep[1].recycleTimes() = 0;
    cleanRogerReferences(*doc);
    EXPECT_EQ(doc->channels.slot(0, 1, 1).RogerBeep, 0);
    EXPECT_EQ(doc->channels.slot(1, 10, 1).RogerBeep, 0);
    EXPECT_EQ(doc->channels.slot(0, 11, 1).RogerBeep, 2);
    EXPECT_EQ(doc->options().publicRoger, 0);
    EXPECT_EQ(doc->further().comChanRb, 2);
}

TEST(References, ClearingAMemoryDropsItsReferencesInGroupsOneToTen) {
    auto doc = std::make_unique<Document>();
    DtmfMemories& memories = doc->options().dtmfMemory;
    for (DtmfMemory& m : memories) setDtmfMemory(m, "1");
    doc->appendChannel(0, 1, 5, "28.015");
    doc->appendChannel(0, 11, 1, "28.015");
    ChannelRecord& a = doc->channels.slot(0, 1, 1);
    ChannelRecord& k = doc->channels.slot(0, 11, 1);
    a.Bot = 3, a.Eot = 4, a.Call = 3, k.Bot = 3;
    doc->options().publicCall = 3;
    doc->options().publicEot = 20;
    setDtmfMemory(memories[2], "");
    cleanDtmfReferences(*doc);
    EXPECT_EQ(a.Bot, 0);
    EXPECT_EQ(a.Eot, 4);
    EXPECT_EQ(a.Call, 0);
    EXPECT_EQ(k.Bot, 3);
    EXPECT_EQ(doc->options().publicCall, 0);
    EXPECT_EQ(doc->options().publicEot, 0);
}

}  // namespace
}  // namespace mv52
