#include <gtest/gtest.h>

#include "support/fakes.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

using test::MemoryProfiles;

VersionTable load(const std::string& text) {
    MemoryProfiles p;
    p.files["/v.ini"] = text;
    return loadVersionTable(p, "/v.ini");
}

TEST(VersionTable, ReadsPairsInFileOrder) {
    const VersionTable t = load(
        "[Version]\nCurrentVersion=V200\nSoftVersionCount=2\nFirmVersionCount=3\n"
        "[Soft]\nVersion0=V200\nVersion1=V210\n"
        "[Firm]\nFirm0=V200V200\nFirm1=V210 - V201\nfirm2=V220V201\n");
    EXPECT_FALSE(t.incomplete);
    EXPECT_EQ(t.currentVersion, "V200");
    EXPECT_EQ(t.softVersions, (std::vector<std::string>{"V200", "V210"}));
    EXPECT_EQ(t.pairs, (std::vector<VersionPair>{{"V200", "V200"}, {"V210", "V201"}, {"V220", "V201"}}));
    EXPECT_TRUE(isCompatible(t, "V200", "V200"));
    EXPECT_FALSE(isCompatible(t, "V200", "V201"));
    EXPECT_EQ(programVersionFor(t, "V201"), "V210");  // the first pair decides
    EXPECT_EQ(programVersionFor(t, "V999"), "");
}

TEST(VersionTable, MissingOrBadCountsGiveAnEmptyTableFlaggedIncomplete) {
    for (const char* text : {"", "[Version]\nSoftVersionCount=1\n", "[Version]\nSoftVersionCount=1\nFirmVersionCount=x\n"}) {
        const VersionTable t = load(text);
        EXPECT_TRUE(t.incomplete) << text;
        EXPECT_TRUE(t.pairs.empty());
    }
    const VersionTable none = load("[Version]\nSoftVersionCount=0\nFirmVersionCount=0\n");
    EXPECT_FALSE(none.incomplete);
    EXPECT_FALSE(isCompatible(none, "V200", "V200"));
}

TEST(VersionTable, VersionTextsAndQuestion) {
    EXPECT_EQ(displayVersion("V200"), "V2.00");
    EXPECT_EQ(displayVersion("V201"), "V2.01");
    EXPECT_TRUE(isVersionText("V210"));
    for (const char* no : {"V21", "V2100", "X210", "V2.1", "../x"}) EXPECT_FALSE(isVersionText(no)) << no;
    EXPECT_EQ(composeVersionQuestion("V200", "V201", VersionKind::Firmware, LanguageIndex::Chinese),
              "版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n固件版本为 V2.01\r\n写频软件版本为 V2.00");
}

}  // namespace
}  // namespace mv52
