#include <gtest/gtest.h>

#include "support/fakes.h"
#include "version/handover.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

struct HandoverFixture : ::testing::Test {
    VersionTable versions;
    test::FakeLauncher launcher;
    test::ScriptedPrompter prompter;
    int portClosed = 0;
    HandoverContext context{versions, "/inst", "mv52", launcher, prompter, LanguageIndex::English,
                            [this] { ++portClosed; }};
};

TEST_F(HandoverFixture, StartsTheProgramOfTheFirstPairAndClosesThePort) {
    versions.pairs = {{"V210", "V201"}, {"V220", "V201"}};
    EXPECT_EQ(startProgramFor(context, "V201"), HandoverResult::Started);
    ASSERT_EQ(launcher.started.size(), 1u);
#ifdef _WIN32
    EXPECT_EQ(launcher.started[0], "/inst/V210/ZU_418/mv52.exe");
#else
    EXPECT_EQ(launcher.started[0], "/inst/V210/ZU_418/mv52");
#endif
    EXPECT_EQ(portClosed, 1);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(HandoverFixture, NoPairOrAPathLikeVersionIsRefused) {
    versions.pairs = {{"../x", "V300"}, {"V2000", "V301"}, {"V21", "V302"}};
    for (const char* other : {"V999", "V300", "V301", "V302"}) {
        prompter.asked.clear();
        EXPECT_EQ(startProgramFor(context, other), HandoverResult::NoSuchVersion) << other;
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].text, "Fail to start the software. This version does not exist.");
        EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::Ok);
    }
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(portClosed, 0);
}

TEST_F(HandoverFixture, AProgramThatCannotStartIsReportedToTheCaller) {
    versions.pairs = {{"V200", "V200"}};
    launcher.fail = true;
    EXPECT_EQ(startProgramFor(context, "V200"), HandoverResult::StartFailed);
}

}  // namespace
}  // namespace mv52
