#include "launch/launch_rules.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

int exists(const char *)
{
    return 1;
}

int missing(const char *)
{
    return 0;
}

std::string command_line(const char *application, const char *archive, FileExistsTest file_exists)
{
    char *line = build_command_line(application, archive, file_exists);
    std::string text = line;
    std::free(line);
    return text;
}

TEST(LaunchRules, OnlyAnExeEndingNamesAProgram)
{
    EXPECT_TRUE(names_program("C:\\GV\\GV.EXE"));
    EXPECT_TRUE(names_program("c:\\gv\\gv.Exe"));
    EXPECT_FALSE(names_program("C:\\GV\\GV.EXE /s"));    // arguments after the name
    EXPECT_FALSE(names_program("open"));                 // no dot: a verb
    EXPECT_FALSE(names_program("C:\\v.exe\\viewer"));    // the only dot lies in a folder
    EXPECT_FALSE(names_program("C:\\GV\\GV."));          // nothing after the dot
    EXPECT_FALSE(names_program("C:\\GV\\GV.exee"));
    EXPECT_FALSE(names_program("C:\\GV\\GV.ex"));
    EXPECT_FALSE(names_program(""));
}

TEST(LaunchRules, TraceShowsTheTextFromTheDotOrNullWithoutOne)
{
    EXPECT_STREQ(trace_dot_text("C:\\GV\\GV.EXE"), ".EXE");
    EXPECT_STREQ(trace_dot_text("C:\\v1.2\\view"), ".2\\view");
    EXPECT_STREQ(trace_dot_text("C:\\GV\\GV."), ".");
    EXPECT_STREQ(trace_dot_text("open"), "(null)");
    EXPECT_STREQ(trace_dot_text(""), "(null)");
}

TEST(LaunchRules, ArchivePathIsQuotedOnlyWhenItHoldsASpace)
{
    EXPECT_EQ(command_line("C:\\GV\\GV.EXE", "C:\\a b\\x.lzh", missing),
              "C:\\GV\\GV.EXE \"C:\\a b\\x.lzh\"");
    EXPECT_EQ(command_line("C:\\GV\\GV.EXE", "C:\\ab\\x.lzh", missing), "C:\\GV\\GV.EXE C:\\ab\\x.lzh");
    EXPECT_EQ(command_line("C:\\GV\\GV.EXE", "C:\\a\tb.lzh", missing), "C:\\GV\\GV.EXE C:\\a\tb.lzh");
    EXPECT_EQ(command_line("C:\\GV\\GV.EXE", "", missing), "C:\\GV\\GV.EXE ");
}

TEST(LaunchRules, ProgramPathWithBlanksIsQuotedOnlyWhenItNamesAFile)
{
    EXPECT_EQ(command_line("C:\\My Apps\\cg.exe", "x.lzh", exists), "\"C:\\My Apps\\cg.exe\" x.lzh");
    // A text that is not one existing file (a wrapper and its program) stays as it is.
    EXPECT_EQ(command_line("C:\\bin\\wrap.exe D:\\v\\view.exe", "x.lzh", missing),
              "C:\\bin\\wrap.exe D:\\v\\view.exe x.lzh");
    // Without blanks nothing needs quotes, whether or not the file exists.
    EXPECT_EQ(command_line("C:\\GV\\GV.EXE", "x.lzh", exists), "C:\\GV\\GV.EXE x.lzh");
}

TEST(LaunchRules, LongTextsAreNeverCut)
{
    // Both texts quoted: the line fills its buffer to the last byte.
    std::string application = "C:\\My " + std::string(250, 'a') + ".exe";
    std::string archive = "D:\\" + std::string(255, 'b') + " c.lzh";
    std::string line = command_line(application.c_str(), archive.c_str(), exists);
    EXPECT_EQ(line, "\"" + application + "\" \"" + archive + "\"");
    EXPECT_GT(line.size(), 511u);
}

TEST(LaunchRules, TextsLeadingBackToBriselAreNotStarted)
{
    const char *module = "C:\\Tools\\BRISEL.EXE";
    EXPECT_TRUE(starts_self("", module));               // the class's default verb
    EXPECT_TRUE(starts_self("brisel", module));
    EXPECT_TRUE(starts_self("BriSel", module));
    EXPECT_TRUE(starts_self("c:\\tools\\brisel.exe", module));
    EXPECT_FALSE(starts_self("open", module));
    EXPECT_FALSE(starts_self("brisel2", module));
    EXPECT_FALSE(starts_self("C:\\Tools\\BRISEL.EXE ", module));  // not an exe text: a verb
    EXPECT_FALSE(starts_self("C:\\Other\\BRISEL.EXE", module));
    EXPECT_FALSE(starts_self("C:\\Tools\\GV.EXE", module));
}

}  // namespace
