// The .lzh association against the real registry of the Wine prefix. Each
// test starts and ends with no ".lzh" and none of the classes it uses.
#include <gtest/gtest.h>

#include <string>

#include "common/text.h"
#include "registry_fixture.h"
#include "ui/association.h"

namespace {

const char *const MODULE = "C:\\Program Files\\Brisel\\brisel.exe";
const std::string QUOTED_COMMAND = std::string("\"") + MODULE + "\" \"%1\"";
const std::string ICON = std::string(MODULE) + ",1";

class Association : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_lzh_classes();
    }
    void TearDown() override { clear_lzh_classes(); }
};

// Another program's class: a description, its own verb and icon.
void make_other_class()
{
    set_default_value(".lzh", "OtherArc.Lzh");
    set_default_value("OtherArc.Lzh", "LZH archive");
    set_default_value("OtherArc.Lzh\\shell", "open");
    set_default_value("OtherArc.Lzh\\shell\\open\\command", "C:\\Other\\other.exe \"%1\"");
    set_default_value("OtherArc.Lzh\\DefaultIcon", "C:\\Other\\other.exe,0");
}

}  // namespace

TEST_F(Association, OnCleanRegistryInstallThenRemoveLeavesNothing)
{
    EXPECT_EQ(0, is_associated(MODULE));
    install(MODULE);
    EXPECT_EQ("lzhfile", default_value(".lzh"));
    EXPECT_EQ("brisel", default_value("lzhfile\\shell"));
    EXPECT_EQ(QUOTED_COMMAND, default_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_EQ(ICON, default_value("lzhfile\\DefaultIcon"));
    EXPECT_EQ(1, is_associated(MODULE));

    remove_association(MODULE);
    EXPECT_EQ(0, is_associated(MODULE));
    EXPECT_FALSE(key_exists("lzhfile"));
    EXPECT_FALSE(key_exists(".lzh"));
}

TEST_F(Association, OtherProgramsClassKeepsItsVerbAndData)
{
    make_other_class();
    install(MODULE);
    EXPECT_EQ("OtherArc.Lzh", default_value(".lzh"));
    EXPECT_EQ("brisel", default_value("OtherArc.Lzh\\shell"));
    EXPECT_EQ(QUOTED_COMMAND, default_value("OtherArc.Lzh\\shell\\brisel\\command"));
    EXPECT_EQ(ICON, default_value("OtherArc.Lzh\\DefaultIcon"));
    EXPECT_FALSE(key_exists("lzhfile"));

    // What install found is kept beside Brisel's verb, and put back by removal.
    EXPECT_EQ("open", value_of(HKEY_CLASSES_ROOT, "OtherArc.Lzh\\shell\\brisel", PREVIOUS_VERB_VALUE));
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("OtherArc.Lzh\\shell\\brisel"));
    EXPECT_EQ("open", default_value("OtherArc.Lzh\\shell"));
    EXPECT_EQ("C:\\Other\\other.exe \"%1\"", default_value("OtherArc.Lzh\\shell\\open\\command"));
    EXPECT_EQ("C:\\Other\\other.exe,0", default_value("OtherArc.Lzh\\DefaultIcon"));
    EXPECT_EQ("LZH archive", default_value("OtherArc.Lzh"));
    EXPECT_EQ("OtherArc.Lzh", default_value(".lzh"));
}

TEST_F(Association, IconValueOfAnotherProgramSurvivesRemoval)
{
    make_other_class();
    install(MODULE);
    set_default_value("OtherArc.Lzh\\DefaultIcon", "C:\\Other\\other.exe,0");
    remove_association(MODULE);
    EXPECT_EQ("C:\\Other\\other.exe,0", default_value("OtherArc.Lzh\\DefaultIcon"));
}

TEST_F(Association, ClassAndExtensionWithValuesOfTheirOwnAreNotDeleted)
{
    // No subkeys, but values another program keeps there.
    set_default_value(".lzh", "lzhfile");
    set_named_value(".lzh", "Content Type", "application/x-lzh");
    set_named_value("lzhfile", "FriendlyTypeName", "LZH");
    install(MODULE);
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("lzhfile\\shell"));
    EXPECT_FALSE(key_exists("lzhfile\\DefaultIcon"));
    ASSERT_TRUE(key_exists("lzhfile"));
    EXPECT_EQ("lzhfile", default_value(".lzh"));

    // Only ".lzh" carries data of its own: the class goes, ".lzh" stays.
    clear_lzh_classes();
    set_default_value(".lzh", "lzhfile");
    set_named_value(".lzh", "Content Type", "application/x-lzh");
    install(MODULE);
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("lzhfile"));
    EXPECT_EQ("lzhfile", default_value(".lzh"));
}

TEST_F(Association, LzhWithSubkeyOfItsOwnStays)
{
    install(MODULE);
    set_default_value(".lzh\\ShellNew", "");
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("lzhfile"));
    EXPECT_EQ("lzhfile", default_value(".lzh"));
    EXPECT_TRUE(key_exists(".lzh\\ShellNew"));
}

