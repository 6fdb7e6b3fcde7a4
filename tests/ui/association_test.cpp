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
    install_association(MODULE);
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
    install_association(MODULE);
    EXPECT_EQ("OtherArc.Lzh", default_value(".lzh"));
    EXPECT_EQ("brisel", default_value("OtherArc.Lzh\\shell"));
    EXPECT_EQ(QUOTED_COMMAND, default_value("OtherArc.Lzh\\shell\\brisel\\command"));
    EXPECT_EQ(ICON, default_value("OtherArc.Lzh\\DefaultIcon"));
    EXPECT_FALSE(key_exists("lzhfile"));

    remove_association(MODULE);
    EXPECT_FALSE(key_exists("OtherArc.Lzh\\shell\\brisel"));
    EXPECT_EQ("brisel", default_value("OtherArc.Lzh\\shell"));  // kept as it was, not restored
    EXPECT_EQ("C:\\Other\\other.exe \"%1\"", default_value("OtherArc.Lzh\\shell\\open\\command"));
    EXPECT_FALSE(key_exists("OtherArc.Lzh\\DefaultIcon"));  // it named this executable
    EXPECT_EQ("LZH archive", default_value("OtherArc.Lzh"));
    EXPECT_EQ("OtherArc.Lzh", default_value(".lzh"));
}

TEST_F(Association, IconValueOfAnotherProgramSurvivesRemoval)
{
    make_other_class();
    install_association(MODULE);
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
    install_association(MODULE);
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("lzhfile\\shell"));
    EXPECT_FALSE(key_exists("lzhfile\\DefaultIcon"));
    ASSERT_TRUE(key_exists("lzhfile"));
    EXPECT_EQ("lzhfile", default_value(".lzh"));

    // Only ".lzh" carries data of its own: the class goes, ".lzh" stays.
    clear_lzh_classes();
    set_default_value(".lzh", "lzhfile");
    set_named_value(".lzh", "Content Type", "application/x-lzh");
    install_association(MODULE);
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("lzhfile"));
    EXPECT_EQ("lzhfile", default_value(".lzh"));
}

TEST_F(Association, LzhWithSubkeyOfItsOwnStays)
{
    install_association(MODULE);
    set_default_value(".lzh\\ShellNew", "");
    remove_association(MODULE);
    EXPECT_FALSE(key_exists("lzhfile"));
    EXPECT_EQ("lzhfile", default_value(".lzh"));
    EXPECT_TRUE(key_exists(".lzh\\ShellNew"));
}

TEST_F(Association, MovedExecutableIsNotAssociatedUntilInstalledAgain)
{
    install_association(MODULE);
    const char *moved = "D:\\Moved\\brisel.exe";
    EXPECT_EQ(0, is_associated(moved));
    install_association(moved);
    EXPECT_EQ(1, is_associated(moved));
    EXPECT_EQ("\"D:\\Moved\\brisel.exe\" \"%1\"", default_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_EQ("D:\\Moved\\brisel.exe,1", default_value("lzhfile\\DefaultIcon"));
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

    install_association(MODULE);
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
    install_association(MODULE);
    EXPECT_EQ(QUOTED_COMMAND, default_value("OtherArc.Lzh\\shell\\brisel\\command"));
    EXPECT_FALSE(key_exists("lzhfile"));
}

TEST_F(Association, LongestModulePathIsWrittenWholeAndRecognised)
{
    std::string module = "C:\\" + std::string(TEXT_SIZE - 1 - 3 - 4, 'd') + ".exe";
    ASSERT_EQ(259u, module.size());
    install_association(module.c_str());
    EXPECT_EQ("\"" + module + "\" \"%1\"", default_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_EQ(module + ",1", default_value("lzhfile\\DefaultIcon"));
    EXPECT_EQ(1, is_associated(module.c_str()));
    remove_association(module.c_str());
    EXPECT_FALSE(key_exists(".lzh"));
}
