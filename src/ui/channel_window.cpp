#include "ui/channel_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "channels/channel_clipboard.h"
#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "channels/channel_lists.h"
#include "data/frequency.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "data/value_helpers.h"
#include "document/workspace.h"
#include "exchange/csv_channels.h"
#include "lang/channel_texts.h"
#include "lang/edit_texts.h"
#include "lang/language_tables.h"
#include "lang/messages.h"
#include "system/prompter.h"
#include "ui/channel_clipboard_mime.h"
#include "ui/control_binder.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

constexpr int kTwipsPerPixel = 15;
constexpr int kHeaderHeight = 510 / kTwipsPerPixel;
constexpr int kNameWidth = 500 / kTwipsPerPixel;
constexpr int kFrequencyWidth40 = 1260 / kTwipsPerPixel;
constexpr int kFrequencyWidthLong = 1520 / kTwipsPerPixel;
constexpr int kVisibleRows = 16;

std::string rowName(int workMode, int group, int row) { return gridRowName(workMode, group, row); }

}  // namespace

ChannelWindow::ChannelWindow(Workspace& workspace, LanguageIndex language, Prompter& prompter, ChannelWindowHooks hooks,
                             QWidget* parent)
    : QWidget(parent), ws_(workspace), language_(language), prompter_(prompter), hooks_(std::move(hooks)) {
    // The child window around it carries the name frmCommChInfo.
    setObjectName(QStringLiteral("frmCommChInfo_content"));
    rows_ = channelControls(selectedRow_);
    binder_ = new ControlBinder(rows_, ws_.current, [this] { return language_; }, "frmCommChInfo_SaveChannelSetting",
                                this);
    binder_->setWritten([this](const ControlRow& row, unsigned effects) {
        if (effects & kEffectChannels) SetGridData();
        const bool groupSetting = row.group == static_cast<int>(ChannelGroup::GroupSettings);
        if (groupSetting) fillWorkGroupList();
        const int m = shownWorkMode(ws_.current);
        const int g = shownGroup(ws_.current);
        if (groupSetting)
            noteEdit(stepNameOf(EditText::GroupStep, controlStepName(row), groupLetter(m, g)));
        else
            noteEdit(stepNameOf(EditText::ChannelStep, controlStepName(row), rowName(m, g, selectedRow_)));
    });
    trap("frmCommChInfo_Form_Load", [this] {
        layOut();
        setCaptions();
        // The document's work mode, which shows its current group.
        workMode_->setCurrentIndex(shownWorkMode(ws_.current));
        onWorkModeChosen(shownWorkMode(ws_.current));
        ready_ = true;
    });
}

ChannelWindow::~ChannelWindow() = default;

void ChannelWindow::trap(const char* procedure, const std::function<void()>& body) {
    trapFailures(prompter_, procedure, body);
}

