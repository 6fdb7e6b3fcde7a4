#include "launch/launch_rules.h"

#include <cstdlib>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

// The files that exist, for choose_program.
std::set<std::u16string> files;

int is_file(const char16_t *path)
{
    return files.count(path) != 0;
}

// An ASCII text in UTF-16 as bytes, for failure messages.
std::string ascii(const std::u16string &text)
{
    return std::string(text.begin(), text.end());
}

// "program|arguments" as choose_program finds them, or "(none)".
std::u16string choose(const std::u16string &text, const char16_t *search_path = u"")
{
    ProgramChoice choice;
    if (!choose_program(text.c_str(), search_path, is_file, choice))
        return u"(none)";
    return choice.path + (u"|" + text.substr(choice.written));
}

std::u16string command_line(const std::u16string &text, std::size_t written, const std::u16string &archive)
{
    char16_t *line = build_command_line(text.c_str(), written, archive.c_str());
    std::u16string result = line;
    std::free(line);
    return result;
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

TEST(LaunchRules, VerbsLeadingBackToBriselAreNotCarriedOut)
{
    EXPECT_TRUE(verb_leads_back(""));  // the class's default verb
    EXPECT_TRUE(verb_leads_back("brisel"));
    EXPECT_TRUE(verb_leads_back("BriSel"));
    EXPECT_FALSE(verb_leads_back("open"));
    EXPECT_FALSE(verb_leads_back("brisel2"));
    EXPECT_FALSE(verb_leads_back("brisel "));
}

TEST(LaunchRules, FullPathsNameTheirDriveOrServer)
{
    for (const char16_t *path : {u"C:\\x.exe", u"c:/x.exe", u"\\\\server\\share\\x.exe", u"//server/x.exe"})
        EXPECT_TRUE(is_full_path(path));
    for (const char16_t *path : {u"x.exe", u"apps\\x.exe", u"C:x.exe", u"\\apps\\x.exe", u"C:", u"", u"1:\\x.exe"})
        EXPECT_FALSE(is_full_path(path));
}

TEST(ChooseProgram, TheWholeTextOrItsFirstPartThatIsAProgram)
{
    files = {u"C:\\My Apps\\cg.exe", u"C:\\bin\\wrap.exe", u"D:\\v\\view.exe", u"C:\\scratch\\my.exe",
             u"C:\\scratch\\my", u"apps\\kiss.exe", u"C:\\a.exe b.exe"};
    EXPECT_EQ(choose(u"C:\\My Apps\\cg.exe"), u"C:\\My Apps\\cg.exe|");
    // A wrapper and the program it runs: the rest are arguments.
    EXPECT_EQ(choose(u"C:\\bin\\wrap.exe D:\\v\\view.exe"), u"C:\\bin\\wrap.exe| D:\\v\\view.exe");
    EXPECT_EQ(choose(u"C:\\bin\\wrap.exe\tD:\\v\\view.exe"), u"C:\\bin\\wrap.exe|\tD:\\v\\view.exe");
    // The whole text before any cut.
    EXPECT_EQ(choose(u"C:\\a.exe b.exe"), u"C:\\a.exe b.exe|");
    // A missing program in a folder with a blank: the part before the blank
    // has no ".exe" ending and never stands in, whatever lies there.
    EXPECT_EQ(choose(u"C:\\scratch\\my apps\\viewer.exe"), u"(none)");
    EXPECT_EQ(choose(u"C:\\scratch\\my.exe apps\\viewer.exe"), u"C:\\scratch\\my.exe| apps\\viewer.exe");
    // Relative to the current directory or drive: never looked for.
    for (const char16_t *text : {u"apps\\kiss.exe", u"apps/kiss.exe", u"C:kiss.exe", u"\\bin\\wrap.exe",
                                 u"C:\\missing.exe", u"", u".exe"})
        EXPECT_EQ(choose(text), u"(none)") << ascii(text);
}

TEST(ChooseProgram, ABareNameIsFoundAlongTheSearchPathButNeverInTheCurrentDirectory)
{
    files = {u"C:\\Brisel\\v.exe", u"C:\\Windows\\v.exe", u"C:\\Windows\\w.exe", u"w.exe", u".\\w.exe",
             u"x.exe", u"\\\\server\\tools\\x.exe", u"C:/Tools\\y.EXE"};
    const char16_t *search = u"C:\\Brisel;.;;apps;C:\\Windows\\\\;\\\\server\\tools;C:/Tools/";
    EXPECT_EQ(choose(u"v.exe", search), u"C:\\Brisel\\v.exe|");  // the first directory that holds it
    EXPECT_EQ(choose(u"w.exe", search), u"C:\\Windows\\w.exe|");  // "." and "apps" are skipped
    EXPECT_EQ(choose(u"x.exe", search), u"\\\\server\\tools\\x.exe|");
    EXPECT_EQ(choose(u"y.EXE", search), u"C:/Tools\\y.EXE|");
    EXPECT_EQ(choose(u"z.exe", search), u"(none)");
    EXPECT_EQ(choose(u"v.exe", u""), u"(none)");
    // Only a bare name is searched: not one with a folder or a blank.
    EXPECT_EQ(choose(u"Windows\\v.exe", u"C:\\"), u"(none)");
    EXPECT_EQ(choose(u"v.exe -x", search), u"(none)");
    // A directory and name too long for a path are passed over.
    std::u16string deep = u"C:\\" + std::u16string(300, u'd');
    files.insert(deep + u"\\v.exe");
    EXPECT_EQ(choose(u"v.exe", (deep + u";C:\\Windows").c_str()), u"C:\\Windows\\v.exe|");
}

TEST(LaunchRules, CommandLineQuotesTheProgramWithBlanksAndTheArchiveWithSpaces)
{
    EXPECT_EQ(command_line(u"C:\\GV\\GV.EXE", 12, u"C:\\a b\\x.lzh"), u"C:\\GV\\GV.EXE \"C:\\a b\\x.lzh\"");
    EXPECT_EQ(command_line(u"C:\\GV\\GV.EXE", 12, u"C:\\ab\\x.lzh"), u"C:\\GV\\GV.EXE C:\\ab\\x.lzh");
    EXPECT_EQ(command_line(u"C:\\GV\\GV.EXE", 12, u"C:\\a\tb.lzh"), u"C:\\GV\\GV.EXE C:\\a\tb.lzh");
    EXPECT_EQ(command_line(u"C:\\GV\\GV.EXE", 12, u""), u"C:\\GV\\GV.EXE ");
    EXPECT_EQ(command_line(u"C:\\My Apps\\cg.exe", 17, u"x.lzh"), u"\"C:\\My Apps\\cg.exe\" x.lzh");
    // The program part alone is quoted; its arguments stay as written.
    EXPECT_EQ(command_line(u"C:\\My Apps\\wrap.exe D:\\v\\view.exe", 19, u"x.lzh"),
              u"\"C:\\My Apps\\wrap.exe\" D:\\v\\view.exe x.lzh");
}

TEST(LaunchRules, LongTextsAreNeverCut)
{
    std::u16string application = u"C:\\My " + std::u16string(250, u'a') + u".exe";
    std::u16string archive = u"D:\\" + std::u16string(32000, u'b') + u" c.lzh";
    std::u16string line = command_line(application, application.size(), archive);
    EXPECT_EQ(line, u"\"" + application + u"\" \"" + archive + u"\"");
}

}  // namespace
