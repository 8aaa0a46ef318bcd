#include "ui/channel_table_view.h"

#include <QColor>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <numeric>

#include "channels/channel_editing.h"
#include "data/groups.h"
#include "document/workspace.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

TableColumn columnOf(const QModelIndex& index) { return static_cast<TableColumn>(index.column()); }

}  // namespace

ChannelTableItemModel::ChannelTableItemModel(Workspace& ws, ChannelTableModel& table, QObject* parent)
    : QAbstractTableModel(parent), ws_(ws), table_(table) {}

void ChannelTableItemModel::show(int workMode, int group, LanguageIndex language) {
    const bool reset = workMode != workMode_ || group != group_ || cells_.empty() || language != language_;
    if (reset) beginResetModel();
    workMode_ = workMode;
    group_ = group;
    language_ = language;
    readCells();
    if (reset) {
        // A new group opens in channel order; the same group keeps its order until sorted again,
        // so that an edited row stays where the user is.
        sortColumn_ = 0;
        descending_ = false;
        order_ = orderFor(sortColumn_, descending_);
        endResetModel();
    } else {
        // The same rows: an open editor stays, and the view keeps its place and selection.
        emit dataChanged(index(0, 0), index(rowCount() - 1, kTableColumnCount - 1));
    }
}

void ChannelTableItemModel::readCells() {
    const ShownGroupScope shown(ws_, workMode_, group_);
    table_.refresh(ws_.current, language_);
    const int capacity = groupCapacity(workMode_, group_);
    cells_.resize(static_cast<std::size_t>(capacity));
    editable_.assign(static_cast<std::size_t>(capacity), 0u);
    for (int r = 1; r <= capacity; ++r) {
        cells_[static_cast<std::size_t>(r - 1)] = table_.rowTexts(ws_, r);
        unsigned bits = 0;
        for (int c = 0; c < kTableColumnCount; ++c)
            if (table_.editable(ws_.current, r, static_cast<TableColumn>(c))) bits |= 1u << c;
        editable_[static_cast<std::size_t>(r - 1)] = bits;
    }
}

std::vector<int> ChannelTableItemModel::orderFor(int column, bool descending) const {
    std::vector<int> order(cells_.size());
    std::iota(order.begin(), order.end(), 1);
    if (column == static_cast<int>(TableColumn::Name)) {
        if (descending) std::reverse(order.begin(), order.end());
        return order;
    }
    std::vector<std::string> texts;
    texts.reserve(cells_.size());
    for (const auto& row : cells_) texts.push_back(row[static_cast<std::size_t>(column)]);
    return sortedRows(texts, descending);
}

void ChannelTableItemModel::sortBy(int column, bool descending) {
    emit layoutAboutToBeChanged();
    sortColumn_ = column;
    descending_ = descending;
    order_ = orderFor(column, descending);
    emit layoutChanged();
}

int ChannelTableItemModel::channelRow(int viewRow) const {
    return viewRow >= 0 && viewRow < static_cast<int>(order_.size()) ? order_[static_cast<std::size_t>(viewRow)] : 0;
}

int ChannelTableItemModel::viewRow(int channelRow) const {
    const auto it = std::find(order_.begin(), order_.end(), channelRow);
    return it == order_.end() ? -1 : static_cast<int>(it - order_.begin());
}

const std::string& ChannelTableItemModel::cell(int channelRow, TableColumn column) const {
    return cells_.at(static_cast<std::size_t>(channelRow - 1))[static_cast<std::size_t>(column)];
}

int ChannelTableItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int ChannelTableItemModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kTableColumnCount; }

QVariant ChannelTableItemModel::data(const QModelIndex& index, int role) const {
    const int row = channelRow(index.row());
    if (row == 0) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return qs(cell(row, columnOf(index)));
        case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignCenter);
        case Qt::ForegroundRole: {
            // A setting a Public channel takes from the public channel is shown greyed, as the
            // information frame greys its list.
            const bool locked = index.column() > static_cast<int>(TableColumn::Frequency) &&
                                !cell(row, TableColumn::Frequency).empty() &&
                                !(editable_[static_cast<std::size_t>(row - 1)] & (1u << index.column()));
            return locked ? QVariant(QColor(Qt::gray)) : QVariant();
        }
        default: return {};
    }
}