void ChannelWindow::setUpGrid() {
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setColumnCount(2);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Shift with the arrows or a click selects a range of rows for the clipboard.
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setTabKeyNavigation(false);
    grid_->horizontalHeader()->setFixedHeight(kHeaderHeight);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void ChannelWindow::layOut() {
    workMode_ = new QComboBox(this);
    workMode_->setObjectName(QStringLiteral("Combo2"));
    group_ = new QComboBox(this);
    group_->setObjectName(QStringLiteral("Combo6"));
    workGroup_ = new QComboBox(this);
    workGroup_->setObjectName(QStringLiteral("Combo3"));
    workModeLabel_ = new QLabel(this);
    groupLabel_ = new QLabel(this);
    workGroupLabel_ = new QLabel(this);
    workModeLabel_->setBuddy(workMode_);
    groupLabel_->setBuddy(group_);
    workGroupLabel_->setBuddy(workGroup_);
    connect(workMode_, &QComboBox::activated, this,
            [this](int p) { trap("frmCommChInfo_Combo2_Click", [this, p] { onWorkModeChosen(p); }); });
    connect(group_, &QComboBox::activated, this,
            [this](int p) { trap("frmCommChInfo_Combo6_Click", [this, p] { onGroupChosen(p); }); });
    connect(workGroup_, &QComboBox::activated, this, [this](int p) {
        trap("frmCommChInfo_Combo3_Click", [this, p] {
            if (!ready_) return;
            chooseWorkGroup(ws_.current, shownWorkMode(ws_.current), p + 1);
            noteEdit([](LanguageIndex l) { return text(ChannelText::WorkGroupLabel, l); });
        });
    });
    for (QComboBox* box : {workMode_, group_, workGroup_}) box->installEventFilter(this);

    modeFrame_ = new QGroupBox(this);
    modeFrame_->setObjectName(QStringLiteral("FrameWorkMode"));
    auto* modeRow = new QHBoxLayout(modeFrame_);
    modeRow->addWidget(workModeLabel_);
    modeRow->addWidget(workMode_);
    modeRow->addSpacing(12);
    modeRow->addWidget(groupLabel_);
    modeRow->addWidget(group_);
    modeRow->addSpacing(12);
    modeRow->addWidget(workGroupLabel_);
    modeRow->addWidget(workGroup_);
    modeRow->addStretch(1);

    grid_ = new QTableWidget(this);
    trap("frmCommChInfo_InitShowGridError", [this] { setUpGrid(); });
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        trap("ShowChIfoDataOther", [this, row] { onRowSelected(row + 1); });
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
        trap("frmCommChInfo_MSFlexGrid1_EnterCell", [this, column] {
            setWindowTitle(qs(text(ChannelText::Title, language_)));
            if (column == 1) EnterGridEdit();
        });
    });

    edit_ = new QLineEdit(grid_->viewport());
    edit_->setObjectName(QStringLiteral("Text1"));
    edit_->setContextMenuPolicy(Qt::NoContextMenu);
    edit_->setAcceptDrops(false);
    edit_->setFrame(false);
    edit_->setAlignment(Qt::AlignCenter);
    edit_->hide();
    edit_->installEventFilter(this);

    information_ = new QGroupBox(this);
    information_->setObjectName(QStringLiteral("FrameInformation"));
    auto* info = new QGridLayout(information_);
    info->setHorizontalSpacing(kLabelGapPixels);
    info->setVerticalSpacing(3);
    int line = 0;
    for (const ControlRow& row : rows_) {
        if (row.group != static_cast<int>(ChannelGroup::Information)) continue;
        // The two code boxes of a direction share one line; one of them is visible.
        const bool secondCode = row.objectName == "Combo8_20" || row.objectName == "Combo8_16";
        if (secondCode) --line;
        info->addWidget(binder_->label(row.objectName), line, 0, Qt::AlignRight);
        info->addWidget(binder_->widget(row.objectName), line, 1);
        binder_->widget(row.objectName)->installEventFilter(this);
        // The line keeps its place while the tone type shows neither box, so nothing below moves.
        if (secondCode) {
            auto* place = new QWidget(information_);
            place->setFixedSize(1, binder_->widget(row.objectName)->sizeHint().height());
            info->addWidget(place, line, 1, Qt::AlignLeft);
        }
        ++line;
    }
    info->setRowStretch(line, 1);

    groupSettings_ = new QGroupBox(this);
    groupSettings_->setObjectName(QStringLiteral("FrameGroupSettings"));
    auto* settings = new QGridLayout(groupSettings_);
    settings->setHorizontalSpacing(kLabelGapPixels);
    line = 0;
    for (const ControlRow& row : rows_) {
        if (row.group != static_cast<int>(ChannelGroup::GroupSettings)) continue;
        settings->addWidget(binder_->label(row.objectName), line, 0, Qt::AlignRight);
        settings->addWidget(binder_->widget(row.objectName), line, 1);
        binder_->widget(row.objectName)->installEventFilter(this);
        ++line;
    }

    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, [this] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });

    auto* right = new QVBoxLayout;
    right->addWidget(information_);
    right->addStretch(1);
    right->addWidget(close_, 0, Qt::AlignRight);
    auto* side = new QVBoxLayout;
    side->addWidget(groupSettings_);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(grid_, 1);
    body->addLayout(side);
    body->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeFrame_);
    layout->addLayout(body, 1);
    setFocusProxy(grid_);

    // Tab goes from the work mode to the grid, then down the information frame and the group
    // settings, then to Close.
    QWidget* previous = workMode_;
    const auto next = [&](QWidget* w) {
        setTabOrder(previous, w);
        previous = w;
    };
    for (QWidget* w : {static_cast<QWidget*>(group_), static_cast<QWidget*>(workGroup_), static_cast<QWidget*>(grid_)})
        next(w);
    for (const ControlRow& row : rows_) next(binder_->widget(row.objectName));
    next(close_);
}

