#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/about_dialog.h"
#include "app/com_set_dialog.h"
#include "app/decimal_symbol.h"
#include "app/message_box_dialog.h"
#include "app/prompter.h"
#include "app/settings.h"
#include "app/startup.h"
#include "app/window_placement.h"
#include "lang/language_tables.h"
#include "lang/main_window_texts.h"
#include "lang/messages.h"
#include "lang/set_language_dialog.h"
#include "link/progress_window.h"
#include "platform/port_names.h"
#include "version/handover.h"

namespace mv52 {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMinimumPaneTwips = 300;
constexpr int kInitialPanePixels = 190;
constexpr int kSplitterPixels = 5;
constexpr int kTimerWriteMs = 20;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A menu caption as a tooltip shows it: without the access-key marker ("&New" gives "New",
// "新建(&N)" gives "新建").
QString withoutAccessKey(const std::string& caption) {
    QString s = qs(caption);
    s.remove(QRegularExpression(QStringLiteral("\\(&[^)]\\)")));
    s.remove(QLatin1Char('&'));
    return s.trimmed();
}

// The menu: every entry of the main window's text table has an action; only the items the
// window offers are visible.
struct MenuEntry {
    enum Kind { Item, Separator, RogerBeep };
    Kind kind;
    MainText text;
    const char* name;
    bool offered;
};

struct MenuDefinition {
    MainText text;
    const char* name;
    bool offered;
    std::vector<MenuEntry> entries;
};

MenuEntry item(MainText text, const char* name, bool offered = true) { return {MenuEntry::Item, text, name, offered}; }
MenuEntry hidden(MainText text, const char* name) { return item(text, name, false); }
MenuEntry separator() { return {MenuEntry::Separator, MainText::File, nullptr, true}; }

std::vector<MenuDefinition> menuDefinitions() {
    using T = MainText;
    return {
        {T::File, "mnuFile", true,
         {item(T::New, "mnuNew"), item(T::Open, "mnuOpen"), item(T::Save, "mnuSave"), item(T::SaveAs, "mnuSaveAs"),
          hidden(T::Print, "mnuPrint"), separator(), item(T::Exit, "mnuExit")}},
        {T::Model, "mnuModel", false,
         {hidden(T::ModelInformation, "mnuModelInformation"), hidden(T::Band, "mnuBand"),
          hidden(T::CheckAllChannelFrequency, "mnuCheckAllChannelFrequency")}},
        {T::Edit, "mnuEdit", true,
         {item(T::ChannelInformation, "mnuChannelInformation"), separator(),
          item(T::OptionFeatures, "mnuOptionFeatures"), {MenuEntry::RogerBeep, T::Edit, "mnuRogerBeep", true},
          hidden(T::KeyAssignment, "mnuKeyAssignment"), hidden(T::ScanInformation, "mnuScanInformation"),
          hidden(T::Dtmf, "mnuDtmf"), hidden(T::FleetSync, "mnuFleetSync"),
          hidden(T::TestFrequence, "mnuTestFrequence"), hidden(T::LocalInformation, "mnuLocalInformation"),
          hidden(T::EmbeddedMessage, "mnuEmbeddedMessage")}},
        {T::Program, "mnuProgram", true,
         {item(T::ReadFromRadio, "mnuReadFromRadio"), item(T::WriteToRadio, "mnuWriteToRadio"),
          hidden(T::TestMode, "mnuTestMode")}},
        {T::Tools, "mnuTools", false,
         {hidden(T::RadioInformation, "mnuRadioInformation"),
          hidden(T::SetRadioInformation, "mnuSetRadioInformation")}},
        {T::Setup, "mnuSetup", true,
         {item(T::CommunicationPort, "mnuCommunicationPort"), item(T::LanguageSetup, "mnuLanguageSetup"),
          item(T::InitialSetting, "mnuInitialSetting")}},
        {T::View, "mnuView", true,
         {item(T::TreeView, "mnuTreeView"), separator(), item(T::Toolbar, "mnuToolbar"),
          item(T::StatusBar, "mnuStatusBar")}},
        {T::Window, "mnuWindow", true,
         {item(T::Cascade, "mnuCascade"), hidden(T::TileWindowsVertically, "mnuTileWindowsVertically"),
          hidden(T::TileWindowsHorizontally, "mnuTileWindowsHorizontally"),
          hidden(T::ArrangeIcons, "mnuArrangeIcons"), separator(), item(T::CloseAllWindows, "mnuCloseAllWindows")}},
        {T::Help, "mnuHelp", true, {hidden(T::HelpTopics, "mnuHelpTopics"), item(T::About, "mnuAbout")}},
    };
}

// The main toolbar by position; an empty key is a separator.
struct ToolbarButton {
    const char* key;
    const char* name;
    MainText tooltip;
    QStyle::StandardPixmap icon;
};

constexpr ToolbarButton kToolbarButtons[] = {
    {"新建", "tbNew", MainText::New, QStyle::SP_FileIcon},
    {"打开", "tbOpen", MainText::Open, QStyle::SP_DialogOpenButton},
    {"保存", "tbSave", MainText::Save, QStyle::SP_DialogSaveButton},
    {"", "tbSeparator4", MainText::File, QStyle::SP_CustomBase},
    {"打印", "tbPrint", MainText::Print, QStyle::SP_FileDialogContentsView},
    {"", "tbSeparator6", MainText::File, QStyle::SP_CustomBase},
    {"ReadRadio", "tbReadRadio", MainText::ReadFromRadio, QStyle::SP_ArrowDown},
    {"CommSet", "tbCommSet", MainText::CommunicationPort, QStyle::SP_ComputerIcon},
    {"WriteRadio", "tbWriteRadio", MainText::WriteToRadio, QStyle::SP_ArrowUp},
    {"", "tbSeparator10", MainText::File, QStyle::SP_CustomBase},
    {"MWriteRadio", "tbMWriteRadio", MainText::File, QStyle::SP_ArrowUp},
    {"", "tbSeparator12", MainText::File, QStyle::SP_CustomBase},
    {"About", "tbAbout", MainText::About, QStyle::SP_MessageBoxInformation},
};

// The navigation tree: key, and the window a click opens (none for the root).
struct TreeNode {
    const char* key;
    const char* window;
};
constexpr TreeNode kTreeNodes[] = {
    {"N1", kChannelEditorWindow},
    {"N2", kOptionFeaturesWindow},
    {"N12", kRogerBeepWindow},
    {"N5", kDtmfWindow},
};

// A child window in the frame. The registry learns of its end from its close and, should it
// be deleted some other way, from its destruction.
class MdiChild final : public QMdiSubWindow, public ChildWindow {
public:
    MdiChild(ChildWindowRegistry& registry, std::function<void(QWidget*)> commit)
        : registry_(registry), commit_(std::move(commit)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }
    ~MdiChild() override { registry_.windowClosed(this); }

    void focus() override {
        if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
        if (isMinimized()) showNormal();
        setFocus();
    }
    void close() override { QMdiSubWindow::close(); }
    void commitPendingEdit() override {
        if (commit_) commit_(widget());
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted()) registry_.windowClosed(this);
    }

private:
    ChildWindowRegistry& registry_;
    std::function<void(QWidget*)> commit_;
};

// CommandMove: the thin bar between the left pane and the frame. While dragging, each move
// offers the pointer's offset from where it grabbed the bar; an accepted offset moves the
// bar with the pane's edge, a refused one leaves both where they are.
class SplitterBar final : public QWidget {
public:
    SplitterBar(std::function<bool(int)> move, QWidget* parent) : QWidget(parent), move_(std::move(move)) {
        setCursor(Qt::SizeHorCursor);
        setFixedWidth(kSplitterPixels);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        dragging_ = true;
        grabX_ = event->position().toPoint().x();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (dragging_) move_(event->position().toPoint().x() - grabX_);
    }
    void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().button());
        p.setPen(palette().mid().color());
        p.drawLine(width() - 1, 0, width() - 1, height());
    }

