#pragma once
// frmCommChInfo: the channels of one group in a grid, the selected channel's settings in the
// information frame, the work mode, group and work group above, the group settings beside.
// A frequency is typed into Text1 over its cell; every other setting is a list bound through
// the channel control table. Every change goes to the document at once.

#include <QWidget>
#include <functional>
#include <vector>

#include "document/control_row.h"
#include "lang/language.h"
#include "ui/document_view.h"
#include "ui/edit_history.h"
#include "ui/tone_lists_view.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace mv52 {

class ControlBinder;
class Prompter;
struct Workspace;

struct ChannelWindowHooks {
    // The work mode changed the band: the main window's title and status follow.
    std::function<void()> bandChanged;
    // An edit was written: one step of the history.
    NoteEdit edited;
    // A passing word for the status bar (what a paste did).
    std::function<void(const std::string&)> noted;
};

class ChannelWindow final : public QWidget, public ToneListsView, public DocumentView {
public:
    ChannelWindow(Workspace& workspace, LanguageIndex language, Prompter& prompter, ChannelWindowHooks hooks,
                  QWidget* parent = nullptr);
    ~ChannelWindow() override;

    // The shown group in the grid, the group settings filled (and shown or hidden for the kind
    // of group), the current row selected.
    void SetGridData();
    // One row again after an edit.
    void reShowGrid(int row);
    // The roger-beep and DTMF lists rebuilt from their tables; the selected channel takes what
    // they now show.
    void ShowRB() override;
    void ShowDTMF() override;
    // Every list and value shown again (the modes changed elsewhere, say).
    void ReShowData();
    // Starts editing the selected frequency cell.
    void EnterGridEdit();
    // Finishes a frequency edit and stores it.
    void SaveShowGridData();
    // Selects the next row, after the last one row 1, and gives the grid the focus.
    void GridNextLine();
    void GridNextCol();
    // The work mode, group, grid and settings shown again; the group's current row selected.
    void showDocument() override;
    // The same, keeping the selected row: another window (the channel table) changed the document.
    void followDocument();
    // The clipboard of the grid's selected rows: Ctrl+C, Ctrl+X, Ctrl+V, Delete.
    void copyRows();
    void cutRows();
    void deleteRows();
    void pasteRows();
    void selectAllRows();

    QTableWidget* grid() const { return grid_; }
    int selectedRow() const { return selectedRow_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void setCaptions();
    void fillGroupList();
    void fillWorkGroupList();
    void onWorkModeChosen(int position);
    void onGroupChosen(int position);
    void onRowSelected(int row);
    void showSelected();
    void showGroupSettings();
    // False when the stored frequency is not a number (the cell then shows the lower band limit).
    bool writeCell(int row);
    void setUpGrid();
    void selectNextRow();
    bool gridKey(QKeyEvent* key);
    bool editKey(QKeyEvent* key);
    void trap(const char* procedure, const std::function<void()>& body);
    void noteEdit(StepName name);
    void removeRows(bool cut);
    void tell(const std::string& message);
    // The selected rows (1-based, ascending); the current row when none is selected.
    std::vector<int> selectedRows() const;
    // The grid shown again with rows first..last selected.
    void showRowsAgain(int first, int last);

    Workspace& ws_;
    LanguageIndex language_;
    Prompter& prompter_;
    ChannelWindowHooks hooks_;
    int selectedRow_ = 1;
    int editRow_ = 0;
    std::vector<ControlRow> rows_;
    ControlBinder* binder_ = nullptr;
    bool ready_ = false;

    QGroupBox* modeFrame_ = nullptr;
    QLabel* workModeLabel_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    QLabel* workGroupLabel_ = nullptr;
    QComboBox* workMode_ = nullptr;   // Combo2
    QComboBox* group_ = nullptr;      // Combo6
    QComboBox* workGroup_ = nullptr;  // Combo3
    QGroupBox* groupSettings_ = nullptr;
    QTableWidget* grid_ = nullptr;    // MSFlexGrid1
    QLineEdit* edit_ = nullptr;       // Text1
    QGroupBox* information_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace mv52
