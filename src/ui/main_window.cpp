#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <vector>

#include "app/port_settings.h"
#include "app/support_bundle.h"
#include "system/file_chooser.h"
#include "platform/support_facts.h"
#include "platform/zip_archive.h"
#include "app/decimal_symbol.h"
#include "app/settings.h"
#include "app/startup.h"
#include "app/window_placement.h"
#include "channels/channel_editing.h"
#include "document/workspace.h"
#include "lang/bilingual.h"
#include "lang/edit_texts.h"
#include "lang/link_texts.h"
#include "lang/language_tables.h"
#include "lang/main_window_texts.h"
#include "lang/messages.h"
#include "platform/port_names.h"
#include "platform/silent_tone_output.h"
#include "system/prompter.h"
#include "ui/about_dialog.h"
#include "ui/channel_table_window.h"
#include "ui/channel_window.h"
#include "ui/child_window_area.h"
#include "ui/command_bars.h"
#include "ui/document_view.h"
#include "ui/dtmf_window.h"
#include "ui/language_dialog.h"
#include "ui/left_pane.h"
#include "ui/message_box.h"
#include "ui/option_features_window.h"
#include "ui/port_dialog.h"
#include "ui/program_icon.h"
#include "ui/progress_window.h"
#include "ui/qt_translations.h"
#include "ui/roger_beep_window.h"
#include "ui/tone_lists_view.h"
#include "version/handover.h"