void ChannelWindow::setCaptions() {
    trap("frmCommChInfo_ChangShowByLanguage", [this] {
        setWindowTitle(qs(text(ChannelText::Title, language_)));
        // The grid has no label of its own: assistive technology names it by the window.
        grid_->setAccessibleName(windowTitle());
        workModeLabel_->setText(qs(text(ChannelText::WorkModeLabel, language_)));
        groupLabel_->setText(qs(text(ChannelText::GroupLabel, language_)));
        workGroupLabel_->setText(qs(text(ChannelText::WorkGroupLabel, language_)));
        grid_->setHorizontalHeaderLabels({qs(text(ChannelText::ChNoHeader, language_)),
                                          qs(text(ChannelText::FrequencyHeader, language_))});
        workMode_->clear();
        for (const std::string& item : items(ChannelList::WorkMode, language_)) workMode_->addItem(qs(item));
        binder_->setCaptions();
        close_->setText(qs(text(SharedText::Close, language_)));
    });
}

void ChannelWindow::fillGroupList() {
    const int m = shownWorkMode(ws_.current);
    group_->clear();
    for (int g = 1; g <= groupCount(m); ++g) group_->addItem(qs(groupLetter(m, g)));
    fillWorkGroupList();
}

void ChannelWindow::fillWorkGroupList() {
    const int m = shownWorkMode(ws_.current);
    workGroup_->clear();
    for (int g = 1; g <= groupCount(m) - 2; ++g) workGroup_->addItem(qs(groupLetter(m, g)));
    const int stored = workGroup(ws_.current, m);
    if (stored < 1 || stored > workGroup_->count()) {
        // A work group the box does not offer shows "A", and that is what the radio gets.
        chooseWorkGroup(ws_.current, m, 1);
        workGroup_->setCurrentIndex(0);
    } else {
        workGroup_->setCurrentIndex(stored - 1);
    }
}

void ChannelWindow::onWorkModeChosen(int position) {
    SaveShowGridData();
    if (position < 0) return;
    if (ready_ && position != shownWorkMode(ws_.current)) {
        chooseWorkMode(ws_, position);
        if (hooks_.bandChanged) hooks_.bandChanged();
        noteEdit([](LanguageIndex l) { return text(ChannelText::WorkModeLabel, l); });
    }
    modeFrame_->setTitle(workMode_->itemText(position));
    fillGroupList();
    const bool wasReady = ready_;
    ready_ = false;
    group_->setCurrentIndex(shownGroup(ws_.current) - 1);
    onGroupChosen(group_->currentIndex());
    const int m = shownWorkMode(ws_.current);
    ws_.current.header.currentRow.at(m, shownGroup(ws_.current)) = static_cast<std::int16_t>(selectedRow_);
    ready_ = wasReady;
}

void ChannelWindow::onGroupChosen(int position) {
    SaveShowGridData();
    if (position < 0) return;
    if (ready_) {
        // A group the user chooses opens at row 1, which becomes its current row; a group shown
        // by the window itself (opening, a work-mode choice) opens at its stored row.
        Document& d = ws_.current;
        const int m = shownWorkMode(d);
        d.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(position + 1);
        d.header.currentRow.at(m, position + 1) = 1;
    }
    SetGridData();
}

void ChannelWindow::SetGridData() {
    trap("frmCommChInfo_SetGridData", [this] {
        const Document& d = ws_.current;
        const int m = shownWorkMode(d);
        const int g = shownGroup(d);
        const int capacity = groupCapacity(m, g);
        showGroupSettings();

        const QSignalBlocker quiet(grid_);
        grid_->clearContents();
        grid_->setRowCount(capacity);
        grid_->setColumnWidth(0, std::max(kNameWidth, grid_->fontMetrics().horizontalAdvance(QStringLiteral("CH No.M99"))));
        grid_->setColumnWidth(1, capacity == 40 ? kFrequencyWidth40 : kFrequencyWidthLong);
        for (int r = 1; r <= capacity; ++r) {
            auto* name = new QTableWidgetItem(qs(rowName(m, g, r)));
            name->setTextAlignment(Qt::AlignCenter);
            name->setFlags(Qt::ItemIsEnabled);
            grid_->setItem(r - 1, 0, name);
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid_->setItem(r - 1, 1, cell);
        }
        bool numeric = true;
        for (int r = 1; r <= capacity; ++r) numeric = writeCell(r) && numeric;
        // Once for the group, not once per cell: a foreign file can hold a whole group of them.
        if (!numeric) prompter_.ask("Not IsNumeric", MessageButtons::Ok, MessageIcon::None);
        const int rowHeight = grid_->verticalHeader()->defaultSectionSize();
        // At least both columns; a wider window widens the frequency column, not the boxes.
        grid_->setMinimumWidth(grid_->columnWidth(0) + grid_->columnWidth(1) + grid_->verticalScrollBar()->sizeHint().width() +
                               2 * grid_->frameWidth());
        grid_->setMinimumHeight(kVisibleRows * rowHeight + kHeaderHeight + 2 * grid_->frameWidth());

        // The group's current row; a row beyond 40 without its channel falls back to row 1.
        int row = d.header.currentRow.at(m, g);
        if (row < 1 || row > capacity || (row >= 40 && d.findChannel(m, g, row) == 0)) row = 1;
        grid_->setCurrentCell(row - 1, 1);
        editRow_ = row;
        onRowSelected(row);
    });
}

