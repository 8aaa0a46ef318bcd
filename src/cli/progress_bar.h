#pragma once
// The transfer's progress on standard error, drawn only when it is a terminal.

#include <iosfwd>
#include <string>

#include "lang/language.h"
#include "link/progress_view.h"

namespace mv52::cli {

class ProgressBar final : public ProgressView {
public:
    // The title follows the operation of each pass, in `language`.
    ProgressBar(std::ostream& err, bool terminal, LanguageIndex language)
        : err_(err), terminal_(terminal), language_(language) {}

    void open(CommOperation operation, std::function<void()> onLoaded) override;
    void beginPass(CommOperation operation) override;
    void setProgress(int percent) override;
    bool visible() const override { return open_; }
    void close() override;

private:
    void draw(int percent);
    std::ostream& err_;
    bool terminal_;
    LanguageIndex language_;
    std::string title_;
    bool open_ = false;
};

}  // namespace mv52::cli