namespace mv52 {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMinimumPaneTwips = 300;
constexpr int kInitialPanePixels = 190;
constexpr int kTimerWriteMs = 20;
constexpr int kStepMessageMs = 5000;  // how long the status bar names an undone or redone step
constexpr int kNoteMs = 8000;         // how long it shows what a command did

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The name a failure of the row's handler is reported under.
std::string procedureName(const CommandRow& row) {
    switch (row.place) {
        case CommandPlace::Menu: return "frmMain_" + std::string(row.key) + "_Click";
        case CommandPlace::Toolbar: return "frmMain_tbToolBar_ButtonClick";
        case CommandPlace::Tree: return "frmMain_TreeView1_NodeClick";
    }
    return "frmMain";
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      app_(services_.app),
      children_([this] { cascadeChildWindows(); }),
      link_([profiles = &services_.profiles, path = services_.app.settingsPath](std::uint16_t comPort) {
          return devicePathForComPort(comPort, *profiles, path);
      }),
      log_(services_.app.logFolder, services_.clock) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(programIcon());
    setContextMenuPolicy(Qt::NoContextMenu);

    childArea_ = new ChildWindowArea(children_, this);
    leftPane_ = new LeftPane([this] { trap("frmMain_Toolbar1_ButtonClick", [this] { setPaneVisible(false); }); }, this);
    paneWidth_ = kInitialPanePixels;
    leftPane_->setFixedWidth(paneWidth_);
    splitter_ = new SplitterBar([this](int dx) { return moveSplitter(dx); }, this);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(leftPane_);
    row->addWidget(splitter_);
    row->addWidget(childArea_, 1);
    setCentralWidget(central);

    bars_ = std::make_unique<CommandBars>(*this, *leftPane_->tree(), [this](const CommandRow& r) { runRow(r); });
    connect(bars_->windowMenu(), &QMenu::aboutToShow, this, [this] { refreshWindowList(); });
    connect(childArea_, &QMdiArea::subWindowActivated, this, [this] { refreshClipboardActions(); });
    // Opening and closing a child window changes what the items act on as well.
    if (auto* edit = findChild<QMenu*>(QStringLiteral("mnuEdit")))
        connect(edit, &QMenu::aboutToShow, this, [this] { refreshClipboardActions(); });
    refreshClipboardActions();
    action("mnuVerifyAfterWrite")->setChecked(app_.settings.verifyAfterWrite);
    buildStatusBar();
    edits_ = new EditHistory(history_, app_.workspace->current, this);
    edits_->setChanged([this] { refreshUndoActions(); });

    timerWrite_ = new QTimer(this);
    timerWrite_->setObjectName(QStringLiteral("TimerWrite"));
    timerWrite_->setSingleShot(true);
    timerWrite_->setInterval(kTimerWriteMs);
    connect(timerWrite_, &QTimer::timeout, this, [this] {
        trap("frmMain_TimerWrite_Timer", [this] {
            timerWrite_->stop();
            session_->setComPort(app_.settings.comPort);
            session_->startWrite(app_.settings.verifyAfterWrite ? WriteVerify::On : WriteVerify::Off);
            rememberTransferPortIfDone();
            offerWriteAgain();
        });
    });

    const auto currentLanguage = [this] { return language(); };
    progress_ = new ProgressWindow(services_.prompter, currentLanguage, this);
    session_ = std::make_unique<LinkSession>(*app_.workspace, link_, waitTimer_, services_.prompter, *progress_, log_,
                                             app_.pending, app_.versions, currentLanguage, app_.settings.comPort,
                                             static_cast<LinkSessionHooks&>(*this));
    progress_->setCancelTransfer([this] { session_->stop(); });
    session_->setPortInspector(&portInspector_);

    documents_ = std::make_unique<DocumentCommands>(
        DocumentContext{*app_.workspace, app_.versions, services_.prompter, services_.files, services_.launcher,
                        app_.programFolder, services_.programFileName, currentLanguage},
        static_cast<DocumentWindow&>(*this));
    exchange_ = std::make_unique<ExchangeCommands>(*app_.workspace, services_.prompter, services_.files,
                                                   static_cast<DocumentWindow&>(*this), currentLanguage);
    print_ = std::make_unique<PrintCommands>(PrintContext{*app_.workspace, services_.prompter, services_.files, services_.clock,
                                                          this, currentLanguage,
                                                          [this](const std::string& note) { showNote(note); }});

    defineEditorWindows();

    // The load: placement, captions and tree, then a new document.
    trap("frmMain_MDIForm_Load", [this] {
        const WindowPlacement placement = loadWindowPlacement(services_.placementStore);
        move(static_cast<int>(placement.left / kTwipsPerPixel), static_cast<int>(placement.top / kTwipsPerPixel));
        resize(static_cast<int>(placement.width / kTwipsPerPixel), static_cast<int>(placement.height / kTwipsPerPixel));
        Change_Language();
        documents_->loadNewDocument();
    });
}

MainWindow::~MainWindow() {
    // The child windows tell the registry when they go; they must go while it exists.
    ending_ = true;
    delete childArea_;
    childArea_ = nullptr;
}

QMdiArea* MainWindow::mdiArea() const { return childArea_; }

LanguageIndex MainWindow::language() const { return app_.language(); }

void MainWindow::trap(const char* procedure, const std::function<void()>& body) {
    trapFailures(services_.prompter, procedure, body);
}

QAction* MainWindow::action(const char* name) const { return bars_->action(name); }

namespace {

// The open window of `name` whose content is a T, or nullptr.
template <typename T>
T* openContent(ChildWindowRegistry& children, const char* name) {
    auto* sub = dynamic_cast<QMdiSubWindow*>(children.find(name));
    return sub ? dynamic_cast<T*>(sub->widget()) : nullptr;
}

}  // namespace

void MainWindow::defineEditorWindows() {
    // An edit in one window is seen at once in the channel table, and an edit in the table in
    // the channel window: both show the same document.
    const auto noting = [this](const char* source) -> NoteEdit {
        return [this, source](StepName name, std::string key) {
            edits_->note(std::move(name), std::move(key));
            if (std::string_view(source) != kChannelTableWindow) {
                if (auto* table = openContent<ChannelTableWindow>(children_, kChannelTableWindow)) table->showDocument();
            } else if (auto* channels = openContent<ChannelWindow>(children_, kChannelEditorWindow)) {
                channels->followDocument();
            }
        };
    };
    defineChildWindow(
        kChannelTableWindow,
        [this, noting] {
            ChannelTableHooks hooks;
            hooks.edited = noting(kChannelTableWindow);
            hooks.status = [this](const std::string& message) { statusBar_->showMessage(qs(message), kNoteMs); };
            return new ChannelTableWindow(*app_.workspace, language(), services_.prompter, std::move(hooks));
        },
        [](QWidget* content) {
            if (auto* table = dynamic_cast<ChannelTableWindow*>(content)) table->commitPendingEdit();
        });
    defineChildWindow(
        kChannelEditorWindow,
        [this, noting] {
            ChannelWindowHooks hooks;
            hooks.bandChanged = [this] {
                setTitleBar();
                panel2_->setText(qs(statusBandText(app_.workspace->bandText)));
            };
            hooks.edited = noting(kChannelEditorWindow);
            hooks.noted = [this](const std::string& note) { showNote(note); };
            return new ChannelWindow(*app_.workspace, language(), services_.prompter, std::move(hooks));
        },
        // A frequency still being typed goes into the document before a write.
        [](QWidget* content) {
            if (auto* channels = dynamic_cast<ChannelWindow*>(content)) channels->SaveShowGridData();
        });
    defineChildWindow(kOptionFeaturesWindow, [this, noting] {
        OptionFeaturesHooks hooks;
        hooks.reopenChannelWindow = [this] {
            if (ChildWindow* channels = children_.find(kChannelEditorWindow)) channels->close();
            openChildWindow(kChannelEditorWindow);
        };
        hooks.channelModesChanged = [this] {
            if (auto* sub = dynamic_cast<QMdiSubWindow*>(children_.find(kChannelEditorWindow)))
                if (auto* channels = dynamic_cast<ChannelWindow*>(sub->widget())) channels->ReShowData();
        };
        hooks.edited = noting(kOptionFeaturesWindow);
        hooks.noted = [this](const std::string& note) { showNote(note); };
        return new OptionFeaturesWindow(app_.workspace->current, language(), std::move(hooks));
    });
    defineChildWindow(kRogerBeepWindow, [this, noting] {
        std::unique_ptr<ToneOutput> output = services_.toneOutput ? services_.toneOutput() : nullptr;
        if (!output) output = std::make_unique<SilentToneOutput>();
        RogerBeepHooks hooks;
        hooks.rogerEntriesChanged = [this] { showToneLists(true); };
        hooks.edited = noting(kRogerBeepWindow);
        return new RogerBeepWindow(app_.workspace->current, language(), std::move(output), services_.files,
                                   services_.prompter, std::move(hooks));
    });
    defineChildWindow(kDtmfWindow, [this, noting] {
        DtmfHooks hooks;
        hooks.dtmfMemoriesChanged = [this] { showToneLists(false); };
        hooks.edited = noting(kDtmfWindow);
        return new DtmfWindow(app_.workspace->current, language(), std::move(hooks));
    });
}

void MainWindow::showToneLists(bool roger) {
    for (const char* name : {kChannelEditorWindow, kOptionFeaturesWindow, kChannelTableWindow}) {
        auto* sub = dynamic_cast<QMdiSubWindow*>(children_.find(name));
        // A window without such lists, or none open, has nothing to refill.
        auto* view = sub ? dynamic_cast<ToneListsView*>(sub->widget()) : nullptr;
        if (view == nullptr) continue;
        if (roger)
            view->ShowRB();
        else
            view->ShowDTMF();
    }
}

void MainWindow::undoOrRedo(bool undo) {
    // A frequency still being typed is an edit of its own, and the first to go.
    children_.commitPendingEdits();
    edits_->flush();
    const DocumentHistory& history = edits_->history();
    if (undo ? !history.canUndo() : !history.canRedo()) return;
    const std::string name = undo ? history.undoName(language()) : history.redoName(language());
    const StepPlace place = undo ? edits_->undo() : edits_->redo();
    showDocumentAgain(place);
    statusBar_->showMessage(qs(editText(undo ? EditText::UndoStep : EditText::RedoStep, language(), name)),
                            kStepMessageMs);
}

void MainWindow::showDocumentAgain(const StepPlace& place) {
    Workspace& ws = *app_.workspace;
    ws.setBandFromWorkMode();
    setTitleBar();
    panel2_->setText(qs(statusBandText(ws.bandText)));
    const int m = shownWorkMode(ws.current);
    if (place.channel && place.workMode == m) {
        ws.current.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(place.group);
        ws.current.header.currentRow.at(m, place.group) = static_cast<std::int16_t>(place.channelNumber);
    }
    for (const std::string& name : children_.openNames()) {
        auto* sub = dynamic_cast<QMdiSubWindow*>(children_.find(name));
        if (auto* view = sub ? dynamic_cast<DocumentView*>(sub->widget()) : nullptr) view->showDocument();
    }
}

void MainWindow::refreshUndoActions() {
    const DocumentHistory& history = edits_->history();
    for (const bool undo : {true, false}) {
        QAction* a = action(undo ? "mnuUndo" : "mnuRedo");
        const bool can = undo ? history.canUndo() : history.canRedo();
        const std::string name = undo ? history.undoName(language()) : history.redoName(language());
        const QString tip =
            can ? qs(editText(undo ? EditText::UndoStep : EditText::RedoStep, language(), name)) : QString();
        a->setEnabled(can);
        a->setStatusTip(tip);
        a->setToolTip(tip);
    }
    // Every recorded step, undo and redo may change whether there is something to save.
    setTitleBar();
}

void MainWindow::documentReplaced() {
    edits_->reset();
    if (documents_) documents_->forgetOpenedFiles();
}

void MainWindow::showNote(const std::string& text) {
    // A passing word: a read's backup notice belongs to the read, and goes with the next word.
    panel1_->clear();
    statusBar_->showMessage(qs(text), kNoteMs);
}

void MainWindow::runImport(MainText caption, const std::function<bool()>& import) {
    // Edits made before are steps of their own; the whole import is one more.
    children_.commitPendingEdits();
    edits_->flush();
    if (!import()) return;
    edits_->note([caption](LanguageIndex l) { return withoutAccessKey(text(caption, l)); }, {});
    edits_->flush();
}

void MainWindow::openStartupFile(const std::string& path) {
    trap("frmMain_OpenStartupFile", [this, &path] { documents_->openFile(path); });
}

void MainWindow::runRow(const CommandRow& row) {
    const std::string procedure = procedureName(row);
    trap(procedure.c_str(), [this, &row] { runCommand(row.command); });
}

void MainWindow::runCommand(Command command) {
    switch (command) {
        case Command::None: return;
        case Command::New: documents_->newDocument(); return;
        case Command::NewWithoutQuestion: documents_->loadNewDocument(); return;
        case Command::Open: documents_->open(); return;
        case Command::Save: documents_->save(); return;
        case Command::SaveAs: documents_->saveAs(); return;
        // A frequency still being typed belongs to what is exported, and is not lost to an import.
        case Command::ImportChannels: runImport(MainText::ImportChannels, [this] { return exchange_->importChannels(); }); return;
        case Command::ExportChannels: children_.commitPendingEdits(); exchange_->exportChannels(); return;
        case Command::ImportConfiguration:
            runImport(MainText::ImportConfiguration, [this] { return exchange_->importConfiguration(); });
            return;
        case Command::ExportConfiguration: children_.commitPendingEdits(); exchange_->exportConfiguration(); return;
        case Command::Exit: QMainWindow::close(); return;
        case Command::ChannelInformation: openChildWindow(kChannelEditorWindow); return;
        case Command::OptionFeatures: openChildWindow(kOptionFeaturesWindow); return;
        case Command::RogerBeep: openChildWindow(kRogerBeepWindow); return;
        case Command::Dtmf: openChildWindow(kDtmfWindow); return;
        case Command::ReadFromRadio: startRead(); return;
        case Command::WriteToRadio: startWrite(); return;
        case Command::VerifyAfterWrite: setVerifyAfterWrite(action("mnuVerifyAfterWrite")->isChecked()); return;
        case Command::CommunicationPort: showCommSet(); return;
        case Command::LanguageSetup: showLanguageSetup(); return;
        case Command::InitialSetting: documents_->initialSetting(); return;
        case Command::TreeView: setPaneVisible(leftPane_->isHidden()); return;
        case Command::Toolbar: bars_->toolbar()->setVisible(action("mnuToolbar")->isChecked()); return;
        case Command::StatusBar: statusBar_->setVisible(action("mnuStatusBar")->isChecked()); return;
        case Command::Cascade: cascadeChildWindows(); return;
        case Command::CloseAllWindows: closeAllChildWindows(); return;
        case Command::About: showAbout(); return;
        case Command::SaveSupportInformation: saveSupportInformation(); return;
        case Command::Undo: undoOrRedo(true); return;
        case Command::Redo: undoOrRedo(false); return;
        case Command::Cut:
        case Command::Copy:
        case Command::Paste:
        case Command::Delete:
        case Command::SelectAll: channelClipboard(command); return;
        // The sheet shows what the editors hold, including an edit still in a box.
        case Command::Print: children_.commitPendingEdits(); print_->print(); return;
        case Command::PrintPreview: children_.commitPendingEdits(); print_->printPreview(); return;
        case Command::ExportPdf: children_.commitPendingEdits(); print_->exportPdf(); return;
        case Command::ChannelTable: openChildWindow(kChannelTableWindow); return;
    }
}

ChannelWindow* MainWindow::activeChannelWindow() const {
    if (childArea_ == nullptr) return nullptr;  // the window is being taken down
    auto* sub = dynamic_cast<QMdiSubWindow*>(children_.find(kChannelEditorWindow));
    // The active window, else the current one (the main window itself may not be active).
    QMdiSubWindow* front = childArea_->activeSubWindow();
    if (front == nullptr) front = childArea_->currentSubWindow();
    const bool frontmost = sub != nullptr && (front == sub || front == nullptr);
    return frontmost ? dynamic_cast<ChannelWindow*>(sub->widget()) : nullptr;
}

namespace {

// The channel table when it is the frontmost child window.
ChannelTableWindow* frontTable(QMdiArea* area, ChildWindowRegistry& children) {
    if (area == nullptr) return nullptr;
    auto* sub = dynamic_cast<QMdiSubWindow*>(children.find(kChannelTableWindow));
    QMdiSubWindow* front = area->activeSubWindow();
    if (front == nullptr) front = area->currentSubWindow();
    return sub != nullptr && front == sub ? dynamic_cast<ChannelTableWindow*>(sub->widget()) : nullptr;
}

}  // namespace

void MainWindow::channelClipboard(Command command) {
    if (ChannelTableWindow* table = frontTable(childArea_, children_)) {
        switch (command) {
            case Command::Cut: table->cutRows(); break;
            case Command::Copy: table->copyRows(); break;
            case Command::Paste: table->pasteRows(); break;
            case Command::Delete: table->deleteRows(); break;
            default: table->selectAllRows(); break;
        }
        return;
    }
    ChannelWindow* channels = activeChannelWindow();
    if (channels == nullptr) return;
    switch (command) {
        case Command::Cut: channels->cutRows(); break;
        case Command::Copy: channels->copyRows(); break;
        case Command::Paste: channels->pasteRows(); break;
        case Command::Delete: channels->deleteRows(); break;
        default: channels->selectAllRows(); break;
    }
}

void MainWindow::refreshClipboardActions() {
    // The items act on the channel grid: greyed while another window (or none) is active.
    if (!bars_) return;
    const bool grid = activeChannelWindow() != nullptr ||
                      frontTable(childArea_, children_) != nullptr;
    for (const char* name : {"mnuCut", "mnuCopy", "mnuPaste", "mnuDelete", "mnuSelectAll"}) action(name)->setEnabled(grid);
}

void MainWindow::buildStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("sbStatusBar"));
    setStatusBar(statusBar_);
    panel1_ = new QLabel(statusBar_);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panel2_ = new QLabel(statusBar_);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel3_ = new QLabel(statusBar_);
    panel3_->setObjectName(QStringLiteral("Panel3"));
    for (QLabel* panel : {panel2_, panel3_}) {
        panel->setContentsMargins(8, 0, 8, 0);
        panel->setAlignment(Qt::AlignCenter);
    }
    statusBar_->addWidget(panel1_, 1);
    statusBar_->addPermanentWidget(panel2_);
    statusBar_->addPermanentWidget(panel3_);
}

