#include "app/window_placement.h"

#include <cmath>

#include "data/numeric.h"

namespace mv52 {
namespace {

constexpr const char* kSection = "Settings";

double readValue(const SettingsStore& store, const char* key, double fallback) {
    const std::string text = store.read(kSection, key, formatShortest(fallback));
    const auto value = isNumeric(text) ? parseNumber(text) : std::nullopt;
    // Single precision, as the placement was always kept.
    return value ? static_cast<double>(static_cast<float>(*value)) : fallback;
}

}  // namespace

WindowPlacement loadWindowPlacement(const SettingsStore& store) {
    const WindowPlacement d;
    return {readValue(store, "MainLeft", d.left), readValue(store, "MainTop", d.top),
            readValue(store, "MainWidth", d.width), readValue(store, "MainHeight", d.height)};
}

void saveWindowPlacement(SettingsStore& store, const WindowPlacement& p, bool minimized) {
    if (minimized) return;
    store.write(kSection, "MainLeft", formatShortest(p.left));
    store.write(kSection, "MainTop", formatShortest(p.top));
    store.write(kSection, "MainWidth", formatShortest(p.width));
    store.write(kSection, "MainHeight", formatShortest(p.height));
}

}  // namespace mv52
