#pragma once
// FrmDTMF: the DTMF settings (Encode), the decoder's settings as the radio's menu shows them
// (Decode, shown only: the document holds none of them) and the sixteen autodial memories.
// Every change is written at once; a changed memory cleans the references to empty memories
// and has the other windows refill their BOT, EOT and CALL lists.

#include <QWidget>
#include <functional>

#include "lang/language.h"
#include "ui/document_view.h"
#include "ui/edit_history.h"

class QPushButton;
class QTabWidget;

namespace mv52 {

class AutodialGrid;
class ControlBinder;
struct Document;

struct DtmfHooks {
    // ShowDTMF on the open windows with DTMF lists.
    std::function<void()> dtmfMemoriesChanged;
    // A choice was written or a memory typed into: one step of the history.
    NoteEdit edited;
};

class DtmfWindow final : public QWidget, public DocumentView {
public:
    DtmfWindow(Document& document, LanguageIndex language, DtmfHooks hooks, QWidget* parent = nullptr);

    // Every reference of groups 1-10 and of the public channel to an empty memory becomes 0;
    // then the open windows refill their DTMF lists.
    void SetDTMFList();
    void showDocument() override;

    ControlBinder& binder() { return *binder_; }
    AutodialGrid& grid() { return *grid_; }

private:
    QWidget* encodePage();
    QWidget* decodePage();
    QWidget* autodialPage();
    void memoryEdited(int n, const std::string& typed);

    Document& document_;
    LanguageIndex language_;
    DtmfHooks hooks_;
    ControlBinder* binder_ = nullptr;
    AutodialGrid* grid_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace mv52