TEST_F(Association, MovedExecutableIsNotAssociatedUntilInstalledAgain)
{
    install(MODULE);
    const char *moved = "D:\\Moved\\brisel.exe";
    EXPECT_EQ(0, is_associated(moved));
    install(moved);
    EXPECT_EQ(1, is_associated(moved));
    EXPECT_EQ("\"D:\\Moved\\brisel.exe\" \"%1\"", default_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_EQ("D:\\Moved\\brisel.exe,1", default_value("lzhfile\\DefaultIcon"));
    // The earlier install's verb and icon are Brisel's: nothing to put back later.
    EXPECT_EQ("<missing>", value_of(HKEY_CLASSES_ROOT, "lzhfile\\shell\\brisel", PREVIOUS_VERB_VALUE));
    EXPECT_EQ("<missing>", value_of(HKEY_CLASSES_ROOT, "lzhfile\\shell\\brisel", PREVIOUS_ICON_VALUE));
}

TEST_F(Association, VerbAndIconLeftByAnEarlierBriselAreNotKeptAsPrevious)
{
    set_default_value(".lzh", "lzhfile");
    set_default_value("lzhfile\\shell", "Brisel");
    set_default_value("lzhfile\\DefaultIcon", ICON);
    EXPECT_EQ(ASSOCIATION_MADE, install(MODULE));
    EXPECT_EQ("<missing>", value_of(HKEY_CLASSES_ROOT, "lzhfile\\shell\\brisel", PREVIOUS_VERB_VALUE));
    EXPECT_EQ("<missing>", value_of(HKEY_CLASSES_ROOT, "lzhfile\\shell\\brisel", PREVIOUS_ICON_VALUE));
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("lzhfile"));
}

TEST_F(Association, BriselsOwnClassAndRegistrationComeAndGoWithIt)
{
    EXPECT_EQ(ASSOCIATION_MADE, install(MODULE));
    EXPECT_EQ(QUOTED_COMMAND, user_value(BRISEL_PROG_ID "\\shell\\brisel\\command"));
    EXPECT_EQ("brisel", user_value(BRISEL_PROG_ID "\\shell"));
    EXPECT_EQ(ICON, user_value(BRISEL_PROG_ID "\\DefaultIcon"));
    EXPECT_EQ("", user_value(".lzh\\OpenWithProgids", BRISEL_PROG_ID));
    EXPECT_EQ(BRISEL_CAPABILITIES, value_of(HKEY_CURRENT_USER, "Software\\RegisteredApplications", "Brisel"));
    EXPECT_EQ(BRISEL_PROG_ID, value_of(HKEY_CURRENT_USER, BRISEL_CAPABILITIES "\\FileAssociations", ".lzh"));
    EXPECT_EQ("Brisel", value_of(HKEY_CURRENT_USER, BRISEL_CAPABILITIES, "ApplicationName"));
    // A configured verb "open" must never lead back to Brisel.
    for (const char *open : {"lzhfile\\shell\\open", BRISEL_PROG_ID "\\shell\\open"}) {
        EXPECT_FALSE(key_exists(open));
        EXPECT_FALSE(key_exists(std::string(USER_CLASSES) + open, HKEY_CURRENT_USER));
    }

    remove_association(MODULE);
    EXPECT_FALSE(key_exists(USER_CLASSES BRISEL_PROG_ID, HKEY_CURRENT_USER));
    EXPECT_FALSE(key_exists(USER_CLASSES ".lzh", HKEY_CURRENT_USER));
    EXPECT_FALSE(key_exists("Software\\Brisel", HKEY_CURRENT_USER));
    EXPECT_EQ("<missing>", value_of(HKEY_CURRENT_USER, "Software\\RegisteredApplications", "Brisel"));
}

