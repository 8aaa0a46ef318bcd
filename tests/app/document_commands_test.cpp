// The document commands without a window: every question, button, icon and answer path.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>

#include "app/document_commands.h"
#include "system/file_chooser.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "document/workspace.h"
#include "lang/messages.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

using test::ScriptedPrompter;

class RecordingWindow : public DocumentWindow {
public:
    std::vector<std::string> calls;
    void closeAllChildWindows() override { calls.push_back("close"); }
    void openChannelEditor() override { calls.push_back("editor"); }
    void cascadeChildWindows() override { calls.push_back("cascade"); }
    void applyLanguage() override { calls.push_back("language"); }
    void setTitleBar() override { calls.push_back("title"); }
    void endProgramNow() override { calls.push_back("end"); }
};

class ScriptedChooser : public FileChooser {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> log;  // "open <filter>" / "save <filter> <preset>"
    std::optional<std::string> chooseOpen(const std::string& filter) override {
        log.push_back("open " + filter);
        return next();
    }
    std::optional<std::string> chooseSave(const std::string& filter, const std::string& preset) override {
        log.push_back("save " + filter + " " + preset);
        return next();
    }

private:
    std::optional<std::string> next() {
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

const std::vector<std::string> kLoaded = {"close", "editor", "title", "language", "cascade"};
const std::vector<std::string> kRefused = {"close", "editor", "cascade"};
const std::string kSaveQuestion = "File has been modify,save it now?";

struct Commands : ::testing::Test {
    test::TempDir dir;
    std::unique_ptr<Workspace> ws = Workspace::create();
    VersionTable versions;
    ScriptedPrompter prompter;
    ScriptedChooser files;
    test::FakeLauncher launcher;
    RecordingWindow window;
    LanguageIndex language = LanguageIndex::English;
    std::unique_ptr<DocumentCommands> commands;

    void SetUp() override {
        versions.pairs = {{"V200", "V200"}, {"V201", "V201"}};
        buildStartupDocument(*ws, "20240131", MV52_PROGRAM_DIR);
        commands = std::make_unique<DocumentCommands>(
            DocumentContext{*ws, versions, prompter, files, launcher, MV52_PROGRAM_DIR, "mv52", [this] { return language; }},
            window);
    }

    void change() { ws->current.options().beep ^= 1; }

    // A data file pair saved from the current document.
    std::string savedFile(const std::string& name) {
        const std::string path = dir.file(name);
        EXPECT_TRUE(saveDataFile(*ws, path));
        return path;
    }

    void reset() {
        prompter.asked.clear();
        prompter.answers.clear();
        files.log.clear();
        files.answers.clear();
        window.calls.clear();
    }

    std::vector<std::string> asked() const {
        std::vector<std::string> t;
        for (const auto& a : prompter.asked) t.push_back(a.text);
        return t;
    }
};

TEST(DocumentTitle, NamesTheFileWithoutItsFolder) {
    const std::pair<const char*, const char*> names[] = {
        {"new.dat", "new.dat"}, {"/home/a/radio.dat", "radio.dat"}, {"C:\\A\\B\\x.dat", "x.dat"}, {"dir/", ""}};
    for (const auto& [path, name] : names) EXPECT_EQ(fileNameWithoutFolder(path), name) << path;
    auto ws = Workspace::create();
    ws->setBandText(kBandTextCb);
    ws->fileName = "/tmp/a.dat";
    EXPECT_EQ(documentTitle(*ws, LanguageIndex::English), "MV52[24.7150 - 30.1050 MHz][File Name:a.dat]");
    EXPECT_EQ(documentTitle(*ws, LanguageIndex::Chinese), "MV52[24.7150 - 30.1050 MHz][文件名:a.dat]");
}

TEST_F(Commands, LoadNewDocReplacesTheContentButKeepsNameAndFlag) {
    const std::string path = savedFile("kept.dat");
    change();
    commands->loadNewDocument();
    EXPECT_EQ(window.calls, (std::vector<std::string>{"close", "language", "editor", "title", "cascade"}));
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_FALSE(documentChanged(*ws));
    EXPECT_EQ(ws->fileName, path);
    EXPECT_FALSE(ws->untitled);
}

TEST_F(Commands, NewAsksFirstWithAWarning) {
    for (const PromptAnswer answer : {PromptAnswer::Cancel, PromptAnswer::Ok}) {
        reset();
        change();
        prompter.answers = {answer};
        commands->newDocument();
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].text, "All data will be cleared.");
        EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(prompter.asked[0].icon, MessageIcon::Warning);
        EXPECT_EQ(documentChanged(*ws), answer == PromptAnswer::Cancel);
        EXPECT_EQ(window.calls.empty(), answer == PromptAnswer::Cancel);
    }
    language = LanguageIndex::Chinese;
    reset();
    prompter.answers = {PromptAnswer::Cancel};
    commands->newDocument();
    EXPECT_EQ(asked(), std::vector<std::string>{"所有数据将被清空。"});
}

