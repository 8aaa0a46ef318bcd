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

}  // namespace mv52
