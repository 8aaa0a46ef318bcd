// The configuration as YAML: export then import gives back the same data file pair byte for
// byte; a hostile file is refused with a clear message and changes nothing.

#include <gtest/gtest.h>

#include "exchange/config_yaml.h"
#include "exchange/exchange_documents.h"
#include "exchange/radio_view.h"
#include "memory_file.h"
#include "storage/codec.h"
#include "support/random_documents.h"
#include "storage/data_file.h"
#include "support/temp_dir.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

using test::readBytes;
constexpr auto kEnglish = LanguageIndex::English;

// Saves the workspace, loads it as the command line does, exports, imports and saves again.
void expectByteIdenticalRoundTrip(Workspace& ws) {
    test::TempDir dir;
    ASSERT_TRUE(saveDataFile(ws, dir.file("a.dat")));
    auto loaded = Workspace::create();
    VersionTable versions;
    versions.pairs = {{"V200", "V200"}};
    const LoadResult loadedResult = loadDataFile(*loaded, dir.file("a.dat"), versions);
    ASSERT_TRUE(loadedResult.ok()) << static_cast<int>(loadedResult.status) << " " << loadedResult.fileVersion;
    alignWithRadio(*loaded);  // as every loader does
    ASSERT_TRUE(saveDataFile(*loaded, dir.file("a.dat")));
    const std::string yaml = exportConfigYaml(loaded->current);

    auto imported = Workspace::create();
    const ImportResult result = importConfigYaml(imported->current, yaml);
    ASSERT_TRUE(result.ok()) << refusalText(result);
    imported->setBandFromWorkMode();
    ASSERT_TRUE(saveDataFile(*imported, dir.file("b.dat")));
    EXPECT_EQ(readBytes(dir.file("a.dat")), readBytes(dir.file("b.dat")));
    EXPECT_EQ(readBytes(dir.file("a.fre")), readBytes(dir.file("b.fre")));
}

TEST(ConfigYaml, StartupDocumentRoundTripsByteForByte) {
    auto ws = test::startupDocument();
    expectByteIdenticalRoundTrip(*ws);
}

TEST(ConfigYaml, FullDocumentRoundTripsByteForByte) {
    auto ws = test::fullDocument();
    expectByteIdenticalRoundTrip(*ws);
}

// A completed read: the image decoded into the start-up document.
std::unique_ptr<Workspace> readOf(std::span<const std::uint8_t> memory) {
    auto ws = test::startupDocument();
    ws->image.preTransferFill();
    std::copy(memory.begin(), memory.end(), ws->image.bytes().begin());
    decodeImage(*ws);
    return ws;
}

TEST(ConfigYaml, ReadsOfTheFactoryMemoryAndOfRandomImagesRoundTripByteForByte) {
    auto factory = readOf(sim::factoryMemory());
    expectByteIdenticalRoundTrip(*factory);
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        test::SplitMix rng(seed);
        auto image = Workspace::create();
        test::randomImage(rng, image->image);
        auto read = readOf(image->image.bytes());
        SCOPED_TRACE(seed);
        expectByteIdenticalRoundTrip(*read);
    }
}

// Foreign values in every field, channels numbered as the grid numbers them.
TEST(ConfigYaml, RandomDataFilesRoundTripByteForByte) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        test::SplitMix rng(seed);
        auto ws = Workspace::create();
        test::randomDocument(rng, ws->current);
        for (auto& count : ws->current.header.channelCount.values) count = 0;  // as a load takes them
        // A work mode beyond its image nibble, a shown group outside its work mode or a radio
        // group beyond its image byte is refused on import (no read or window makes one).
        ws->current.header.currentWorkMode = static_cast<std::int16_t>(rng.below(16));
        ws->current.header.options.workMode = static_cast<std::int16_t>(rng.below(16));
        for (int m = 0; m < kWorkModeCount; ++m)
            ws->current.header.currentGroup.at(static_cast<std::size_t>(m)) =
                static_cast<std::int16_t>(1 + rng.below(static_cast<unsigned>(groupCount(m))));
        ws->current.header.options.currentCbGroup = static_cast<std::int16_t>(rng.below(257));
        ws->current.header.options.currentHamGroup = static_cast<std::int16_t>(rng.below(257));
        forEachGroup([&](int m, int g) {
            std::int16_t& count = ws->current.count(m, g);
            count = static_cast<std::int16_t>(rng.below(static_cast<unsigned>(std::min(12, groupCapacity(m, g)) + 1)));
            for (int p = 1; p <= count; ++p) ws->current.channels.slot(m, g, p).ChannelNumber = static_cast<std::int16_t>(p);
        });
        ws->setBandFromWorkMode();
        SCOPED_TRACE(seed);
        expectByteIdenticalRoundTrip(*ws);
    }
}