TEST_F(Commands, OpenOffersToSaveAChangedDocumentFirst) {
    struct Case {
        const char* what;
        bool changed;
        bool titled;
        std::vector<PromptAnswer> answers;
        bool saveAsChosen;  // for an untitled document's Yes
        bool opened;
        std::vector<std::string> dialogs;  // "save" / "open"
        bool originalWritten;              // the titled document's own file was saved
    };
    const Case cases[] = {
        {"unchanged", false, true, {}, false, true, {"open"}, false},
        {"cancel", true, true, {PromptAnswer::Cancel}, false, false, {}, false},
        {"no", true, true, {PromptAnswer::No}, false, true, {"open"}, false},
        {"yes titled", true, true, {PromptAnswer::Yes}, false, true, {"open"}, true},
        {"yes untitled", true, false, {PromptAnswer::Yes}, true, true, {"save", "open"}, false},
        {"yes untitled, save cancelled", true, false, {PromptAnswer::Yes}, false, false, {"save"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ws = Workspace::create();
        SetUp();
        reset();
        const std::string other = savedFile(std::string("other-") + c.what + ".dat");
        std::string own = "new.dat";
        if (c.titled) {
            own = savedFile(std::string("own-") + c.what + ".dat");
        } else {
            ws->untitled = true;
            ws->fileName = "new.dat";
        }
        const auto ownBefore = c.titled ? test::readBytes(own) : std::vector<std::uint8_t>{};
        if (c.changed) change();

        prompter.answers = {c.answers.begin(), c.answers.end()};
        const std::string saveAsPath = dir.file(std::string("saved-as-") + c.what + ".dat");
        if (!c.titled && !c.answers.empty() && c.answers[0] == PromptAnswer::Yes)
            files.answers.push_back(c.saveAsChosen ? std::optional<std::string>(saveAsPath) : std::nullopt);
        files.answers.push_back(other);

        EXPECT_EQ(commands->open(), c.opened);
        EXPECT_EQ(asked(), c.changed ? std::vector<std::string>{kSaveQuestion} : std::vector<std::string>{});
        if (c.changed) {
            EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(prompter.asked[0].icon, MessageIcon::Warning);
        }
        std::vector<std::string> kinds;
        for (const std::string& call : files.log) kinds.push_back(call.substr(0, call.find(' ')));
        EXPECT_EQ(kinds, c.dialogs);
        if (!files.log.empty() && kinds[0] == "save") {
            EXPECT_EQ(files.log[0], "save Data File (*.dat)|*.dat new.dat");
        }
        EXPECT_EQ(c.titled && test::readBytes(own) != ownBefore, c.originalWritten);
        EXPECT_EQ(std::filesystem::exists(saveAsPath), c.saveAsChosen);
        if (c.opened) {
            EXPECT_EQ(ws->fileName, other);
            EXPECT_EQ(commands->previousFileName(), c.saveAsChosen ? saveAsPath : own);
            EXPECT_FALSE(documentChanged(*ws));
            EXPECT_EQ(window.calls.back(), "cascade");
        } else {
            EXPECT_TRUE(documentChanged(*ws));
            EXPECT_TRUE(window.calls.empty() || window.calls == std::vector<std::string>{"title"});
        }
    }
}

TEST_F(Commands, OpenCancelledInTheDialogChangesNothing) {
    const std::string path = savedFile("a.dat");
    files.answers = {std::nullopt};
    EXPECT_FALSE(commands->open());
    EXPECT_EQ(files.log, std::vector<std::string>{"open Data File (*.dat)|*.dat"});
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(ws->fileName, path);
}

TEST_F(Commands, ARefusedLoadIsReportedAndKeepsDocumentAndName) {
    const std::string own = savedFile("own.dat");
    struct Case {
        const char* name;
        std::vector<std::uint8_t> content;  // empty: no file at all
        std::string message;
    };
    std::vector<std::uint8_t> wrongLength(100, 0);
    wrongLength[0] = 'V', wrongLength[1] = '2', wrongLength[2] = '0', wrongLength[3] = '0';
    std::vector<std::uint8_t> unknown(1694, 0);
    unknown[0] = 'W', unknown[1] = '2', unknown[2] = '0', unknown[3] = '0';
    const Case cases[] = {
        {"unknown.dat", unknown, "Unknown version Of DataFile!"},
        {"short.dat", wrongLength, "Fail to start the software. This version does not exist."},
        // Without a details area, the file and the cause follow the message.
        {"missing.dat", {}, "file error.\n" + dir.file("missing.dat") + ": no such file or folder"},
    };
    for (const Case& c : cases) {
        reset();
        change();
        const std::string path = dir.file(c.name);
        if (!c.content.empty()) test::writeBytes(path, c.content);
        prompter.answers = {PromptAnswer::No};
        files.answers = {path};
        EXPECT_FALSE(commands->open()) << c.name;
        EXPECT_EQ(asked(), (std::vector<std::string>{kSaveQuestion, c.message})) << c.name;
        EXPECT_EQ(prompter.asked[1].buttons, MessageButtons::Ok);
        EXPECT_EQ(window.calls, kRefused) << c.name;
        EXPECT_EQ(ws->fileName, own);
        EXPECT_TRUE(documentChanged(*ws));
        ws->current.options().beep ^= 1;  // undo the change for the next case
    }
}

TEST_F(Commands, AnIncompatibleFileOffersTheOtherProgramVersion) {
    struct Case {
        const char* version;
        PromptAnswer answer;
        bool launchFails;
        std::vector<std::string> followUp;  // messages after the question
        bool started;
        bool ends;
    };
    const Case cases[] = {
        {"V201", PromptAnswer::Yes, false, {}, true, true},
        {"V201", PromptAnswer::No, false, {}, false, false},
        {"V201", PromptAnswer::Yes, true, {"file error."}, true, false},
        {"V209", PromptAnswer::Yes, false, {"Fail to start the software. This version does not exist."}, false, false},
    };
    for (const Case& c : cases) {
        reset();
        launcher.started.clear();
        launcher.fail = c.launchFails;
        const std::string path = dir.file(std::string(c.version) + ".dat");
        ASSERT_TRUE(saveDataFile(*ws, path));
        auto bytes = test::readBytes(path);
        std::copy(c.version, c.version + 4, bytes.begin());
        test::writeBytes(path, bytes);
        files.answers = {path};
        prompter.answers = {c.answer};
        EXPECT_FALSE(commands->open());
        ASSERT_GE(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].text, composeVersionQuestion("V200", c.version, VersionKind::DataFile,
                                                                 LanguageIndex::English));
        EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::YesNo);
        const std::vector<std::string> texts = asked();
        EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()), c.followUp);
