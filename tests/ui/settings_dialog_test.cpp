// The settings dialog in this process, with the program's own dialog
// template linked in, the real dialog manager and the prefix's registry.
// A scripted user types, ticks, browses and closes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "registry_fixture.h"
#include "resource.h"
#include "scripted_user.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/association.h"
#include "support/wine_path.h"
#include "ui/settings_dialog.h"

namespace {

const char *const NOTEPAD = "C:\\windows\\notepad.exe";

std::string ini_value(const char *key)
{
    char value[1024];
    GetPrivateProfileStringA("Settings", key, "<missing>", value, sizeof value, settings.ini_path);
    return value;
}

bool ini_exists()
{
    return GetFileAttributesA(settings.ini_path) != INVALID_FILE_ATTRIBUTES;
}

HICON shown_icon(HWND dialog, int id)
{
    return (HICON)SendDlgItemMessageA(dialog, id, STM_GETICON, 0, 0);
}

bool ticked(HWND dialog)
{
    return SendDlgItemMessageA(dialog, IDC_ASSOCIATE, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void set_ticked(HWND dialog, bool on)
{
    SendDlgItemMessageA(dialog, IDC_ASSOCIATE, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_lzh_classes();
        load_settings(GetModuleHandleA(nullptr));
        DeleteFileA(settings.ini_path);
        copy_text(settings.app_kiss, TEXT_SIZE, NOTEPAD);
        copy_text(settings.ext_kiss, TEXT_SIZE, ".CNF.CEL");
        copy_text(settings.app_cg, TEXT_SIZE, "C:\\Pictures\\view.exe");
        copy_text(settings.ext_cg, TEXT_SIZE, ".GIF");
        copy_text(settings.app_midi, TEXT_SIZE, "open");
        copy_text(settings.ext_midi, TEXT_SIZE, ".mid");
        copy_text(settings.app_other, TEXT_SIZE, "C:\\Lhasa\\lhasa.exe");
    }
    void TearDown() override
    {
        clear_lzh_classes();
        DeleteFileA(settings.ini_path);
    }

    // Shows the dialog to a user who takes these steps.
    void run_dialog(std::vector<UserStep> steps)
    {
        ScriptedUser user(std::move(steps));
        user.play([] { run_settings_dialog(GetModuleHandleA(nullptr)); });
        EXPECT_TRUE(user.finished()) << "the dialog did not go as the user's steps expected";
    }
};

}  // namespace

TEST_F(SettingsDialog, OpensInTheDisplayLanguageWithTheSevenTextsAndClearCheckbox)
{
    std::string shown[SETTING_COUNT];
    std::wstring caption;
    bool was_ticked = true;
    run_dialog({{UserWindow::settings, [&](HWND d) {
                     for (int i = 0; i < SETTING_COUNT; ++i)
                         shown[i] = item_text(d, SETTING_EDIT_IDS[i]);
                     was_ticked = ticked(d);
                     caption = window_title(d);
                     press(d, IDCANCEL);
                 }}});
    EXPECT_EQ(expected_settings_caption(), caption);
    for (int i = 0; i < SETTING_COUNT; ++i)
        EXPECT_EQ(setting_text(settings, i), shown[i]) << SETTING_KEYS[i].key;
    EXPECT_FALSE(was_ticked);
}

TEST_F(SettingsDialog, OkSavesAllSevenEditTexts)
{
    const std::string longest = "C:\\" + std::string(TEXT_SIZE - 1 - 7, 'x') + ".exe";
    const char *typed[SETTING_COUNT] = {"C:\\Doll\\doll.exe", ".KCF", longest.c_str(), "",
                                        "C:\\Midi\\play.exe", ".rcp.mid", "C:\\Arc\\arc.exe"};
    run_dialog({{UserWindow::settings, [&](HWND d) {
                     for (int i = 0; i < SETTING_COUNT; ++i)
                         SetDlgItemTextA(d, SETTING_EDIT_IDS[i], typed[i]);
                     press(d, IDOK);
                 }}});
    for (int i = 0; i < SETTING_COUNT; ++i) {
        EXPECT_EQ(typed[i], std::string(setting_text(settings, i))) << SETTING_KEYS[i].key;
        EXPECT_EQ(typed[i], ini_value(SETTING_KEYS[i].key)) << SETTING_KEYS[i].key;
    }
    EXPECT_FALSE(key_exists(".lzh"));
}

TEST_F(SettingsDialog, ATextTheSettingsCannotHoldIsNamedAndNothingIsSaved)
{
    // A Hangul name has no equivalent in code page 932 (Windows would write
    // '?'); 260 bytes do not fit. Each is named; the dialog stays open.
    const struct {
        int edit;
        const wchar_t *text;
        const wchar_t *field, *english_field;
    } cases[] = {
        {IDC_CG_EXT, L".\xD55C", L"CG入り書庫の拡張子", L"Extensions of CG archives"},
        {IDC_OTHER_APP, nullptr, L"普通の書庫を開くアプリケーション", L"Application for ordinary archives"},
    };
    const std::wstring too_long(TEXT_SIZE, L'x');
    for (const auto &c : cases) {
        std::wstring message;
        run_dialog({
            {UserWindow::settings, [&](HWND d) {
                 SetDlgItemTextW(d, c.edit, c.text ? c.text : too_long.c_str());
                 press(d, IDOK);
             }},
            {UserWindow::message_box, [&](HWND box) {
                 message = message_text(box);
                 press(box, IDOK);
             }},
            {UserWindow::settings, [](HWND d) { press(d, IDCANCEL); }},
        });
        EXPECT_NE(std::wstring::npos, message.find(english_expected() ? c.english_field : c.field));
        EXPECT_FALSE(ini_exists());
        EXPECT_STREQ(".GIF", settings.ext_cg);
    }
}

TEST_F(SettingsDialog, CancelSavesNothingButTheTickedBoxInstalls)
{
    run_dialog({{UserWindow::settings, [](HWND d) {
                     SetDlgItemTextA(d, IDC_KISS_APP, "C:\\changed.exe");
                     set_ticked(d, true);
                     press(d, IDCANCEL);
                 }}});
    EXPECT_STREQ(NOTEPAD, settings.app_kiss);
    EXPECT_FALSE(ini_exists());
    EXPECT_EQ(1, is_associated(settings.module_path));
}

TEST_F(SettingsDialog, ClearingTheBoxFoundTickedRemovesTheAssociation)
{
    install(settings.module_path);
    bool was_ticked = false;
    run_dialog({{UserWindow::settings, [&](HWND d) {
                     was_ticked = ticked(d);
                     set_ticked(d, false);
                     press(d, IDOK);
                 }}});
    EXPECT_TRUE(was_ticked);
    EXPECT_FALSE(key_exists(".lzh"));
    EXPECT_EQ(NOTEPAD, ini_value("app_kiss"));
}

TEST_F(SettingsDialog, BoxLeftAsFoundChangesNoRegistryEntry)
{
    // An incomplete association of this executable: no icon value.
    install(settings.module_path);
    delete_tree(HKEY_CLASSES_ROOT, "lzhfile\\DefaultIcon");
    set_default_value("lzhfile\\shell", "open");
    run_dialog({{UserWindow::settings, [](HWND d) { press(d, IDOK); }}});
    EXPECT_EQ(1, is_associated(settings.module_path));
    EXPECT_FALSE(key_exists("lzhfile\\DefaultIcon"));
    EXPECT_EQ("open", default_value("lzhfile\\shell"));
}

TEST_F(SettingsDialog, CancelledBrowseKeepsThePreviousApplication)
{
    std::string after;
    run_dialog({
        {UserWindow::settings, [](HWND d) { press(d, IDC_CG_BROWSE); }},
        {UserWindow::open_file, [](HWND f) { press(f, IDCANCEL); }},
        {UserWindow::settings, [&](HWND d) {
             after = item_text(d, IDC_CG_APP);
             press(d, IDOK);
         }},
    });
    EXPECT_EQ("C:\\Pictures\\view.exe", after);
    EXPECT_EQ("C:\\Pictures\\view.exe", ini_value("app_cg"));
}

TEST_F(SettingsDialog, AcceptedBrowseShowsTheProgramAndItsIcon)
{
    std::string after;
    HICON icon_before = nullptr, icon_after = nullptr;
    run_dialog({
        {UserWindow::settings, [&](HWND d) {
             icon_before = shown_icon(d, IDC_OTHER_ICON);
             press(d, IDC_OTHER_BROWSE);
         }},
        choose_file(NOTEPAD),
        {UserWindow::settings, [&](HWND d) {
             after = item_text(d, IDC_OTHER_APP);
             icon_after = shown_icon(d, IDC_OTHER_ICON);
             press(d, IDCANCEL);
         }},
    });
    EXPECT_EQ(nullptr, icon_before);  // C:\Lhasa\lhasa.exe does not exist
    EXPECT_NE(nullptr, icon_after);
    EXPECT_STREQ(NOTEPAD, after.c_str());
    EXPECT_FALSE(ini_exists());  // shown, but Cancel writes nothing
}

TEST_F(SettingsDialog, OwnExecutableInAnotherCaseIsRefused)
{
    // The running program is the test itself; the user types its path in
    // the case the file system gives, the record holds it upper-cased.
    char own_path[TEXT_SIZE];
    GetModuleFileNameA(nullptr, own_path, sizeof own_path);
    for (char &c : settings.module_path)
        c = (char)ascii_upper((unsigned char)c);
    ASSERT_STRNE(own_path, settings.module_path);

    std::wstring message;
    std::string after;
    HICON icon_before = nullptr, icon_after = nullptr;
    run_dialog({
        {UserWindow::settings, [&](HWND d) {
             icon_before = shown_icon(d, IDC_KISS_ICON);
             press(d, IDC_KISS_BROWSE);
         }},
        choose_file(own_path),
        {UserWindow::message_box, [&](HWND box) {
             message = message_text(box);
             press(box, IDOK);
         }},
        {UserWindow::settings, [&](HWND d) {
             after = item_text(d, IDC_KISS_APP);
             icon_after = shown_icon(d, IDC_KISS_ICON);
             press(d, IDOK);
         }},
    });
    EXPECT_EQ(english_expected() ? L"Brisel itself cannot be chosen as an application."
                                 : L"自分自身は指定できません",
              message);
    EXPECT_STREQ(NOTEPAD, after.c_str());
    EXPECT_NE(nullptr, icon_before);
    EXPECT_EQ(icon_before, icon_after);
    EXPECT_EQ(NOTEPAD, ini_value("app_kiss"));
}

TEST_F(SettingsDialog, IconOnlyForFilesThatHoldOne)
{
    // An existing file without icons, a missing file, a shell verb.
    copy_text(settings.app_cg, TEXT_SIZE, settings.ini_path);
    FILE *f = std::fopen(settings.ini_path, "w");
    ASSERT_NE(nullptr, f);
    std::fclose(f);
    HICON icons[4] = {};
    run_dialog({{UserWindow::settings, [&](HWND d) {
                     const int ids[4] = {IDC_KISS_ICON, IDC_CG_ICON, IDC_MIDI_ICON, IDC_OTHER_ICON};
                     for (int k = 0; k < 4; ++k)
                         icons[k] = shown_icon(d, ids[k]);
                     press(d, IDCANCEL);
                 }}});
    EXPECT_NE(nullptr, icons[0]);
    EXPECT_EQ(nullptr, icons[1]);
    EXPECT_EQ(nullptr, icons[2]);
    EXPECT_EQ(nullptr, icons[3]);
}

TEST_F(SettingsDialog, WindowsOwnChoiceOfAnotherAppIsToldOnlyWhenItWins)
{
    struct Case {
        const char *key;  // under Windows' record for .lzh
        const char *prog_id;
        bool told;
    } cases[] = {
        {"\\UserChoice", "OtherArc.Lzh", true},
        {"\\UserChoiceLatest\\ProgId", "Applications\\other.exe", true},
        {"\\UserChoiceLatest\\ProgId", BRISEL_PROG_ID, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.prog_id);
        clear_lzh_classes();
        set_named_value(std::string(USER_CHOICE) + c.key, "ProgId", c.prog_id, HKEY_CURRENT_USER);
        std::wstring message;
        std::vector<UserStep> steps = {{UserWindow::settings, [](HWND d) {
                                            set_ticked(d, true);
                                            press(d, IDOK);
                                        }}};
        if (c.told) {
            steps.push_back({UserWindow::message_box, [&](HWND box) {
                                 message = message_text(box);
                                 press(box, IDNO);  // not now: no settings page opens
                             }});
        }
        run_dialog(steps);
        EXPECT_EQ(1, is_associated(settings.module_path));
        if (c.told) {
            EXPECT_NE(std::wstring::npos, message.find(std::wstring(c.prog_id, c.prog_id + strlen(c.prog_id))))
                << "the message names the app Windows keeps";
        }
        EXPECT_EQ(NOTEPAD, ini_value("app_kiss"));
    }
}

TEST_F(SettingsDialog, AFailedSaveIsToldWithTheIniPathUntilTheUserGivesUp)
{
    // A folder in the place of the INI file: no write can succeed.
    ASSERT_TRUE(CreateDirectoryA(settings.ini_path, nullptr));
    std::wstring message;
    int retries = 0;
    run_dialog({
        {UserWindow::settings, [](HWND d) {
             SetDlgItemTextA(d, IDC_KISS_APP, "C:\\Doll\\doll.exe");
             press(d, IDOK);
         }},
        {UserWindow::message_box, [&](HWND box) {
             message = message_text(box);
             ++retries;
             press(box, IDRETRY);
         }},
        {UserWindow::message_box, [](HWND box) { press(box, IDCANCEL); }},
    });
    RemoveDirectoryA(settings.ini_path);
    wchar_t path[TEXT_SIZE];
    MultiByteToWideChar(CP_ACP, 0, settings.ini_path, -1, path, TEXT_SIZE);
    EXPECT_NE(std::wstring::npos, message.find(path)) << "the message names the INI file";
    EXPECT_EQ(1, retries);
    EXPECT_FALSE(ini_exists());

    // Retry after the cause is gone saves what was typed.
    ASSERT_TRUE(CreateDirectoryA(settings.ini_path, nullptr));
    run_dialog({
        {UserWindow::settings, [](HWND d) {
             SetDlgItemTextA(d, IDC_KISS_APP, "C:\\Doll\\doll.exe");
             press(d, IDOK);
         }},
        {UserWindow::message_box, [&](HWND box) {
             RemoveDirectoryA(settings.ini_path);
             press(box, IDRETRY);
         }},
    });
    EXPECT_EQ("C:\\Doll\\doll.exe", ini_value("app_kiss"));
}

TEST_F(SettingsDialog, HelpAfterABrowseOpensTheHelpBesideTheProgram)
{
    // The open-file dialog may move the current folder: help must not follow it.
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string help = module;
    help = help.substr(0, help.rfind('\\') + 1) + "brisel.txt";
    ASSERT_TRUE(CopyFileA(wine_path(BRISEL_HELP_PATH).c_str(), help.c_str(), FALSE));
    run_dialog({
        {UserWindow::settings, [](HWND d) { press(d, IDC_CG_BROWSE); }},
        choose_file(NOTEPAD),
        {UserWindow::settings, [](HWND d) {
             press(d, IDC_HELP_BUTTON);
             press(d, IDCANCEL);
         }},
    });
    EXPECT_TRUE(close_help_editor());
    DeleteFileA(help.c_str());
}
