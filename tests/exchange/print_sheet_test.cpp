// The printed channel sheet's description: what it holds, in which order, and what it leaves
// out, with every caption and item as the windows show them.

#include <gtest/gtest.h>

#include <algorithm>

#include "data/tone_codes.h"
#include "exchange/exchange_documents.h"
#include "exchange/print_sheet.h"

namespace mv52 {
namespace {

constexpr auto en = LanguageIndex::English;
constexpr auto zh = LanguageIndex::Chinese;

// Three valid groups with channels (CB A, CB B, HAM C), a valid group without channels
// (CB D), a group with a channel that is not valid (CB E), DTMF memories 2 and 5, and roger
// entries 2 and 6 valid.
std::unique_ptr<Workspace> fixture() {
    auto ws = test::startupDocument();
    Document& d = ws->current;
    forEachGroup([&](int m, int g) {
        d.options().groupEnabled.at(m, g) = 0;
        d.count(m, g) = 0;
    });
    for (auto [m, g] : {std::pair{kWorkModeCb, 1}, {kWorkModeCb, 2}, {kWorkModeHam, 3}, {kWorkModeCb, 4}})
        d.options().groupEnabled.at(m, g) = 1;
    // Stored out of channel order: the sheet follows the grid.
    d.appendChannel(kWorkModeCb, 1, 3, "26.965");
    d.appendChannel(kWorkModeCb, 1, 1, "26.955");
    d.appendChannel(kWorkModeCb, 2, 2, "27.125");
    ChannelRecord& c = d.channels.slot(kWorkModeCb, 2, 1);
    c.TxToneType = 1;
    c.TxCtcssIndex = 5;
    c.RxToneType = 2;
    c.RxDcsIndex = 3;
    c.Busy = 1;
    c.HiCut = 1;
    c.NbAnl = 0;
    c.Mode = 1;
    d.appendChannel(kWorkModeHam, 3, 5, "28.5");
    d.appendChannel(kWorkModeCb, 5, 1, "27.005");

    for (int n = 1; n <= 16; ++n) applyItem(dtmfMemoryControl(n), d, n == 2 ? "123" : n == 5 ? "A*#" : "", en);

    for (RogerBeepEntry& e : d.header.rogerBeep) e.recycleTimes() = 0;
    RogerBeepEntry& two = d.header.rogerBeep[1];
    two = RogerBeepEntry{};
    two.recycleTimes() = 2;
    two.interTime() = 10;
    two.toneFreq(1) = 100;
    two.toneLength(1) = 5;
    two.toneLength(2) = 3;  // a pause
    RogerBeepEntry& six = d.header.rogerBeep[5];
    six = RogerBeepEntry{};
    six.recycleTimes() = 1;
    six.toneFreq(1) = 80;
    six.toneLength(1) = 4;
    return ws;
}

Sheet describe(const Document& d, LanguageIndex language, std::vector<SheetGroup> groups = {}) {
    SheetRequest request;
    request.language = language;
    request.fileName = "/home/dealer/radios/shop.dat";
    request.printedAt = "2026-12-11 09:30";
    request.groups = std::move(groups);
    return describeSheet(d, request);
}

std::vector<std::string> headings(const Sheet& sheet) {
    std::vector<std::string> out;
    for (const SheetBlock& b : sheet.blocks)
        if (b.kind == SheetBlockKind::Heading) out.push_back(b.title);
    return out;
}

// The block after the heading `title` (and after its group settings, for a table).
const SheetBlock* after(const Sheet& sheet, const std::string& title, SheetBlockKind kind) {
    auto it = std::find_if(sheet.blocks.begin(), sheet.blocks.end(),
                           [&](const SheetBlock& b) { return b.kind == SheetBlockKind::Heading && b.title == title; });
    for (; it != sheet.blocks.end(); ++it)
        if (it->kind == kind) return &*it;
    return nullptr;
}

TEST(PrintSheet, HoldsWhatIsSetInTheOrderOfTheWindows) {
    const auto ws = fixture();
    const Sheet sheet = describe(ws->current, en);
    EXPECT_EQ(sheet.model, "MV52");
    EXPECT_EQ(sheet.fileName, "shop.dat");
    EXPECT_EQ(sheet.printedAt, "Printed 2026-12-11 09:30");
    EXPECT_EQ(sheet.pageText(2, 5), "Page 2 of 5");
    // No CB D (valid, no channel), no CB E (a channel, not valid), no MEM or VFO without channels.
    const std::vector<std::string> expected = {"HF  Band -- A", "HF  Band -- B", "HAM  Band -- C", "Optional Features",
                                               "DTMF",          "RB Tone 2",     "RB Tone 6"};
    EXPECT_EQ(headings(sheet), expected);
    const auto options = std::find_if(sheet.blocks.begin(), sheet.blocks.end(),
                                      [](const SheetBlock& b) { return b.title == "Optional Features"; });
    EXPECT_TRUE(options->newPage);
}

TEST(PrintSheet, ChannelTablesFollowTheGrid) {
    const auto ws = fixture();
    const Sheet sheet = describe(ws->current, en);
    const SheetBlock* a = after(sheet, "HF  Band -- A", SheetBlockKind::Table);
    ASSERT_NE(a, nullptr);
    const std::vector<std::string> columns = {"CH No.", "Frequency", "Mode", "TXCTC", "RXCTC", "Scan", "Settings"};
    EXPECT_EQ(a->columns, columns);
    ASSERT_EQ(a->rows.size(), 2u);
    const std::vector<std::string> one = {"1", "26.95500", "FM", "", "", "Add", "NB/ANL NB"};
    EXPECT_EQ(a->rows[0], one);
    EXPECT_EQ(a->rows[1][0], "3");
    EXPECT_EQ(a->rows[1][1], "26.96500");

    const SheetBlock* b = after(sheet, "HF  Band -- B", SheetBlockKind::Table);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->rows.size(), 1u);
    const std::vector<std::string> two = {"2", "27.12500", "AM", ctcssListText(5), dcsListText(3), "Add", "BUSY, HI-CUT"};
    EXPECT_EQ(b->rows[0], two);

