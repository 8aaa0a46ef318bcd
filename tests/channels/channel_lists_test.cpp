#include <gtest/gtest.h>

#include "channels/channel_lists.h"
#include "document/document.h"

namespace mv52 {
namespace {

TEST(ChannelLists, SortedChannelLists) {
    auto doc = std::make_unique<Document>();
    for (int n : {7, 42, 3, 41, 12}) doc->appendChannel(0, 2, n, "28.015");
    EXPECT_EQ(sortedChannelList(*doc, 0, 2, 0), (std::vector<std::string>{"3", "7", "12"}));
    EXPECT_EQ(sortedChannelList(*doc, 0, 2, 1), (std::vector<std::string>{"M1", "M2"}));
    EXPECT_TRUE(sortedChannelList(*doc, 0, 3, 0).empty());
}

}  // namespace
}  // namespace mv52