bool MainWindow::moveSplitter(int dx) {
    const int newWidth = paneWidth_ + dx;
    const int inner = centralWidget() ? centralWidget()->width() : width();
    if (newWidth * kTwipsPerPixel < kMinimumPaneTwips || newWidth > inner) return false;
    paneWidth_ = newWidth;
    leftPane_->setFixedWidth(paneWidth_);
    // The bar follows at once, so the next pointer offset is measured from its new place.
    if (QLayout* layout = centralWidget() ? centralWidget()->layout() : nullptr) layout->activate();
    return true;
}

void MainWindow::setPaneVisible(bool visible) {
    leftPane_->setVisible(visible);
    splitter_->setVisible(visible);
    action("mnuTreeView")->setChecked(visible);
}

void MainWindow::Change_Language() {
    const LanguageIndex lang = language();
    useQtTranslations(lang);
    // Status bar panels 2 and 3.
    panel2_->setText(qs(statusBandText(app_.workspace->bandText)));
    refreshPortPanel();
    showBackupInStatusBar();
    loadBackgroundPicture();
    setTitleBar();
    bars_->retranslate(lang, leftPane_->label()->text());
    refreshUndoActions();
    // Named for assistive technology by the View menu's items that show and hide them.
    leftPane_->tree()->setAccessibleName(qs(withoutAccessKey(text(MainText::TreeView, lang))));
    panel1_->setAccessibleName(qs(withoutAccessKey(text(MainText::StatusBar, lang))));
}

