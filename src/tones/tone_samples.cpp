#include "tones/tone_samples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mv52 {
namespace {

std::size_t sampleCount(int milliseconds, int sampleRate) {
    if (milliseconds <= 0 || sampleRate <= 0) return 0;
    return static_cast<std::size_t>(static_cast<long long>(milliseconds) * sampleRate / 1000);
}

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Byte by byte: GCC 12 at -O3 takes a range insert into the fresh vector for an overflow.
void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::int16_t> stepSamples(int frequencyHz, int milliseconds, int sampleRate) {
    const std::size_t n = sampleCount(milliseconds, sampleRate);
    std::vector<std::int16_t> samples(n, 0);
    if (frequencyHz <= 0 || n == 0) return samples;
    const std::size_t fade = std::min(sampleCount(kToneFadeMs, sampleRate), n / 4);
    const double step = 2.0 * std::numbers::pi * frequencyHz / sampleRate;
    for (std::size_t i = 0; i < n; ++i) {
        double gain = 1.0;
        const std::size_t edge = std::min(i, n - 1 - i);
        if (edge < fade) gain = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(edge) / static_cast<double>(fade));
        const double v = kToneAmplitude * gain * std::sin(step * static_cast<double>(i));
        samples[i] = static_cast<std::int16_t>(std::lround(v));
    }
    return samples;
}

std::vector<std::int16_t> renderSteps(const std::vector<RogerStep>& steps, int sampleRate) {
    std::vector<std::int16_t> all;
    for (const RogerStep& s : steps) {
        const std::vector<std::int16_t> part = stepSamples(s.frequencyHz, s.milliseconds, sampleRate);
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<std::uint8_t> wavFileBytes(std::span<const std::int16_t> samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putLe(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLe(out, 16, 4);        // size of the format chunk
    putLe(out, 1, 2);         // PCM
    putLe(out, 1, 2);         // mono
    putLe(out, rate, 4);
    putLe(out, rate * 2, 4);  // bytes per second
    putLe(out, 2, 2);         // bytes per sample
    putLe(out, 16, 2);        // bits per sample
    putTag(out, "data");
    putLe(out, dataBytes, 4);
    for (const std::int16_t s : samples) putLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace mv52