#ifdef _WIN32
        const char* programFile = "mv52.exe";
#else
        const char* programFile = "mv52";
#endif
        const auto program = (std::filesystem::path(MV52_PROGRAM_DIR).parent_path() / c.version / "ZU_418" / programFile).lexically_normal();
        ASSERT_EQ(launcher.started.size(), c.started ? 1u : 0u);
        if (c.started) {
            EXPECT_EQ(std::filesystem::path(launcher.started[0]).lexically_normal(), program);
        }
        EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "end"), c.ends ? 1 : 0);
    }
}

TEST_F(Commands, SaveOfAnUntitledDocumentIsSaveAs) {
    ASSERT_TRUE(ws->untitled);
    const std::string path = dir.file("first.dat");
    files.answers = {path};
    EXPECT_TRUE(commands->save());
    EXPECT_EQ(files.log, std::vector<std::string>{"save Data File (*.dat)|*.dat new.dat"});
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(std::filesystem::file_size(path), 1694u);
    EXPECT_EQ(ws->fileName, path);
    EXPECT_FALSE(ws->untitled);
    EXPECT_EQ(window.calls, std::vector<std::string>{"title"});
}

TEST_F(Commands, SaveOfATitledDocumentAsksBeforeOverwriting) {
    const std::string path = savedFile("a.dat");
    for (const PromptAnswer answer : {PromptAnswer::Cancel, PromptAnswer::Ok}) {
        reset();
        change();
        prompter.answers = {answer};
        EXPECT_EQ(commands->save(), answer == PromptAnswer::Ok);
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].text, "\"a.dat\"file will be Overwrite,Continue?");
        EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(prompter.asked[0].icon, MessageIcon::Question);
        EXPECT_TRUE(files.log.empty());
        EXPECT_EQ(documentChanged(*ws), answer == PromptAnswer::Cancel);
    }
    language = LanguageIndex::Chinese;
    reset();
    prompter.answers = {PromptAnswer::Cancel};
    commands->save();
    EXPECT_EQ(asked(), std::vector<std::string>{"\"a.dat\"文件将被覆盖，是否继续？"});
}

