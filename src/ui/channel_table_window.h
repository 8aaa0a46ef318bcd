#pragma once
// The channel table: every field of every channel of one group in an editable grid, beside
// the channel window. Cells write through the channel window's control rows (the core's
// ChannelTableModel); the window adds the group choosers, Find, Fill, Sort and the clipboard.
// The table shows a group of its own choosing and never changes the group the channel window
// and the radio use.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "channels/channel_table_model.h"
#include "lang/language.h"
#include "ui/document_view.h"
#include "ui/edit_history.h"
#include "ui/tone_lists_view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mv52 {

class ChannelTableItemModel;
class ChannelTableView;
class Prompter;
struct Workspace;

struct ChannelTableHooks {
    NoteEdit edited;                                 // one step of the history
    std::function<void(const std::string&)> status;  // a passing word in the status bar
};

class ChannelTableWindow final : public QWidget, public DocumentView, public ToneListsView {
public:
    ChannelTableWindow(Workspace& workspace, LanguageIndex language, Prompter& prompter, ChannelTableHooks hooks,
                       QWidget* parent = nullptr);
    ~ChannelTableWindow() override;

    void setLanguage(LanguageIndex language);
    // The shown group read again (after undo, or an edit in another window).
    void showDocument() override;
    void ShowRB() override { showDocument(); }
    void ShowDTMF() override { showDocument(); }
    void showGroup(int workMode, int group);
    // Writes an open cell editor into the document (before a save or a write).
    void commitPendingEdit();

    // A committed cell: the value goes to every selected row of its column.
    void commitCell(int viewRow, TableColumn column, const std::string& typed);
    void copyRows();
    void cutRows();
    void deleteRows();
    void pasteRows();
    void selectAllRows();
    // Finds a frequency in every group and goes to the first match; findNext to the next.
    void find(const std::string& text);
    void findNext();
    void openFillDialog();
    void fillRows(double startMHz, double stepKHz);
    void sortSelectionByFrequency();
    // A click on a column header: ascending, descending, channel order again.
    void headerClicked(int column);

    ChannelTableView* view() const { return view_; }
    ChannelTableItemModel* model() const { return model_; }
    QLineEdit* findBox() const { return findBox_; }
    const std::string& lastStatus() const { return lastStatus_; }
    // The channel rows of the selected cells, ascending; the current row when none.
    std::vector<int> selectedRows() const;

private:
    void layOut();
    void setCaptions();
    void fitColumns();
    void fillGroupList();
    void reload();
    void noteEdit(StepName name);
    void say(const std::string& text);
    void tell(const std::string& text);
    void selectRows(const std::vector<int>& rows, int column);
    // The rows a value committed in `row` goes to: the selected rows of its column (a selected
    // name cell selects its row), or `row` alone.
    std::vector<int> targetRows(TableColumn column, int row) const;
    void trap(const char* procedure, const std::function<void()>& body);

    Workspace& ws_;
    LanguageIndex language_;
    Prompter& prompter_;
    ChannelTableHooks hooks_;
    ChannelTableModel table_;
    int workMode_ = 0;
    int group_ = 1;
    int sortColumn_ = 0;
    int sortState_ = 0;  // 0 channel order, 1 ascending, 2 descending
    std::vector<TablePlace> found_;
    std::size_t foundAt_ = 0;
    std::string lastStatus_;

    QLabel* workModeLabel_ = nullptr;
    QComboBox* modeBox_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    QComboBox* groupBox_ = nullptr;
    QLabel* findLabel_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    QPushButton* fill_ = nullptr;
    QPushButton* sort_ = nullptr;
    ChannelTableView* view_ = nullptr;
    ChannelTableItemModel* model_ = nullptr;
};

}  // namespace mv52
