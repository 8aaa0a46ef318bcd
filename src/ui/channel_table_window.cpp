#include "ui/channel_table_window.h"
#include "channels/channel_lists.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "channels/channel_clipboard.h"
#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "data/value_helpers.h"
#include "document/workspace.h"
#include "exchange/channel_table_text.h"
#include "exchange/csv_channels.h"
#include "lang/channel_table_texts.h"
#include "lang/channel_texts.h"
#include "lang/edit_texts.h"
#include "lang/messages.h"
#include "system/prompter.h"
#include "ui/channel_clipboard_mime.h"
#include "ui/channel_table_view.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

constexpr int kCellPadding = 18;

}  // namespace

ChannelTableWindow::ChannelTableWindow(Workspace& workspace, LanguageIndex language, Prompter& prompter,
                                       ChannelTableHooks hooks, QWidget* parent)
    : QWidget(parent), ws_(workspace), language_(language), prompter_(prompter), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmChannelTable_content"));
    // The group the channel window shows, to begin with.
    workMode_ = shownWorkMode(ws_.current);
    group_ = shownGroup(ws_.current);
    trap("frmChannelTable_Form_Load", [this] {
        layOut();
        setCaptions();
        showGroup(workMode_, group_);
    });
}

ChannelTableWindow::~ChannelTableWindow() = default;

void ChannelTableWindow::trap(const char* procedure, const std::function<void()>& body) {
    trapFailures(prompter_, procedure, body);
}

