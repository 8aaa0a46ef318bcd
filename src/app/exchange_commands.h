#pragma once
// The File menu's exchange commands: the shown group's channels as a CSV list, and the whole
// configuration as YAML, each through a file dialog. An import applies all of its file or
// nothing and shows every refusal; the window closes its editors before an import changes the
// document and opens them again afterwards, as it does around Open.

#include <functional>
#include <string>

#include "lang/language.h"

namespace mv52 {

struct Workspace;
class Prompter;
class FileChooser;
class DocumentWindow;

class ExchangeCommands {
public:
    ExchangeCommands(Workspace& workspace, Prompter& prompter, FileChooser& files, DocumentWindow& window,
                     std::function<LanguageIndex()> language);

    // Into or from the group the channel window shows (the document's current work mode and
    // group). Imports return true when the document was changed.
    bool importChannels();
    void exportChannels();
    bool importConfiguration();
    void exportConfiguration();

private:
    LanguageIndex language() const { return language_(); }
    bool readChosenFile(const std::string& filter, std::size_t limit, std::string& text);
    void writeChosenFile(const std::string& filter, const std::string& presetName, const std::string& text);
    void showOk(const std::string& text);

    Workspace& workspace_;
    Prompter& prompter_;
    FileChooser& files_;
    DocumentWindow& window_;
    std::function<LanguageIndex()> language_;
    std::string chosenPath_;  // the file the last import read, for its confirmation
};

}  // namespace mv52
