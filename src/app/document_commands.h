#pragma once
// The document commands of the main window: New, Open, Save, Save As, Initial setting and
// the question before the program closes, with every question they ask. The window itself is
// reached through DocumentWindow, so the commands run without one.

#include <functional>
#include <string>
#include <string_view>

#include "lang/language.h"

namespace mv52 {

struct Workspace;
struct VersionTable;
struct LoadResult;
class Prompter;
class FileChooser;
class ProcessLauncher;

// What the commands ask of the main window.
class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;
    virtual void closeAllChildWindows() = 0;
    virtual void openChannelEditor() = 0;
    virtual void cascadeChildWindows() = 0;
    // `Change_Language`: every caption of the main window in the current language.
    virtual void applyLanguage() = 0;
    virtual void setTitleBar() = 0;
    // Another program version has been started for a data file: end at once, without any
    // question and without saving.
    virtual void endProgramNow() = 0;
    // The document was replaced as a whole (new, opened, initial setting): what came before
    // can no longer be undone.
    virtual void documentReplaced() {}
    // A passing word on the status bar.
    virtual void showNote(const std::string& /*text*/) {}
};

struct DocumentContext {
    Workspace& workspace;
    const VersionTable& versions;
    Prompter& prompter;
    FileChooser& files;
    ProcessLauncher& launcher;
    std::string programFolder;
    std::string programFileName;  // for the hand-over to another version
    std::function<LanguageIndex()> language;
};

// A path without its folder ("/a/b/radio.dat" and "C:\\a\\radio.dat" give "radio.dat").
std::string fileNameWithoutFolder(std::string_view path);

// "MV52[" band "][File Name:" name without folder "]".
std::string documentTitle(const Workspace& workspace, LanguageIndex language);

class DocumentCommands {
public:
    DocumentCommands(DocumentContext context, DocumentWindow& window);

    // The toolbar's New: the new-document initial data file, without a question. The file
    // name and the untitled flag stay as they are.
    void loadNewDocument();
    // The menu's New: "All data will be cleared." first.
    void newDocument();
    // Offers to save a changed document, then the open dialog and the load. True when a
    // file was loaded.
    bool open();
    // Loads `path` as Open does once the dialog has chosen it (the program's command line).
    // True when it was loaded; a refused file leaves the document as it was.
    bool openFile(const std::string& path);
    // An untitled document goes to Save As; a titled one asks before it is overwritten.
    // True when the document was written.
    bool save();
    bool saveAs();
    // The initial-setting data file; name and flags stay as they are. A changed document is
    // replaced only after "All data will be cleared." is answered OK.
    void initialSetting();
    // Before the main window closes: offers to save a changed document. True when the close
    // goes ahead.
    bool queryClose();

    // The current file name as it was before the last Open.
    const std::string& previousFileName() const { return previousFileName_; }

    // Before a write to the radio: a document whose channel file lacked channels when it was
    // opened is written only when the user says so. True when the write goes ahead.
    bool confirmWrite();
    // The document was replaced (a read, New, Initial setting): what the last Open found in
    // its files no longer applies.
    void forgetOpenedFiles();

private:
    LanguageIndex language() const { return context_.language(); }
    bool chooseAndLoad();
    // "All data will be cleared." answered OK.
    bool confirmClearing();
    // The Yes of the save question.
    bool saveForQuestion();
    bool saveUnder(const std::string& path);
    void reportLoadRefusal(const LoadResult& result);
    void handOver(const std::string& fileVersion);
    void showOk(const std::string& text, const std::string& detail = {});
    void rememberPairOnDisk(const std::string& path);
    // Save over a pair another program wrote since it was opened or saved here: Yes
    // overwrites, No goes to Save As. False when the save is not to go ahead here.
    bool confirmOverwriteOfChangedPair(const std::string& path, bool& saveAsInstead);

    DocumentContext context_;
    DocumentWindow& window_;
    std::string previousFileName_;
    // The pair on disk as this program last loaded or saved it, and its path.
    std::string stampPath_;
    std::string stamp_;
    int missingChannels_ = 0;   // records the channel file lacked at the last Open
    std::string missingChannelPath_;
};

}  // namespace mv52
