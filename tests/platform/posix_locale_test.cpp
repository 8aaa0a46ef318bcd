#include <gtest/gtest.h>

#include <cstdlib>

#include "lang/language_choice.h"
#include "platform/posix_locale.h"

namespace mv52 {
namespace {

TEST(PosixLocale, LocaleNamesGiveWindowsIdentifiers) {
    struct Case {
        const char* name;
        std::uint32_t id;
    };
    for (const Case& c : {Case{"zh_CN.UTF-8", 0x0804}, Case{"zh_TW.UTF-8", 0x0404}, Case{"en_US.UTF-8", 0x0409},
                          Case{"de_DE@euro", 0x0407}, Case{"zh", 0x0804}, Case{"C", 0x0409}, Case{"", 0x0409},
                          Case{"xx_YY", 0x0409}})
        EXPECT_EQ(localeIdFromName(c.name), c.id) << c.name;
    EXPECT_EQ(systemLanguageFromLocale(localeIdFromName("zh_CN.UTF-8")), LanguageIndex::Chinese);
    EXPECT_EQ(systemLanguageFromLocale(localeIdFromName("zh_TW.UTF-8")), LanguageIndex::English);
}

TEST(PosixLocale, EnvironmentOrderAndAProcessLocalDecimalSymbol) {
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_MESSAGES", "zh_CN.UTF-8", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    PosixLocale locale;
    EXPECT_EQ(locale.systemDefaultLocaleId(), 0x0804u);
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(locale.systemDefaultLocaleId(), 0x0407u);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");

    const std::string before = locale.decimalSymbol(0x0409);
    EXPECT_EQ(before.size(), 1u);
    ASSERT_TRUE(locale.setDecimalSymbol(0x0409, ","));
    EXPECT_EQ(locale.decimalSymbol(0x0409), ",");
    EXPECT_EQ(PosixLocale().decimalSymbol(0x0409), before);  // nothing outside this object changed
}

}  // namespace
}  // namespace mv52