void ChannelTableWindow::layOut() {
    workModeLabel_ = new QLabel(this);
    modeBox_ = new QComboBox(this);
    modeBox_->setObjectName(QStringLiteral("tableWorkMode"));
    groupLabel_ = new QLabel(this);
    groupBox_ = new QComboBox(this);
    groupBox_->setObjectName(QStringLiteral("tableGroup"));
    findLabel_ = new QLabel(this);
    findBox_ = new QLineEdit(this);
    findBox_->setObjectName(QStringLiteral("tableFind"));
    findBox_->setClearButtonEnabled(true);
    fill_ = new QPushButton(this);
    fill_->setObjectName(QStringLiteral("tableFill"));
    sort_ = new QPushButton(this);
    sort_->setObjectName(QStringLiteral("tableSortByFrequency"));
    workModeLabel_->setBuddy(modeBox_);
    groupLabel_->setBuddy(groupBox_);
    findLabel_->setBuddy(findBox_);

    connect(modeBox_, &QComboBox::activated, this, [this](int p) {
        trap("frmChannelTable_WorkMode_Click", [this, p] { showGroup(p, 1); });
    });
    connect(groupBox_, &QComboBox::activated, this, [this](int p) {
        trap("frmChannelTable_Group_Click", [this, p] { showGroup(workMode_, p + 1); });
    });
    connect(findBox_, &QLineEdit::returnPressed, this, [this] {
        trap("frmChannelTable_Find", [this] { find(findBox_->text().trimmed().toStdString()); });
    });
    connect(fill_, &QPushButton::clicked, this, [this] { trap("frmChannelTable_Fill", [this] { openFillDialog(); }); });
    connect(sort_, &QPushButton::clicked, this,
            [this] { trap("frmChannelTable_SortByFrequency", [this] { sortSelectionByFrequency(); }); });

    view_ = new ChannelTableView(this);
    view_->setObjectName(QStringLiteral("channelTable"));
    model_ = new ChannelTableItemModel(ws_, table_, this);
    view_->setModel(model_);
    view_->setItemDelegate(new ChannelTableDelegate(
        table_,
        [this](int row, TableColumn column, const std::string& text) {
            trap("frmChannelTable_CommitCell", [&] { commitCell(row, column, text); });
        },
        this));
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->setHighlightSections(false);
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { trap("frmChannelTable_Sort", [this, c] { headerClicked(c); }); });
    view_->setKeyHook([this](QKeyEvent* key) {
        const struct {
            QKeySequence::StandardKey key;
            void (ChannelTableWindow::*run)();
        } keys[] = {{QKeySequence::Copy, &ChannelTableWindow::copyRows},
                    {QKeySequence::Cut, &ChannelTableWindow::cutRows},
                    {QKeySequence::Paste, &ChannelTableWindow::pasteRows},
                    {QKeySequence::Delete, &ChannelTableWindow::deleteRows}};
        for (const auto& k : keys)
            if (key->matches(k.key)) {
                trap("frmChannelTable_Clipboard", [this, run = k.run] { (this->*run)(); });
                return true;
            }
        return false;
    });

    auto* findKey = new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(findKey, &QShortcut::activated, this, [this] {
        findBox_->setFocus(Qt::ShortcutFocusReason);
        findBox_->selectAll();
    });
    auto* nextKey = new QShortcut(QKeySequence(Qt::Key_F3), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(nextKey, &QShortcut::activated, this, [this] { trap("frmChannelTable_FindNext", [this] { findNext(); }); });

    auto* top = new QHBoxLayout;
    top->addWidget(workModeLabel_);
    top->addWidget(modeBox_);
    top->addSpacing(12);
    top->addWidget(groupLabel_);
    top->addWidget(groupBox_);
    top->addSpacing(12);
    top->addWidget(findLabel_);
    top->addWidget(findBox_, 1);
    top->addWidget(fill_);
    top->addWidget(sort_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    setFocusProxy(view_);
    setTabOrder(view_, modeBox_);
    setTabOrder(modeBox_, groupBox_);
    setTabOrder(groupBox_, findBox_);
    setTabOrder(findBox_, fill_);
    setTabOrder(fill_, sort_);
}

void ChannelTableWindow::setCaptions() {
    setWindowTitle(qs(text(ChannelTableText::Title, language_)));
    workModeLabel_->setText(qs(text(ChannelText::WorkModeLabel, language_)));
    groupLabel_->setText(qs(text(ChannelText::GroupLabel, language_)));
    findLabel_->setText(qs(text(ChannelTableText::FindLabel, language_)));
    // The table has no label of its own: assistive technology names it by the window.
    view_->setAccessibleName(qs(text(ChannelTableText::Title, language_)));
    findBox_->setPlaceholderText(qs(text(ChannelTableText::FindPlaceholder, language_)));
    fill_->setText(qs(text(ChannelTableText::FillFrequencies, language_)));
    sort_->setText(qs(text(ChannelTableText::SortByFrequency, language_)));
    modeBox_->clear();
    for (const std::string& item : items(ChannelList::WorkMode, language_)) modeBox_->addItem(qs(item));
}

void ChannelTableWindow::setLanguage(LanguageIndex language) {
    trap("frmChannelTable_ChangeLanguage", [this, language] {
        commitPendingEdit();
        language_ = language;
        // The table is read afresh in channel order.
        sortState_ = 0;
        view_->horizontalHeader()->setSortIndicatorShown(false);
        setCaptions();
        showGroup(workMode_, group_);
    });
}

void ChannelTableWindow::fillGroupList() {
    groupBox_->clear();
    for (int g = 1; g <= groupCount(workMode_); ++g) groupBox_->addItem(qs(groupLetter(workMode_, g)));
    groupBox_->setCurrentIndex(group_ - 1);
    modeBox_->setCurrentIndex(workMode_);
}

void ChannelTableWindow::showGroup(int workMode, int group) {
    commitPendingEdit();
    const bool newGroup = workMode != model_->workMode() || group != model_->group();
    workMode_ = workMode == kWorkModeHam ? kWorkModeHam : kWorkModeCb;
    group_ = std::clamp(group, 1, groupCount(workMode_));
    fillGroupList();
    if (newGroup) {
        sortState_ = 0;
        view_->horizontalHeader()->setSortIndicatorShown(false);
    }
    model_->show(workMode_, group_, language_);
    fitColumns();
    if (newGroup || !view_->currentIndex().isValid())
        view_->setCurrentIndex(model_->index(0, static_cast<int>(TableColumn::Frequency)));
}

void ChannelTableWindow::reload() { model_->show(workMode_, group_, language_); }

void ChannelTableWindow::showDocument() {
    trap("frmChannelTable_ShowDocument", [this] { reload(); });
}

void ChannelTableWindow::fitColumns() {
    // Each column as wide as its header and the widest item it can show, so that no cell
    // clips whatever is chosen in it.
    const QFontMetrics text = view_->fontMetrics();
    const QFontMetrics header = view_->horizontalHeader()->fontMetrics();
    int total = 0;
    for (int c = 0; c < kTableColumnCount; ++c) {
        const auto column = static_cast<TableColumn>(c);
        int width = header.horizontalAdvance(qs(tableColumnLabel(column, language_))) + kCellPadding + 12;
        std::vector<std::string> samples = table_.columnItems(column);
        if (column == TableColumn::Frequency) samples = {"000.00000"};
        if (column == TableColumn::Name) samples = {"M99"};
        for (const std::string& s : samples) width = std::max(width, text.horizontalAdvance(qs(s)) + kCellPadding);
        view_->setColumnWidth(c, width);
        total += width;
    }
    // Wide enough for every column, and some 16 rows high, when the window opens.
    view_->setMinimumWidth(total + view_->verticalScrollBar()->sizeHint().width() + 2 * view_->frameWidth() + 2);
    view_->setMinimumHeight(16 * view_->verticalHeader()->defaultSectionSize() + view_->horizontalHeader()->height());
}

void ChannelTableWindow::commitPendingEdit() {
    if (view_ != nullptr) view_->commitOpenEditor();
}

void ChannelTableWindow::noteEdit(StepName name) {
    if (hooks_.edited) hooks_.edited(std::move(name), {});
}

void ChannelTableWindow::say(const std::string& message) {
    lastStatus_ = message;
    if (hooks_.status) hooks_.status(message);
}

void ChannelTableWindow::tell(const std::string& message) {
    // After the editor has closed: a message box in the middle of a commit would take its focus.
    QTimer::singleShot(0, this, [this, message] { prompter_.ask(message, MessageButtons::Ok, MessageIcon::Warning); });
}

std::vector<int> ChannelTableWindow::selectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        if (const int row = model_->channelRow(index.row())) rows.insert(row);
    if (rows.empty() && view_->currentIndex().isValid()) rows.insert(model_->channelRow(view_->currentIndex().row()));
    rows.erase(0);
    return {rows.begin(), rows.end()};
}

