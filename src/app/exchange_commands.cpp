#include "app/exchange_commands.h"

#include <optional>
#include <vector>

#include "app/document_commands.h"
#include "channels/channel_editing.h"
#include "data/durable_files.h"
#include "data/file_io.h"
#include "data/value_helpers.h"
#include "document/workspace.h"
#include "exchange/config_settings.h"
#include "exchange/config_yaml.h"
#include "exchange/csv_channels.h"
#include "exchange/csv_reader.h"
#include "storage/file_messages.h"
#include "lang/bilingual.h"
#include "lang/exchange_texts.h"
#include "lang/messages.h"
#include "system/file_chooser.h"
#include "system/prompter.h"

namespace mv52 {
namespace {

// A message box holds the first refusals; the rest are counted.
constexpr std::size_t kRefusalsShown = 15;

std::string refusalsMessage(const ImportResult& result, LanguageIndex language) {
    std::string out = text(ExchangeText::NothingImported, language) + "\n";
    for (std::size_t i = 0; i < result.refusals.size() && i < kRefusalsShown; ++i) {
        const ImportRefusal& r = result.refusals[i];
        out += "\n" + (r.line > 0 ? std::to_string(r.line) + ": " : std::string()) + r.reason;
    }
    if (result.refusals.size() > kRefusalsShown)
        out += "\n\n" + text(ExchangeText::MoreRefusals, language) + " " +
               std::to_string(result.refusals.size() - kRefusalsShown);
    return out;
}

}  // namespace

ExchangeCommands::ExchangeCommands(Workspace& workspace, Prompter& prompter, FileChooser& files,
                                   DocumentWindow& window, std::function<LanguageIndex()> language)
    : workspace_(workspace), prompter_(prompter), files_(files), window_(window), language_(std::move(language)) {}

void ExchangeCommands::showOk(const std::string& message) {
    prompter_.ask(message, MessageButtons::Ok, MessageIcon::Warning);
}

bool ExchangeCommands::readChosenFile(const std::string& filter, std::size_t limit, std::string& content) {
    const std::optional<std::string> path = files_.chooseOpen(filter);
    if (!path || path->empty()) return false;
    chosenPath_ = *path;
    const auto bytes = readFilePrefix(*path, limit + 1);
    if (!bytes) {
        showOk(text(ExchangeText::CannotRead, language()) + "\n" + *path);
        return false;
    }
    if (bytes->size() > limit) {
        showOk(text(ExchangeText::TooLarge, language()) + "\n" + *path);
        return false;
    }
    content.assign(bytes->begin(), bytes->end());
    return true;
}

void ExchangeCommands::writeChosenFile(const std::string& filter, const std::string& presetName,
                                       const std::string& content) {
    const std::optional<std::string> path = files_.chooseSave(filter, presetName);
    if (!path || path->empty()) return;
    FileFailure failure;
    if (!replaceFile({*path, std::vector<std::uint8_t>(content.begin(), content.end())}, {}, &failure))
        showOk(messageText(MessageKey::MsgFileError, language()) + "\n" + fileFailureText(failure, language()));
    else
        window_.showNote(substitute(text(ExchangeText::Exported, language()), {*path}));
}

bool ExchangeCommands::importChannels() {
    const Document& doc = workspace_.current;
    const int m = shownWorkMode(doc), g = shownGroup(doc);
    std::string content;
    if (!readChosenFile(text(ExchangeText::ChannelListFilter, language()), kCsvMaxBytes, content)) return false;
    window_.closeAllChildWindows();
    const ImportResult result = importChannelsCsv(workspace_.current, m, g, content, language());
    if (!result.ok()) showOk(refusalsMessage(result, language()));
    window_.openChannelEditor();
    window_.cascadeChildWindows();
    if (result.ok()) window_.showNote(substitute(text(ExchangeText::Imported, language()), {chosenPath_}));
    return result.ok();
}

void ExchangeCommands::exportChannels() {
    const Document& doc = workspace_.current;
    const int m = shownWorkMode(doc), g = shownGroup(doc);
    std::string name = groupTitle(m, g);
    for (char& c : name)
        if (c == ' ') c = '_';
    writeChosenFile(text(ExchangeText::ChannelListFilter, language()), name + ".csv", exportChannelsCsv(doc, m, g));
}

bool ExchangeCommands::importConfiguration() {
    std::string content;
    if (!readChosenFile(text(ExchangeText::ConfigurationFilter, language()), kConfigMaxBytes, content)) return false;
    window_.closeAllChildWindows();
    const ImportResult result = importConfigYaml(workspace_.current, content);
    if (result.ok()) {
        // The work mode may have changed, and with it the band.
        workspace_.setBandFromWorkMode();
        window_.setTitleBar();
        window_.applyLanguage();
    } else {
        showOk(refusalsMessage(result, language()));
    }
    window_.openChannelEditor();
    window_.cascadeChildWindows();
    if (result.ok()) window_.showNote(substitute(text(ExchangeText::Imported, language()), {chosenPath_}));
    return result.ok();
}

void ExchangeCommands::exportConfiguration() {
    const std::string base = fileNameWithoutFolder(workspace_.fileName);
    const std::size_t dot = base.rfind('.');
    writeChosenFile(text(ExchangeText::ConfigurationFilter, language()),
                    (dot == std::string::npos ? base : base.substr(0, dot)) + ".yaml",
                    exportConfigYaml(workspace_.current));
}

}  // namespace mv52
