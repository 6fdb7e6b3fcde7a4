#include "settings/module_path.h"
#include "settings/settings.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string ini_for(const std::string &module_path)
{
    char ini[TEXT_SIZE];
    std::memset(ini, 'x', sizeof ini);
    if (!derive_ini_path(ini, module_path.c_str())) {
        EXPECT_EQ(ini[0], '\0');
        return "<none>";
    }
    return ini;
}

TEST(IniPath, LastDotAndWhatFollowsBecomeIni)
{
    EXPECT_EQ(ini_for("C:\\TOOLS\\BRISEL.EXE"), "C:\\TOOLS\\BRISEL.ini");
    EXPECT_EQ(ini_for("C:\\TOOLS\\a.b.exe"), "C:\\TOOLS\\a.b.ini");
    // The search runs over the whole path: a dot in a folder name counts.
    EXPECT_EQ(ini_for("C:\\v1.2\\brisel"), "C:\\v1.ini");
    EXPECT_EQ(ini_for(".exe"), ".ini");
}

TEST(IniPath, WithoutAnyDotIniIsAppended)
{
    EXPECT_EQ(ini_for("C:\\TOOLS\\BRISEL"), "C:\\TOOLS\\BRISEL.ini");
    EXPECT_EQ(ini_for(""), ".ini");
}

TEST(IniPath, APathThatWouldNotFitIsNeverCut)
{
    // 255 bytes of stem + ".ini" = 259 bytes: the longest that fits.
    std::string stem(255, 'd');
    EXPECT_EQ(ini_for(stem + ".e"), stem + ".ini");
    EXPECT_EQ(ini_for(stem), stem + ".ini");
    EXPECT_EQ(ini_for(stem + "d.e"), "<none>");
    EXPECT_EQ(ini_for(stem + "d"), "<none>");
    EXPECT_EQ(ini_for(std::string(259, 'd')), "<none>");
}

// A code page of bytes 0-255, enough to see the buffer's bound; exactness
// itself is the rule of to_ansi_exactly.
int latin_to_ansi(const char16_t *text, char *ansi, int capacity)
{
    int length = 0;
    for (; text[length]; ++length) {
        if (length + 1 >= capacity)
            return 0;
        ansi[length] = (char)text[length];
    }
    ansi[length] = '\0';
    return length + 1;
}

int latin_from_ansi(const char *ansi, char16_t *text, int capacity)
{
    int length = 0;
    for (; ansi[length]; ++length) {
        if (length + 1 >= capacity)
            return 0;
        text[length] = (unsigned char)ansi[length];
    }
    text[length] = u'\0';
    return length + 1;
}

TEST(ModulePath, APathThatFillsTheWholeBufferNamesNothing)
{
    const AnsiConverter latin = {latin_to_ansi, latin_from_ansi};
    char module_path[TEXT_SIZE] = "x";
    std::u16string longest = u"C:\\" + std::u16string(252, u'd') + u".exe";  // 259 units
    EXPECT_TRUE(module_path_in_ansi(latin, longest.c_str(), longest.size(), module_path));
    EXPECT_EQ(std::string(module_path), std::string(longest.begin(), longest.end()));
    // GetModuleFileNameW filled its 260 units: the path may have been cut.
    std::u16string full = longest + u"x";
    EXPECT_FALSE(module_path_in_ansi(latin, full.c_str(), full.size(), module_path));
    EXPECT_STREQ(module_path, "");
    EXPECT_FALSE(module_path_in_ansi(latin, u"", 0, module_path));
}

std::string default_of(const DefaultTexts &defaults, const char *key)
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        if (std::strcmp(SETTING_KEYS[i].key, key) == 0)
            return defaults.text[i];
    }
    ADD_FAILURE() << "no key " << key;
    return "";
}

TEST(Defaults, ApplicationsTakeTheDriveOfTheWindowsDirectoryListsStayAsStored)
{
    DefaultTexts defaults;
    form_default_texts(defaults, "D:\\WINDOWS");
    EXPECT_EQ(default_of(defaults, "app_kiss"), "D:\\PROG\\DOLLVW\\DOLLVW.EXE");
    EXPECT_EQ(default_of(defaults, "app_cg"), "D:\\Program Files\\GV\\GV.EXE");
    EXPECT_EQ(default_of(defaults, "app_midi"), "D:\\temp\\timidity\\timidity-gui.exe");
    EXPECT_EQ(default_of(defaults, "app_other"), "D:\\Program Files\\Lhasa\\LHASA.EXE");
    EXPECT_EQ(default_of(defaults, "ext_kiss"), ".CNF.CEL.KCF.KDC");
    EXPECT_EQ(default_of(defaults, "ext_cg"),
              ".BMP.FAL.GIF.IPR.JPEG.JPG.MAG.MKI.PI.PIC.P2.Q0.Q4.Q4D.RGB.TIF.XBM");
    EXPECT_EQ(default_of(defaults, "ext_midi"), ".mid.rcp");
    // The stored texts themselves are never changed.
    EXPECT_STREQ(DEFAULT_APP_KISS, "J:\\PROG\\DOLLVW\\DOLLVW.EXE");
    EXPECT_STREQ(DEFAULT_APP_OTHER, "C:\\Program Files\\Lhasa\\LHASA.EXE");
}

TEST(Defaults, NetworkWindowsDirectoryGivesItsBackslash)
{
    DefaultTexts defaults;
    form_default_texts(defaults, "\\\\server\\windows");
    EXPECT_EQ(default_of(defaults, "app_cg"), "\\:\\Program Files\\GV\\GV.EXE");
    EXPECT_EQ(default_of(defaults, "ext_cg").substr(0, 4), ".BMP");
}

TEST(Defaults, EmptyWindowsDirectoryEmptiesTheApplicationsOnly)
{
    DefaultTexts defaults;
    form_default_texts(defaults, "");
    EXPECT_EQ(default_of(defaults, "app_kiss"), "");
    EXPECT_EQ(default_of(defaults, "app_cg"), "");
    EXPECT_EQ(default_of(defaults, "app_midi"), "");
    EXPECT_EQ(default_of(defaults, "app_other"), "");
    EXPECT_EQ(default_of(defaults, "ext_kiss"), ".CNF.CEL.KCF.KDC");
    EXPECT_EQ(default_of(defaults, "ext_midi"), ".mid.rcp");
}

TEST(SettingsRecord, KeysAndIndexesFollowTheFieldOrder)
{
    static const char *const names[SETTING_COUNT] = {"app_kiss", "ext_kiss", "app_cg", "ext_cg",
                                                     "app_midi", "ext_midi", "app_other"};
    Settings record = {};
    char *fields[SETTING_COUNT] = {record.app_kiss, record.ext_kiss, record.app_cg, record.ext_cg,
                                   record.app_midi, record.ext_midi, record.app_other};
    for (int i = 0; i < SETTING_COUNT; ++i) {
        EXPECT_STREQ(SETTING_KEYS[i].key, names[i]);
        EXPECT_EQ(setting_text(record, i), fields[i]);
    }
    EXPECT_EQ(setting_text(record, -1), nullptr);
    EXPECT_EQ(setting_text(record, SETTING_COUNT), nullptr);
}

}  // namespace
