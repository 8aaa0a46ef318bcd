#pragma once
// ProgressWindow: the modal progress window of a transfer. The user may close it while the
// transfer runs; it then asks whether to cancel the transfer, and only a confirmed cancel
// ends it. Otherwise the window never touches the transfer.

#include <QDialog>
#include <functional>

#include "lang/language.h"
#include "link/progress_view.h"

class QLabel;
class QProgressBar;

namespace mv52 {

class Prompter;

class ProgressWindow final : public QDialog, public ProgressView {
public:
    ProgressWindow(Prompter& prompter, std::function<LanguageIndex()> language, QWidget* parent = nullptr);

    // Ends the transfer (LinkSession::cancel); called after the user confirmed.
    void setCancelTransfer(std::function<void()> cancel) { cancel_ = std::move(cancel); }

    // ProgressView. open() shows the window modally and returns once it has closed.
    using QDialog::open;
    void open(CommOperation operation, std::function<void()> onLoaded) override;
    void beginPass(CommOperation operation) override;
    void setProgress(int percent) override;
    bool visible() const override { return isVisible(); }
    void close() override;

    // `setProgressValue`: the bar alone.
    void setProgressValue(int value);
    bool transferShown() const { return shown_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void applyLanguage();
    void askToCancel();

    Prompter& prompter_;
    std::function<LanguageIndex()> language_;
    std::function<void()> cancel_;
    std::function<void()> onLoaded_;
    CommOperation operation_{};
    QLabel* captionLabel_ = nullptr;
    QLabel* label2_ = nullptr;
    QProgressBar* bar_ = nullptr;
    bool shown_ = false;    // between open() and close()
    bool asking_ = false;   // the cancel question is up
};

}  // namespace mv52