void MainWindow::refreshPortPanel() { panel3_->setText(qs(portText(app_.settings.comPort, language()))); }

void MainWindow::loadBackgroundPicture() {
    const QString path = qs(app_.programFolder) + QStringLiteral("/PIC/BK_") +
                         QString::number(static_cast<int>(language())) + QStringLiteral(".jpg");
    backgroundPath_ = childArea_->setBackgroundPicture(path) ? path : QString();
}

void MainWindow::setTitleBar() { setWindowTitle(qs(documentTitle(*app_.workspace, language()))); }

void MainWindow::checkLanguageChange() {
    if (!app_.settings.language.takePendingChange()) return;
    // The channel table comes back in the new language when it was open.
    const bool table = children_.find(kChannelTableWindow) != nullptr;
    Change_Language();
    closeAllChildWindows();
    openChannelEditor();
    if (table) openChildWindow(kChannelTableWindow);
    cascadeChildWindows();
}

void MainWindow::defineChildWindow(const std::string& name, std::function<QWidget*()> make,
                                   std::function<void(QWidget*)> commit) {
    children_.define(name, [this, name, make = std::move(make), commit = std::move(commit)]() -> ChildWindow* {
        QWidget* content = make ? make() : nullptr;
        if (content == nullptr) return nullptr;
        return childArea_->addChild(qs(name), content, commit);
    });
}