private:
    std::function<bool(int)> move_;
    bool dragging_ = false;
    int grabX_ = 0;
};

// Adds the system's reason to "Cannot Open Communication Port." when the prompter can show it.
class LinkPrompter final : public Prompter {
public:
    LinkPrompter(Prompter& inner, std::function<std::string()> reason, std::function<LanguageIndex()> language)
        : inner_(inner), reason_(std::move(reason)), language_(std::move(language)) {}

    PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override {
        if (text == messageText(MessageKey::MsgCannotOpenPort, language_()))
            if (auto* detailed = dynamic_cast<DetailPrompter*>(&inner_))
                if (const std::string reason = reason_(); !reason.empty())
                    return detailed->askWithDetail(text, reason, buttons, icon);
        return inner_.ask(text, buttons, icon);
    }

private:
    Prompter& inner_;
    std::function<std::string()> reason_;
    std::function<LanguageIndex()> language_;
};

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size / 64.0;
        p.scale(s, s);
        // The radio's body, its display and a knob; an antenna above.
        p.setPen(QPen(QColor(0x1F, 0x3A, 0x5F), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(46, 20), QPointF(54, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1F, 0x3A, 0x5F));
        p.drawRoundedRect(QRectF(4, 20, 56, 36), 7, 7);
        p.setBrush(QColor(0x7F, 0xD6, 0xA0));
        p.drawRoundedRect(QRectF(10, 27, 30, 13), 2.5, 2.5);
        p.setBrush(QColor(0xE8, 0xEE, 0xF5));
        p.drawEllipse(QPointF(50, 38), 6.5, 6.5);
        p.setBrush(QColor(0x1F, 0x3A, 0x5F));
        p.drawEllipse(QPointF(50, 38), 2, 2);
        p.setBrush(QColor(0xE8, 0xEE, 0xF5));
        for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRectF(10 + i * 8, 45, 6, 5), 1, 1);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      app_(services_.app),
      children_([this] { cascadeChildWindows(); }),
      link_([profiles = &services_.profiles, path = services_.app.settingsPath](std::uint16_t comPort) {
          return devicePathForComPort(comPort, *profiles, path);
      }),
      log_(services_.app.programFolder, services_.clock) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(programIcon());

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    buildLeftPane();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(picture1_);
    row->addWidget(commandMove_);
    row->addWidget(mdiArea_, 1);
    setCentralWidget(central);

    buildMenus();
    buildToolbar();
    buildStatusBar();

    timerWrite_ = new QTimer(this);
    timerWrite_->setObjectName(QStringLiteral("TimerWrite"));
    timerWrite_->setSingleShot(true);
    timerWrite_->setInterval(kTimerWriteMs);
    connect(timerWrite_, &QTimer::timeout, this, [this] {
        trap("frmMain_TimerWrite_Timer", [this] {
            timerWrite_->stop();
            session_->setComPort(app_.settings.comPort);
            session_->startWrite();
        });
    });

    const auto currentLanguage = [this] { return language(); };
    progress_ = new FrmProgress(services_.prompter, currentLanguage, this);
    linkPrompter_ = std::make_unique<LinkPrompter>(
        services_.prompter, [this] { return session_ ? session_->openFailureReason() : std::string(); },
        currentLanguage);
    session_ = std::make_unique<LinkSession>(*app_.workspace, link_, waitTimer_, *linkPrompter_, *progress_, log_,
                                             app_.pending, app_.versions, currentLanguage, app_.settings.comPort,
                                             static_cast<LinkSessionHooks&>(*this));
    progress_->setCancelTransfer([this] { session_->cancel(); });

    documents_ = std::make_unique<DocumentCommands>(
        DocumentContext{*app_.workspace, app_.versions, services_.prompter, services_.files, services_.launcher,
                        app_.programFolder, services_.programFileName, currentLanguage},
        static_cast<DocumentWindow&>(*this));

    // The load: placement, captions and tree, then a new document.
    trap("frmMain_MDIForm_Load", [this] {
        const WindowPlacement placement = loadWindowPlacement(services_.placementStore);
        move(static_cast<int>(placement.left / kTwipsPerPixel), static_cast<int>(placement.top / kTwipsPerPixel));
        resize(static_cast<int>(placement.width / kTwipsPerPixel), static_cast<int>(placement.height / kTwipsPerPixel));
        Change_Language();
        LoadNewDoc();
    });
}