bool ChannelWindow::writeCell(int row) {
    const Document& d = ws_.current;
    const int m = shownWorkMode(d);
    const int g = shownGroup(d);
    QTableWidgetItem* cell = grid_->item(row - 1, 1);
    if (cell == nullptr) return true;
    const int p = d.findChannel(m, g, row);
    if (p == 0) {
        cell->setText(QString());
        return true;
    }
    bool numeric = true;
    trap("ShowChIfoData", [&] {
        const DisplayFrequency shown = storedToDisplay(d.channels.slot(m, g, p).RxFrequency.upToNul(), ws_.bandLimits.lower);
        cell->setText(qs(shown.text));
        numeric = !shown.notNumeric;
    });
    return numeric;
}

void ChannelWindow::showGroupSettings() {
    const int m = shownWorkMode(ws_.current);
    const int g = shownGroup(ws_.current);
    const bool fortyChannels = groupCapacity(m, g) == 40;
    groupSettings_->setVisible(fortyChannels);
    groupSettings_->setTitle(qs(groupSettingsCaption(groupLetter(m, g), language_)));
    workGroup_->setVisible(!isVfoGroup(m, g));
    workGroupLabel_->setVisible(!isVfoGroup(m, g));
}

void ChannelWindow::onRowSelected(int row) {
    if (row < 1) return;
    selectedRow_ = row;
    showSelected();
}

void ChannelWindow::showSelected() {
    const Document& d = ws_.current;
    binder_->showAll();
    const bool hasChannel = selectedChannel(d, selectedRow_) != nullptr;
    information_->setVisible(hasChannel);
    if (hasChannel)
        information_->setTitle(qs(informationFrameCaption(rowName(shownWorkMode(d), shownGroup(d), selectedRow_))));
}

void ChannelWindow::reShowGrid(int row) {
    trap("frmCommChInfo_reShowGrid", [this, row] {
        fillWorkGroupList();
        writeCell(row);
        // Every control again, not only the edited row's: Enter moves the selection before the
        // edit is saved, and an added or deleted channel changes the group's emergency lists
        // and its valid flag whichever row is selected.
        showSelected();
        if (selectedChannel(ws_.current, row) == nullptr) edit_->clear();
    });
}

void ChannelWindow::ShowRB() {
    binder_->showAll();
    // The channel of the selected row takes what the list now shows.
    binder_->writeFrom("Combo8_11");
}

void ChannelWindow::ShowDTMF() {
    binder_->showAll();
    for (const char* box : {"Combo8_13", "Combo8_14", "Combo8_15"}) binder_->writeFrom(box);
}

void ChannelWindow::ReShowData() { showSelected(); }

void ChannelWindow::EnterGridEdit() {
    trap("frmCommChInfo_EnterGridEdit", [this] {
        const int row = grid_->currentRow() + 1;
        if (row < 1 || grid_->currentColumn() != 1) return;
        editRow_ = row;
        QTableWidgetItem* cell = grid_->item(row - 1, 1);
        edit_->setGeometry(grid_->visualItemRect(cell));
        edit_->setText(cell->text());
        edit_->show();
        edit_->setFocus(Qt::OtherFocusReason);
        if (!edit_->text().isEmpty()) edit_->selectAll();
    });
}

