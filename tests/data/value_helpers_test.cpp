#include <gtest/gtest.h>

#include "data/fixed_text.h"
#include "data/numeric.h"
#include "data/value_helpers.h"

namespace mv52 {
namespace {

TEST(ValueHelpers, GroupLettersBothWays) {
    struct Case {
        int mode, group;
        const char* letter;
    };
    for (const Case& c : {Case{0, 1, "A"}, Case{0, 13, "M"}, Case{0, 15, "O"}, Case{0, 16, "MEM"},
                          Case{0, 17, "VFO"}, Case{1, 12, "L"}, Case{1, 13, "MEM"}, Case{1, 14, "VFO"}}) {
        EXPECT_EQ(groupLetter(c.mode, c.group), c.letter);
        EXPECT_EQ(groupFromLetter(c.mode, c.letter), c.group);
    }
    EXPECT_EQ(groupLetter(1, 15), "A");
    EXPECT_EQ(groupLetter(0, 0), "A");
    EXPECT_EQ(groupFromLetter(0, "P"), 0);
    EXPECT_EQ(groupFromLetter(1, "M"), 0);
}

TEST(ValueHelpers, DtmfCharacters) {
    EXPECT_EQ(dtmfCharToCode("a"), 10);
    EXPECT_EQ(dtmfCharToCode("D"), 13);
    EXPECT_EQ(dtmfCharToCode("*"), 14);
    EXPECT_EQ(dtmfCharToCode("#"), 15);
    EXPECT_EQ(dtmfCharToCode("7"), 7);
    EXPECT_EQ(dtmfCharToCode("x"), 16);
    EXPECT_EQ(dtmfCharToCode(""), 16);
    EXPECT_EQ(dtmfCodeToChar(5), "5");
    EXPECT_EQ(dtmfCodeToChar(12), "C");
    EXPECT_EQ(dtmfCodeToChar(14), "*");
    EXPECT_EQ(dtmfCodeToChar(15), "#");
}

TEST(ValueHelpers, TextsAndPaths) {
    EXPECT_EQ(cleanText(std::string("12A*\0   ", 8)), "12A*");
    EXPECT_EQ(cleanText("AB  "), "AB");
    EXPECT_EQ(cleanText(std::string("A \0B", 4)), "A ");
    EXPECT_EQ(numberFromText("42", 7), 42);
    EXPECT_EQ(numberFromText(" 3 ", 7), 3);
    EXPECT_EQ(numberFromText("x", 7), 7);
    EXPECT_EQ(numberFromText("", 7), 7);
    EXPECT_EQ(numberFromText("70000", 7), 7);
    EXPECT_EQ(fileNameOfPath("C:\\data\\radio.dat"), "radio.dat");
    EXPECT_EQ(fileNameOfPath("/home/u/radio.dat"), "radio.dat");
    EXPECT_EQ(fileNameOfPath("radio.dat"), "radio.dat");
    EXPECT_EQ(parentFolderOfPath("C:\\A\\B"), "C:\\A");
    EXPECT_EQ(parentFolderOfPath("/opt/mv52/ZU_418"), "/opt/mv52");
    EXPECT_EQ(parentFolderOfPath("\\top"), "\\top");
    EXPECT_EQ(parentFolderOfPath("plain"), "plain");
}

TEST(ValueHelpers, NumericTexts) {
    for (const char* yes : {"1", "-2.5", " 28.015 ", ".5", "1e3", "+4"}) EXPECT_TRUE(isNumeric(yes)) << yes;
    for (const char* no : {"", "abc", "1.2.3", "e3", "28,5", "1e", "FFFFFFFF", "-"}) EXPECT_FALSE(isNumeric(no)) << no;
    EXPECT_EQ(formatFixed(28.015, 5), "28.01500");
    EXPECT_EQ(formatFixed(0.0, 5), "0.00000");
    EXPECT_EQ(formatShortest(28.0), "28");
    EXPECT_EQ(formatShortest(24.715), "24.715");
}

TEST(ValueHelpers, ListSelection) {
    const std::vector<std::string> items{"FM", "AM", "USB"};
    EXPECT_EQ(listIndexByText(items, "USB"), 2);
    EXPECT_EQ(listIndexByText(items, "CW"), 0);
    EXPECT_EQ(listIndexByIndex(items, 1), 1);
    EXPECT_EQ(listIndexByIndex(items, 3), 0);
    EXPECT_EQ(listIndexByIndex(items, -1), 0);
    EXPECT_EQ(listIndexByText({}, "FM"), -1);
    EXPECT_EQ(listIndexByIndex({}, 0), -1);
}

}  // namespace
}  // namespace mv52