    // A 40-channel group's settings under its heading, as the window's group frame shows them.
    const SheetBlock* settings = after(sheet, "HF  Band -- A", SheetBlockKind::Pairs);
    ASSERT_NE(settings, nullptr);
    ASSERT_EQ(settings->rows.size(), 5u);
    EXPECT_EQ(settings->rows[0], (std::vector<std::string>{"Group Valid", "On"}));
    EXPECT_EQ(settings->rows[2][0], "EMG CHX1");

    const SheetBlock* ham = after(sheet, "HAM  Band -- C", SheetBlockKind::Table);
    ASSERT_NE(ham, nullptr);
    ASSERT_EQ(ham->rows.size(), 1u);
    EXPECT_EQ(ham->rows[0][0], "5");
    EXPECT_EQ(ham->rows[0][1], "28.50000");
}

TEST(PrintSheet, OptionsDtmfAndRogerEntriesAsTheirWindowsShowThem) {
    const auto ws = fixture();
    const Sheet sheet = describe(ws->current, en);
    const SheetBlock* options = after(sheet, "Optional Features", SheetBlockKind::Pairs);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->pairColumns, 2);
    EXPECT_EQ(options->rows.size(), optionControls().size());
    for (std::size_t i = 0; i < options->rows.size(); ++i) {
        EXPECT_EQ(options->rows[i][0], optionControls()[i].label(en));
        EXPECT_EQ(options->rows[i][1], shownItem(optionControls()[i], ws->current, en));
    }

    const SheetBlock* dtmf = after(sheet, "DTMF", SheetBlockKind::Pairs);
    ASSERT_NE(dtmf, nullptr);
    const std::vector<std::vector<std::string>> memories = {{"Memory 2", "123"}, {"Memory 5", "A*#"}};
    EXPECT_EQ(dtmf->rows, memories);

    const SheetBlock* timing = after(sheet, "RB Tone 2", SheetBlockKind::Pairs);
    ASSERT_NE(timing, nullptr);
    const std::vector<std::vector<std::string>> times = {{"Recycle Times", "2"}, {"Inter Time[ms]", "100"}};
    EXPECT_EQ(timing->rows, times);
    const SheetBlock* tones = after(sheet, "RB Tone 2", SheetBlockKind::Table);
    ASSERT_NE(tones, nullptr);
    // The sounding tone and the pause; the unused tones are left out.
    const std::vector<std::vector<std::string>> steps = {{"First Tone", "1000", "50"}, {"Second Tone", "None", "30"}};
    EXPECT_EQ(tones->rows, steps);
}

TEST(PrintSheet, GroupsNamedAreTheOnlyOnesAndAnEmptyOneStillPrintsNothing) {
    const auto ws = fixture();
    const Sheet sheet = describe(ws->current, en, {{kWorkModeHam, 3}, {kWorkModeCb, 5}, {kWorkModeCb, 4}});
    const auto h = headings(sheet);
    // CB E is printed when named (its Group Valid shows Off); CB D has no channel.
    ASSERT_GE(h.size(), 2u);
    EXPECT_EQ(h[0], "HF  Band -- E");
    EXPECT_EQ(h[1], "HAM  Band -- C");
    EXPECT_EQ(h[2], "Optional Features");
    const SheetBlock* e = after(sheet, "HF  Band -- E", SheetBlockKind::Pairs);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->rows[0], (std::vector<std::string>{"Group Valid", "Off"}));
}

TEST(PrintSheet, ChineseTakesTheWindowsChineseCaptions) {
    const auto ws = fixture();
    const Sheet sheet = describe(ws->current, zh);
    EXPECT_EQ(sheet.printedAt, "打印于 2026-12-11 09:30");
    EXPECT_EQ(sheet.pageText(1, 3), "第 1 页，共 3 页");
    const auto h = headings(sheet);
    ASSERT_EQ(h.size(), 7u);
    EXPECT_EQ(h[0], "HF  组 -- A");
    EXPECT_EQ(h[3], "可选功能");
    EXPECT_EQ(h[5], "RB音 2");
    const SheetBlock* a = after(sheet, "HF  组 -- A", SheetBlockKind::Table);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->columns[0], "信道");
    EXPECT_EQ(a->columns[1], "频率");
    EXPECT_EQ(a->rows[0][5], "添加");
}

TEST(PrintSheet, GroupListsAreReadStrictly) {
    struct Case {
        const char* text;
        bool ok;
        std::vector<SheetGroup> groups;
    };
    const Case cases[] = {
        {"CB:A,HAM:B,CB:MEM", true, {{kWorkModeCb, 1}, {kWorkModeHam, 2}, {kWorkModeCb, 16}}},
        {"HAM:VFO,HAM:VFO", true, {{kWorkModeHam, 14}}},
        {"CB:O", true, {{kWorkModeCb, 15}}},
        {"HAM:M", false, {}},  // HAM has groups A to L
        {"CB:P", false, {}},
        {"cb:A", false, {}},
        {"CB", false, {}},
        {"CB:A,", true, {{kWorkModeCb, 1}}},
        {"", false, {}},
        {",", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<SheetGroup> groups;
        std::string error;
        EXPECT_EQ(parseSheetGroups(c.text, groups, error), c.ok);
        if (c.ok) EXPECT_EQ(groups, c.groups);
        else EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace mv52