MainWindow::~MainWindow() {
    // The child windows tell the registry when they go; they must go while it exists.
    ending_ = true;
    delete mdiArea_;
    mdiArea_ = nullptr;
}

LanguageIndex MainWindow::language() const { return app_.language(); }

void MainWindow::trap(const char* procedure, const std::function<void()>& body) {
    trapFailures(services_.prompter, procedure, body);
}

QAction* MainWindow::action(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const MenuDefinition& def : menuDefinitions()) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(def.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(def.name));
        menu->menuAction()->setData(static_cast<int>(def.text));
        menu->menuAction()->setVisible(def.offered);
        for (const MenuEntry& entry : def.entries) {
            if (entry.kind == MenuEntry::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(QString());
            a->setObjectName(QString::fromLatin1(entry.name));
            if (entry.kind == MenuEntry::Item) a->setData(static_cast<int>(entry.text));
            a->setVisible(entry.offered);
            a->setEnabled(entry.offered);
        }
        if (def.text == MainText::Window) {
            windowMenu_ = menu;
            windowListSeparator_ = menu->addSeparator();
            windowListSeparator_->setVisible(false);
            connect(menu, &QMenu::aboutToShow, this, [this] { refreshWindowList(); });
        }
    }

    action("mnuNew")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    action("mnuOpen")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    for (const char* name : {"mnuTreeView", "mnuToolbar", "mnuStatusBar"}) {
        action(name)->setCheckable(true);
        action(name)->setChecked(true);
    }

    const auto command = [this](const char* name, const char* procedure, std::function<void()> body) {
        connect(action(name), &QAction::triggered, this,
                [this, procedure, body = std::move(body)] { trap(procedure, body); });
    };
    command("mnuNew", "frmMain_mnuNew_Click", [this] { documents_->New(); });
    command("mnuOpen", "frmMain_mnuOpen_Click", [this] { documents_->Open(); });
    command("mnuSave", "frmMain_mnuSave_Click", [this] { documents_->Save(); });
    command("mnuSaveAs", "frmMain_mnuSaveAs_Click", [this] { documents_->SaveAs(); });
    command("mnuExit", "frmMain_mnuExit_Click", [this] { QMainWindow::close(); });
    command("mnuChannelInformation", "frmMain_mnuChannelInformation_Click",
            [this] { openChildWindow(kChannelEditorWindow); });
    command("mnuOptionFeatures", "frmMain_mnuOptionFeatures_Click", [this] { openChildWindow(kOptionFeaturesWindow); });
    command("mnuRogerBeep", "frmMain_mnuRogerBeep_Click", [this] { openChildWindow(kRogerBeepWindow); });
    command("mnuReadFromRadio", "frmMain_mnuReadFromRadio_Click", [this] { startRead(); });
    command("mnuWriteToRadio", "frmMain_mnuWriteToRadio_Click", [this] { startWrite(); });
    command("mnuCommunicationPort", "frmMain_mnuCommunicationPort_Click", [this] { showCommSet(); });
    command("mnuLanguageSetup", "frmMain_mnuLanguageSetup_Click", [this] { showLanguageSetup(); });
    command("mnuInitialSetting", "frmMain_mnuInitialSetting_Click", [this] { documents_->InitialSetting(); });
    command("mnuTreeView", "frmMain_mnuTreeView_Click", [this] { setPaneVisible(picture1_->isHidden()); });
    command("mnuToolbar", "frmMain_mnuToolbar_Click",
            [this] { toolbar_->setVisible(action("mnuToolbar")->isChecked()); });
    command("mnuStatusBar", "frmMain_mnuStatusBar_Click",
            [this] { statusBar_->setVisible(action("mnuStatusBar")->isChecked()); });
    command("mnuCascade", "frmMain_mnuCascade_Click", [this] { cascadeChildWindows(); });
    command("mnuCloseAllWindows", "frmMain_mnuCloseAllWindows_Click", [this] { closeAllChildWindows(); });
    command("mnuAbout", "frmMain_mnuAbout_Click", [this] { showAbout(); });
}