TEST(ConfigYaml, ReferencesAreCheckedAgainstTheWholeFileNotItsOrder) {
    // The options come before the DTMF memories in the file; BOT names memory 3 all the same.
    auto ws = test::startupDocument();
    ASSERT_TRUE(applyItem(dtmfMemoryControl(3), ws->current, "123", kEnglish));
    ASSERT_TRUE(applyItem(*optionControlByLabel("BOT"), ws->current, "3", kEnglish));
    const std::string yaml = exportConfigYaml(ws->current);
    ASSERT_LT(yaml.find("BOT: \"3\""), yaml.find("Memory 3: \"123\""));
    expectByteIdenticalRoundTrip(*ws);
}

TEST(ConfigYaml, ARadioWithEveryChannelInUseImportsWithinTheLimits) {
    auto ws = test::startupDocument();
    forEachGroup([&](int m, int g) {
        test::showGroup(*ws, m, g);
        const bool narrow = m == kWorkModeCb && g >= 13 && g <= 15;
        for (int row = 1; row <= groupCapacity(m, g); ++row)
            updateChannelFrequency(*ws, row, narrow ? "21.2" : m == kWorkModeCb ? "27.005" : "28.405");
    });
    test::showGroup(*ws, kWorkModeCb, 1);
    expectByteIdenticalRoundTrip(*ws);
}

TEST(ConfigYaml, SettingsAreLabelsAndItemsAndStoredHoldsOnlyWhatNoWindowShows) {
    auto ws = test::fullDocument();
    const std::string yaml = exportConfigYaml(ws->current);
    for (const char* expected :
         {"Options:\n  TOT: ", "DTMF:\n  DTMF Send Time[ms]: ", "  Memory 16: \"16A*#\"", "Roger beep:\n  RB Tone 1:\n",
          "    First Tone:\n      Frequency[Hz]: \"1100\"\n      Tone Long[ms]: \"120\"", "Channels:\n  CB A:\n",
          "    CH 1:\n      Frequency: \"28.31500\"", "      TX CTC/DCS: \"C_008(88.5Hz)\"", "      RX CTC/DCS: \"D_003(026N)\"",
          "  HAM VFO:\n", "  CB MEM:\n"})
        EXPECT_NE(yaml.find(expected), std::string::npos) << expected;
    // The date of the radio information is a stored value: no window shows it.
    EXPECT_NE(yaml.find("Stored:"), std::string::npos);
    EXPECT_NE(yaml.find("\"3230323631323130\""), std::string::npos);
}

TEST(ConfigYaml, AnEditedValueGoesThroughTheWindowsRules) {
    auto ws = test::startupDocument();
    std::string yaml = exportConfigYaml(ws->current);
    const std::size_t tot = yaml.find("TOT: \"Off\"");
    ASSERT_NE(tot, std::string::npos);
    yaml.replace(tot, 10, "TOT: \"90s\"");
    // "Max" takes a number and the window clamps it, as a typed value is.
    const std::size_t max = yaml.find("  Max: ");
    ASSERT_NE(max, std::string::npos);
    yaml.replace(max, yaml.find('\n', max) - max, "  Max: \"99\"");
    auto doc = std::make_unique<Document>();
    ASSERT_TRUE(importConfigYaml(*doc, yaml).ok());
    const std::string back = exportConfigYaml(*doc);
    EXPECT_NE(back.find("TOT: \"90s\""), std::string::npos);
    EXPECT_NE(back.find("  Max: \"20.0\""), std::string::npos);
}

