#include "cli/progress_bar.h"

#include <algorithm>
#include <ostream>

#include "lang/language_tables.h"

namespace mv52::cli {

void ProgressBar::open(CommOperation operation, std::function<void()> onLoaded) {
    open_ = true;
    title_ = progressTitle(operation, language_);
    draw(0);
    if (onLoaded) onLoaded();
}

void ProgressBar::beginPass(CommOperation operation) {
    // The finished pass keeps its line.
    if (open_ && terminal_) err_ << "\n";
    title_ = progressTitle(operation, language_);
    draw(0);
}

void ProgressBar::setProgress(int percent) { draw(percent); }

void ProgressBar::close() {
    if (open_ && terminal_) err_ << "\n";
    open_ = false;
}

void ProgressBar::draw(int percent) {
    if (!terminal_) return;
    constexpr int kWidth = 40;
    const int filled = std::clamp(percent, 0, 100) * kWidth / 100;
    err_ << "\r" << title_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << percent << "%" << std::flush;
}

}  // namespace mv52::cli
