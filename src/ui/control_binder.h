#pragma once
// Builds the widgets of a control table and binds them to the document: a labelled
// drop-down list, a check box, or a text box that takes digits and "." only. Showing reads
// every row; a choice the user makes is written through its row and the whole table is shown
// again, so a rule that changed other fields is seen at once.

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "document/control_row.h"

class QFormLayout;
class QLabel;
class QWidget;

namespace mv52 {

// A label sits left of its control, right-aligned, 100 twips (about 7 pixels) away.
inline constexpr int kLabelGapPixels = 7;

// Rows of labelled controls laid out that way, the controls at their natural width.
QFormLayout* labelledRows(int verticalSpacing);

class ControlBinder final : public QObject {
public:
    // After a choice was written: the row and what its write did beyond its field.
    using Written = std::function<void(const ControlRow&, unsigned effects)>;

    // `procedure` names a failing write in its message box.
    ControlBinder(const std::vector<ControlRow>& rows, Document& document, std::function<LanguageIndex()> language,
                  std::string procedure, QWidget* parent);

    QWidget* widget(const std::string& objectName) const;
    // The label left of a list or text box; nullptr for a check box (its caption is its own)
    // and for a row without a label.
    QLabel* label(const std::string& objectName) const;
    const std::vector<ControlRow>& rows() const { return rows_; }

    // Captions in the current language.
    void setCaptions();
    // Fills every list and shows every value and enabled state, and explains each control in
    // its tooltip and to assistive technology. Nothing is written meanwhile.
    void showAll();
    // Writes the row's field from its widget's current state, as a choice there does.
    void writeFrom(const std::string& objectName);

    // False until the first showAll(); while false, and while showing, choices write nothing.
    bool loaded() const { return loaded_; }
    void setWritten(Written written) { written_ = std::move(written); }
    // Where a number box says it did not keep what was typed (the status bar).
    void setNoted(std::function<void(const std::string&)> noted) { noted_ = std::move(noted); }

private:
    void build(const ControlRow& row, QWidget* parent);
    void write(const ControlRow& row, const ControlChoice& choice);
    ControlChoice choiceOf(const ControlRow& row) const;

    const std::vector<ControlRow>& rows_;
    Document& document_;
    std::function<LanguageIndex()> language_;
    std::string procedure_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QLabel*> labels_;
    Written written_;
    std::function<void(const std::string&)> noted_;
    bool loaded_ = false;
    bool showing_ = false;
};

}  // namespace mv52
