#include "tones/roger_player.h"

#include <chrono>
#include <utility>

namespace mv52 {

RogerPlayer::~RogerPlayer() { stop(); }

const RogerBeepEntry& RogerPlayer::current() const { return table_[static_cast<std::size_t>(entry_ - 1)]; }

bool RogerPlayer::play(int n, std::function<void()> ended) {
    stop();
    if (n < 1 || n > kRogerEntryCount) return false;
    const RogerBeepEntry& entry = table_[static_cast<std::size_t>(n - 1)];
    if (!rogerEntryPlays(entry)) return false;
    entry_ = n;
    cursor_.emplace(entry);
    ended_ = std::move(ended);
    advance();
    return true;
}

void RogerPlayer::stop() {
    if (!cursor_) return;
    cursor_.reset();
    step_.reset();
    ended_ = nullptr;
    output_.stop();
}

void RogerPlayer::advance() {
    step_ = cursor_->next(current());
    if (!step_) {
        cursor_.reset();
        // The handler may start the next tune at once.
        if (const std::function<void()> ended = std::exchange(ended_, nullptr)) ended();
        return;
    }
    output_.sound(step_->frequencyHz, std::chrono::milliseconds(step_->milliseconds), [this] { advance(); });
}

}  // namespace mv52
