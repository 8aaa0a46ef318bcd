// The sound of a tune: samples of each step and the WAV file, analysed as a listener would
// measure them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tones/roger_beep.h"
#include "tones/tone_samples.h"

namespace mv52 {
namespace {

// The frequency of a sine measured from its upward zero crossings between `from` and `to`.
double measuredHz(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    std::size_t first = 0, last = 0, crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        if (s[i - 1] < 0 && s[i] >= 0) {
            if (crossings++ == 0) first = i;
            last = i;
        }
    if (crossings < 2) return 0;
    return static_cast<double>(crossings - 1) * kToneSampleRate / static_cast<double>(last - first);
}

int peak(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int p = 0;
    for (std::size_t i = from; i < to; ++i) p = std::max(p, std::abs(static_cast<int>(s[i])));
    return p;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 4; i-- > 0;) v = v << 8 | b[at + i];
    return v;
}

TEST(ToneSamples, TheWavOfEntryOneHoldsItsScheduleSampleForSample) {
    RogerBeepTable t;
    resetRogerBeepDefaults(t);
    const std::vector<RogerStep> steps = rogerSchedule(t[0]);
    const std::vector<std::int16_t> samples = renderSteps(steps);
    const std::vector<std::uint8_t> wav = wavFileBytes(samples);

    // 700 ms at 44,100 Hz, 16-bit mono PCM behind a 44-byte header.
    constexpr std::size_t kPerStep = 4410;  // 100 ms
    ASSERT_EQ(samples.size(), 7 * kPerStep);
    ASSERT_EQ(wav.size(), 44 + 2 * samples.size());
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(wav[20] | wav[21] << 8, 1);  // PCM
    EXPECT_EQ(wav[22] | wav[23] << 8, 1);  // mono
    EXPECT_EQ(le32(wav, 24), 44100u);
    EXPECT_EQ(wav[34] | wav[35] << 8, 16);
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(le32(wav, 40), 2 * samples.size());
    EXPECT_EQ(static_cast<std::int16_t>(wav[44 + 2 * 1000] | wav[45 + 2 * 1000] << 8), samples[1000]);

    for (std::size_t k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        const std::size_t from = k * kPerStep, to = from + kPerStep;
        if (k % 2 == 0) {
            EXPECT_NEAR(measuredHz(samples, from, to), 2100.0, 2.0);
            // 21 samples a cycle: the highest falls within 0.3 % of the crest.
            EXPECT_NEAR(peak(samples, from, to), kToneAmplitude, 0.003 * kToneAmplitude);
            // It rises from and falls to silence: no click at either end.
            EXPECT_LT(std::abs(samples[from]), 50);
            EXPECT_LT(std::abs(samples[to - 1]), 50);
        } else {
            EXPECT_EQ(peak(samples, from, to), 0);
        }
    }
}

TEST(ToneSamples, StepLengthsAndFades) {
    EXPECT_EQ(stepSamples(1000, 10).size(), 441u);
    EXPECT_EQ(stepSamples(0, 2550).size(), 112455u);
    EXPECT_EQ(stepSamples(1000, 0).size(), 0u);
    // A 10 ms tone still rises and falls, over a quarter of its length each.
    const std::vector<std::int16_t> s = stepSamples(1000, 10);
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(s[20]), 0.2 * kToneAmplitude);
    EXPECT_GT(peak(s, 0, s.size()), 0.9 * kToneAmplitude);
    EXPECT_NEAR(measuredHz(stepSamples(440, 1000), 0, 44100), 440.0, 0.5);
}

}  // namespace
}  // namespace mv52
