#pragma once
// ProgressWindow: the modal progress window of a transfer. It names the operation and the
// port, and has a Cancel button: a read stops at once (the document stays as it was), a write
// only after the user has agreed to leave the radio partly written. Closing the window asks
// first in either case. Otherwise the window never touches the transfer.

#include <QDialog>
#include <functional>

#include "lang/language.h"
#include "link/progress_view.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace mv52 {

class Prompter;

class ProgressWindow final : public QDialog, public ProgressView {
public:
    ProgressWindow(Prompter& prompter, std::function<LanguageIndex()> language, QWidget* parent = nullptr);

    // Stops the transfer (LinkSession::stop); called once the user's stop stands.
    void setCancelTransfer(std::function<void()> cancel) { cancel_ = std::move(cancel); }

    // ProgressView. open() shows the window modally and returns once it has closed.
    using QDialog::open;
    void showPort(const std::string& port) override;
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
    // `fromButton`: the Cancel button rather than the window's close box or Escape.
    void askToCancel(bool fromButton);
    void fitTitle();

    Prompter& prompter_;
    std::function<LanguageIndex()> language_;
    std::function<void()> cancel_;
    std::function<void()> onLoaded_;
    CommOperation operation_{};
    std::string port_;
    QLabel* heading_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* captionLabel_ = nullptr;
    QLabel* label2_ = nullptr;
    QProgressBar* bar_ = nullptr;
    bool shown_ = false;    // between open() and close()
    bool asking_ = false;   // the cancel question is up
};

}  // namespace mv52
