#include <gtest/gtest.h>

#include "storage/data_file.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "tones/roger_beep.h"

namespace mv52 {
namespace {

TEST(DefaultDocument, StartupChannelsAndHeader) {
    auto ws = Workspace::create();
    buildStartupDocument(*ws, "20261210", "/nonexistent");  // no initial data file here
    const Document& d = ws->current;
    EXPECT_TRUE(ws->untitled);
    EXPECT_EQ(ws->fileName, "new.dat");
    EXPECT_EQ(d.header.version.raw(), "V200");
    EXPECT_EQ(d.header.currentWorkMode, 0);
    EXPECT_EQ(d.header.currentGroup, (std::array<std::int16_t, 2>{1, 1}));
    EXPECT_EQ(d.header.currentRow.at(0, 17), 1);
    EXPECT_EQ(d.header.currentRow.at(1, 13), 1);
    EXPECT_EQ(d.header.currentRow.at(1, 14), 0);

    const char* firstChannels[] = {"28015000", "28145000", "28115000", "28085000", "28055000",
                                   "28025000", "28015000", "28145000", "28115000", "28085000"};
    for (int m = 0; m < 2; ++m) {
        for (int g = 1; g <= groupCount(m); ++g) {
            const int expected = g <= 10 ? 7 : g <= 13 ? 6 : 0;
            EXPECT_EQ(d.count(m, g), expected) << m << "/" << g;
        }
        for (int g = 1; g <= 10; ++g) {
            const ChannelRecord& r = d.channels.slot(m, g, 7);
            EXPECT_EQ(r.ChannelNumber, 1);
            EXPECT_EQ(r.RxFrequency.raw(), firstChannels[g - 1]);
        }
        const ChannelRecord& m1 = d.channels.slot(m, 12, 1);
        EXPECT_EQ(m1.ChannelNumber, 41);
        EXPECT_EQ(m1.Present, 1);
        EXPECT_EQ(m1.ScanAdd, 1);
        EXPECT_EQ(m1.RxFrequency, m1.TxFrequency);
        EXPECT_EQ(m1.NbAnl, 1);
        EXPECT_EQ(d.channels.slot(m, 12, 6).RxFrequency.raw(), "28025000");
    }
    const RadioInfoRecord& ri = d.header.radioInfo;
    EXPECT_EQ(ri.modelType.raw(), "LB2424P");
    EXPECT_EQ(ri.dateStamp.raw(), "20261210");
    EXPECT_EQ(ri.versionText.raw(), "V2.00");
    EXPECT_EQ(ri.shortModelType.raw(), "LB2424");
    EXPECT_EQ(ri.bandCode, 1);  // the start-up band text is not the CB one
    EXPECT_EQ(ri.finalValue, 67);
    EXPECT_EQ(countValidRogerEntries(d.header.rogerBeep), 5);
    EXPECT_FALSE(documentChanged(*ws));
}

}  // namespace
}  // namespace mv52