void MainWindow::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    // The toolbar's own show/hide menu would bypass the View menu's check mark.
    toolbar_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    for (const ToolbarButton& b : kToolbarButtons) {
        const QString key = QString::fromUtf8(b.key);
        QAction* a = key.isEmpty() ? toolbar_->addSeparator() : toolbar_->addAction(style()->standardIcon(b.icon), QString());
        a->setObjectName(QString::fromLatin1(b.name));
        if (key.isEmpty()) continue;
        a->setData(key);
        connect(a, &QAction::triggered, this, [this, key] {
            trap("frmMain_tbToolBar_ButtonClick", [this, key] { onToolbarButton(key); });
        });
    }
    // "MWriteRadio" is never offered; the separator after it would only double the one before.
    action("tbMWriteRadio")->setVisible(false);
    action("tbSeparator12")->setVisible(false);
}

void MainWindow::buildLeftPane() {
    picture1_ = new QFrame(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    paneWidth_ = kInitialPanePixels;
    picture1_->setFixedWidth(paneWidth_);

    label1_ = new QLabel(qs(std::string(kProgramLabel)), picture1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);

    auto* closeBar = new QToolBar(picture1_);
    closeBar->setObjectName(QStringLiteral("Toolbar1"));
    closeBar->setIconSize(QSize(12, 12));
    closeBar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; }"));
    QAction* closePane = closeBar->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    closePane->setObjectName(QStringLiteral("tbClosePane"));
    closePane->setData(QStringLiteral("删除"));
    connect(closePane, &QAction::triggered, this,
            [this] { trap("frmMain_Toolbar1_ButtonClick", [this] { setPaneVisible(false); }); });

    auto* frame1 = new QFrame(picture1_);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    tree_ = new QTreeWidget(frame1);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setRootIsDecorated(true);
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setContextMenuPolicy(Qt::NoContextMenu);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        trap("frmMain_TreeView1_NodeClick", [this, node] { onTreeNode(node); });
    });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* node) {
        trap("frmMain_TreeView1_NodeClick", [this, node] { onTreeNode(node); });
    });
    auto* frameLayout = new QVBoxLayout(frame1);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(tree_);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(6, 2, 0, 2);
    header->addWidget(label1_);
    header->addStretch();
    header->addWidget(closeBar);
    auto* layout = new QVBoxLayout(picture1_);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(frame1, 1);

    commandMove_ = new SplitterBar([this](int dx) { return moveSplitter(dx); }, this);
    commandMove_->setObjectName(QStringLiteral("CommandMove"));
}