QVariant ChannelTableItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kTableColumnCount) return {};
    return qs(tableColumnLabel(static_cast<TableColumn>(section), language_));
}

Qt::ItemFlags ChannelTableItemModel::flags(const QModelIndex& index) const {
    const int row = channelRow(index.row());
    if (row == 0) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_[static_cast<std::size_t>(row - 1)] & (1u << index.column())) f |= Qt::ItemIsEditable;
    return f;
}

ListCellEditor::ListCellEditor(QWidget* parent) : QComboBox(parent) {}

void ListCellEditor::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (event->key() == Qt::Key_Backspace) {
        typed_.chop(1);
    } else if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        typed_ += text;
    } else {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (typed_.isEmpty()) return;
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(typed_, Qt::CaseInsensitive)) {
            setCurrentIndex(i);
            return;
        }
    // Nothing starts with it: the last character does not count.
    typed_.chop(text.size());
}

ChannelTableDelegate::ChannelTableDelegate(const ChannelTableModel& table, CommitCell commit, QObject* parent)
    : QStyledItemDelegate(parent), table_(table), commit_(std::move(commit)) {}

QWidget* ChannelTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    const TableColumn column = columnOf(index);
    if (column == TableColumn::Frequency) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QStringLiteral("frequencyEditor"));
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        // Digits and a point, as the channel window's frequency box takes them.
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,12}")), box));
        return box;
    }
    auto* list = new ListCellEditor(parent);
    list->setObjectName(QStringLiteral("listEditor"));
    for (const std::string& item : table_.columnItems(column)) list->addItem(qs(item));
    list->setMaxVisibleItems(16);
    return list;
}

void ChannelTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString shown = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // Background, selection, hover and focus as the style draws them, without the text; a
    // plain cell has none of them.
    const bool plain = !(option.state & (QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver)) &&
                       item.backgroundBrush.style() == Qt::NoBrush;
    if (!plain) style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    if (shown.isEmpty()) return;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    QColor color = selected ? option.palette.color(group, QPalette::HighlightedText) : option.palette.color(group, QPalette::Text);
    if (!selected && item.palette.brush(QPalette::Text) != option.palette.brush(QPalette::Text))
        color = item.palette.color(group, QPalette::Text);
    painter->save();
    painter->setPen(color);
    painter->setFont(item.font);
    painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

void ChannelTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString shown = index.data(Qt::EditRole).toString();
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->setText(shown);
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(std::max(0, list->findText(shown)));
    }
}

void ChannelTableDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    QString text;
    if (auto* box = qobject_cast<QLineEdit*>(editor))
        text = box->text();
    else if (auto* list = qobject_cast<QComboBox*>(editor))
        text = list->currentText();
    else
        return;
    // Unchanged text is no edit: leaving a cell does not write it again.
    if (text == index.data(Qt::EditRole).toString()) return;
    if (commit_) commit_(index.row(), columnOf(index), text.toStdString());
}

ChannelTableView::ChannelTableView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setWordWrap(false);
}

void ChannelTableView::commitOpenEditor() {
    if (state() != EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ChannelTableView::keyPressEvent(QKeyEvent* event) {
    if (keyHook_ && state() != EditingState && keyHook_(event)) return;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        if (currentIndex().isValid() && (model()->flags(currentIndex()) & Qt::ItemIsEditable)) edit(currentIndex());
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // A spreadsheet's moves: Enter goes down, Tab and Shift+Tab aside, without editing there.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const QModelIndex at = currentIndex();
    if (!at.isValid()) return;
    int row = at.row();
    int column = at.column();
    if (hint == QAbstractItemDelegate::SubmitModelCache) row = std::min(row + 1, model()->rowCount() - 1);
    if (hint == QAbstractItemDelegate::EditNextItem) column = std::min(column + 1, model()->columnCount() - 1);
    if (hint == QAbstractItemDelegate::EditPreviousItem) column = std::max(column - 1, 1);
    if (row != at.row() || column != at.column())
        setCurrentIndex(model()->index(row, column));
    setFocus(Qt::OtherFocusReason);
}

}  // namespace mv52