TEST_F(Commands, SaveAsPresetsTheCurrentNameAndReportsAFailure) {
    const std::string path = savedFile("a.dat");
    files.answers = {std::nullopt, dir.file("no-such-folder/b.dat")};
    EXPECT_FALSE(commands->saveAs());
    EXPECT_EQ(files.log, std::vector<std::string>{"save Data File (*.dat)|*.dat " + path});
    EXPECT_TRUE(prompter.asked.empty());
    change();
    EXPECT_FALSE(commands->saveAs());
    EXPECT_EQ(asked(), std::vector<std::string>{"file error.\n" + dir.file("no-such-folder/b.fre") +
                                                ": no such file or folder"});
    EXPECT_EQ(ws->fileName, path);
    EXPECT_TRUE(documentChanged(*ws));
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(Commands, InitialSettingAsksNothingForAnUnchangedDocumentAndKeepsNameAndFlags) {
    const std::string path = savedFile("a.dat");
    commands->initialSetting();
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(window.calls, (std::vector<std::string>{"close", "editor", "cascade"}));
    EXPECT_EQ(ws->fileName, path);
    EXPECT_FALSE(ws->untitled);
}

TEST_F(Commands, InitialSettingAsksBeforeReplacingAChangedDocument) {
    const std::string path = savedFile("a.dat");
    change();
    const std::int16_t changedBeep = ws->current.options().beep;
    prompter.answers = {PromptAnswer::Cancel};
    commands->initialSetting();
    EXPECT_EQ(asked(), std::vector<std::string>{"All data will be cleared."});
    EXPECT_EQ(prompter.asked.at(0).buttons, MessageButtons::OkCancel);
    EXPECT_EQ(prompter.asked.at(0).icon, MessageIcon::Warning);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(ws->current.options().beep, changedBeep);

    reset();
    prompter.answers = {PromptAnswer::Ok};
    commands->initialSetting();
    EXPECT_EQ(asked(), std::vector<std::string>{"All data will be cleared."});
    EXPECT_EQ(window.calls, (std::vector<std::string>{"close", "editor", "cascade"}));
    EXPECT_EQ(ws->fileName, path);
    EXPECT_FALSE(ws->untitled);
}

TEST_F(Commands, QueryCloseOffersToSaveAChangedDocument) {
    struct Case {
        const char* what;
        bool changed;
        bool titled;
        PromptAnswer answer;
        std::optional<std::string> saveAs;  // the untitled document's Save As
        bool closes;
        bool written;
    };
    const Case cases[] = {
        {"unchanged", false, true, PromptAnswer::Cancel, std::nullopt, true, false},
        {"yes titled", true, true, PromptAnswer::Yes, std::nullopt, true, true},
        {"no", true, true, PromptAnswer::No, std::nullopt, true, false},
        {"cancel", true, true, PromptAnswer::Cancel, std::nullopt, false, false},
        {"yes untitled", true, false, PromptAnswer::Yes, "chosen.dat", true, true},
        {"yes untitled, dialog cancelled", true, false, PromptAnswer::Yes, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ws = Workspace::create();
        SetUp();
        reset();
        std::string target = c.saveAs ? dir.file(*c.saveAs) : std::string();
        if (c.titled) target = savedFile(std::string(c.what) + ".dat");
        const auto before = std::filesystem::exists(target) ? test::readBytes(target) : std::vector<std::uint8_t>{};
        if (c.changed) change();
        prompter.answers = {c.answer};
        files.answers = {c.saveAs ? std::optional<std::string>(target) : std::nullopt};
        EXPECT_EQ(commands->queryClose(), c.closes);
        EXPECT_EQ(asked(), c.changed ? std::vector<std::string>{kSaveQuestion} : std::vector<std::string>{});
        EXPECT_EQ(files.log.size(), !c.titled && c.changed ? 1u : 0u);
        EXPECT_EQ(!target.empty() && std::filesystem::exists(target) && test::readBytes(target) != before, c.written);
    }
}

TEST_F(Commands, AFailedSaveAtTheQuestionKeepsTheProgramRunning) {
    const std::string path = savedFile("a.dat");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);  // a folder where the file was: cannot be written
    change();
    prompter.answers = {PromptAnswer::Yes};
    EXPECT_FALSE(commands->queryClose());
    EXPECT_EQ(asked(), (std::vector<std::string>{kSaveQuestion, "file error.\n" + path + ": is a folder"}));
}

}  // namespace
}  // namespace mv52

