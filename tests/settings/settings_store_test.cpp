// The settings store against Wine's real profile functions. load_settings
// takes its paths from this test program, so the INI file lies beside it.
#include "settings/settings_store.h"

#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "support/files.h"

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        char module[MAX_PATH];
        GetModuleFileNameA(NULL, module, MAX_PATH);
        ini = module;
        ini = ini.substr(0, ini.rfind('.')) + ".ini";
        DeleteFileA(ini.c_str());
        settings = Settings{};
    }
    void TearDown() override { DeleteFileA(ini.c_str()); }

    void load() { load_settings(GetModuleHandleA(NULL)); }

    std::string ini;
};

// The stored default with the first character of the Windows directory.
std::string adjusted(const char *stored)
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(1, windows[0]) + (stored + 1);
}

TEST_F(SettingsStore, WithoutAnIniFileTheDefaultsServeOnTheWindowsDrive)
{
    load();
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_STREQ(settings.windows_dir, windows);
    EXPECT_EQ(settings.ini_path, ini);
    EXPECT_EQ(settings.app_kiss, adjusted(DEFAULT_APP_KISS));
    EXPECT_EQ(settings.app_cg, adjusted(DEFAULT_APP_CG));
    EXPECT_EQ(settings.app_midi, adjusted(DEFAULT_APP_MIDI));
    EXPECT_EQ(settings.app_other, adjusted(DEFAULT_APP_OTHER));
    EXPECT_STREQ(settings.ext_kiss, DEFAULT_EXT_KISS);
    EXPECT_STREQ(settings.ext_cg, DEFAULT_EXT_CG);
    EXPECT_STREQ(settings.ext_midi, DEFAULT_EXT_MIDI);
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES) << "loading created the INI file";
}

TEST_F(SettingsStore, OnlyTheSevenKeysOfTheSettingsSectionAreRead)
{
    ASSERT_TRUE(write_file_bytes(ini, "[Other]\r\napp_kiss=C:\\wrong.exe\r\n"
                    "[Settings]\r\next_midi=.MID.KAR\r\napp_cg=\r\nnote=hello\r\n"
                    "app_kiss=C:\\My Apps\\kiss.exe\r\n"));
    load();
    EXPECT_STREQ(settings.app_kiss, "C:\\My Apps\\kiss.exe");
    EXPECT_STREQ(settings.ext_midi, ".MID.KAR");
    EXPECT_STREQ(settings.app_cg, "") << "a key with an empty value gives an empty text";
    EXPECT_EQ(settings.app_other, adjusted(DEFAULT_APP_OTHER));
    EXPECT_STREQ(settings.ext_kiss, DEFAULT_EXT_KISS);
}

TEST_F(SettingsStore, AValueLongerThanTheFieldIsCutTo259Bytes)
{
    std::string value(400, 'v');
    ASSERT_TRUE(write_file_bytes(ini, "[Settings]\r\napp_other=" + value + "\r\n"));
    load();
    EXPECT_EQ(std::string(settings.app_other), value.substr(0, TEXT_SIZE - 1));
    EXPECT_EQ(settings.app_midi, adjusted(DEFAULT_APP_MIDI));
}

TEST_F(SettingsStore, SaveWritesAllSevenKeysAndKeepsEverythingElse)
{
    ASSERT_TRUE(write_file_bytes(ini, "[Other]\r\nkeep=1\r\n[Settings]\r\nnote=hello\r\napp_cg=C:\\old.exe\r\n"));
    load();
    copy_text(settings.app_cg, TEXT_SIZE, "C:\\My Apps\\cg.exe");
    save_settings();

    Settings reloaded = settings;
    settings = Settings{};
    load();
    for (int i = 0; i < SETTING_COUNT; ++i)
        EXPECT_STREQ(setting_text(settings, i), setting_text(reloaded, i)) << SETTING_KEYS[i].key;

    char value[TEXT_SIZE];
    GetPrivateProfileStringA("Other", "keep", "", value, TEXT_SIZE, ini.c_str());
    EXPECT_STREQ(value, "1");
    GetPrivateProfileStringA("Settings", "note", "", value, TEXT_SIZE, ini.c_str());
    EXPECT_STREQ(value, "hello");
}

TEST_F(SettingsStore, SaveWithUnchangedTextsWritesEveryKey)
{
    load();
    save_settings();
    std::string text = read_file_bytes(ini);
    for (int i = 0; i < SETTING_COUNT; ++i) {
        std::string line = std::string(SETTING_KEYS[i].key) + "=" + setting_text(settings, i);
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;
    }
}

TEST_F(SettingsStore, SaveWithoutAnIniPathWritesNothing)
{
    load();
    settings.ini_path[0] = '\0';
    copy_text(settings.app_kiss, TEXT_SIZE, "C:\\nowhere.exe");
    save_settings();
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
    char value[TEXT_SIZE];
    GetProfileStringA("Settings", "app_kiss", "absent", value, TEXT_SIZE);
    EXPECT_STREQ(value, "absent") << "the empty path must not fall back to WIN.INI";
}

}  // namespace
