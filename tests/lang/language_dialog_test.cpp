#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/language_choice.h"

namespace mv52 {
namespace {

constexpr LanguageIndex kEn = LanguageIndex::English;
constexpr LanguageIndex kZh = LanguageIndex::Chinese;

using Names = std::vector<std::string>;

TEST(LangSystemLanguage, OnlyLocale804IsChinese) {
    struct Case {
        std::uint32_t localeId;
        const char* hex;
        LanguageIndex expected;
    };
    const Case cases[] = {
        {0x0804, "804", kZh},    // Chinese (PRC)
        {0x0409, "409", kEn},    // English (United States)
        {0x0404, "404", kEn},    // Chinese (Taiwan)
        {0x0C04, "C04", kEn},    // Chinese (Hong Kong)
        {0x1004, "1004", kEn},   // Chinese (Singapore)
        {0x20804, "20804", kEn}, // PRC with another sort order
        {0x8040, "8040", kEn},
        {0, "0", kEn},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(localeIdHex(c.localeId), c.hex);
        EXPECT_EQ(systemLanguageFromLocale(c.localeId), c.expected) << c.hex;
    }
}

TEST(LangSystemLanguage, StateStartsAsTheSystemLanguage) {
    for (LanguageIndex system : {kEn, kZh}) {
        const LanguageState state = LanguageState::startingWith(system);
        EXPECT_EQ(state.current, system);
        EXPECT_EQ(state.system, system);
        EXPECT_EQ(state.applied, system);
    }
    EXPECT_EQ(languageStoredText(kEn), "1");
    EXPECT_EQ(languageStoredText(kZh), "2");
}

TEST(LangDialog, OffersTheChineseNameOnlyOnAChineseSystem) {
    struct Case {
        LanguageIndex current;
        LanguageIndex system;
        Names names;
        const char* currentName;
        int preselected;
    };
    const Case cases[] = {
        {kEn, kEn, {"English"}, "English", 0},
        {kEn, kZh, {"English", "Chinese"}, "English", 0},
        {kZh, kZh, {"英语", "中文"}, "中文", 1},
        // Chinese stored earlier on a system that is not Chinese: its name is not offered.
        {kZh, kEn, {"英语"}, "中文", -1},
    };
    for (const Case& c : cases) {
        const LanguageDialogModel dialog(c.current, c.system);
        EXPECT_EQ(dialog.names(), c.names);
        EXPECT_EQ(dialog.currentName(), c.currentName);
        EXPECT_EQ(dialog.preselectedIndex(), c.preselected);
    }
}

TEST(LangDialog, CaptionsFollowTheCurrentLanguage) {
    struct Case {
        LanguageIndex current;
        const char* caption;
        const char* label;
        const char* ok;
        const char* cancel;
    };
    const Case cases[] = {
        {kEn, "Language Setup", "Language Mode", "&OK", "&Cancel"},
        {kZh, "语言设置", "语言模式", "确定(&O)", "取消(&C)"},
    };
    for (const Case& c : cases) {
        const LanguageDialogModel dialog(c.current, kZh);
        EXPECT_EQ(dialog.caption(), c.caption);
        EXPECT_EQ(dialog.label(), c.label);
        EXPECT_EQ(dialog.buttonCaptions(), (ButtonCaptions{c.ok, c.cancel}));
    }
}

TEST(LangDialog, OkTurnsTheChosenNameIntoTheLanguageToStore) {
    struct Case {
        LanguageIndex current;
        LanguageIndex system;
        const char* chosen;
        LanguageIndex expected;
    };
    const Case cases[] = {
        {kEn, kZh, "Chinese", kZh},
        {kEn, kZh, "English", kEn},  // unchanged, still stored
        {kZh, kZh, "英语", kEn},
        {kZh, kZh, "中文", kZh},
        {kEn, kZh, "", kEn},          // nothing chosen
        {kEn, kZh, "French", kEn},    // any other text
        {kZh, kZh, "English", kZh},   // names count only as the list shows them
        {kEn, kEn, "Chinese", kEn},   // not offered on a system that is not Chinese
        {kZh, kEn, "中文", kZh},
        {kZh, kEn, "英语", kEn},
    };
    for (const Case& c : cases) {
        const LanguageDialogModel dialog(c.current, c.system);
        EXPECT_EQ(dialog.confirm(c.chosen), (LanguageDialogResult{c.expected, true})) << c.chosen;
    }
}

TEST(LangDialog, CancelChangesAndStoresNothing) {
    for (LanguageIndex current : {kEn, kZh}) {
        const LanguageDialogModel dialog(current, kZh);
        EXPECT_EQ(dialog.cancel(), (LanguageDialogResult{current, false}));
    }
}

TEST(LangDialog, OnlyAChangedLanguageReachesTheMainWindow) {
    struct Case {
        LanguageIndex system;
        const char* chosen;
        bool refresh;
    };
    const Case cases[] = {
        {kZh, "Chinese", true},   // switch: re-caption, close the children, reopen the channel editor
        {kZh, "English", false},  // confirmed unchanged: stored, nothing on screen
        {kEn, "Chinese", false},  // cannot reach Chinese on this system
    };
    for (const Case& c : cases) {
        LanguageState state = LanguageState::startingWith(kEn);
        state.system = c.system;
        const LanguageDialogModel dialog(state.current, state.system);
        state.current = dialog.confirm(c.chosen).language;
        EXPECT_EQ(state.takePendingChange(), c.refresh) << c.chosen;
        // The next activation finds nothing left to apply.
        EXPECT_FALSE(state.takePendingChange());
        EXPECT_EQ(state.applied, state.current);
    }
}

}  // namespace
}  // namespace mv52
