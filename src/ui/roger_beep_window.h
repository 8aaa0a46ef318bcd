#pragma once
// FrmToneTips: the eight roger-beep tunes, one tab each, with their lists, the picture of the
// shown tune, Play and Stop, and Save as WAV. Every choice is written at once; a change that
// makes an entry valid or invalid has the other windows refill their roger lists.

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "document/control_row.h"
#include "lang/language.h"
#include "ui/document_view.h"
#include "ui/edit_history.h"
#include "system/tone_output.h"
#include "tones/roger_player.h"

class QLabel;
class QPushButton;
class QTabBar;

namespace mv52 {

class ControlBinder;
class FileChooser;
class Prompter;
class RogerPictureView;
struct Document;

struct RogerBeepHooks {
    // Entries became valid or invalid: ShowRB on the open windows with roger lists.
    std::function<void()> rogerEntriesChanged;
    // A choice was written: one step of the history.
    NoteEdit edited;
};

class RogerBeepWindow final : public QWidget, public DocumentView {
public:
    RogerBeepWindow(Document& document, LanguageIndex language, std::unique_ptr<ToneOutput> output, FileChooser& files,
                    Prompter& prompter, RogerBeepHooks hooks, QWidget* parent = nullptr);
    ~RogerBeepWindow() override;

    // The entry the selected tab shows, 1-8.
    int currentEntry() const { return entry_; }
    void play();
    void stop();
    // Writes the shown entry as Play sounds it to a WAV file the user chooses.
    void saveWav();
    const RogerPlayer& player() const { return *player_; }
    ControlBinder& binder() { return *binder_; }
    void showDocument() override { showEntry(entry_); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void setCaptions();
    void showEntry(int n);
    void playEnded();

    Document& document_;
    LanguageIndex language_;
    FileChooser& files_;
    Prompter& prompter_;
    RogerBeepHooks hooks_;
    int entry_ = 1;
    std::vector<ControlRow> rows_;
    std::unique_ptr<ToneOutput> output_;
    std::unique_ptr<RogerPlayer> player_;
    ControlBinder* binder_ = nullptr;
    QTabBar* tabs_ = nullptr;
    RogerPictureView* picture_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* saveWav_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* frequencyHeader_ = nullptr;
    QLabel* lengthHeader_ = nullptr;
    QLabel* soundNote_ = nullptr;  // shown when there is no sound device
};

}  // namespace mv52