TEST_F(Association, RefusedEverywhereMachineWideLandsForThisUserAndLeavesNothingHalfWritten)
{
    RefusedClassesRoot refused;
    const std::string before = refused.contents();
    char class_name[ASSOCIATION_VALUE_SIZE];
    EXPECT_EQ(ASSOCIATION_MADE_FOR_USER, install_association(MODULE, class_name));
    EXPECT_STREQ("lzhfile", class_name);
    EXPECT_EQ(before, refused.contents());
    EXPECT_EQ("lzhfile", user_value(".lzh"));
    EXPECT_EQ("brisel", user_value("lzhfile\\shell"));
    EXPECT_EQ(QUOTED_COMMAND, user_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_EQ(ICON, user_value("lzhfile\\DefaultIcon"));
    EXPECT_EQ(1, is_associated(MODULE));

    EXPECT_EQ(1, remove_association(MODULE));
    EXPECT_EQ(0, is_associated(MODULE));
    EXPECT_EQ(before, refused.contents());
    EXPECT_FALSE(key_exists(USER_CLASSES ".lzh", HKEY_CURRENT_USER));
    EXPECT_FALSE(key_exists(USER_CLASSES "lzhfile", HKEY_CURRENT_USER));
}

TEST_F(Association, AMachineWideClassThatCannotTakeBriselsVerbIsUndoneThenMadeForThisUser)
{
    // Readable, not writable: the class exists machine-wide with a verb of its
    // own; its "shell" key takes a value (Wine allows that much) but no new key.
    RefusedClassesRoot refused;
    refused.add_key(".lzh", "lzhfile");
    refused.add_key("lzhfile\\shell\\open\\command", "C:\\Other\\other.exe \"%1\"");
    refused.add_key("lzhfile\\DefaultIcon", "C:\\Other\\other.exe,0");
    const std::string before = refused.contents();
    EXPECT_EQ(ASSOCIATION_MADE_FOR_USER, install(MODULE));
    EXPECT_EQ(before, refused.contents()) << "the machine-wide attempt was not undone";
    EXPECT_EQ("<missing>", user_value(".lzh"));  // the machine-wide name serves
    EXPECT_EQ("brisel", user_value("lzhfile\\shell"));
    EXPECT_EQ(QUOTED_COMMAND, user_value("lzhfile\\shell\\brisel\\command"));
    // Kept for removal: the user's own values, of which there were none.
    EXPECT_EQ("<missing>", user_value("lzhfile\\shell\\brisel", PREVIOUS_VERB_VALUE));
    EXPECT_EQ(1, is_associated(MODULE));

    EXPECT_EQ(1, remove_association(MODULE));
    EXPECT_EQ(before, refused.contents());
    EXPECT_FALSE(key_exists(USER_CLASSES "lzhfile", HKEY_CURRENT_USER));
}

TEST_F(Association, FromATemporaryFolderNothingIsWritten)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string module = std::string(temp) + "Temp1_brisel.zip\\brisel.exe";
    char class_name[ASSOCIATION_VALUE_SIZE];
    EXPECT_EQ(ASSOCIATION_TEMPORARY, install_association(module.c_str(), class_name));
    EXPECT_FALSE(key_exists(".lzh"));
    EXPECT_FALSE(key_exists(USER_CLASSES BRISEL_PROG_ID, HKEY_CURRENT_USER));
}

TEST_F(Association, CommandIsRecognisedByPrefixIgnoringAsciiCase)
{
    set_default_value(".lzh", "lzhfile");
    struct Case {
        const char *command;
        int associated;
    } cases[] = {
        {"c:\\PROGRAM FILES\\brisel\\BRISEL.EXE \"%1\"", 1},  // written unquoted, other case
        {"\"C:\\Program Files\\Brisel\\brisel.exe.old\" \"%1\"", 1},
        {"C:\\Program Files\\Brisel\\brisel.ex", 0},
        {"C:\\Program_Files\\Brisel\\brisel.exe \"%1\"", 0},
        {"", 0},
    };
    for (const Case &c : cases) {
        set_default_value("lzhfile\\shell\\brisel\\command", c.command);
        EXPECT_EQ(c.associated, is_associated(MODULE)) << c.command;
    }
}

TEST_F(Association, EmptyClassNameCountsAsNone)
{
    set_default_value(".lzh", "");
    set_default_value("OtherArc.Lzh", "must survive");
    EXPECT_EQ(0, is_associated(MODULE));
    remove_association(MODULE);
    EXPECT_TRUE(key_exists("OtherArc.Lzh"));
    EXPECT_TRUE(key_exists(".lzh"));

    install(MODULE);
    EXPECT_EQ("lzhfile", default_value(".lzh"));
    EXPECT_EQ(QUOTED_COMMAND, default_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_FALSE(key_exists("shell"));
    EXPECT_FALSE(key_exists("DefaultIcon"));
}

TEST_F(Association, ClassNameStoredWithoutTerminatorIsReadWhole)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CLASSES_ROOT, ".lzh", &key));
    RegSetValueExA(key, nullptr, 0, REG_SZ, (const BYTE *)"OtherArc.Lzh", 12);
    RegCloseKey(key);
    install(MODULE);
    EXPECT_EQ(QUOTED_COMMAND, default_value("OtherArc.Lzh\\shell\\brisel\\command"));
    EXPECT_FALSE(key_exists("lzhfile"));
}

TEST_F(Association, LongestModulePathIsWrittenWholeAndRecognised)
{
    std::string module = "C:\\" + std::string(TEXT_SIZE - 1 - 3 - 4, 'd') + ".exe";
    ASSERT_EQ(259u, module.size());
    install(module.c_str());
    EXPECT_EQ("\"" + module + "\" \"%1\"", default_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_EQ(module + ",1", default_value("lzhfile\\DefaultIcon"));
    EXPECT_EQ(1, is_associated(module.c_str()));
    remove_association(module.c_str());
    EXPECT_FALSE(key_exists(".lzh"));
}
