#pragma once
// The transfer's progress on standard error, drawn only when it is a terminal.

#include <iosfwd>
#include <string>

#include "link/progress_view.h"

namespace mv52::cli {

class ProgressBar final : public ProgressView {
public:
    ProgressBar(std::ostream& err, bool terminal, std::string title)
        : err_(err), terminal_(terminal), title_(std::move(title)) {}

    void open(CommOperation operation, std::function<void()> onLoaded) override;
    void setProgress(int percent) override;
    bool visible() const override { return open_; }
    void close() override;

private:
    void draw(int percent);
    std::ostream& err_;
    bool terminal_;
    std::string title_;
    bool open_ = false;
};

}  // namespace mv52::cli