namespace mv52 {
namespace {

// Another program saved the pair after this one opened it: Save asks before overwriting; Yes
// overwrites, No goes to Save As, Cancel writes nothing. A pair nobody else touched is saved
// with the usual question only.
TEST_F(Commands, SaveOverAPairAnotherProgramWroteAsksFirst) {
    const std::string path = savedFile("a.dat");
    const auto other = Workspace::create();
    buildStartupDocument(*other, "20240131", MV52_PROGRAM_DIR);
    other->current.appendChannel(0, 14, 1, "21.2");
    struct Case {
        PromptAnswer answer;
        bool written;        // our document went to a.dat
        bool savedAs;        // Save As was offered
    };
    const Case cases[] = {{PromptAnswer::Cancel, false, false}, {PromptAnswer::No, false, true}, {PromptAnswer::Yes, true, false}};
    for (const Case& c : cases) {
        ASSERT_TRUE(commands->openFile(path));
        ASSERT_TRUE(saveDataFile(*other, path));  // the other program
        const auto theirs = test::readBytes(path);
        reset();
        change();
        prompter.answers = {PromptAnswer::Ok, c.answer};
        files.answers = {dir.file("elsewhere.dat")};
        EXPECT_EQ(commands->save(), c.written || c.savedAs);
        ASSERT_EQ(prompter.asked.size(), 2u);
        EXPECT_EQ(prompter.asked[1].text, "a.dat was changed by another program since it was opened or last saved here.\n"
                                          "Overwrite it? (No saves it under another name.)");
        EXPECT_EQ(prompter.asked[1].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(test::readBytes(path) == theirs, !c.written);
        EXPECT_EQ(files.log.size(), c.savedAs ? 1u : 0u);
    }
    // Our own save is no change by another program.
    reset();
    change();
    prompter.answers = {PromptAnswer::Ok};
    EXPECT_TRUE(commands->save());
    EXPECT_EQ(asked().size(), 1u);
}

// A pair whose channel file is missing opens with a warning that names it, and the Write asks
// before it goes ahead; a save makes the pair whole again.
TEST_F(Commands, AMissingChannelFileIsSaidOnOpenAndWriteAsksFirst) {
    const std::string path = savedFile("a.dat");
    std::filesystem::remove(dir.file("a.fre"));
    reset();
    prompter.answers = {PromptAnswer::Ok};
    ASSERT_TRUE(commands->openFile(path));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "The channel file " + dir.file("a.fre") +
                                          " is missing or short: 176 channels are not in it and left empty.");
    EXPECT_EQ(prompter.asked[0].icon, MessageIcon::Warning);

    for (const PromptAnswer answer : {PromptAnswer::Cancel, PromptAnswer::Ok}) {
        reset();
        prompter.answers = {answer};
        EXPECT_EQ(commands->confirmWrite(), answer == PromptAnswer::Ok);
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::OkCancel);
        EXPECT_NE(prompter.asked[0].text.find("erase those channels from the radio"), std::string::npos);
    }
    reset();
    prompter.answers = {PromptAnswer::Ok};
    ASSERT_TRUE(commands->save());
    EXPECT_TRUE(commands->confirmWrite());
    EXPECT_EQ(asked().size(), 1u);  // only the overwrite question of Save
}

}  // namespace
}  // namespace mv52
