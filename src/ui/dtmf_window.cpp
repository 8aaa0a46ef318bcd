#include "ui/dtmf_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "document/document.h"
#include "lang/language_tables.h"
#include "tones/dtmf_controls.h"
#include "tones/references.h"
#include "ui/autodial_grid.h"
#include "ui/control_binder.h"
#include "ui/message_box.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QComboBox* fixedList(const std::vector<std::string>& items, const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string& item : items) list->addItem(qs(item));
    return list;
}

}  // namespace

DtmfWindow::DtmfWindow(Document& document, LanguageIndex language, DtmfHooks hooks, QWidget* parent)
    : QWidget(parent), document_(document), language_(language), hooks_(std::move(hooks)) {
    // The child window around it carries the name FrmDTMF.
    setObjectName(QStringLiteral("FrmDTMF_content"));
    setWindowTitle(qs(text(DtmfText::Title, language_)));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    // The tabs have no label of their own: assistive technology names them by the window.
    tabs_->setAccessibleName(windowTitle());
    tabs_->addTab(encodePage(), qs(text(DtmfText::EncodeTab, language_)));
    tabs_->addTab(decodePage(), qs(text(DtmfText::DecodeTab, language_)));
    tabs_->addTab(autodialPage(), qs(text(DtmfText::AutodialTab, language_)));
    tabs_->setCurrentIndex(0);

    close_ = new QPushButton(qs(text(SharedText::Close, language_)), this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, [this] {
        trapFailures("FrmDTMF_CommandClose_Click", [this] {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
                sub->close();
            else
                close();
        });
    });
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(tabs_, 1);
    page->addWidget(close_, 0, Qt::AlignRight);

    // Opening: captions are set above; the settings and the memories, then ready.
    binder_->setCaptions();
    binder_->showAll();
    grid_->showMemories();
}

QWidget* DtmfWindow::encodePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SSTab1_Encode"));
    binder_ = new ControlBinder(dtmfEncodeControls(), document_, [this] { return language_; }, "FrmDTMF_Combo1_Click",
                                page);
    binder_->setWritten([this](const ControlRow& row, unsigned) {
        if (hooks_.edited) hooks_.edited(controlStepName(row), {});
    });
    auto* rows = labelledRows(6);
    for (const ControlRow& row : binder_->rows()) {
        QWidget* w = binder_->widget(row.objectName);
        if (QLabel* label = binder_->label(row.objectName))
            rows->addRow(label, w);
        else
            rows->addRow(QString(), w);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(rows);
    layout->addStretch(1);
    return page;
}

// Built as the radio's decoder menu reads, every control disabled: the document holds none
// of these settings, so nothing here could be stored or written to a radio.
QWidget* DtmfWindow::decodePage() {
    const LanguageIndex l = language_;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SSTab1_Decode"));
    const QString notStored = qs(text(DtmfText::DecodeNotStored, l));
    page->setToolTip(notStored);

    auto* rows = labelledRows(6);
    auto* idCode = new QLineEdit(qs(text(DtmfText::IdCodeInitial, l)), page);
    idCode->setObjectName(QStringLiteral("TextIdCode"));
    rows->addRow(qs(text(DtmfText::IdCode, l)), idCode);
    rows->addRow(qs(text(DtmfText::GroupCode, l)), fixedList(items(DtmfList::GroupCode, l), "ComboGroupCode", page));
    rows->addRow(qs(text(DtmfText::AutoResetTimer, l)),
                 fixedList(items(DtmfList::AutoResetTimer, l), "ComboAutoResetTimer", page));
    rows->addRow(qs(text(DtmfText::CallAlert, l)), fixedList(items(DtmfList::CallAlert, l), "ComboCallAlert", page));
    rows->addRow(qs(text(DtmfText::Transpond, l)), fixedList(items(DtmfList::Transpond, l), "ComboTranspond", page));
    auto* clear = new QCheckBox(qs(text(DtmfText::ClearToTranspond, l)), page);
    clear->setObjectName(QStringLiteral("CheckClearToTranspond"));
    rows->addRow(QString(), clear);

    auto* stun = new QGroupBox(qs(text(DtmfText::StunFrame, l)), page);
    stun->setObjectName(QStringLiteral("FrameStun"));
    auto* stunRows = labelledRows(6);
    auto* stunCode = new QLineEdit(stun);
    stunCode->setObjectName(QStringLiteral("TextStunCode"));
    stunRows->addRow(qs(text(DtmfText::StunCode, l)), stunCode);
    stunRows->addRow(qs(text(DtmfText::StunType, l)), fixedList(items(DtmfList::StunType, l), "ComboStunType", stun));
    stun->setLayout(stunRows);

    // Said on the page itself, not greyed: why nothing here can be changed.
    auto* why = new QLabel(notStored);
    why->setObjectName(QStringLiteral("LabelDecodeNotStored"));
    why->setWordWrap(true);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(rows);
    layout->addWidget(stun);
    layout->addStretch(1);
    for (QWidget* w : page->findChildren<QWidget*>()) {
        w->setEnabled(false);
        w->setToolTip(notStored);
    }
    layout->insertWidget(0, why);
    return page;
}

QWidget* DtmfWindow::autodialPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SSTab1_Autodial"));
    AutodialGrid::Hooks hooks;
    hooks.edited = [this](int n, const std::string& typed) { memoryEdited(n, typed); };
    hooks.leaveForward = [this] { close_->setFocus(Qt::TabFocusReason); };
    hooks.leaveBackward = [this] { tabs_->tabBar()->setFocus(Qt::BacktabFocusReason); };
    grid_ = new AutodialGrid(document_, language_, std::move(hooks), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid_);
    return page;
}

void DtmfWindow::memoryEdited(int n, const std::string& typed) {
    trapFailures("FrmDTMF_Text3_Change", [&] {
        dtmfMemoryControl(n).write(document_, {0, typed});
        grid_->showMemory(n);
        SetDTMFList();
        // Typing into one memory is one step until another memory or control is edited.
        if (hooks_.edited)
            hooks_.edited(stepNameOf(EditText::DtmfMemoryStep, std::to_string(n)), "dtmf-memory-" + std::to_string(n));
    });
}

void DtmfWindow::showDocument() {
    binder_->showAll();
    grid_->showMemories();
}

void DtmfWindow::SetDTMFList() {
    cleanDtmfReferences(document_);
    if (hooks_.dtmfMemoriesChanged) hooks_.dtmfMemoriesChanged();
}

}  // namespace mv52
