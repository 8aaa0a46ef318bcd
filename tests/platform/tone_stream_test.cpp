// What the sound device reads during Play: the exact samples of the tune, step after step
// without a gap, then silence; reads as a device makes them, in chunks of its own size.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/tone_stream.h"
#include "tones/roger_beep.h"
#include "tones/roger_player.h"
#include "tones/tone_samples.h"

namespace mv52 {
namespace {

// The stream as QtToneOutput feeds it.
class StreamOutput final : public ToneOutput {
public:
    explicit StreamOutput(ToneStream& stream) : stream_(stream) {}
    void sound(int frequencyHz, std::chrono::milliseconds length, std::function<void()> finished) override {
        stream_.setStep(stepSamples(frequencyHz, static_cast<int>(length.count())), std::move(finished));
    }
    void stop() override { stream_.cut(); }

private:
    ToneStream& stream_;
};

std::vector<std::int16_t> readSamples(ToneStream& stream, std::size_t count, qint64 chunkBytes) {
    std::vector<std::int16_t> out;
    std::vector<char> buffer(static_cast<std::size_t>(chunkBytes));
    while (out.size() < count) {
        const qint64 got = stream.read(buffer.data(), chunkBytes);
        EXPECT_EQ(got, chunkBytes);
        for (qint64 i = 0; i + 1 < got; i += 2) {
            std::int16_t s;
            std::memcpy(&s, buffer.data() + i, 2);
            out.push_back(s);
        }
    }
    out.resize(count);
    return out;
}

TEST(ToneStream, PlayHandsTheDeviceExactlyTheSamplesOfTheWavFile) {
    RogerBeepTable table;
    resetRogerBeepDefaults(table);
    table[2].recycleTimes() = 2;
    table[2].interTime() = 5;
    const std::vector<std::int16_t> expected = renderSteps(rogerSchedule(table[2]));
    for (const qint64 chunk : {qint64{882}, qint64{4096}, qint64{1000}}) {
        SCOPED_TRACE(chunk);
        ToneStream stream;
        int dry = 0;
        stream.ranDry = [&dry] { ++dry; };
        StreamOutput output(stream);
        RogerPlayer player(table, output);
        int ended = 0;
        ASSERT_TRUE(player.play(3, [&ended] { ++ended; }));
        const std::vector<std::int16_t> heard = readSamples(stream, expected.size() + 2000, chunk);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), heard.begin()));
        EXPECT_TRUE(std::all_of(heard.begin() + static_cast<std::ptrdiff_t>(expected.size()), heard.end(),
                                [](std::int16_t s) { return s == 0; }));
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(dry, 1);
        EXPECT_FALSE(stream.busy());
    }
}

TEST(ToneStream, StopFallsToSilenceAtOnce) {
    ToneStream stream;
    bool finished = false;
    stream.setStep(stepSamples(1000, 100), [&finished] { finished = true; });
    readSamples(stream, 1000, 200);
    stream.cut();
    const std::vector<std::int16_t> after = readSamples(stream, 1000, 200);
    // Within the fade's 4 ms (176 samples) the sound is gone; the step's end never comes.
    EXPECT_TRUE(std::all_of(after.begin() + 176, after.end(), [](std::int16_t s) { return s == 0; }));
    EXPECT_FALSE(finished);
    EXPECT_FALSE(stream.busy());
}

TEST(ToneStream, AStepsEndWaitsWhileHeld) {
    ToneStream stream;
    int finished = 0;
    stream.setStep(std::vector<std::int16_t>(10, 7), [&finished] { ++finished; });
    stream.holdEnds = true;
    const std::vector<std::int16_t> first = readSamples(stream, 20, 40);
    EXPECT_EQ(first, (std::vector<std::int16_t>{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(stream.remaining().count(), 0);
    stream.holdEnds = false;
    readSamples(stream, 1, 2);
    EXPECT_EQ(finished, 1);
}

}  // namespace
}  // namespace mv52
