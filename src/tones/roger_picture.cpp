#include "tones/roger_picture.h"

#include <cmath>

#include "tones/roger_schedule.h"

namespace mv52 {
namespace {

constexpr int kMargin = 50;

int rounded(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

std::vector<RogerBar> rogerBars(const RogerBeepEntry& entry, int width, int height) {
    const int usableWidth = width - 2 * kMargin;
    const int usableHeight = height - 2 * kMargin;
    int total = 0;
    for (int i = 1; i <= kRogerTonesPerEntry; ++i) total += radioByte(entry.toneLength(i));
    std::vector<RogerBar> bars;
    if (total < 1 || usableWidth <= 0 || usableHeight <= 0) return bars;
    const int bottom = height - kMargin;
    int x = kMargin;
    for (int i = 1; i <= kRogerTonesPerEntry; ++i) {
        const int length = radioByte(entry.toneLength(i));
        if (length <= 0) continue;
        const int w = rounded(static_cast<double>(length) * usableWidth / total);
        const int h = rounded(static_cast<double>(radioByte(entry.toneFreq(i))) * usableHeight / 256.0);
        bars.push_back({i, x, bottom - h, w, h});
        x += w;
    }
    return bars;
}

int rogerBarHz(const RogerBeepEntry& entry, const RogerBar& bar) {
    const int hz = radioByte(entry.toneFreq(bar.tone)) * 10;
    return hz > kLowestAudibleHz ? hz : 0;
}

std::vector<RogerTick> rogerTimeTicks(const RogerBeepEntry& entry, int width, int most) {
    const int usableWidth = width - 2 * kMargin;
    int units = 0;
    for (int i = 1; i <= kRogerTonesPerEntry; ++i) units += radioByte(entry.toneLength(i));
    std::vector<RogerTick> ticks;
    if (units < 1 || usableWidth <= 0 || most < 1) return ticks;
    const int totalMs = units * 10;  // a length unit is 10 ms
    int step = 10;
    for (int scale = 10; totalMs / step >= most; scale *= 10)
        for (int m : {1, 2, 5})
            if (totalMs / step >= most) step = scale * m;
    for (int ms = 0; ms <= totalMs; ms += step)
        ticks.push_back({kMargin + rounded(static_cast<double>(ms) * usableWidth / totalMs), ms});
    return ticks;
}

}  // namespace mv52
