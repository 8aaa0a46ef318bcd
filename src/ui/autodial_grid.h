#pragma once
// MSFlexGrid1 of the DTMF window: 17 rows, the headings in row 0 and the memory numbers in
// column 0, as the grid the memories were always edited in. Entering a row puts the editor
// Text3 over its memory; every change typed there is handed on at once.

#include <QTableWidget>
#include <functional>
#include <string>

#include "lang/language.h"

class QLineEdit;

namespace mv52 {

struct Document;

class AutodialGrid final : public QTableWidget {
public:
    struct Hooks {
        // The text of memory n (1-16) as typed.
        std::function<void(int n, const std::string& text)> edited;
        // Enter or Tab after memory 16, Shift+Tab before memory 1: the focus leaves the grid.
        std::function<void()> leaveForward;
        std::function<void()> leaveBackward;
    };

    AutodialGrid(const Document& document, LanguageIndex language, Hooks hooks, QWidget* parent);

    // Every memory's text from the document; then the grid reacts to the user.
    void showMemories();
    // Memory n's cell, and the editor when it edits n, from the document.
    void showMemory(int n);
    // Puts the editor over memory n's cell and gives it the focus.
    void startEditing(int n);
    // The memory being edited, 0 before any.
    int currentMemory() const { return memory_; }
    QLineEdit* editor() const { return editor_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeEditor();
    // Enter, Tab and the arrows move between the memories; false when there is nowhere to go.
    bool moveBy(int rows);

    const Document& document_;
    Hooks hooks_;
    QLineEdit* editor_ = nullptr;
    int memory_ = 0;
    bool ready_ = false;
};

}  // namespace mv52
