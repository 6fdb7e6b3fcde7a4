#include "common/text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(AsciiFolding, ChangesOnlyLowerCaseLetters)
{
    for (int c = 0; c < 256; ++c) {
        unsigned char expected = (c >= 'a' && c <= 'z') ? (unsigned char)(c - 32) : (unsigned char)c;
        EXPECT_EQ(expected, ascii_upper((unsigned char)c)) << "byte " << c;
    }
}

TEST(AsciiFolding, WholeTextComparisonNeedsEqualLengths)
{
    EXPECT_TRUE(ascii_equal_nocase("C:\\Brisel\\brisel.exe", "c:\\BRISEL\\BRISEL.EXE"));
    EXPECT_FALSE(ascii_equal_nocase("C:\\brisel.exe", "C:\\brisel.exe2"));
    EXPECT_FALSE(ascii_equal_nocase("C:\\brisel.ex", "C:\\brisel.exe"));
    EXPECT_FALSE(ascii_equal_nocase("\xE0", "\xC0"));  // only ASCII letters fold
}

TEST(AsciiFolding, PrefixComparisonStopsAtTheEndOfEitherText)
{
    EXPECT_TRUE(ascii_prefix_nocase("c:\\tools\\brisel.exe \"%1\"", "C:\\TOOLS\\BRISEL.EXE"));
    EXPECT_TRUE(ascii_prefix_nocase("anything", ""));
    EXPECT_FALSE(ascii_prefix_nocase("C:\\tools", "C:\\tools\\brisel.exe"));
}

TEST(CopyText, CutsAtCapacityAndAlwaysTerminates)
{
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(copy_text(buffer, sizeof buffer, "0123456789"));
    EXPECT_STREQ("0123456", buffer);
    EXPECT_TRUE(copy_text(buffer, sizeof buffer, "0123456"));
    EXPECT_STREQ("0123456", buffer);
    EXPECT_TRUE(copy_text(buffer, 1, ""));
    EXPECT_STREQ("", buffer);
}

TEST(CopyText, JoinedPiecesAreBoundedLikeOneCopy)
{
    char buffer[8];
    EXPECT_TRUE(join_texts(buffer, sizeof buffer, {"abc", "", "defg"}));
    EXPECT_STREQ("abcdefg", buffer);
    EXPECT_FALSE(join_texts(buffer, sizeof buffer, {"abcd", "efgh"}));
    EXPECT_STREQ("abcdefg", buffer);
    EXPECT_FALSE(join_texts(buffer, 4, {"abcd", "x"}));
    EXPECT_STREQ("abc", buffer);
}
