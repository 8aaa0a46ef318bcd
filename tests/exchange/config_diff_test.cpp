// Differences between two configurations, one line each, by label.

#include <gtest/gtest.h>

#include "exchange/config_diff.h"
#include "exchange/exchange_documents.h"
#include "storage/codec.h"

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

TEST(ConfigDiff, AChannelOnOneSideIsOneLineAndWhatOnlyTheDataFileHoldsComesWithAll) {
    auto a = test::startupDocument();
    auto b = test::startupDocument();
    test::showGroup(*b, kWorkModeHam, 2);
    updateChannelFrequency(*b, 7, "28.5");
    b->current.header.radioInfo.dateStamp.set("20270101");
    EXPECT_EQ(configDifferences(a->current, b->current), (std::vector<std::string>{"HAM B CH 7: (none) -> 28.500000"}));
    EXPECT_EQ(configDifferences(b->current, a->current), (std::vector<std::string>{"HAM B CH 7: 28.500000 -> (none)"}));
    EXPECT_EQ(configDifferences(a->current, b->current, DiffScope::All),
              (std::vector<std::string>{"HAM B CH 7: (none) -> 28.500000",
                                        "(data file only) Shown work mode: CB -> HAM",
                                        "(data file only) Shown group of HAM: 1 -> 2",
                                        "(data file only) Date: 20261210 -> 20270101"}));
}

TEST(ConfigDiff, ADocumentAndItsTripThroughTheImageAreTheSameRadio) {
    auto a = test::fullDocument();
    auto trip = Workspace::create();
    trip->current = a->current;
    trip->image.preTransferFill();
    encodeDocument(*trip);
    auto read = test::startupDocument();
    read->image = trip->image;
    decodeImage(*read);
    EXPECT_EQ(configDifferences(a->current, read->current), std::vector<std::string>{});
    // The data file alone holds the 40-channel groups' M1-M6, which the image does not carry.
    const std::vector<std::string> all = configDifferences(a->current, read->current, DiffScope::All);
    ASSERT_FALSE(all.empty());
    for (const std::string& line : all) EXPECT_EQ(line.rfind(kDataFileOnly, 0), 0u) << line;
}

TEST(ConfigDiff, OneFrequencyInTwoStoredFormsIsNoDifference) {
    auto a = test::startupDocument();
    auto b = test::startupDocument();
    a->current.channels.slot(kWorkModeCb, 1, 1).RxFrequency.set("2696500");
    b->current.channels.slot(kWorkModeCb, 1, 1).RxFrequency.set("26965000");
    EXPECT_EQ(configDifferences(a->current, b->current), std::vector<std::string>{});
    EXPECT_EQ(configDifferences(a->current, b->current, DiffScope::All), std::vector<std::string>{});
}

}  // namespace
}  // namespace mv52