std::vector<int> ChannelTableWindow::targetRows(TableColumn column, int row) const {
    std::set<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        if (index.column() == static_cast<int>(column) || index.column() == static_cast<int>(TableColumn::Name))
            rows.insert(model_->channelRow(index.row()));
    if (!rows.contains(row)) return {row};
    return {rows.begin(), rows.end()};
}

void ChannelTableWindow::commitCell(int viewRow, TableColumn column, const std::string& typed) {
    const int row = model_->channelRow(viewRow);
    if (row == 0) return;
    const std::vector<int> rows = targetRows(column, row);
    ApplyResult result;
    bool existed = false;
    {
        const ShownGroupScope shown(ws_, workMode_, group_);
        existed = selectedChannel(ws_.current, row) != nullptr;
        table_.refresh(ws_.current, language_);
        result = table_.apply(ws_, rows, column, typed);
    }
    const int m = workMode_;
    const int g = group_;
    noteEdit(stepNameOf(EditText::ChannelStep, [column](LanguageIndex l) { return tableColumnLabel(column, l); },
                        tableRowsName(m, g, rows)));
    reload();
    const std::string band = bandTextForWorkMode(m);
    if (rows.size() == 1 && !result.outOfBand.empty()) {
        // As the channel window says it: the message, then the band and what became of the channel.
        const bool stays = [&] {
            const ShownGroupScope shown(ws_, m, g);
            return selectedChannel(ws_.current, row) != nullptr;
        }();
        const ChannelText outcome = !existed ? ChannelText::OutOfRangeNotAdded
                                    : stays  ? ChannelText::OutOfRangeStays
                                             : ChannelText::OutOfRangeDeleted;
        tell(messageText(MessageKey::MsgFreqOutOfRange, language_) + "\n" + substitute(text(outcome, language_), {band}));
    } else if (!result.outOfBand.empty()) {
        tell(tableText(ChannelTableText::OutOfBandRows, language_, band, tableRowsName(m, g, result.outOfBand)));
    }
    if (!result.skipped.empty()) {
        const bool locked = std::all_of(result.skippedWhy.begin(), result.skippedWhy.end(),
                                        [](CellOutcome o) { return o == CellOutcome::Locked; });
        say(locked && rows.size() == 1 ? text(ChannelTableText::Locked, language_)
                                       : tableText(ChannelTableText::Skipped, language_, std::to_string(result.skipped.size())));
    } else if (rows.size() > 1) {
        say(tableText(ChannelTableText::Applied, language_, tableColumnLabel(column, language_),
                      std::to_string(result.written.size())));
    }
}

