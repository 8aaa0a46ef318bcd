#include <gtest/gtest.h>

#include "storage/data_file_layout.h"
#include "document/document.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

using test::le16At;

// A header whose fields each hold a value that marks their place.
DocumentHeader markedHeader() {
    DocumentHeader h;
    h.version.set("V200");
    h.currentWorkMode = 1;
    h.currentGroup = {5, 9};
    h.currentRow.at(1, 2) = 0x1234;
    h.channelCount.at(0, 17) = 99;
    h.radioInfo.modelType.set("LB2424P");
    h.radioInfo.radioTypeCode = 248;
    h.radioInfo.bandCode = 1;
    h.radioInfo.dateStamp.set("20261210");
    h.radioInfo.versionText.set("V2.00");
    h.radioInfo.shortModelType.set("LB2424");
    h.radioInfo.bandCode2 = 2;
    h.radioInfo.finalValue = 67;
    OptionRecord& o = h.options;
    o.groupEnabled.at(1, 1) = 1;
    o.groupName.at(0, 2).set("B");
    o.emgChannel1.at(0, 1) = 7;
    o.bandNibble = 2;
    o.memChannel.at(0, 1) = 11;
    o.groupSpare.at(1, 17) = -2;
    o.publicBot = 16;
    o.paEnable = 1;
    o.dtmf.dtmfSendTime = 25;
    o.dtmf.dtmfDisplay = 1;
    o.dtmfMemory[0].set("123");
    o.dtmfMemory[15].set("#");
    o.fmDeviation = 1;
    o.longKey = 18;
    h.rogerBeep[0].values[0] = 210;
    h.rogerBeep[7].values[29] = 77;
    FurtherOptions& f = h.further;
    f.txOffset = 50000;
    f.freqCh = 1;
    f.rssiTable[11] = 35;
    f.micType = 1;
    f.finRange = 1;
    f.hfPublic = 0x0102;
    f.hamPublic = -1;
    f.cwFreq = 200;
    f.comChanRb = 8;
    return h;
}

TEST(DataFileLayout, FieldsSitAtTheirOffsets) {
    const HeaderBytes bytes = writeHeaderBytes(markedHeader());
    const std::vector<std::uint8_t> b(bytes.begin(), bytes.end());
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "V200");
    struct Word {
        std::size_t offset;
        std::uint16_t value;
    };
    for (const Word& w : {Word{4, 1}, Word{6, 5}, Word{8, 9}, Word{16, 0x1234}, Word{78 + 2 * 32, 99},
                          Word{153, 248}, Word{155, 1}, Word{176, 2}, Word{178, 67}, Word{182, 1}, Word{384, 7},
                          Word{180 + 0x154, 2}, Word{180 + 0x162, 11}, Word{180 + 0x22E + 66, 0xFFFE},
                          Word{180 + 0x272, 16}, Word{180 + 0x2B0, 1}, Word{180 + 0x2B2, 25}, Word{180 + 0x2BC, 1},
                          Word{1138, 1}, Word{1144, 18}, Word{1146, 210}, Word{1624, 77}, Word{1626, 50000},
                          Word{1628, 0}, Word{1630, 1}, Word{1634 + 22, 35}, Word{1683, 0x0102}, Word{1685, 0xFFFF}})
        EXPECT_EQ(le16At(b, w.offset), w.value) << "offset " << w.offset;
    EXPECT_EQ(std::string(b.begin() + 146, b.begin() + 153), "LB2424P");
    EXPECT_EQ(std::string(b.begin() + 157, b.begin() + 165), "20261210");
    EXPECT_EQ(std::string(b.begin() + 165, b.begin() + 170), "V2.00");
    EXPECT_EQ(std::string(b.begin() + 170, b.begin() + 176), "LB2424");
    EXPECT_EQ(std::string(b.begin() + 256, b.begin() + 260), "B   ");
    EXPECT_EQ(std::string(b.begin() + 882, b.begin() + 898), "123             ");
    EXPECT_EQ(b[882 + 15 * 16], '#');
    EXPECT_EQ(b[1658], 1);  // micType
    EXPECT_EQ(b[1682], 1);  // finRange
    EXPECT_EQ(b[1687], 200);
    EXPECT_EQ(b[1693], 8);
}

TEST(DataFileLayout, ReadingGivesBackWhatWasWritten) {
    const DocumentHeader h = markedHeader();
    const HeaderBytes bytes = writeHeaderBytes(h);
    DocumentHeader back;
    readHeaderBytes(bytes, back);
    EXPECT_EQ(back, h);
}

TEST(DataFileLayout, ChannelRecordBytes) {
    ChannelRecord r;
    r.ChannelNumber = 41;
    r.Present = 1;
    r.ScanAdd = 0;
    r.RxFrequency.set("28015000");
    r.TxFrequency.set("2801500");
    r.Reserved19 = 19;
    r.TxToneType = 2;
    r.Mode = 5;
    r.RxDcsIndex = 103;
    const ChannelBytes bytes = writeChannelBytes(r);
    const std::vector<std::uint8_t> b(bytes.begin(), bytes.end());
    EXPECT_EQ(le16At(b, 0), 41);
    EXPECT_EQ(le16At(b, 2), 1);
    EXPECT_EQ(std::string(b.begin() + 6, b.begin() + 14), "28015000");
    EXPECT_EQ(std::string(b.begin() + 14, b.begin() + 22), "2801500 ");
    EXPECT_EQ(le16At(b, 22), 19);        // field 19
    EXPECT_EQ(le16At(b, 22 + 2 * 2), 2);  // field 21
    EXPECT_EQ(le16At(b, 22 + 6 * 2), 5);  // field 25
    EXPECT_EQ(le16At(b, 62), 103);       // field 39
    ChannelRecord back;
    readChannelBytes(bytes, back);
    EXPECT_EQ(back, r);
}

}  // namespace
}  // namespace mv52