TEST(ConfigYaml, HostileFilesAreRefusedWithAClearMessageAndChangeNothing) {
    const std::string good = exportConfigYaml(test::startupDocument()->current);
    std::string deepFlow = "Options: " + std::string(5000, '[') + std::string(5000, ']') + "\n";
    std::string deepBlock = "Options:\n";
    for (int i = 0; i < 300; ++i) deepBlock += std::string(static_cast<std::size_t>(2 * i + 2), ' ') + "k" + std::to_string(i) + ":\n";
    // Aliases repeat a map a thousand times at each level: a billion settings from 30 KB.
    std::string aliasBomb = "Extras: &a {";
    for (int i = 0; i < 1000; ++i) aliasBomb += (i ? ", k" : "k") + std::to_string(i) + ": v";
    aliasBomb += "}\nMore: &b {";
    for (int i = 0; i < 1000; ++i) aliasBomb += (i ? ", x" : "x") + std::to_string(i) + ": *a";
    aliasBomb += "}\nOptions: {";
    for (int i = 0; i < 1000; ++i) aliasBomb += (i ? ", y" : "y") + std::to_string(i) + ": *b";
    aliasBomb += "}\n";
    struct Case {
        std::string name, text;
        int line;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"wrong type", "Options:\n  TOT: [90s, 60s]\n", 2, "TOT must be a single value, not a list"},
        {"section not a map", "Options: 5\n", 1, "Options must be a map, not a single value"},
        {"unknown label", "Options:\n  Turbo: \"on\"\n", 2, "Turbo: no control of the optional features has this label"},
        {"unknown section", "Extras:\n  a: b\n", 2, "unknown section Extras (Options, DTMF, Roger beep, Channels, Stored)"},
        {"item not offered", "Options:\n  TOT: \"7s\"\n", 2, "TOT: '7s' is not offered; it offers Off, 30s, 60s, 90s, 120s, 150s, 180s, 210s, 240s, 270s, 300s, 330s, ... (21 items)"},
        {"ten megabytes", "Options:\n  TOT: \"" + std::string(10u << 20, 'x') + "\"\n", 0,
         "the file is larger than 8 MB; a radio with every channel in use is about 1.5 MB"},
        {"long value", "Options:\n  TOT: \"" + std::string(300, 'x') + "\"\n", 2, "TOT: a value longer than 256 characters"},
        {"deep flow nesting", deepFlow, 1, "lists or maps nested deeper than 16"},
        {"deep block nesting", deepBlock, 66, "indented deeper than 128 columns"},
        {"alias bomb", aliasBomb, 0,
         "more than 150000 keys (counting those aliases repeat); a radio with every channel in use has about 27,000"},
        {"twice", "Options:\n  TOT: \"Off\"\n  TOT: \"90s\"\n", 3, "Options TOT appears twice"},
        {"not YAML", "Options: [a, b\n", 2, ""},
        {"not a map", "- a\n- b\n", 1, "the file must be a map of sections, not a list"},
        {"stored not hex", "Stored:\n  Data file:\n    \"10\": \"zz\"\n", 3, "Data file: offset 10: 'zz' is not hex digits"},
        {"stored outside", "Stored:\n  Data file:\n    \"1693\": \"0000\"\n", 3,
         "Data file: offset 1693: '0000' is not an even count of hex digits within the 1694 bytes"},
        {"channel outside band", "Channels:\n  CB A:\n    CH 1:\n      Frequency: \"31.5\"\n", 4,
         "CB A CH 1 Frequency: '31.5' is outside the group's band (24.7150 - 30.1050 MHz)"},
        {"no such channel", "Channels:\n  CB VFO:\n    CH 2:\n      Frequency: \"28.5\"\n", 4, "CB VFO CH 2 Frequency: group CB VFO has no channel named CH 2"},
    };
    for (const Case& c : cases) {
        auto doc = std::make_unique<Document>();
        ASSERT_TRUE(importConfigYaml(*doc, good).ok());
        const auto before = std::make_unique<Document>(*doc);
        const ImportResult result = importConfigYaml(*doc, c.text);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.refusals.front().line, c.line) << c.name << ": " << refusalText(result);
        if (!c.reason.empty()) {
            EXPECT_EQ(result.refusals.front().reason, c.reason) << c.name;
        }
        EXPECT_EQ(doc->header, before->header) << c.name;
    }
}

TEST(ConfigYaml, EveryFaultOfAFileIsReportedInLineOrder) {
    const ImportResult result = importConfigYaml(
        *std::make_unique<Document>(),
        "Options:\n  TOT: \"7s\"\n  Turbo: \"on\"\nDTMF:\n  Memory 1: \"12X\"\nChannels:\n  CB Z:\n    Group Valid: \"On\"\n"
        "  CB A:\n    CH 1:\n      Frequency: \"45.0\"\n");
    ASSERT_EQ(result.refusals.size(), 5u) << refusalText(result);
    EXPECT_EQ(result.refusals[0].line, 2);
    EXPECT_EQ(result.refusals[1].line, 3);
    EXPECT_EQ(result.refusals[2].line, 5);
    EXPECT_EQ(result.refusals[3].line, 8);
    EXPECT_EQ(result.refusals[4].line, 11);
}

}  // namespace
}  // namespace mv52