void ChannelTableWindow::selectRows(const std::vector<int>& rows, int column) {
    if (rows.empty()) return;
    QItemSelection selection;
    for (const int row : rows) {
        const int v = model_->viewRow(row);
        if (v >= 0) selection.select(model_->index(v, 0), model_->index(v, kTableColumnCount - 1));
    }
    view_->setCurrentIndex(model_->index(std::max(0, model_->viewRow(rows.front())), column));
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ChannelTableWindow::selectAllRows() {
    view_->selectAll();
    view_->setFocus(Qt::OtherFocusReason);
}

void ChannelTableWindow::copyRows() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const ChannelClip clip = [&] {
        const ShownGroupScope shown(ws_, workMode_, group_);
        return copyChannelRows(ws_.current, rows);
    }();
    putChannelsOnClipboard(clip, exportChannelsCsv(ws_.current, workMode_, group_, rows.front(), rows.back()));
}

void ChannelTableWindow::cutRows() {
    copyRows();
    deleteRows();
}

void ChannelTableWindow::deleteRows() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    DeleteResult result;
    {
        const ShownGroupScope shown(ws_, workMode_, group_);
        result = deleteChannelRows(ws_, rows);
    }
    noteEdit(stepNameOf(EditText::DeleteStep, tableRowsName(workMode_, group_, rows)));
    reload();
    if (result.stayed > 0) tell(editText(EditText::ChannelsStayed, language_, std::to_string(result.stayed)));
}

void ChannelTableWindow::pasteRows() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const int m = workMode_;
    const int g = group_;
    if (const std::optional<ChannelClip> clip = channelsOnClipboard()) {
        if (!clip->channels.empty()) {
            PasteResult result;
            {
                const ShownGroupScope shown(ws_, m, g);
                result = pasteChannelRows(ws_, rows.front(), *clip);
            }
            noteEdit(stepNameOf(EditText::PasteStep, gridRowName(m, g, rows.front())));
            reload();
            if (!result.outOfBand.empty())
                tell(editText(EditText::OutOfBandSkipped, language_, tableRowsName(m, g, result.outOfBand)));
            if (result.pastLastRow > 0) tell(editText(EditText::PastLastRow, language_, std::to_string(result.pastLastRow)));
            return;
        }
    }
    const std::string pasted = clipboardText();
    if (pasted.empty()) {
        tell(text(EditText::NothingToPaste, language_));
        return;
    }
    // A spreadsheet's rows: through the channel list's reader, all or nothing.
    const ImportResult result = pasteTableText(ws_.current, m, g, rows.front(), pasted, language_);
    if (!result.ok()) {
        tell(refusalText(result));
        return;
    }
    noteEdit(stepNameOf(EditText::PasteStep, gridRowName(m, g, rows.front())));
    reload();
}

void ChannelTableWindow::find(const std::string& wanted) {
    found_ = findFrequency(ws_.current, wanted);
    foundAt_ = 0;
    if (found_.empty()) {
        say(tableText(ChannelTableText::NotFound, language_, wanted));
        return;
    }
    say(tableText(ChannelTableText::Found, language_, std::to_string(found_.size())));
    const TablePlace& place = found_.front();
    showGroup(place.workMode, place.group);
    selectRows({place.row}, static_cast<int>(TableColumn::Frequency));
    view_->scrollTo(view_->currentIndex());
    view_->setFocus(Qt::OtherFocusReason);
}

