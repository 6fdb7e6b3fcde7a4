#include "split_arguments.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Lead bytes of code page 932 (Shift-JIS).
int cp932_lead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int no_lead(unsigned char)
{
    return 0;
}

std::vector<std::string> split(const char *line, LeadByteTest lead = cp932_lead)
{
    return split_arguments(line, lead);
}

using Args = std::vector<std::string>;

TEST(CommandLine, NoArgumentsAfterTheProgramName)
{
    EXPECT_EQ(split(""), Args{});
    EXPECT_EQ(split("brisel.exe"), Args{});
    EXPECT_EQ(split("\"C:\\My Apps\\brisel.exe\""), Args{});
    EXPECT_EQ(split("  \"C:\\My Apps\\brisel.exe\"  \t "), Args{});
    EXPECT_EQ(split("brisel.exe \t  "), Args{});
}

TEST(CommandLine, ProgramNameEndsAtItsClosingQuoteOrAtABlank)
{
    EXPECT_EQ(split("\"C:\\a b\\brisel.exe\" x.lzh"), Args{"x.lzh"});
    EXPECT_EQ(split("C:\\brisel.exe\tx.lzh"), Args{"x.lzh"});
    // A backslash before the quote does not escape it inside the program name.
    EXPECT_EQ(split("\"C:\\dir\\\" x.lzh"), Args{"x.lzh"});
    // An unclosed quoted program name swallows the rest.
    EXPECT_EQ(split("\"C:\\brisel.exe x.lzh"), Args{});
}

TEST(CommandLine, QuotedPathWithBlanksArrivesWholeWithoutQuotes)
{
    EXPECT_EQ(split("\"C:\\B\\brisel.exe\" \"C:\\My Files\\dolls set.lzh\""),
              Args{"C:\\My Files\\dolls set.lzh"});
    EXPECT_EQ(split("b.exe \"a\tb\""), Args{"a\tb"});
}

TEST(CommandLine, BlanksSeparateArgumentsAndRunsOfBlanksCountOnce)
{
    EXPECT_EQ(split("b.exe one  two\t\tthree "), (Args{"one", "two", "three"}));
}

TEST(CommandLine, QuotedSectionsJoinTheTextAroundThem)
{
    EXPECT_EQ(split("b.exe C:\"My Files\"\\a.lzh next"), (Args{"C:My Files\\a.lzh", "next"}));
    EXPECT_EQ(split("b.exe \"a\"\"b\""), Args{"ab"});
}

TEST(CommandLine, EmptyQuotedArgumentCounts)
{
    EXPECT_EQ(split("b.exe \"\""), Args{""});
    EXPECT_EQ(split("b.exe \"\" x.lzh"), (Args{"", "x.lzh"}));
}

TEST(CommandLine, UnclosedQuoteRunsToTheEnd)
{
    EXPECT_EQ(split("b.exe \"C:\\a b.lzh"), Args{"C:\\a b.lzh"});
}

TEST(CommandLine, BackslashQuoteIsALiteralQuote)
{
    EXPECT_EQ(split("b.exe a\\\"b"), Args{"a\"b"});
    // Before a closing quote the pair is a literal quote and the section runs on.
    EXPECT_EQ(split("b.exe \"C:\\dir\\\" next"), Args{"C:\\dir\" next"});
    EXPECT_EQ(split("b.exe \"C:\\dir\\\" next\" last"), (Args{"C:\\dir\" next", "last"}));
}

TEST(CommandLine, OtherBackslashesAreCopied)
{
    EXPECT_EQ(split("b.exe \\\\server\\share\\a.lzh C:\\\\x\\"),
              (Args{"\\\\server\\share\\a.lzh", "C:\\\\x\\"}));
}

TEST(CommandLine, WildcardsAreOrdinaryCharacters)
{
    EXPECT_EQ(split("b.exe *.lzh a?.lzh"), (Args{"*.lzh", "a?.lzh"}));
}

// 人形表: the trail byte of 表 (0x95 0x5C) has the backslash code.
const char DOLLS_TABLE[] = "\x90\x6C\x8C\x60\x95\x5C";