ChildOpenResult MainWindow::openChildWindow(const std::string& name) {
    const ChildOpenResult result = children_.open(name);
    refreshClipboardActions();
    return result;
}

void MainWindow::closeAllChildWindows() {
    children_.closeAll();
    refreshClipboardActions();
}

void MainWindow::cascadeChildWindows() {
    if (childArea_) childArea_->cascadeSubWindows();
}

void MainWindow::openChannelEditor() { openChildWindow(kChannelEditorWindow); }

void MainWindow::refreshWindowList() {
    QMenu* menu = bars_->windowMenu();
    for (QAction* a : menu->actions())
        if (a->objectName().startsWith(QLatin1String("mnuWindowList"))) {
            menu->removeAction(a);
            a->deleteLater();
        }
    const std::vector<std::string> names = children_.openNames();
    bars_->windowListSeparator()->setVisible(!names.empty());
    int n = 0;
    for (const std::string& name : names) {
        auto* sub = dynamic_cast<QMdiSubWindow*>(children_.find(name));
        if (sub == nullptr) continue;
        ++n;
        const QString title = sub->windowTitle().isEmpty() ? qs(name) : sub->windowTitle();
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(n).arg(title));
        a->setObjectName(QStringLiteral("mnuWindowList%1").arg(n));
        a->setCheckable(true);
        a->setChecked(childArea_->activeSubWindow() == sub);
        connect(a, &QAction::triggered, this, [this, name] {
            trap("frmMain_mnuWindowList_Click", [this, name] {
                if (ChildWindow* w = children_.find(name)) w->focus();
            });
        });
    }
}

