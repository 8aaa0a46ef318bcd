#include "app/document_commands.h"

#include <optional>
#include <utility>

#include "system/file_chooser.h"
#include "system/prompter.h"
#include "app/settings.h"
#include "storage/data_file.h"
#include "storage/file_messages.h"
#include "exchange/radio_view.h"
#include "lang/exchange_texts.h"
#include "document/workspace.h"
#include "lang/main_window_texts.h"
#include "lang/messages.h"
#include "version/handover.h"
#include "version/version_table.h"

namespace mv52 {

std::string fileNameWithoutFolder(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string documentTitle(const Workspace& workspace, LanguageIndex language) {
    // "*" after the file name while there is something to save.
    const std::string mark = documentChanged(workspace) ? "*" : "";
    return mainWindowTitle(workspace.bandText, fileNameWithoutFolder(workspace.fileName) + mark, language);
}

DocumentCommands::DocumentCommands(DocumentContext context, DocumentWindow& window)
    : context_(std::move(context)), window_(window) {}

void DocumentCommands::showOk(const std::string& text, const std::string& detail) {
    // The file and the system's reason go under "Show Details..." where the prompter has it.
    if (auto* detailed = dynamic_cast<DetailPrompter*>(&context_.prompter); detailed && !detail.empty()) {
        detailed->askWithDetail(text, detail, MessageButtons::Ok, MessageIcon::None);
        return;
    }
    context_.prompter.ask(detail.empty() ? text : text + "\n" + detail, MessageButtons::Ok, MessageIcon::None);
}

void DocumentCommands::rememberPairOnDisk(const std::string& path) {
    stampPath_ = path;
    stamp_ = pairStamp(path).text;
}

void DocumentCommands::forgetOpenedFiles() {
    missingChannels_ = 0;
    missingChannelPath_.clear();
}

bool DocumentCommands::confirmWrite() {
    if (missingChannels_ == 0) return true;
    const std::string text = missingChannelsText(missingChannelPath_, missingChannels_, language()) + "\n" +
                             writeWithMissingChannelsQuestion(language());
    return context_.prompter.ask(text, MessageButtons::OkCancel, MessageIcon::Warning) == PromptAnswer::Ok;
}

bool DocumentCommands::confirmOverwriteOfChangedPair(const std::string& path, bool& saveAsInstead) {
    saveAsInstead = false;
    if (path != stampPath_ || pairStamp(path).text == stamp_) return true;
    switch (context_.prompter.ask(changedOnDiskQuestion(fileNameWithoutFolder(path), language()),
                                  MessageButtons::YesNoCancel, MessageIcon::Warning)) {
        case PromptAnswer::Yes: return true;
        case PromptAnswer::No: saveAsInstead = true; return false;
        default: return false;
    }
}

void DocumentCommands::loadNewDocument() {
    window_.closeAllChildWindows();
    loadInitialDataFile(context_.workspace, context_.programFolder, InitialKind::New);
    window_.applyLanguage();
    window_.openChannelEditor();
    window_.setTitleBar();
    window_.cascadeChildWindows();
    window_.documentReplaced();
}

bool DocumentCommands::confirmClearing() {
    const MessageStyle style = messageStyle(MessageKey::MsgAllDataCleared);
    return context_.prompter.ask(messageText(MessageKey::MsgAllDataCleared, language()), style.buttons, style.icon) ==
           PromptAnswer::Ok;
}

void DocumentCommands::newDocument() {
    if (confirmClearing()) loadNewDocument();
}

bool DocumentCommands::open() {
    if (documentChanged(context_.workspace)) {
        const MessageStyle style = messageStyle(MessageKey::MsgSaveChanges);
        const PromptAnswer answer =
            context_.prompter.ask(messageText(MessageKey::MsgSaveChanges, language()), style.buttons, style.icon);
        if (answer == PromptAnswer::Cancel) return false;
        // A save that fails or is cancelled keeps the changed document rather than lose it.
        if (answer == PromptAnswer::Yes && !saveForQuestion()) return false;
    }
    return chooseAndLoad();
}

bool DocumentCommands::chooseAndLoad() {
    const std::optional<std::string> path = context_.files.chooseOpen(dataFileFilter(language()));
    if (!path || path->empty()) return false;
    return openFile(*path);
}

bool DocumentCommands::openFile(const std::string& path) {
    Workspace& ws = context_.workspace;
    previousFileName_ = ws.fileName;
    window_.closeAllChildWindows();
    // A refused load leaves the document and its name as they were.
    const LoadResult result = loadDataFile(ws, path, context_.versions);
    if (!result.ok()) {
        reportLoadRefusal(result);
        // The document is unchanged: its editor comes back instead of an empty frame.
        window_.openChannelEditor();
        window_.cascadeChildWindows();
        return false;
    }
    // What the windows show is what the radio gets: values no control can show are set to the
    // radio's (the document then counts as changed, so nothing is lost unasked).
    const std::vector<std::string> aligned = alignWithRadio(ws);
    window_.openChannelEditor();
    window_.setTitleBar();
    window_.applyLanguage();
    window_.cascadeChildWindows();
    window_.documentReplaced();
    rememberPairOnDisk(path);
    missingChannels_ = result.missingChannels;
    missingChannelPath_ = result.channelPath;
    // Said, not silent: empty channels from a missing channel file would otherwise reach a
    // radio unnoticed.
    if (const std::string warnings = loadWarnings(result, language()); !warnings.empty())
        context_.prompter.ask(warnings, MessageButtons::Ok, MessageIcon::Warning);
    if (!aligned.empty())
        window_.showNote(std::to_string(aligned.size()) + " " + text(ExchangeText::AlignedWithRadio, language()) + " " +
                         aligned.front() + (aligned.size() > 1 ? ", ..." : ""));
    return true;
}

void DocumentCommands::reportLoadRefusal(const LoadResult& result) {
    const std::string text = loadResultMessage(result, language());
    if (result.status != LoadStatus::IncompatibleVersion) {
        showOk(text, loadResultDetail(result, language()));
        return;
    }
    const MessageStyle style = messageStyle(MessageKey::MsgIncompatibleVersion);
    if (context_.prompter.ask(text, style.buttons, style.icon) == PromptAnswer::Yes) handOver(result.fileVersion);
}

void DocumentCommands::handOver(const std::string& fileVersion) {
    const HandoverContext handover{context_.versions,
                                   installationFolder(context_.programFolder),
                                   context_.programFileName,
                                   context_.launcher,
                                   context_.prompter,
                                   language(),
                                   {}};
    mv52::handOverToVersion(handover, fileVersion, [this] { window_.endProgramNow(); });
}

bool DocumentCommands::save() {
    Workspace& ws = context_.workspace;
    if (ws.untitled) return saveAs();
    const MessageStyle style = messageStyle(MessageKey::MsgOverwrite);
    const std::string question = overwriteQuestion(fileNameWithoutFolder(ws.fileName), language());
    if (context_.prompter.ask(question, style.buttons, style.icon) != PromptAnswer::Ok) return false;
    return saveUnder(ws.fileName);
}

bool DocumentCommands::saveAs() {
    const std::optional<std::string> path =
        context_.files.chooseSave(dataFileFilter(language()), context_.workspace.fileName);
    if (!path || path->empty()) return false;
    return saveUnder(*path);
}

bool DocumentCommands::saveForQuestion() {
    // An untitled document has no file of its own yet ("new.dat" names none): the user
    // chooses one, as Save does.
    if (context_.workspace.untitled) return saveAs();
    return saveUnder(context_.workspace.fileName);
}

bool DocumentCommands::saveUnder(const std::string& path) {
    bool saveAsInstead = false;
    if (!confirmOverwriteOfChangedPair(path, saveAsInstead)) return saveAsInstead && saveAs();
    FileFailure failure;
    if (!saveDataFile(context_.workspace, path, {}, &failure)) {
        showOk(messageText(MessageKey::MsgFileError, language()), fileFailureText(failure, language()));
        return false;
    }
    rememberPairOnDisk(path);
    forgetOpenedFiles();  // the pair on disk is now whole
    window_.setTitleBar();
    window_.showNote(substitute(text(ExchangeText::Saved, language()), {path}));
    return true;
}

void DocumentCommands::initialSetting() {
    // Replacing a changed document (one just read from a radio, say) would lose it unasked.
    if (documentChanged(context_.workspace) && !confirmClearing()) return;
    window_.closeAllChildWindows();
    loadInitialDataFile(context_.workspace, context_.programFolder, InitialKind::Initial);
    window_.openChannelEditor();
    window_.cascadeChildWindows();
    window_.documentReplaced();
}

bool DocumentCommands::queryClose() {
    if (!documentChanged(context_.workspace)) return true;
    const MessageStyle style = messageStyle(MessageKey::MsgSaveChanges);
    switch (context_.prompter.ask(messageText(MessageKey::MsgSaveChanges, language()), style.buttons, style.icon)) {
        case PromptAnswer::Yes: return saveForQuestion();
        case PromptAnswer::No: return true;
        default: return false;
    }
}

}  // namespace mv52
