// Differences between two configurations, one line each, by label.

#include <gtest/gtest.h>

#include "exchange/config_diff.h"
#include "exchange/exchange_documents.h"

namespace mv52 {
namespace {

constexpr auto kEnglish = LanguageIndex::English;

TEST(ConfigDiff, EqualConfigurationsHaveNoLines) {
    auto a = test::fullDocument();
    EXPECT_TRUE(configDifferences(a->current, a->current).empty());
}

TEST(ConfigDiff, OneOptionAndOneChannelChangedGiveExactlyTwoLines) {
    auto a = test::startupDocument();
    auto b = test::startupDocument();
    ASSERT_TRUE(applyItem(*optionControlByLabel("TOT"), b->current, "90s", kEnglish));
    int row = 1;
    const auto channel = channelControls(row);
    test::showGroup(*b, kWorkModeCb, 1);
    ASSERT_TRUE(applyItem(*findControl(channel, "Combo8_12"), b->current, "AM", kEnglish));
    test::showGroup(*b, kWorkModeCb, 1);
    EXPECT_EQ(configDifferences(a->current, b->current),
              (std::vector<std::string>{"TOT: Off -> 90s", "CB A CH 1 Mode: FM -> AM"}));
}

TEST(ConfigDiff, AChannelOnOneSideIsOneLineAndStoredBytesAreCompared) {
    auto a = test::startupDocument();
    auto b = test::startupDocument();
    test::showGroup(*b, kWorkModeHam, 2);
    updateChannelFrequency(*b, 7, "28.5");
    b->current.header.currentWorkMode = a->current.header.currentWorkMode;
    b->current.header.currentGroup = a->current.header.currentGroup;
    b->current.header.radioInfo.dateStamp.set("20270101");
    EXPECT_EQ(configDifferences(a->current, b->current),
              (std::vector<std::string>{"HAM B CH 7: (none) -> 28.50000",
                                        "Stored data file bytes 160-164: 3631323130 -> 3730313031"}));
    EXPECT_EQ(configDifferences(b->current, a->current).front(), "HAM B CH 7: 28.50000 -> (none)");
}

}  // namespace
}  // namespace mv52