void MainWindow::buildStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("sbStatusBar"));
    setStatusBar(statusBar_);
    auto* panel1 = new QLabel(statusBar_);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel2_ = new QLabel(statusBar_);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel3_ = new QLabel(statusBar_);
    panel3_->setObjectName(QStringLiteral("Panel3"));
    for (QLabel* panel : {panel2_, panel3_}) {
        panel->setContentsMargins(8, 0, 8, 0);
        panel->setAlignment(Qt::AlignCenter);
    }
    statusBar_->addWidget(panel1, 1);
    statusBar_->addPermanentWidget(panel2_);
    statusBar_->addPermanentWidget(panel3_);
}

bool MainWindow::moveSplitter(int dx) {
    const int newWidth = paneWidth_ + dx;
    const int inner = centralWidget() ? centralWidget()->width() : width();
    if (newWidth * kTwipsPerPixel < kMinimumPaneTwips || newWidth > inner) return false;
    paneWidth_ = newWidth;
    picture1_->setFixedWidth(paneWidth_);
    // The bar follows at once, so the next pointer offset is measured from its new place.
    if (QLayout* layout = centralWidget() ? centralWidget()->layout() : nullptr) layout->activate();
    return true;
}

void MainWindow::setPaneVisible(bool visible) {
    picture1_->setVisible(visible);
    commandMove_->setVisible(visible);
    action("mnuTreeView")->setChecked(visible);
}