void MainWindow::startRead() {
    session_->setComPort(app_.settings.comPort);
    session_->startRead();
    rememberTransferPortIfDone();
}

void MainWindow::rememberTransferPortIfDone() {
    if (session_->running() || !session_->lastSucceeded()) return;
    for (const PortEntry& e : services_.ports.ports())
        if (e.comPort == session_->comPort()) {
            rememberTransferPort(services_.profiles, app_.settingsPath, portIdentity(e));
            return;
        }
}

void MainWindow::startWrite() {
    // Pending edits of the editors go into the document before it is encoded.
    children_.commitPendingEdits();
    if (!documents_->confirmWrite()) return;
    timerWrite_->start();
}

void MainWindow::offerWriteAgain() {
    // A write the user stopped left the radio partly written: say how far it got and offer
    // to write it completely.
    if (session_->running() || !session_->stoppedByUser()) return;
    const LanguageIndex lang = language();
    const std::string question =
        substitute(text(LinkText::WriteStopped, lang),
                   {std::to_string(session_->blocksWritten()), std::to_string(RadioImage::kBlockCount)}) +
        "\r\n" + text(LinkText::WriteStoppedAgain, lang);
    if (services_.prompter.ask(question, MessageButtons::YesNo, MessageIcon::Warning) == PromptAnswer::Yes)
        startWrite();
}