void ChannelWindow::SaveShowGridData() {
    trap("frmCommChInfo_SaveShowGridData", [this] {
        if (editRow_ < 1 || edit_->isHidden()) return;
        edit_->hide();
        const std::string typed = edit_->text().toStdString();
        const int row = editRow_;
        if (const std::optional<double> v = parseNumber(typed)) grid_->item(row - 1, 1)->setText(qs(displayFormat(*v)));
        const bool existed = selectedChannel(ws_.current, row) != nullptr;
        const ChannelUpdate update = updateChannelFrequency(ws_, row, typed);
        const int m = shownWorkMode(ws_.current);
        noteEdit(stepNameOf(EditText::ChannelStep,
                            [](LanguageIndex l) { return text(ChannelText::FrequencyHeader, l); },
                            rowName(m, shownGroup(ws_.current), row)));
        if (update.outOfRange) {
            // The message as it is, then the band and what became of the channel.
            const ChannelText outcome = !existed                                     ? ChannelText::OutOfRangeNotAdded
                                        : selectedChannel(ws_.current, row) != nullptr ? ChannelText::OutOfRangeStays
                                                                                      : ChannelText::OutOfRangeDeleted;
            const MessageStyle style = messageStyle(MessageKey::MsgFreqOutOfRange);
            prompter_.ask(messageText(MessageKey::MsgFreqOutOfRange, language_) + "\n" +
                              substitute(text(outcome, language_), {ws_.bandText}),
                          style.buttons, style.icon);
        }
        reShowGrid(row);
    });
}

void ChannelWindow::GridNextLine() { trap("frmCommChInfo_GridNextLine", [this] { selectNextRow(); }); }

// The frequency column is the last one: the next column is column 1 of the next row.
void ChannelWindow::GridNextCol() { trap("rmCommChInfo_GridNextCol", [this] { selectNextRow(); }); }

void ChannelWindow::selectNextRow() {
    const int next = grid_->currentRow() + 1 >= grid_->rowCount() ? 0 : grid_->currentRow() + 1;
    grid_->setCurrentCell(next, 1);
    grid_->setFocus(Qt::OtherFocusReason);
}

bool ChannelWindow::gridKey(QKeyEvent* key) {
    const struct {
        QKeySequence::StandardKey key;
        const char* procedure;
        void (ChannelWindow::*run)();
    } clipboardKeys[] = {
        {QKeySequence::Copy, "frmCommChInfo_CopyRows", &ChannelWindow::copyRows},
        {QKeySequence::Cut, "frmCommChInfo_CutRows", &ChannelWindow::cutRows},
        {QKeySequence::Paste, "frmCommChInfo_PasteRows", &ChannelWindow::pasteRows},
        {QKeySequence::Delete, "frmCommChInfo_DeleteRows", &ChannelWindow::deleteRows},
    };
    for (const auto& k : clipboardKeys)
        if (key->matches(k.key)) {
            trap(k.procedure, [this, run = k.run] { (this->*run)(); });
            return true;
        }
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: EnterGridEdit(); return true;
        case Qt::Key_Home: grid_->setCurrentCell(0, 1); return true;
        case Qt::Key_End: grid_->setCurrentCell(grid_->rowCount() - 1, 1); return true;
        case Qt::Key_Left:
        case Qt::Key_Right: return true;  // the frequency column is the only one to select
        default: break;
    }
    // Other keys typed into the grid do nothing (no search by typing).
    return !key->text().isEmpty() && key->text().at(0).isPrint();
}

bool ChannelWindow::editKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // An empty box moves to the next row; a frequency moves past the last column, which is
        // the next row too. The grid taking the focus saves the edit.
        if (edit_->text().isEmpty())
            GridNextLine();
        else
            GridNextCol();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        // The cell stays as it was.
        edit_->hide();
        grid_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (key->modifiers().testFlag(Qt::ControlModifier) &&
        (key->key() == Qt::Key_X || key->key() == Qt::Key_V || key->key() == Qt::Key_C))
        return true;
    const QString text = key->text();
    if (text.isEmpty()) return false;
    const char16_t c = text.at(0).unicode();
    if (c > 127) return true;
    if (c < 32 || c == 127) return false;
    return !((c >= u'0' && c <= u'9') || c == u'.');
}

bool ChannelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_) return gridKey(key);
        if (watched == edit_) {
            bool handled = false;
            trap("FrmCommChInfo_Text1_KeyPress_Error", [&] { handled = editKey(key); });
            return handled;
        }
    }
    // The edit is saved when any other control takes the focus, or the window loses it.
    if (event->type() == QEvent::FocusOut && watched == edit_) SaveShowGridData();
    if (event->type() == QEvent::FocusIn && watched != edit_) SaveShowGridData();
    return QWidget::eventFilter(watched, event);
}