void ChannelTableWindow::findNext() {
    if (found_.empty()) {
        if (!findBox_->text().isEmpty()) find(findBox_->text().trimmed().toStdString());
        return;
    }
    foundAt_ = (foundAt_ + 1) % found_.size();
    const TablePlace& place = found_[foundAt_];
    showGroup(place.workMode, place.group);
    selectRows({place.row}, static_cast<int>(TableColumn::Frequency));
    view_->scrollTo(view_->currentIndex());
    view_->setFocus(Qt::OtherFocusReason);
    say(std::to_string(foundAt_ + 1) + " / " + std::to_string(found_.size()));
}

void ChannelTableWindow::headerClicked(int column) {
    commitPendingEdit();
    sortState_ = column == sortColumn_ ? (sortState_ + 1) % 3 : 1;
    sortColumn_ = column;
    const int current = view_->currentIndex().isValid() ? model_->channelRow(view_->currentIndex().row()) : 1;
    const int currentColumn = std::max(1, view_->currentIndex().column());
    model_->sortBy(sortState_ == 0 ? 0 : column, sortState_ == 2);
    QHeaderView* header = view_->horizontalHeader();
    header->setSortIndicatorShown(sortState_ != 0);
    if (sortState_ != 0) header->setSortIndicator(column, sortState_ == 1 ? Qt::AscendingOrder : Qt::DescendingOrder);
    view_->setCurrentIndex(model_->index(std::max(0, model_->viewRow(current)), currentColumn));
}

void ChannelTableWindow::sortSelectionByFrequency() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.size() < 2) {
        say(text(ChannelTableText::SelectRows, language_));
        return;
    }
    bool moved = false;
    {
        const ShownGroupScope shown(ws_, workMode_, group_);
        moved = sortRowsByFrequency(ws_.current, rows);
    }
    if (!moved) return;
    noteEdit([m = workMode_, g = group_, rows](LanguageIndex l) {
        return tableText(ChannelTableText::SortStepName, l, tableRowsName(m, g, rows));
    });
    reload();
}

void ChannelTableWindow::openFillDialog() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("fillDialog"));
    dialog.setWindowTitle(qs(text(ChannelTableText::FillTitle, language_)));
    auto* start = new QLineEdit(&dialog);
    start->setObjectName(QStringLiteral("fillStart"));
    auto* step = new QLineEdit(QStringLiteral("10"), &dialog);
    step->setObjectName(QStringLiteral("fillStep"));
    const std::string first = model_->cell(rows.front(), TableColumn::Frequency);
    start->setText(qs(first.empty() ? formatFixed(deriveBandLimits(bandTextForWorkMode(workMode_)).lower, 5) : first));
    auto* form = new QFormLayout(&dialog);
    form->addRow(qs(text(ChannelTableText::FillStart, language_)), start);
    form->addRow(qs(text(ChannelTableText::FillStep, language_)), step);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<double> mhz = parseNumber(start->text().trimmed().toStdString());
    const std::optional<double> khz = parseNumber(step->text().trimmed().toStdString());
    if (!mhz || !khz) {
        tell(text(ChannelTableText::FillBadNumber, language_));
        return;
    }
    fillRows(*mhz, *khz);
}

void ChannelTableWindow::fillRows(double startMHz, double stepKHz) {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    FillResult result;
    {
        const ShownGroupScope shown(ws_, workMode_, group_);
        result = fillFrequencies(ws_, rows, startMHz, stepKHz);
    }
    const int m = workMode_;
    const int g = group_;
    noteEdit([m, g, first = rows.front()](LanguageIndex l) {
        return tableText(ChannelTableText::FillStepName, l, gridRowName(m, g, first));
    });
    reload();
    if (!result.outOfBand.empty())
        tell(tableText(ChannelTableText::FillRefused, language_, bandTextForWorkMode(m), tableRowsName(m, g, result.outOfBand)));
}

}  // namespace mv52