void MainWindow::setVerifyAfterWrite(bool verify) {
    app_.settings.verifyAfterWrite = verify;
    storeVerifyAfterWrite(services_.profiles, app_.settingsPath, verify);
}

void MainWindow::showCommSet() {
    if (runPortDialog(this, app_, services_.profiles, services_.ports, &log_)) refreshPortPanel();
}

void MainWindow::showLanguageSetup() {
    runLanguageDialog(this, app_, services_.profiles);
    // The change takes effect as the window becomes active again; checking here as well
    // makes it independent of the window system's activation order.
    checkLanguageChange();
}

void MainWindow::saveSupportInformation() {
    const LanguageIndex lang = language();
    const auto path = services_.files.chooseSave(text(LinkText::SupportFilter, lang), "mv52-support.zip");
    if (!path) return;
    // The data file pair holds the radio's whole configuration: only when the user says so.
    std::optional<std::string> pair;
    const Workspace& ws = *app_.workspace;
    if (!ws.untitled && std::filesystem::exists(ws.fileName) &&
        services_.prompter.ask(substitute(text(LinkText::SupportIncludeData, lang), {ws.fileName}),
                               MessageButtons::YesNo, MessageIcon::Question) == PromptAnswer::Yes)
        pair = ws.fileName;
    const std::vector<BundleFile> files =
        supportBundleFiles(app_.programFolder, app_.logFolder, app_.settingsPath, versionFilePath(app_.programFolder),
                           systemSupportFacts(services_.ports, app_.settings.comPort, lang), pair);
    std::string error;
    if (writeZipArchive(*path, files, error))
        statusBar_->showMessage(qs(substitute(text(LinkText::SupportSaved, lang), {*path})));
    else
        services_.prompter.ask(substitute(text(LinkText::SupportFailed, lang), {*path, error}), MessageButtons::Ok,
                               MessageIcon::Error);
}

