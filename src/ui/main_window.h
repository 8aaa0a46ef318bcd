#pragma once
// frmMain: the program's only top-level window. A multiple-document frame with the menu, the
// main toolbar, the left pane with the navigation tree, the status bar and the child
// windows (the editors). Its commands route to the document commands, the link session and
// the dialogs; everything it needs from outside comes in through MainWindowServices, so
// tests can pass fakes.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/child_windows.h"
#include "app/command_table.h"
#include "app/document_commands.h"
#include "app/exchange_commands.h"
#include "storage/read_backup.h"
#include "system/daily_log.h"
#include "lang/language.h"
#include "link/link_session.h"
#include "platform/qt_serial_link.h"
#include "platform/qt_timer.h"
#include "platform/system_port_inspector.h"
#include "system/tone_output.h"
#include "document/document_history.h"
#include "ui/edit_history.h"
#include "ui/print_commands.h"

class QAction;
class QLabel;
class QMdiArea;
class QStatusBar;
class QTimer;

namespace mv52 {

struct AppState;
class Clock;
class FileChooser;
class ChildWindowArea;
class ChannelWindow;
class CommandBars;
class LeftPane;
class ProgressWindow;
class LocaleSystem;
class PortList;
class ProcessLauncher;
class ProfileFile;
class Prompter;
class SettingsStore;

struct MainWindowServices {
    AppState& app;
    ProfileFile& profiles;        // the settings file: language and port dialogs, port names
    LocaleSystem& locale;         // the decimal-symbol restore at the close
    SettingsStore& placementStore;
    Prompter& prompter;           // a DetailPrompter also shows the reason of a port failure
    FileChooser& files;
    ProcessLauncher& launcher;
    PortList& ports;
    const Clock& clock;           // the daily log's dates
    std::string programFileName = "mv52";
    // Ends the process at once after another program version was started; by default the
    // process exits without any further question.
    std::function<void()> endProgram;
    // Where every completed read leaves its backup pair (platform/backup_folder.h).
    std::string backupFolder;
    // The sound of the roger-beep window's Play; empty (or giving nullptr): silent timing.
    std::function<std::unique_ptr<ToneOutput>()> toneOutput;
};

class MainWindow final : public QMainWindow, private DocumentWindow, private LinkSessionHooks {
public:
    // Runs the load: placement, captions, tree, and a new document.
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Every caption in the current language: status bar, background picture, title, menus,
    // toolbar tooltips, then the tree; Qt's own dialogs follow the language too.
    void Change_Language();
    void loadBackgroundPicture();
    void setTitleBar() override;
    // Opens the data file named on the program's command line as Open does after its dialog.
    void openStartupFile(const std::string& path);
    // Runs a command of the menu, the toolbar or the tree.
    void runCommand(Command command);

    // The activation check: when the language changed since the captions were last set, apply
    // it, close every child window and reopen the channel editor.
    void checkLanguageChange();

    // A child window for `name`. `make` creates its content; `commit` (may be empty) writes a
    // pending edit into the document before a write.
    void defineChildWindow(const std::string& name, std::function<QWidget*()> make,
                           std::function<void(QWidget*)> commit = {});
    ChildOpenResult openChildWindow(const std::string& name);
    void closeAllChildWindows() override;
    void cascadeChildWindows() override;
    void openChannelEditor() override;

    ChildWindowRegistry& childWindows() { return children_; }
    DocumentCommands& documentCommands() { return *documents_; }
    EditHistory& editHistory() { return *edits_; }
    LinkSession& linkSession() { return *session_; }
    QMdiArea* mdiArea() const;
    ProgressWindow* progressWindow() const { return progress_; }
    // The background picture in use; empty when it could not be loaded.
    const QString& backgroundPicturePath() const { return backgroundPath_; }
    // The width the left pane has been given, in pixels.
    int paneWidth() const { return paneWidth_; }

    // The splitter: a drag of `dx` pixels, refused when the pane would become narrower than
    // 300 twips or wider than the window's inner width. True when the pane moved.
    bool moveSplitter(int dx);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // DocumentWindow
    void applyLanguage() override { Change_Language(); }
    void endProgramNow() override;
    void documentReplaced() override;
    void showNote(const std::string& text) override;
    ChannelWindow* activeChannelWindow() const;
    void channelClipboard(Command command);
    void refreshClipboardActions();
    // LinkSessionHooks
    void beforeReadDecode() override;
    void afterRead() override;
    void handOverToVersion(const std::string& firmwareVersion) override;

    LanguageIndex language() const;
    // The editor windows the registry makes on demand.
    void defineEditorWindows();
    // ShowRB (roger) or ShowDTMF on every open window with such lists: the channel window and
    // the optional-features window.
    void showToneLists(bool roger);
    // Undo or redo one step; every open editor shows the document as it now is.
    void undoOrRedo(bool undo);
    // The band, title and every open editor after the document changed under them; the
    // channel window selects `place`.
    void showDocumentAgain(const StepPlace& place);
    // Undo and redo enabled when they have a step, named in their tips.
    void refreshUndoActions();
    // Runs an import of the File menu as one undo step.
    void runImport(MainText caption, const std::function<bool()>& import);
    void buildStatusBar();
    void refreshPortPanel();
    void refreshWindowList();
    void setPaneVisible(bool visible);
    void runRow(const CommandRow& row);
    void startRead();
    void startWrite();
    void offerWriteAgain();
    void saveSupportInformation();
    // After a completed transfer: the port dialog finds this adapter again by its identity.
    void rememberTransferPortIfDone();
    void setVerifyAfterWrite(bool verify);
    void backUpTheRead();
    void showBackupInStatusBar();
    void showCommSet();
    void showLanguageSetup();
    void showAbout();
    QAction* action(const char* name) const;
    void trap(const char* procedure, const std::function<void()>& body);

    MainWindowServices services_;
    AppState& app_;

    ChildWindowArea* childArea_ = nullptr;
    LeftPane* leftPane_ = nullptr;
    QWidget* splitter_ = nullptr;
    std::unique_ptr<CommandBars> bars_;
    QStatusBar* statusBar_ = nullptr;
    QLabel* panel1_ = nullptr;  // names the backup of the last read
    QLabel* panel2_ = nullptr;
    QLabel* panel3_ = nullptr;
    QTimer* timerWrite_ = nullptr;
    ProgressWindow* progress_ = nullptr;
    QString backgroundPath_;
    std::optional<BackupResult> lastBackup_;
    int paneWidth_ = 0;
    bool ending_ = false;

    ChildWindowRegistry children_;
    DocumentHistory history_;
    EditHistory* edits_ = nullptr;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<ExchangeCommands> exchange_;
    std::unique_ptr<PrintCommands> print_;
    QtSerialLink link_;
    SystemPortInspector portInspector_;
    QtOneShotTimer waitTimer_;
    DailyLog log_;
    std::unique_ptr<LinkSession> session_;
};

}  // namespace mv52
