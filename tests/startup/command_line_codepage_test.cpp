// The splitter with the system's own lead-byte test: the Shift-JIS name stays
// whole under code page 932, and the same bytes are plain bytes under 1252.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "split_arguments.h"

namespace {

int lead_byte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != 0;
}

// "C:\人形表" quoted, then a second argument; 表 ends in the backslash code.
const char LINE[] = "\"C:\\B\\brisel.exe\" \"C:\\\x90\x6C\x8C\x60\x95\x5C\" next";

TEST(CommandLineCodePage, TrailBackslashFollowsTheAnsiCodePage)
{
    std::vector<std::string> arguments = split_arguments(LINE, lead_byte);
    UINT code_page = GetACP();
    std::printf("ANSI code page %u\n", code_page);
    if (code_page == 932) {
        ASSERT_EQ(arguments.size(), 2u);
        EXPECT_EQ(arguments[0], "C:\\\x90\x6C\x8C\x60\x95\x5C");
        EXPECT_EQ(arguments[1], "next");
    } else {
        ASSERT_EQ(code_page, 1252u);
        ASSERT_EQ(arguments.size(), 1u);
        EXPECT_EQ(arguments[0], "C:\\\x90\x6C\x8C\x60\x95\" next");
    }
}

}  // namespace
