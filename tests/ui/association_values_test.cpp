// The association's command and icon texts, and how a value read back from
// the registry is recognised as naming this executable.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ui/association_values.h"

static std::string longest_module_path()
{
    std::string path = "C:\\";
    path += std::string(TEXT_SIZE - 1 - 3 - 4, 'p');
    return path + ".EXE";  // 259 bytes, the most a module path holds
}

TEST(AssociationValues, CommandQuotesTheProgramAndTheArchive)
{
    char value[ASSOCIATION_VALUE_SIZE];
    ASSERT_TRUE(format_command_value(value, sizeof value, "C:\\Program Files\\Brisel\\brisel.exe"));
    EXPECT_STREQ("\"C:\\Program Files\\Brisel\\brisel.exe\" \"%1\"", value);
    ASSERT_TRUE(format_icon_value(value, sizeof value, "C:\\Program Files\\Brisel\\brisel.exe"));
    EXPECT_STREQ("C:\\Program Files\\Brisel\\brisel.exe,1", value);
}

TEST(AssociationValues, LongestModulePathFitsWholeAndIsRecognised)
{
    const std::string module = longest_module_path();
    ASSERT_EQ(259u, module.size());
    char value[ASSOCIATION_VALUE_SIZE];
    ASSERT_TRUE(format_command_value(value, sizeof value, module.c_str()));
    EXPECT_EQ("\"" + module + "\" \"%1\"", value);
    EXPECT_TRUE(value_names_module(value, module.c_str()));
    ASSERT_TRUE(format_icon_value(value, sizeof value, module.c_str()));
    EXPECT_EQ(module + ",1", value);
    EXPECT_TRUE(value_names_module(value, module.c_str()));
}

TEST(AssociationValues, TooSmallBufferIsRefusedNotOverrun)
{
    char value[16];
    std::memset(value, 'x', sizeof value);
    EXPECT_FALSE(format_command_value(value, 12, "C:\\brisel.exe"));
    EXPECT_EQ('x', value[12]);
    EXPECT_EQ('\0', value[11]);
}

TEST(AssociationValues, RecognisesQuotedAndOldUnquotedCommands)
{
    const char *module = "C:\\Tools\\brisel.exe";
    EXPECT_TRUE(value_names_module("\"C:\\Tools\\brisel.exe\" \"%1\"", module));
    EXPECT_TRUE(value_names_module("C:\\Tools\\brisel.exe \"%1\"", module));
    // A value that merely starts with the path's bytes still counts.
    EXPECT_TRUE(value_names_module("C:\\Tools\\brisel.exe.old \"%1\"", module));
    EXPECT_FALSE(value_names_module("\"\"C:\\Tools\\brisel.exe\" \"%1\"", module));
    EXPECT_FALSE(value_names_module("D:\\Tools\\brisel.exe \"%1\"", module));
    EXPECT_FALSE(value_names_module("C:\\Tools\\brisel", module));
    EXPECT_FALSE(value_names_module("", module));
    EXPECT_FALSE(value_names_module("anything", ""));
}

TEST(AssociationValues, LetterCaseFoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(value_names_module("c:\\tools\\BRISEL.EXE,1", "C:\\Tools\\brisel.exe"));
    // Shift-JIS 表 is 0x95 0x5C; 0x5C is not a letter and must match exactly.
    EXPECT_TRUE(value_names_module("C:\\\x95\x5C\\b.exe", "c:\\\x95\x5C\\B.EXE"));
    EXPECT_FALSE(value_names_module("C:\\\x95\x7C\\b.exe", "C:\\\x95\x5C\\b.exe"));
    // A trail byte in 'a'..'z' folds like a letter: ソ (0x83 0x5C) vs ア (0x83 0x41) 'a'.
    EXPECT_TRUE(value_names_module("C:\\\x83\x61.exe", "C:\\\x83\x41.exe"));
}

TEST(AssociationValues, UserChoicesThatStillStartBrisel)
{
    const char *module = "C:\\Tools\\Brisel.exe";
    for (const char *choice : {"", "lzhfile", "LZHFILE", "Brisel.Archive", "Applications\\brisel.EXE"})
        EXPECT_TRUE(choice_leads_to_brisel(choice, "lzhfile", module)) << choice;
    for (const char *choice : {"OtherArc.Lzh", "Applications\\other.exe", "Applications\\", "lzhfile2"})
        EXPECT_FALSE(choice_leads_to_brisel(choice, "lzhfile", module)) << choice;
}

TEST(AssociationValues, PathsInsideAFolder)
{
    const char *temp = "C:\\Users\\u\\AppData\\Local\\Temp\\";
    EXPECT_TRUE(path_is_inside("c:\\users\\U\\appdata\\local\\temp\\Temp1_b.zip\\brisel.exe", temp));
    EXPECT_TRUE(path_is_inside("C:\\Users\\u\\AppData\\Local\\Temp\\brisel.exe", "C:\\Users\\u\\AppData\\Local\\Temp"));
    EXPECT_FALSE(path_is_inside("C:\\Users\\u\\AppData\\Local\\Temporary\\brisel.exe", temp));
    EXPECT_FALSE(path_is_inside("C:\\Users\\u\\AppData\\Local\\Temp", temp));
    EXPECT_FALSE(path_is_inside("C:\\brisel.exe", "\\"));
}
