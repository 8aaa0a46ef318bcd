#include <gtest/gtest.h>

#include "system/profile_file.h"
#include "platform/ini_profile_file.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

TEST(ProfileText, LookupIgnoresCaseTrimsAndStopsAtNul) {
    const std::string text = std::string("; comment\r\n[Other]\r\nkey=no\r\n[ Language ]\r\n  IsFirstRun =  1  \r\n") +
                             std::string("comPort=3\0junk\r\nempty=\r\n", 25);
    EXPECT_EQ(profileLookup(text, "language", "isfirstrun"), "1");
    EXPECT_EQ(profileLookup(text, "LANGUAGE", "comPort"), "3");
    EXPECT_EQ(profileLookup(text, "language", "empty"), "");
    EXPECT_EQ(profileLookup(text, "language", "key"), std::nullopt);
    EXPECT_EQ(profileLookup(text, "missing", "key"), std::nullopt);
}

TEST(ProfileText, UpdateChangesOneLineInPlace) {
    const std::string before = "[language]\r\nIsFirstRun=1\r\ncomPort=1\r\n\r\n[ports]\r\nCOM99=/dev/pts/4\r\n";
    EXPECT_EQ(profileUpdate(before, "LANGUAGE", "comport", "7"),
              "[language]\r\nIsFirstRun=1\r\ncomport=7\r\n\r\n[ports]\r\nCOM99=/dev/pts/4\r\n");
    EXPECT_EQ(profileUpdate(before, "language", "StopBit", "0"),
              "[language]\r\nIsFirstRun=1\r\ncomPort=1\r\nStopBit=0\r\n\r\n[ports]\r\nCOM99=/dev/pts/4\r\n");
    EXPECT_EQ(profileUpdate("[a]\nx=1\n", "b", "y", "2"), "[a]\nx=1\n[b]\ny=2\n");
    EXPECT_EQ(profileUpdate("", "language", "comPort", "1"), "[language]\ncomPort=1\n");
}

TEST(IniProfileFile, ReadsAndWritesFiles) {
    test::TempDir dir;
    IniProfileFile ini;
    const std::string path = dir.file("mysetup.ini");
    EXPECT_EQ(ini.read(path, "language", "comPort", "dflt"), "dflt");
    ASSERT_TRUE(ini.write(path, "language", "comPort", "12345"));
    EXPECT_EQ(ini.read(path, "language", "comPort", ""), "12345");
    EXPECT_EQ(ini.read(path, "language", "comPort", "", 4), "123");  // the buffer size cuts the value
    EXPECT_FALSE(ini.write(dir.file("no/such/dir/x.ini"), "a", "b", "c"));
}

}  // namespace
}  // namespace mv52
