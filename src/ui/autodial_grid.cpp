#include "ui/autodial_grid.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "document/document.h"
#include "lang/dtmf_texts.h"
#include "tones/dtmf.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

constexpr int kRows = kDtmfMemoryCount + 1;
// The editor is 50 twips (3 pixels) narrower than its cell.
constexpr int kEditorInsetPixels = 3;
constexpr int kNumberColumnPixels = 64;

bool isClipboardKey(const QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy))
        return true;
    return key->modifiers().testFlag(Qt::ControlModifier) &&
           (key->key() == Qt::Key_X || key->key() == Qt::Key_V || key->key() == Qt::Key_C);
}

}  // namespace

AutodialGrid::AutodialGrid(const Document& document, LanguageIndex language, Hooks hooks, QWidget* parent)
    : QTableWidget(kRows, 2, parent), document_(document), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, kNumberColumnPixels);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);

    // Row 0 and column 0 are fixed: drawn as headings, never current.
    const auto fixedCell = [this](int row, int column, const QString& text) {
        auto* cell = new QTableWidgetItem(text);
        cell->setFlags(Qt::NoItemFlags);
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setBackground(palette().button());
        cell->setForeground(palette().buttonText());
        setItem(row, column, cell);
    };
    fixedCell(0, 0, qs(text(DtmfText::NumberHeader, language)));
    fixedCell(0, 1, qs(text(DtmfText::MemoryHeader, language)));
    for (int n = 1; n <= kDtmfMemoryCount; ++n) {
        fixedCell(n, 0, QString::number(n));
        auto* cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setTextAlignment(Qt::AlignCenter);
        setItem(n, 1, cell);
    }
    int height = 2 * frameWidth();
    for (int r = 0; r < kRows; ++r) height += rowHeight(r);
    setMinimumHeight(height);

    editor_ = new QLineEdit(viewport());
    editor_->setObjectName(QStringLiteral("Text3"));
    editor_->setMaxLength(static_cast<int>(kDtmfMemoryLength));
    editor_->setAlignment(Qt::AlignCenter);
    editor_->setContextMenuPolicy(Qt::NoContextMenu);
    editor_->setAcceptDrops(false);
    // Only keys reach a memory: no input method composes other characters into it.
    editor_->setAttribute(Qt::WA_InputMethodEnabled, false);
    editor_->installEventFilter(this);
    editor_->hide();
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (memory_ >= 1 && hooks_.edited) hooks_.edited(memory_, typed.toStdString());
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (ready_ && row >= 1) startEditing(row);
    });
    // A click on the cell that is current already starts no cell change: it edits too.
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (ready_ && row >= 1) startEditing(row);
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeEditor(); });
    setCurrentCell(1, 1);
}

void AutodialGrid::showMemories() {
    ready_ = false;
    for (int n = 1; n <= kDtmfMemoryCount; ++n) showMemory(n);
    editor_->hide();
    ready_ = true;
}

void AutodialGrid::showMemory(int n) {
    const QString shown = qs(document_.options().dtmfMemory[static_cast<std::size_t>(n - 1)].clean());
    item(n, 1)->setText(shown);
    if (n == memory_ && editor_->text() != shown) {
        const int cursor = editor_->cursorPosition();
        editor_->setText(shown);
        editor_->setCursorPosition(cursor);
    }
}

void AutodialGrid::startEditing(int n) {
    if (n < 1 || n > kDtmfMemoryCount) return;
    const bool moved = memory_ != n;
    memory_ = n;
    if (currentRow() != n || currentColumn() != 1) setCurrentCell(n, 1);
    scrollToItem(item(n, 1));
    if (moved || !editor_->isVisible()) {
        editor_->setText(item(n, 1)->text());
        editor_->selectAll();
    }
    placeEditor();
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
}

void AutodialGrid::placeEditor() {
    if (memory_ < 1) return;
    QRect cell = visualRect(model()->index(memory_, 1));
    cell.setWidth(std::max(cell.width() - kEditorInsetPixels, 1));
    editor_->setGeometry(cell);
}

bool AutodialGrid::moveBy(int rows) {
    const int target = memory_ + rows;
    if (target < 1 || target > kDtmfMemoryCount) return false;
    startEditing(target);
    return true;
}

void AutodialGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (ready_) startEditing(currentRow() >= 1 ? currentRow() : 1);
}

void AutodialGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    placeEditor();
}

void AutodialGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    placeEditor();
}

bool AutodialGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_) return QTableWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // The middle button would paste the selection.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        case QEvent::InputMethod: return true;
        case QEvent::KeyPress: break;
        default: return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (isClipboardKey(key)) return true;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            // On to the next memory, as Tab goes on to the next control.
            if (!moveBy(1) && hooks_.leaveForward) hooks_.leaveForward();
            return true;
        case Qt::Key_Backtab:
            if (!moveBy(-1) && hooks_.leaveBackward) hooks_.leaveBackward();
            return true;
        case Qt::Key_Up: moveBy(-1); return true;
        case Qt::Key_Down: moveBy(1); return true;
        default: break;
    }
    const QString typed = key->text();
    if (typed.isEmpty()) return false;  // arrows, Home, Delete...
    if (typed.size() > 1) return true;  // beyond a single character of the basic plane
    const char16_t c = typed.at(0).unicode();
    const std::optional<char32_t> kept = dtmfEditorKey(c);
    if (!kept) return true;
    if (*kept == c) return false;
    // "a" to "d" go in as capitals, typed as the user would have.
    QKeyEvent capital(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(static_cast<char16_t>(*kept))));
    QCoreApplication::sendEvent(editor_, &capital);
    return true;
}

}  // namespace mv52