TEST(CommandLine, ShiftJisTrailBackslashBeforeClosingQuoteStaysInTheName)
{
    std::string line = std::string("b.exe \"C:\\") + DOLLS_TABLE + "\" next";
    EXPECT_EQ(split(line.c_str()), (Args{std::string("C:\\") + DOLLS_TABLE, "next"}));
    // Without double-byte characters the same bytes read as \" and the section runs on.
    EXPECT_EQ(split(line.c_str(), no_lead), Args{"C:\\\x90\x6C\x8C\x60\x95\" next"});
}

TEST(CommandLine, ShiftJisTrailBytesAreNeverTakenForQuoteOrBlank)
{
    // 0x81 0x40 is the full-width blank; a lead byte before a quote or a blank takes it along.
    EXPECT_EQ(split("b.exe a\x81\x40z x"), (Args{"a\x81\x40z", "x"}));
    EXPECT_EQ(split("b.exe a\x81\" x"), (Args{"a\x81\"", "x"}));
    EXPECT_EQ(split("b.exe a\x81 x"), Args{"a\x81 x"});
}

TEST(CommandLine, ASmallerTextKeepsTheWholeArgumentsThatFit)
{
    char text[8];
    std::memset(text, 'x', sizeof text);
    // "abc" and "defg" need 4 + 5 bytes: only the first fits.
    EXPECT_EQ(split_command_line("b.exe abc defg", cp932_lead, text, 8), 1);
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(split_command_line("b.exe abc", cp932_lead, text, 0), 0);
}

TEST(CommandLine, LeadByteAtTheEndIsCopiedAlone)
{
    EXPECT_EQ(split("b.exe a\x81"), Args{"a\x81"});
    EXPECT_EQ(split("b.exe \"a\x81"), Args{"a\x81"});
}

using WideArgs = std::vector<std::u16string>;

WideArgs split_wide(const std::u16string &line, std::size_t capacity = 0)
{
    std::vector<char16_t> text(capacity ? capacity : line.size() + 1);
    int count = split_command_line(line.c_str(), text.data(), text.size());
    WideArgs arguments;
    for (const char16_t *argument = text.data(); count-- > 0; argument += arguments.back().size() + 1)
        arguments.push_back(argument);
    return arguments;
}

TEST(WideCommandLine, TheSameRulesOverUtf16)
{
    EXPECT_EQ(split_wide(u"\"C:\\a b\\brisel.exe\"  \t"), WideArgs{});
    EXPECT_EQ(split_wide(u"\"C:\\B\\brisel.exe\" \"C:\\My Files\\a b.lzh\" next"),
              (WideArgs{u"C:\\My Files\\a b.lzh", u"next"}));
    EXPECT_EQ(split_wide(u"b.exe C:\"My Files\"\\a.lzh \"\" a\\\"b \"C:\\dir\\\" next"),
              (WideArgs{u"C:My Files\\a.lzh", u"", u"a\"b", u"C:\\dir\" next"}));
}

TEST(WideCommandLine, EveryOtherCharacterIsPlainText)
{
    // Look-alikes of quote, backslash and blank, a character beyond U+FFFF,
    // and 表, whose Shift-JIS form ends in the backslash code.
    EXPECT_EQ(split_wide(u"b.exe \"C:\\\uFF02a\uFF02.lzh\" x\u00A5y\uFF3C\u3000z \U00020BB7 \"\u8868\""),
              (WideArgs{u"C:\\\uFF02a\uFF02.lzh", u"x\u00A5y\uFF3C\u3000z", u"\U00020BB7", u"\u8868"}));
}

TEST(WideCommandLine, ASmallerTextKeepsTheWholeArgumentsThatFit)
{
    EXPECT_EQ(split_wide(u"b.exe abc defg", 8), WideArgs{u"abc"});
    EXPECT_EQ(split_wide(u"b.exe abc defg", 9), (WideArgs{u"abc", u"defg"}));
}

}  // namespace