void ChannelWindow::noteEdit(StepName name) {
    if (hooks_.edited) hooks_.edited(std::move(name), {});
}

void ChannelWindow::showDocument() {
    trap("frmCommChInfo_ShowDocument", [this] {
        // A pending edit went into the document before; the box would write it again.
        edit_->hide();
        const bool wasReady = ready_;
        ready_ = false;
        workMode_->setCurrentIndex(shownWorkMode(ws_.current));
        modeFrame_->setTitle(workMode_->currentText());
        fillGroupList();
        group_->setCurrentIndex(shownGroup(ws_.current) - 1);
        SetGridData();
        ready_ = wasReady;
    });
}

void ChannelWindow::followDocument() {
    const int row = selectedRow_;
    showDocument();
    if (row >= 1 && row <= grid_->rowCount()) grid_->setCurrentCell(row - 1, 1);
}

std::vector<int> ChannelWindow::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes())
        if (index.column() == 1) rows.push_back(index.row() + 1);
    if (rows.empty() && grid_->currentRow() >= 0) rows.push_back(grid_->currentRow() + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ChannelWindow::showRowsAgain(int first, int last) {
    SetGridData();
    grid_->setCurrentCell(first - 1, 1);
    grid_->setRangeSelected(QTableWidgetSelectionRange(first - 1, 1, last - 1, 1), true);
}

void ChannelWindow::selectAllRows() {
    grid_->setRangeSelected(QTableWidgetSelectionRange(0, 1, grid_->rowCount() - 1, 1), true);
    grid_->setFocus(Qt::OtherFocusReason);
}

void ChannelWindow::tell(const std::string& message) {
    prompter_.ask(message, MessageButtons::Ok, MessageIcon::Warning);
}

void ChannelWindow::copyRows() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const Document& d = ws_.current;
    putChannelsOnClipboard(copyChannelRows(d, rows),
                           exportChannelsCsv(d, shownWorkMode(d), shownGroup(d), rows.front(), rows.back()));
}

void ChannelWindow::cutRows() { removeRows(true); }

void ChannelWindow::deleteRows() { removeRows(false); }

void ChannelWindow::removeRows(bool cut) {
    SaveShowGridData();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    if (cut) copyRows();
    const DeleteResult result = deleteChannelRows(ws_, rows);
    showRowsAgain(rows.front(), rows.back());
    const Document& d = ws_.current;
    noteEdit(stepNameOf(cut ? EditText::CutStep : EditText::DeleteStep,
                        rowName(shownWorkMode(d), shownGroup(d), rows.front())));
    if (result.stayed > 0) tell(editText(EditText::ChannelsStayed, language_, std::to_string(result.stayed)));
}

void ChannelWindow::pasteRows() {
    SaveShowGridData();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const std::optional<ChannelClip> clip = channelsOnClipboard();
    if (!clip || clip->channels.empty()) {
        tell(text(EditText::NothingToPaste, language_));
        return;
    }
    const PasteResult result = pasteChannelRows(ws_, rows.front(), *clip);
    const Document& d = ws_.current;
    const int m = shownWorkMode(d);
    const int g = shownGroup(d);
    const int last = std::min(groupCapacity(m, g), rows.front() + clip->channels.back().offset);
    showRowsAgain(rows.front(), last);
    noteEdit(stepNameOf(EditText::PasteStep, rowName(m, g, rows.front())));
    if (hooks_.noted && !result.pasted.empty())
        hooks_.noted(editText(EditText::Pasted, language_, std::to_string(result.pasted.size()),
                              rowName(m, g, rows.front())));
    if (!result.outOfBand.empty()) {
        std::string names;
        for (const int row : result.outOfBand) names += (names.empty() ? "" : ", ") + rowName(m, g, row);
        tell(editText(EditText::OutOfBandSkipped, language_, names));
    }
    if (result.pastLastRow > 0) tell(editText(EditText::PastLastRow, language_, std::to_string(result.pastLastRow)));
}

void ChannelWindow::closeEvent(QCloseEvent* event) {
    trap("frmCommChInfo_Form_Unload", [this] { SaveShowGridData(); });
    QWidget::closeEvent(event);
}

}  // namespace mv52
