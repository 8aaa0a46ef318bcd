// Channel lists as CSV: export, import into another group, the other programmer's own files,
// refusals that leave the document untouched, and PA through Comment.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "channels/channel_editing.h"
#include "data/groups.h"
#include "exchange/csv_channels.h"
#include "exchange/csv_reader.h"
#include "exchange/exchange_documents.h"

namespace mv52 {
namespace {

constexpr int kCb = kWorkModeCb;
constexpr int kHam = kWorkModeHam;

// The channel records of a group from channel 1 to its capacity, by number.
std::vector<ChannelRecord> channelsOf(const Document& d, int m, int g) {
    std::vector<ChannelRecord> out;
    for (int n = 1; n <= groupCapacity(m, g); ++n)
        if (const int p = d.findChannel(m, g, n)) out.push_back(d.channels.slot(m, g, p));
    return out;
}

class CsvChannels : public ::testing::Test {
protected:
    std::unique_ptr<Workspace> ws = test::fullDocument();
    Document& doc = ws->current;
};

TEST_F(CsvChannels, ExportOfAGroupImportedIntoAnotherGivesTheSameChannels) {
    const std::string csv = exportChannelsCsv(doc, kCb, 1);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
              "CrossMode,Mode,TStep,Skip,Power,Comment,BUSY,NB/ANL,ECHO,HI-CUT,+10KHz,Public,Roger,BOT,EOT,Call");
    EXPECT_NE(csv.find("\r\n1,,28.315000,+,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",Cross,88.5,88.5,023,NN,026,Tone->DTCS,AM,"), std::string::npos) << csv;

    const auto before = std::make_unique<Document>(doc);
    const ImportResult result = importChannelsCsv(doc, kHam, 7, csv);
    ASSERT_TRUE(result.ok()) << refusalText(result);
    const auto from = channelsOf(*before, kCb, 1);
    const auto to = channelsOf(doc, kHam, 7);
    ASSERT_EQ(from.size(), 3u);
    ASSERT_EQ(to.size(), from.size());
    for (std::size_t i = 0; i < from.size(); ++i) {
        ChannelRecord a = from[i], b = to[i];
        EXPECT_EQ(a.RxFrequency.clean(), b.RxFrequency.clean());
        // The frequency fields as typed; everything else field by field.
        a.RxFrequency = b.RxFrequency;
        a.TxFrequency = b.TxFrequency;
        EXPECT_EQ(a, b) << "channel " << a.ChannelNumber;
    }
    // The source group, and the channels of other groups, stayed.
    EXPECT_EQ(channelsOf(doc, kCb, 1), from);
    EXPECT_EQ(channelsOf(doc, kHam, 8), channelsOf(*before, kHam, 8));
    EXPECT_EQ(doc.header.currentWorkMode, before->header.currentWorkMode);
    EXPECT_EQ(doc.header.currentGroup, before->header.currentGroup);
}

TEST(CsvChannelFiles, ImportsTheOtherProgrammersOwnFile) {
    auto ws = test::startupDocument();
    Document& doc = ws->current;
    // Its column order, the older column set (no RxDtcsCode, CrossMode, Power), CR LF, quotes,
    // columns of its own we do not know, and rows of other groups' numbering replaced or added.
    const std::string file =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
        "Comment,URCALL,RPT1CALL,RPT2CALL\r\n"
        "2,\"Net, evening\",28.400000,-,0.100000,Tone,100.0,88.5,023,NN,USB,5.00,,,,,\r\n"
        "5,Rpt,29.620000,,0.000000,TSQL,88.5,123.0,023,NN,FM,5.00,S,,,,\r\n"
        "6,,28.500000,,0.000000,DTCS,88.5,88.5,754,NN,LSB,5.00,,,,,\r\n";
    const ImportResult result = importChannelsCsv(doc, kHam, 2, file);
    ASSERT_TRUE(result.ok()) << refusalText(result);
    const auto chs = channelsOf(doc, kHam, 2);
    ASSERT_EQ(chs.size(), 4u);  // channel 1 stays
    const ChannelRecord& two = chs[1];
    EXPECT_EQ(two.ChannelNumber, 2);
    EXPECT_EQ(two.RxFrequency.clean(), "2840000");
    EXPECT_EQ(two.Rep, 2);
    EXPECT_EQ(two.TxToneType, 1);
    EXPECT_EQ(two.TxCtcssIndex, 11);  // 100.0 Hz
    EXPECT_EQ(two.RxToneType, 0);
    EXPECT_EQ(two.Mode, 2);
    const ChannelRecord& five = chs[2];
    EXPECT_EQ(five.ChannelNumber, 5);
    EXPECT_EQ(five.ScanAdd, 0);
    EXPECT_EQ(five.TxToneType, 1);
    EXPECT_EQ(five.RxToneType, 1);
    EXPECT_EQ(five.TxCtcssIndex, five.RxCtcssIndex);
    const ChannelRecord& six = chs[3];
    EXPECT_EQ(six.TxToneType, 2);
    EXPECT_EQ(six.RxToneType, 2);
    EXPECT_EQ(six.Mode, 3);
    EXPECT_EQ(six.NbAnl, 1);  // a new channel's settings where the file has no column
}

TEST_F(CsvChannels, RefusedRowsLeaveEverythingAsItWasAndAreAllReported) {
    const std::string file =
        "Location,Frequency,Tone,rToneFreq,Mode\n"
        "1,28.100000,,,FM\n"
        "2,27.100000,,,FM\n"
        "41,28.200000,,,FM\n"
        "3,28.300000,Tone,67.1,FM\n"
        "4,\"28.4\"x,,,FM\n"
        "5,28.500000,,,FM\n";
    const auto before = std::make_unique<Document>(doc);
    const ImportResult result = importChannelsCsv(doc, kHam, 2, file);
    ASSERT_EQ(result.refusals.size(), 4u) << refusalText(result);
    EXPECT_EQ(refusalText(result),
              "line 3: frequency '27.100000' is outside the band of group HAM B (28.0000 - 29.6950 MHz)\n"
              "line 4: location '41' has no row in group HAM B (1-40)\n"
              "line 5: rToneFreq '67.1' is not a CTCSS tone of the radio\n"
              "line 6: text after the closing quote of a field\n");
    EXPECT_EQ(doc.header, before->header);
    EXPECT_EQ(channelsOf(doc, kHam, 2), channelsOf(*before, kHam, 2));
}

TEST(CsvChannelFiles, ChoicesTheWindowDoesNotOfferAreRefused) {
    auto ws = test::startupDocument();
    Document& doc = ws->current;
    struct Case {
        const char* row;
        const char* reason;
    };
    const Case cases[] = {
        {"1,28.1,,PA,Off", "Mode 'PA' is not offered here (FM, AM, USB, LSB)"},
        {"1,28.1,,FM,Sometimes", "BUSY 'Sometimes' is not offered here (Off, On)"},
        {"1,28.1,Cross,FM,Off", "rToneFreq '' is not a CTCSS tone of the radio"},
        {"1,28.1,TSQL-R,FM,Off", "Tone 'TSQL-R' is not offered (empty, Tone, TSQL, DTCS or Cross)"},
    };
    for (const Case& c : cases) {
        const ImportResult result =
            importChannelsCsv(doc, kCb, 16, std::string("Location,Frequency,Tone,Mode,BUSY\n") + c.row + "\n");
        ASSERT_EQ(result.refusals.size(), 1u) << c.row;
        EXPECT_EQ(result.refusals[0].line, 2);
        EXPECT_EQ(result.refusals[0].reason, c.reason);
    }
}

TEST(CsvChannelFiles, PaSurvivesARoundTripThroughComment) {
    auto ws = test::startupDocument();
    Document& doc = ws->current;
    int row = 1;
    const auto controls = channelControls(row);
    test::showGroup(*ws, kCb, 3);
    ASSERT_TRUE(applyItem(*findControl(controls, "Combo8_12"), doc, "PA", LanguageIndex::English))
        << channelModeList(doc).size();
    const std::string csv = exportChannelsCsv(doc, kCb, 3);
    EXPECT_NE(csv.find(",FM,10.00,,4.0W,PA,"), std::string::npos) << csv;
    const ImportResult result = importChannelsCsv(doc, kCb, 4, csv);
    ASSERT_TRUE(result.ok()) << refusalText(result);
    ASSERT_NE(doc.findChannel(kCb, 4, 1), 0);
    EXPECT_EQ(doc.channels.slot(kCb, 4, doc.findChannel(kCb, 4, 1)).Mode, 4);
}

TEST_F(CsvChannels, MemoryLocationsAreTheMemoryNumbersAndVfoHasOne) {
    const std::string file = "Location,Frequency\n99,28.9\n";
    ASSERT_TRUE(importChannelsCsv(doc, kCb, memGroup(kCb), file).ok());
    EXPECT_NE(doc.findChannel(kCb, memGroup(kCb), 99), 0);
    EXPECT_EQ(importChannelsCsv(doc, kCb, vfoGroup(kCb), "Location,Frequency\n2,28.9\n").refusals.at(0).reason,
              "location '2' has no row in group CB VFO (1-1)");
}

TEST_F(CsvChannels, AFileWithoutItsKeyColumnsIsRefused) {
    const ImportResult result = importChannelsCsv(doc, kCb, 1, "Name,Mode\nx,FM\n");
    EXPECT_EQ(refusalText(result),
              "line 1: the header row has no column Location\nline 1: the header row has no column Frequency\n");
    EXPECT_FALSE(importChannelsCsv(doc, kCb, 1, "").ok());
}

// A group exported and imported back into the same group changes no byte of the document,
// for every group of both work modes.
TEST_F(CsvChannels, EveryGroupExportedAndImportedBackChangesNoByte) {
    const auto before = std::make_unique<Document>(doc);
    forEachGroup([&](int m, int g) {
        const ImportResult result = importChannelsCsv(doc, m, g, exportChannelsCsv(doc, m, g));
        ASSERT_TRUE(result.ok()) << m << "/" << g << ": " << refusalText(result);
        EXPECT_EQ(doc.header, before->header) << m << "/" << g;
        for (int p = 1; p <= kSlotsPerGroup; ++p)
            ASSERT_EQ(doc.channels.slot(m, g, p), before->channels.slot(m, g, p)) << m << "/" << g << " slot " << p;
    });
}

// The other programmer's current files: "#" comment lines, its columns after Comment, a Power
// in watts, Skip P. And our export read by that reader's rules: every column it requires, and
// in each a value it accepts (an empty Power refuses the whole row there).
TEST(CsvChannelFiles, TheOtherProgrammersCurrentFilesAndItsRulesForOurs) {
    auto ws = test::startupDocument();
    Document& doc = ws->current;
    const std::string file =
        "# Exported channel list\r\n"
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
        "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
        "1,,28.400000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\r\n"
        "# a note between rows\r\n"
        "2,CALL,28.500000,+,0.100000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,AM,5.00,P,5.0W,,,,,\r\n";
    const ImportResult result = importChannelsCsv(doc, kHam, 3, file);
    ASSERT_TRUE(result.ok()) << refusalText(result);
    EXPECT_EQ(doc.channels.slot(kHam, 3, doc.findChannel(kHam, 3, 2)).ScanAdd, 1);

    const std::vector<std::string> required = {"Location", "Name", "Frequency", "Duplex", "Offset", "Tone",
                                               "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "Mode",
                                               "TStep", "Skip", "Power", "Comment"};
    auto full = test::fullDocument();
    const CsvText csv = readCsv(exportChannelsCsv(full->current, kCb, 1));
    ASSERT_TRUE(csv.faults.empty());
    const std::vector<std::string>& header = csv.records.at(0).fields;
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < header.size(); ++i) column[header[i]] = i;
    for (const std::string& r : required) ASSERT_TRUE(column.count(r)) << r;
    const auto oneOf = [](const std::string& v, std::initializer_list<const char*> allowed) {
        return std::any_of(allowed.begin(), allowed.end(), [&](const char* a) { return v == a; });
    };
    const auto number = [](const std::string& v) { return !v.empty() && v.find_first_not_of("0123456789.") == std::string::npos; };
    ASSERT_GT(csv.records.size(), 1u);
    for (std::size_t i = 1; i < csv.records.size(); ++i) {
        const auto& f = csv.records[i].fields;
        ASSERT_EQ(f.size(), header.size());
        const auto at = [&](const char* name) { return f[column.at(name)]; };
        const std::string power = at("Power");
        EXPECT_TRUE(power.size() > 1 && power.back() == 'W' && number(power.substr(0, power.size() - 1))) << power;
        EXPECT_TRUE(number(at("Location")) && number(at("Frequency")) && number(at("Offset")) && number(at("TStep")));
        EXPECT_TRUE(number(at("rToneFreq")) && number(at("cToneFreq")) && number(at("DtcsCode")));
        EXPECT_TRUE(oneOf(at("Duplex"), {"", "+", "-", "split", "off"})) << at("Duplex");
        EXPECT_TRUE(oneOf(at("Tone"), {"", "Tone", "TSQL", "DTCS", "Cross"})) << at("Tone");
        EXPECT_TRUE(oneOf(at("DtcsPolarity"), {"NN", "NR", "RN", "RR"}));
        EXPECT_TRUE(oneOf(at("Mode"), {"FM", "NFM", "AM", "USB", "LSB", "CW"})) << at("Mode");
        EXPECT_TRUE(oneOf(at("Skip"), {"", "S", "P"})) << at("Skip");
    }
}

// Values the radio cannot hold exactly, or a file that contradicts itself, are refused with
// their line instead of being changed on the way in.
TEST(CsvChannelFiles, NothingIsChangedSilently) {
    auto ws = test::startupDocument();
    Document& doc = ws->current;
    struct Case {
        const char* row;
        const char* reason;  // "" : accepted
    };
    const Case cases[] = {
        {"1,27.185009,,FM,", "frequency '27.185009' is finer than the radio's 10 Hz step"},
        {"1,27.18501,,FM,", ""},
        {"1,27.185000,X,FM,", "Skip 'X' is not offered (empty or P: scanned, S: skipped)"},
        {"1,27.185000,,USB,PA", "Mode 'USB' conflicts with Comment 'PA' (PA is written as Mode FM with Comment PA)"},
        {"1,27.185000,,FM,PA", ""},
    };
    for (const Case& c : cases) {
        const auto before = std::make_unique<Document>(doc);
        const ImportResult result =
            importChannelsCsv(doc, kCb, 3, std::string("Location,Frequency,Skip,Mode,Comment\n") + c.row + "\n");
        if (std::string(c.reason).empty()) {
            EXPECT_TRUE(result.ok()) << c.row << ": " << refusalText(result);
            continue;
        }
        ASSERT_EQ(result.refusals.size(), 1u) << c.row;
        EXPECT_EQ(result.refusals[0].line, 2);
        EXPECT_EQ(result.refusals[0].reason, c.reason);
        EXPECT_EQ(channelsOf(doc, kCb, 3), channelsOf(*before, kCb, 3));
    }
}

}  // namespace
}  // namespace mv52
