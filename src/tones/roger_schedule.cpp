#include "tones/roger_schedule.h"

namespace mv52 {
namespace {

int lengthMs(const RogerBeepEntry& e, int tone) { return radioByte(e.toneLength(tone)) * 10; }

}  // namespace

int radioByte(std::int16_t value) { return static_cast<std::uint8_t>(value); }

RogerSilence rogerSilence(const RogerBeepEntry& entry) {
    if (radioByte(entry.recycleTimes()) < 1) return RogerSilence::RecycleOff;
    int total = 0;
    for (int i = 1; i <= kRogerTonesPerEntry; ++i) total += lengthMs(entry, i);
    return total > kShortestToneMs ? RogerSilence::None : RogerSilence::NoTone;
}

RogerCursor::RogerCursor(const RogerBeepEntry& atStart)
    : passes_(rogerEntryPlays(atStart) ? radioByte(atStart.recycleTimes()) : 0),
      pauseMs_(radioByte(atStart.interTime()) * 10) {}

std::optional<RogerStep> RogerCursor::next(const RogerBeepEntry& now) {
    while (pass_ <= passes_) {
        while (tone_ < kRogerTonesPerEntry) {
            ++tone_;
            const int ms = lengthMs(now, tone_);
            if (ms <= kShortestToneMs) continue;
            const int hz = radioByte(now.toneFreq(tone_)) * 10;
            return RogerStep{pass_, tone_, hz > kLowestAudibleHz ? hz : 0, ms};
        }
        // The pass is over: its silence, then the next pass.
        const int pass = pass_++;
        tone_ = 0;
        if (pauseMs_ > 0) return RogerStep{pass, 0, 0, pauseMs_};
    }
    return std::nullopt;
}

std::vector<RogerStep> rogerSchedule(const RogerBeepEntry& entry) {
    std::vector<RogerStep> steps;
    RogerCursor cursor(entry);
    while (const std::optional<RogerStep> step = cursor.next(entry)) steps.push_back(*step);
    return steps;
}

int scheduleMilliseconds(const std::vector<RogerStep>& steps) {
    int total = 0;
    for (const RogerStep& s : steps) total += s.milliseconds;
    return total;
}

}  // namespace mv52
