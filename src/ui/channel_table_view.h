#pragma once
// The grid of the channel table window: a Qt model over the core's ChannelTableModel, the cell
// editors (a number box for the frequency, a list that selects by typed prefix for the rest)
// and a view that edits as a spreadsheet does: a typed character starts an edit with it, Enter
// or F2 edits, Enter commits and moves down, Escape cancels, Tab moves on.

#include <QAbstractTableModel>
#include <QComboBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "channels/channel_table_model.h"

namespace mv52 {

struct Workspace;

// The rows of one group as the core shows them, in the view's order (channel order, or the
// order of a header sort).
class ChannelTableItemModel final : public QAbstractTableModel {
public:
    ChannelTableItemModel(Workspace& ws, ChannelTableModel& table, QObject* parent);

    // Every cell of (work mode, group) read again; a new group resets the view.
    void show(int workMode, int group, LanguageIndex language);
    int workMode() const { return workMode_; }
    int group() const { return group_; }
    // The channel row (1-based) at a view row, and back.
    int channelRow(int viewRow) const;
    int viewRow(int channelRow) const;
    const std::string& cell(int channelRow, TableColumn column) const;
    // Sorts the view by a column (0: channel order); the document is not touched.
    void sortBy(int column, bool descending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void readCells();
    std::vector<int> orderFor(int column, bool descending) const;

    Workspace& ws_;
    ChannelTableModel& table_;
    LanguageIndex language_ = LanguageIndex::English;
    int workMode_ = 0;
    int group_ = 1;
    std::vector<std::array<std::string, kTableColumnCount>> cells_;  // by channel row - 1
    std::vector<unsigned> editable_;                                  // bit per column
    std::vector<int> order_;                                          // view row -> channel row
    int sortColumn_ = 0;
    bool descending_ = false;
};

// A list editor that selects the first item starting with what was typed into it ("94" finds
// "94.8", "A" finds "AM"); Backspace takes a character back.
class ListCellEditor final : public QComboBox {
public:
    explicit ListCellEditor(QWidget* parent);
    const QString& typed() const { return typed_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString typed_;
};

// What the window does with a committed cell: (view row, column, text).
using CommitCell = std::function<void(int, TableColumn, const std::string&)>;

class ChannelTableDelegate final : public QStyledItemDelegate {
public:
    ChannelTableDelegate(const ChannelTableModel& table, CommitCell commit, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    // One line of centred text on the style's item background: the style's general text layout
    // costs several times as much, and a table shows some 300 cells at once.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const ChannelTableModel& table_;
    CommitCell commit_;
};

class ChannelTableView final : public QTableView {
public:
    explicit ChannelTableView(QWidget* parent);
    // Keys the window takes before the view (the clipboard keys); true when taken.
    void setKeyHook(std::function<bool(QKeyEvent*)> hook) { keyHook_ = std::move(hook); }
    // Commits and closes an open cell editor.
    void commitOpenEditor();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    std::function<bool(QKeyEvent*)> keyHook_;
};

}  // namespace mv52
