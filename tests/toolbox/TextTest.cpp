// Text services: byte positions in GBK text, where a trail byte may look like ASCII.
#include "Text.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace toolbox;

TEST(Text, RunsUnderTheChineseCodePage) {
    EXPECT_EQ(936u, GetACP());
}

TEST(Text, FindLastStepsOverDoubleByteCharacters) {
    // "啊啊" is B0 A1 B0 A1: the bytes A1 B0 in the middle belong to two characters.
    EXPECT_EQ(-1, FindLast("\xB0\xA1\xB0\xA1", "\xA1\xB0", false));
    EXPECT_EQ(3, FindLast("\xB0\xA1\xB0\xA1", "\xB0\xA1", false));
    // 81 5C is one character whose trail byte looks like a backslash.
    const Text withTrail = "a\x81\x5C"
                           "b";
    EXPECT_EQ(-1, FindLast(withTrail, "\\", false));
    EXPECT_EQ(4, FindLast(withTrail, "b", false));
    // D8 41 is one character whose trail byte looks like "A": never folded or matched.
    EXPECT_EQ(-1, FindLast("\xD8\x41", "a", true));
    EXPECT_EQ(-1, FindLast("\xD8\x41", "A", false));
    EXPECT_EQ(5, FindLast("Level.QLX", "l", false));
    EXPECT_EQ(9, FindLast("Level.QLX", "x", true));
    EXPECT_EQ(-1, FindLast("Level.QLX", "x", false));
    EXPECT_EQ(6, FindLast("a.b.c.qlx", ".", false));
    EXPECT_EQ(-1, FindLast("abc", "", false));
    EXPECT_EQ(-1, FindLast("", "a", false));
}

TEST(Text, MidTextKeepsWithinBounds) {
    EXPECT_EQ("bc", MidText("abcd", 2, 2));
    EXPECT_EQ("cd", MidText("abcd", 3, 100));
    EXPECT_EQ("", MidText("abcd", 0, 2));
    EXPECT_EQ("", MidText("abcd", 5, 1));
    EXPECT_EQ("", MidText("abcd", 2, 0));
    EXPECT_EQ("", MidText("abcd", 2, -1));
    EXPECT_EQ("d", MidText("abcd", 4, 1));
    EXPECT_EQ(4, TextLength("汉字"));
}

TEST(Text, LowerCaseTouchesAsciiOnly) {
    EXPECT_EQ("level_01.qlx", ToLowerAscii("LEVEL_01.QLX"));
    EXPECT_EQ("\xD8\x41z", ToLowerAscii("\xD8\x41Z"));
    EXPECT_EQ("汉字abc", ToLowerAscii("汉字ABC"));
}

TEST(Text, RemoveAllSpacesTakesTheTwoByteSpace) {
    EXPECT_EQ("123", RemoveAllSpaces(" 1\xA1\xA1"
                                     "2 3\xA1\xA1"));
    // A1 A1 across two characters (B0 A1, A1 B0) is no space.
    EXPECT_EQ("\xB0\xA1\xA1\xB0", RemoveAllSpaces("\xB0\xA1\xA1\xB0"));
    EXPECT_EQ("", RemoveAllSpaces("   "));
}

TEST(Text, ToIntegerReadsLikeAtoiAfterNarrowingFullWidth) {
    EXPECT_EQ(12, ToInteger("12abc"));
    EXPECT_EQ(-45, ToInteger("  -45"));
    EXPECT_EQ(7, ToInteger("+7"));
    EXPECT_EQ(0, ToInteger("abc"));
    EXPECT_EQ(0, ToInteger(""));
    EXPECT_EQ(123, ToInteger("１２３"));
    EXPECT_EQ(-9, ToInteger("－９"));
    EXPECT_EQ(42, ToInteger("\xA1\xA1"
                            "42")); // full-width space is a blank
    EXPECT_EQ(2147483647, ToInteger("2147483647"));
    EXPECT_EQ(-2147483647 - 1, ToInteger("-2147483648"));
    EXPECT_EQ(2147483647, ToInteger("99999999999"));
}

TEST(Text, ToTextFormats) {
    EXPECT_EQ("-5", ToText(-5));
    EXPECT_EQ("10", ToText(10.0));
    EXPECT_EQ("0.1", ToText(0.1));
    EXPECT_EQ("3.333333333333", ToText(10.0 / 3.0));
    EXPECT_EQ("1e+20", ToText(1e20));
    EXPECT_EQ("ab", ToText(Bytes{'a', 'b', '\0', 'c'}));
    EXPECT_EQ(3u, ToBytes("abc").size());
}