void MainWindow::showAbout() {
    showAboutDialog(this, language(), {app_.settingsPath, app_.logFolder, app_.perUserFiles});
}

void MainWindow::beforeReadDecode() { closeAllChildWindows(); }

void MainWindow::afterRead() {
    backUpTheRead();
    setTitleBar();
    Change_Language();
    openChannelEditor();
    cascadeChildWindows();
    documentReplaced();
}

void MainWindow::backUpTheRead() {
    // The read is the one copy of the radio's configuration until the user saves it; its
    // failure is reported, the read stands.
    lastBackup_ = saveReadBackup(*app_.workspace, services_.backupFolder, services_.clock, language());
    if (lastBackup_->saved) return;
    const MessageStyle style = messageStyle(MessageKey::MsgBackupFailed);
    services_.prompter.ask(backupText(false, lastBackup_->path, lastBackup_->reason, language()), style.buttons,
                           style.icon);
}

void MainWindow::showBackupInStatusBar() {
    if (lastBackup_)
        panel1_->setText(qs(backupText(lastBackup_->saved, lastBackup_->path, lastBackup_->reason, language())));
}

void MainWindow::handOverToVersion(const std::string& firmwareVersion) {
    const HandoverContext handover{app_.versions,
                                   installationFolder(app_.programFolder),
                                   services_.programFileName,
                                   services_.launcher,
                                   services_.prompter,
                                   language(),
                                   [this] { link_.close(); }};
    mv52::handOverToVersion(handover, firmwareVersion, [this] { endProgramNow(); });
}

void MainWindow::endProgramNow() {
    ending_ = true;
    if (services_.endProgram) {
        services_.endProgram();
        return;
    }
    // The other version runs already: this one ends here, without a question or a save.
    std::fflush(nullptr);
    std::_Exit(0);
}

bool MainWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !ending_)
        trap("frmMain_MDIForm_Activate", [this] { checkLanguageChange(); });
    return QMainWindow::event(e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // A transfer owns the window until it ends (its progress window is modal).
    if (session_ && session_->running()) {
        e->ignore();
        return;
    }
    bool goAhead = false;
    trap("frmMain_MDIForm_QueryUnload", [&] { goAhead = documents_->queryClose(); });
    if (!goAhead) {
        e->ignore();
        return;
    }
    trap("frmMain_MDIForm_Unload", [this] {
        closeAllChildWindows();
        const QPoint at = pos();
        const QSize size = this->size();
        saveWindowPlacement(services_.placementStore,
                            {static_cast<double>(at.x() * kTwipsPerPixel), static_cast<double>(at.y() * kTwipsPerPixel),
                             static_cast<double>(size.width() * kTwipsPerPixel),
                             static_cast<double>(size.height() * kTwipsPerPixel)},
                            isMinimized());
        restoreDecimalSymbol(services_.locale, app_.decimalSymbol);
    });
    e->accept();
}

}  // namespace mv52