void MainWindow::Change_Language() {
    const LanguageIndex lang = language();
    // Status bar panels 2 and 3.
    panel2_->setText(qs(statusBandText(app_.workspace->bandText)));
    refreshPortPanel();
    LoadBKPic();
    setTitleBar();

    for (QAction* a : findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (!name.startsWith(QLatin1String("mnu")) || !a->data().isValid()) continue;
        a->setText(qs(text(static_cast<MainText>(a->data().toInt()), lang)));
    }
    // The roger-beep item has no entry of its own in the menu table: its window's title with
    // an access key.
    action("mnuRogerBeep")->setText(QStringLiteral("&") + qs(text(RogerText::Title, lang)));

    for (const ToolbarButton& b : kToolbarButtons) {
        if (*b.key == '\0' || std::string_view(b.key) == "MWriteRadio") continue;
        action(b.name)->setToolTip(withoutAccessKey(text(b.tooltip, lang)));
    }
    rebuildTree();
}

void MainWindow::refreshPortPanel() { panel3_->setText(qs(portText(app_.settings.comPort, language()))); }

void MainWindow::rebuildTree() {
    const LanguageIndex lang = language();
    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, QStringList(label1_->text()));
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    const std::string texts[] = {text(MainText::ChannelInformation, lang), text(MainText::OptionFeatures, lang),
                                 text(RogerText::Title, lang), text(MainText::Dtmf, lang)};
    for (std::size_t i = 0; i < std::size(kTreeNodes); ++i) {
        auto* node = new QTreeWidgetItem(root, QStringList(qs(texts[i])));
        node->setData(0, Qt::UserRole, QString::fromLatin1(kTreeNodes[i].key));
    }
    root->setExpanded(true);
}

void MainWindow::onTreeNode(QTreeWidgetItem* node) {
    if (node == nullptr) return;
    const QString key = node->data(0, Qt::UserRole).toString();
    for (const TreeNode& n : kTreeNodes)
        if (key == QLatin1String(n.key)) openChildWindow(n.window);
}

void MainWindow::onToolbarButton(const QString& key) {
    if (key == QStringLiteral("新建"))
        LoadNewDoc();
    else if (key == QStringLiteral("打开"))
        documents_->Open();
    else if (key == QStringLiteral("保存"))
        documents_->Save();
    else if (key == QLatin1String("ReadRadio"))
        startRead();
    else if (key == QLatin1String("CommSet"))
        showCommSet();
    else if (key == QLatin1String("WriteRadio"))
        startWrite();
    else if (key == QLatin1String("About"))
        showAbout();
    // "打印" does nothing.
}

