#pragma once
// Tunes as sound: 16-bit mono samples of each step, and the WAV file that holds them. The
// sound device and the WAV rendering use the same samples, so a file sounds as Play does.

#include <cstdint>
#include <span>
#include <vector>

#include "tones/roger_schedule.h"

namespace mv52 {

constexpr int kToneSampleRate = 44100;
// Half of full scale: loud enough, and far from clipping.
constexpr double kToneAmplitude = 16384.0;
// Each tone rises and falls over at most this long, so that no step boundary clicks.
constexpr int kToneFadeMs = 4;

// The samples of `milliseconds` of a sine at `frequencyHz` starting at phase 0, with a short
// raised-cosine fade at both ends; silence for 0 Hz.
std::vector<std::int16_t> stepSamples(int frequencyHz, int milliseconds, int sampleRate = kToneSampleRate);

// The samples of every step, one after the other.
std::vector<std::int16_t> renderSteps(const std::vector<RogerStep>& steps, int sampleRate = kToneSampleRate);

// A WAV file: RIFF header, 16-bit mono PCM at `sampleRate`, then the samples.
std::vector<std::uint8_t> wavFileBytes(std::span<const std::int16_t> samples, int sampleRate = kToneSampleRate);

}  // namespace mv52
