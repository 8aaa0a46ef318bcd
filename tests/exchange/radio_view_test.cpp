// What a window shows is what the radio gets: a loaded file whose stored values no control can
// show is brought in line with what a write and a read would leave, and then every control of
// every table shows the same item for the document and for its trip through the image.

#include <gtest/gtest.h>

#include <map>

#include "exchange/config_settings.h"
#include "exchange/exchange_documents.h"
#include "exchange/radio_view.h"
#include "storage/codec.h"
#include "support/random_documents.h"

namespace mv52 {
namespace {

constexpr auto kEnglish = LanguageIndex::English;

std::string keyOf(const Setting& s) {
    std::string key;
    for (const std::string& part : s.path) key += part + "|";
    return key;
}

std::map<std::string, std::string> shownBy(const Document& doc) {
    std::map<std::string, std::string> shown;
    for (const Setting& s : documentSettings(doc)) shown[keyOf(s)] = s.value;
    return shown;
}

// Control settings the image carries whose shown item differs between the document and what
// a write and a read leave (the read starting from the document itself, so that what the
// image does not carry stays the document's).
std::vector<std::string> disagreeing(const Document& doc) {
    auto trip = Workspace::create();
    trip->current = doc;
    trip->image.preTransferFill();
    encodeDocument(*trip);
    decodeImage(*trip);
    const auto radio = shownBy(trip->current);
    // A group whose channels the image changes (the VFO channel a read always brings) offers
    // other emergency channels: that is the grid's doing, not a control's.
    auto channelsOf = [](const std::map<std::string, std::string>& shown, const std::string& group) {
        std::vector<std::string> channels;
        for (const auto& [key, value] : shown)
            if (key.rfind(group, 0) == 0 && key.find(kFrequencyKey) != std::string::npos) channels.push_back(key);
        return channels;
    };
    const auto shown = shownBy(doc);
    std::vector<std::string> out;
    for (const auto& [key, value] : shown) {
        const auto it = radio.find(key);
        if (key.find(kFrequencyKey) != std::string::npos || it == radio.end() || it->second == value) continue;
        const std::string group = key.substr(0, key.find('|', key.find('|') + 1) + 1);
        if (key.find("EMG CHX") != std::string::npos && channelsOf(shown, group) != channelsOf(radio, group)) continue;
        out.push_back(key + " " + value + " / " + it->second);
    }
    return out;
}

// A document as a data file can hold it: every field a control shows random, the channels
// those of a grid (numbered from 1, each with a frequency of its group's band), since what
// the grid shows is the frequency, not a control.
std::unique_ptr<Workspace> randomLoadedDocument(std::uint64_t seed) {
    test::SplitMix rng(seed);
    auto ws = Workspace::create();
    test::randomDocument(rng, ws->current);
    forEachGroup([&](int m, int g) {
        std::int16_t& count = ws->current.count(m, g);
        count = static_cast<std::int16_t>(std::clamp<int>(count, 0, groupCapacity(m, g)) % 12);
        const bool narrow = m == kWorkModeCb && g >= 13 && g <= 15;
        for (int p = 1; p <= count; ++p) {
            ChannelRecord& c = ws->current.channels.slot(m, g, p);
            c.ChannelNumber = static_cast<std::int16_t>(p);
            c.RxFrequency.set(narrow ? "21200000" : "28405000");
        }
    });
    ws->setBandFromWorkMode();
    return ws;
}

TEST(RadioView, ForeignValuesAreBroughtInLineAndThenEveryControlShowsWhatTheRadioGets) {
    int aligned = 0;
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        auto ws = randomLoadedDocument(seed);
        const bool before = !disagreeing(ws->current).empty();
        const std::vector<std::string> changed = alignWithRadio(*ws);
        EXPECT_EQ(before, !changed.empty()) << seed;
        aligned += static_cast<int>(changed.size());
        const std::vector<std::string> left = disagreeing(ws->current);
        EXPECT_TRUE(left.empty()) << "seed " << seed << ": " << left.size() << " controls, first " << left.front();
    }
    // The random files do hold values no control shows; otherwise the test would prove nothing.
    EXPECT_GT(aligned, 0);
}

TEST(RadioView, TheAuditsCasesShowWhatTheRadioGets) {
    struct Case {
        const char* name;
        void (*store)(Document&);
        std::vector<std::string> path;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"display check box holding 2", [](Document& d) { d.further().volDisplay = 2; }, {"Options", "Vol Display"}, "off"},
        {"HI-CUT holding 3", [](Document& d) { d.channels.slot(kWorkModeCb, 1, d.findChannel(kWorkModeCb, 1, 1)).HiCut = 3; },
         {"Channels", "CB A", "CH 1", "HI-CUT"}, "On"},
        {"FM Enable holding 2", [](Document& d) { d.options().fmEnable = 2; }, {"Options", "FM Enable"}, "off"},
    };
    for (const Case& c : cases) {
        auto ws = test::startupDocument();
        c.store(ws->current);
        EXPECT_FALSE(disagreeing(ws->current).empty()) << c.name;
        EXPECT_FALSE(alignWithRadio(*ws).empty()) << c.name;
        const std::vector<std::string> left = disagreeing(ws->current);
        EXPECT_TRUE(left.empty()) << c.name << ": " << left.size() << ", first " << left.front();
        for (const Setting& s : documentSettings(ws->current)) {
            if (s.path == c.path) {
                EXPECT_EQ(s.value, c.shown) << c.name;
            }
        }
    }
}

TEST(RadioView, AReadAndADocumentOfTheWindowsNeedNothingBroughtInLine) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        test::SplitMix rng(seed);
        auto ws = test::startupDocument();
        test::randomImage(rng, ws->image);
        decodeImage(*ws);
        EXPECT_EQ(alignWithRadio(*ws), std::vector<std::string>{}) << seed;
    }
    auto full = test::fullDocument();
    EXPECT_EQ(alignWithRadio(*full), std::vector<std::string>{});
}

}  // namespace
}  // namespace mv52
