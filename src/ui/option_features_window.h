#pragma once
// FrmOptFeatures: the optional features and the public channel, built from the option
// control table. Every choice is written at once; closing keeps every change.

#include <QWidget>
#include <functional>

#include "lang/language.h"
#include "ui/document_view.h"
#include "ui/edit_history.h"
#include "ui/tone_lists_view.h"

class QGroupBox;
class QPushButton;

namespace mv52 {

class ControlBinder;
struct Document;

struct OptionFeaturesHooks {
    // "HF Public" or "Ham Public" changed every channel's public flag.
    std::function<void()> reopenChannelWindow;
    // The mode enables corrected channel modes.
    std::function<void()> channelModesChanged;
    // A choice was written: one step of the history.
    NoteEdit edited;
    // A number box did not keep what was typed: what became of it, for the status bar.
    std::function<void(const std::string&)> noted;
};

class OptionFeaturesWindow final : public QWidget, public ToneListsView, public DocumentView {
public:
    OptionFeaturesWindow(Document& document, LanguageIndex language, OptionFeaturesHooks hooks,
                         QWidget* parent = nullptr);

    // Every list filled again and every value shown again.
    void ReShowData();
    // The "Roger" list after the roger-beep table changed.
    void ShowRB() override;
    // The three DTMF lists after a code memory changed.
    void ShowDTMF() override;
    // Writes the field of control `index` from the control (0-53 `Combo1`, 100 + n `Check1`,
    // 200 + n `Combo2`); any other index does nothing.
    void SaveOptFeat(int index);
    void showDocument() override { ReShowData(); }

    ControlBinder& binder() { return *binder_; }

private:
    void layOut();
    void setCaptions();

    LanguageIndex language_;
    OptionFeaturesHooks hooks_;
    ControlBinder* binder_ = nullptr;
    QGroupBox* modeFrame_ = nullptr;
    QGroupBox* publicFrame_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace mv52