void MainWindow::LoadBKPic() {
    const QString path = qs(app_.programFolder) + QStringLiteral("/PIC/BK_") +
                         QString::number(static_cast<int>(language())) + QStringLiteral(".jpg");
    QPixmap picture(path);
    if (picture.isNull()) {
        backgroundPath_.clear();
        mdiArea_->setBackground(palette().brush(QPalette::Dark));
        return;
    }
    // The picture's outermost rows and columns are left out of the tiling, so the tiles meet
    // without seams; the brush repeats it over the whole frame at any size.
    if (picture.width() > 2 && picture.height() > 2)
        picture = picture.copy(1, 1, picture.width() - 2, picture.height() - 2);
    mdiArea_->setBackground(QBrush(picture));
    backgroundPath_ = path;
}

void MainWindow::setTitleBar() { setWindowTitle(qs(documentTitle(*app_.workspace, language()))); }

void MainWindow::LoadNewDoc() { documents_->LoadNewDoc(); }

void MainWindow::checkLanguageChange() {
    if (!app_.settings.language.takePendingChange()) return;
    Change_Language();
    closeAllChildWindows();
    openChannelEditor();
    cascadeChildWindows();
}

void MainWindow::defineChildWindow(const std::string& name, std::function<QWidget*()> make,
                                   std::function<void(QWidget*)> commit) {
    children_.define(name, [this, name, make = std::move(make), commit = std::move(commit)]() -> ChildWindow* {
        QWidget* content = make ? make() : nullptr;
        if (content == nullptr) return nullptr;
        auto* sub = new MdiChild(children_, commit);
        sub->setObjectName(qs(name));
        sub->setWidget(content);
        sub->setWindowTitle(content->windowTitle());
        sub->setWindowIcon(content->windowIcon().isNull() ? windowIcon() : content->windowIcon());
        mdiArea_->addSubWindow(sub);
        sub->show();
        mdiArea_->setActiveSubWindow(sub);
        return sub;
    });
}

ChildOpenResult MainWindow::openChildWindow(const std::string& name) { return children_.open(name); }

void MainWindow::closeAllChildWindows() { children_.closeAll(); }

void MainWindow::cascadeChildWindows() {
    if (mdiArea_) mdiArea_->cascadeSubWindows();
}

void MainWindow::openChannelEditor() { openChildWindow(kChannelEditorWindow); }

void MainWindow::refreshWindowList() {
    for (QAction* a : windowMenu_->actions())
        if (a->objectName().startsWith(QLatin1String("mnuWindowList"))) {
            windowMenu_->removeAction(a);
            a->deleteLater();
        }
    const std::vector<std::string> names = children_.openNames();
    windowListSeparator_->setVisible(!names.empty());
    int n = 0;
    for (const std::string& name : names) {
        auto* sub = dynamic_cast<MdiChild*>(children_.find(name));
        if (sub == nullptr) continue;
        ++n;
        const QString title = sub->windowTitle().isEmpty() ? qs(name) : sub->windowTitle();
        QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(n).arg(title));
        a->setObjectName(QStringLiteral("mnuWindowList%1").arg(n));
        a->setCheckable(true);
        a->setChecked(mdiArea_->activeSubWindow() == sub);
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
}

void MainWindow::startWrite() {
    // Pending edits of the editors go into the document before it is encoded.
    children_.commitPendingEdits();
    timerWrite_->start();
}

void MainWindow::showCommSet() {
    if (runComSetDialog(this, app_, services_.profiles, services_.ports)) refreshPortPanel();
}

void MainWindow::showLanguageSetup() {
    runSetLanguageDialog(this, app_, services_.profiles);
    // The change takes effect as the window becomes active again; checking here as well
    // makes it independent of the window system's activation order.
    checkLanguageChange();
}

void MainWindow::showAbout() { showAboutDialog(this, language()); }

void MainWindow::beforeReadDecode() { closeAllChildWindows(); }

void MainWindow::afterRead() {
    setTitleBar();
    Change_Language();
    openChannelEditor();
    cascadeChildWindows();
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
    trap("frmMain_MDIForm_QueryUnload", [&] { goAhead = documents_->QueryClose(); });
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
