// The registry of child windows by name.

#include <gtest/gtest.h>

#include <memory>

#include "app/child_windows.h"

namespace mv52 {
namespace {

struct Log {
    std::vector<std::string> events;
};

class FakeWindow : public ChildWindow {
public:
    FakeWindow(std::string name, Log& log, ChildWindowRegistry*& registry)
        : name_(std::move(name)), log_(log), registry_(registry) {}
    void focus() override { log_.events.push_back("focus " + name_); }
    void close() override {
        log_.events.push_back("close " + name_);
        if (registry_) registry_->windowClosed(this);  // as a window reports its own close
    }
    void commitPendingEdit() override { log_.events.push_back("commit " + name_); }

private:
    std::string name_;
    Log& log_;
    ChildWindowRegistry*& registry_;
};

struct Registry : ::testing::Test {
    Log log;
    ChildWindowRegistry* self = nullptr;
    ChildWindowRegistry registry{[this] { log.events.push_back("cascade"); }};
    std::vector<std::unique_ptr<FakeWindow>> made;

    void SetUp() override { self = &registry; }

    void define(const std::string& name) {
        registry.define(name, [this, name]() -> ChildWindow* {
            log.events.push_back("make " + name);
            made.push_back(std::make_unique<FakeWindow>(name, log, self));
            return made.back().get();
        });
    }
};

TEST_F(Registry, OpeningAnOpenWindowFocusesItInsteadOfMakingAnother) {
    define(kChannelEditorWindow);
    define(kOptionFeaturesWindow);
    EXPECT_EQ(registry.open(kChannelEditorWindow), ChildOpenResult::Opened);
    EXPECT_EQ(registry.open(kOptionFeaturesWindow), ChildOpenResult::Opened);
    EXPECT_EQ(registry.open(kChannelEditorWindow), ChildOpenResult::Focused);
    EXPECT_EQ(log.events, (std::vector<std::string>{"make frmCommChInfo", "cascade", "make FrmOptFeatures", "cascade",
                                                    "focus frmCommChInfo"}));
    EXPECT_EQ(registry.openNames(), (std::vector<std::string>{kChannelEditorWindow, kOptionFeaturesWindow}));
}

TEST_F(Registry, AWindowNotYetAvailableOpensNothing) {
    EXPECT_EQ(registry.open(kDtmfWindow), ChildOpenResult::Unavailable);
    registry.define(kRogerBeepWindow, [] { return static_cast<ChildWindow*>(nullptr); });
    EXPECT_EQ(registry.open(kRogerBeepWindow), ChildOpenResult::Unavailable);
    EXPECT_TRUE(log.events.empty());
    EXPECT_TRUE(registry.openNames().empty());
    EXPECT_FALSE(registry.defined(kDtmfWindow));
    EXPECT_TRUE(registry.defined(kRogerBeepWindow));
}

TEST_F(Registry, CloseAllClosesInOpeningOrderAndAllowsReopeningAtOnce) {
    define(kRogerBeepWindow);
    define(kChannelEditorWindow);
    registry.open(kChannelEditorWindow);
    registry.open(kRogerBeepWindow);
    log.events.clear();
    self = nullptr;  // windows that report their close only later
    registry.closeAll();
    EXPECT_EQ(log.events, (std::vector<std::string>{"close frmCommChInfo", "close FrmToneTips"}));
    EXPECT_TRUE(registry.openNames().empty());
    EXPECT_EQ(registry.open(kChannelEditorWindow), ChildOpenResult::Opened);
    // A late report of the old window does not forget the new one.
    registry.windowClosed(made[0].get());
    EXPECT_TRUE(registry.isOpen(kChannelEditorWindow));
}

TEST_F(Registry, AWindowClosedByTheUserCanBeOpenedAgain) {
    define(kChannelEditorWindow);
    registry.open(kChannelEditorWindow);
    made.back()->close();
    EXPECT_FALSE(registry.isOpen(kChannelEditorWindow));
    EXPECT_EQ(registry.open(kChannelEditorWindow), ChildOpenResult::Opened);
    EXPECT_EQ(made.size(), 2u);
}

TEST_F(Registry, CommitsThePendingEditsOfTheOpenWindowsOnly) {
    define(kChannelEditorWindow);
    define(kOptionFeaturesWindow);
    define(kDtmfWindow);
    registry.open(kChannelEditorWindow);
    registry.open(kOptionFeaturesWindow);
    log.events.clear();
    registry.commitPendingEdits();
    EXPECT_EQ(log.events, (std::vector<std::string>{"commit frmCommChInfo", "commit FrmOptFeatures"}));
}

}  // namespace
}  // namespace mv52
