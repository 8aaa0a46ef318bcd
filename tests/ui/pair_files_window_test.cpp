// The main window with pairs that are not whole or cannot be written: what the user is told,
// and a write to the radio that waits for the user's word.

#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "app/document_commands.h"
#include "storage/data_file.h"
#include "ui/ui_support.h"

namespace mv52 {
namespace {

TEST(PairFilesWindow, AMissingChannelFileIsSaidAndWriteAsksBeforeItStarts) {
    test::WindowRig rig;
    MainWindow& w = rig.window();
    const std::string path = rig.install.file("lost.dat");
    ASSERT_TRUE(saveDataFile(*rig.app->workspace, path));
    std::filesystem::remove(rig.install.file("lost.fre"));

    rig.prompter.asked.clear();
    ASSERT_TRUE(w.documentCommands().openFile(path));
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].icon, MessageIcon::Warning);
    EXPECT_NE(rig.prompter.asked[0].text.find("lost.fre is missing or short"), std::string::npos);

    rig.prompter.asked.clear();
    rig.prompter.answers = {PromptAnswer::Cancel};
    rig.find<QAction>("mnuWriteToRadio")->trigger();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_NE(rig.prompter.asked[0].text.find("Write anyway?"), std::string::npos);
    // Cancelled: the write's timer never starts, so no port is opened and nothing is asked.
    EXPECT_FALSE(test::waitUntil([&] { return rig.prompter.asked.size() > 1; }, 300));
    EXPECT_FALSE(w.linkSession().running());
}

TEST(PairFilesWindow, AFailedSaveShowsTheFileAndTheReasonUnderDetails) {
    test::WindowRig rig;
    MainWindow& w = rig.window();
    const std::string path = rig.install.file("ro.dat");
    ASSERT_TRUE(saveDataFile(*rig.app->workspace, path));
    ASSERT_TRUE(w.documentCommands().openFile(path));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    rig.app->workspace->current.options().beep ^= 1;

    rig.prompter.asked.clear();
    rig.prompter.answers = {PromptAnswer::Ok};
    EXPECT_FALSE(w.documentCommands().save());
    ASSERT_EQ(rig.prompter.asked.size(), 2u);
    EXPECT_EQ(rig.prompter.asked[1].text, "file error.");
    EXPECT_EQ(rig.prompter.asked[1].detail, path + ": the file is read-only");
}

}  // namespace
}  // namespace mv52
