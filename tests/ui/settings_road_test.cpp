// The real brisel.exe from outside: settings mode driven like a user, then
// the shell's double-click on .lzh files through the registered command.
// Runs in a folder of its own with a copy of brisel.exe and recorders
// standing in for the configured applications.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "registry_fixture.h"
#include "resource.h"
#include "support/lzh_builder.h"
#include "support/remote_dialog.h"
#include "support/wine_path.h"

namespace {

std::string current_folder()
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

// Waits for a file that another process writes; "" if it never comes.
std::string wait_for_file(const std::string &path)
{
    for (int i = 0; i < 300; ++i) {
        std::string bytes = read_file_bytes(path);
        if (!bytes.empty())
            return bytes;
        Sleep(100);
    }
    return "";
}

class SettingsRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_lzh_classes();
        folder = current_folder() + "\\road";
        CreateDirectoryA(folder.c_str(), nullptr);
        program = folder + "\\brisel.exe";
        for (const char *name : {"\\brisel.ini", "\\kiss.log", "\\other.log"})
            DeleteFileA((folder + name).c_str());
        ASSERT_TRUE(CopyFileA(wine_path(BRISEL_EXE_PATH).c_str(), program.c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(wine_path(BRISEL_HELP_PATH).c_str(), (folder + "\\brisel.txt").c_str(), FALSE));
        for (const char *name : {"\\kiss.exe", "\\other.exe"})
            ASSERT_TRUE(CopyFileA(wine_path(RECORDER_EXE_PATH).c_str(), (folder + name).c_str(), FALSE));
    }
    void TearDown() override { clear_lzh_classes(); }

    // Starts brisel.exe without arguments and returns its shown dialog.
    HWND start_settings_mode()
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + program + "\"";
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &process))
            return nullptr;
        return wait_for_settings_dialog(process.dwProcessId);
    }

    bool ended()
    {
        DWORD waited = WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return waited == WAIT_OBJECT_0;
    }

    std::string ini_value(const char *key)
    {
        char value[1024];
        GetPrivateProfileStringA("Settings", key, "<missing>", value, sizeof value,
                                 (folder + "\\brisel.ini").c_str());
        return value;
    }

    std::string folder, program;
    PROCESS_INFORMATION process = {};
};

}  // namespace

TEST_F(SettingsRoad, DialogFromOutsideSavesTextsAndInstallsTheAssociation)
{
    HWND dialog = start_settings_mode();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(expected_settings_caption(), window_title(dialog));
    EXPECT_EQ(".CNF.CEL.KCF.KDC", remote_text(dialog, IDC_KISS_EXT));  // the defaults are shown
    EXPECT_EQ(0, SendMessageA(GetDlgItem(dialog, IDC_ASSOCIATE), BM_GETCHECK, 0, 0));
    remote_set_text(dialog, IDC_KISS_APP, (folder + "\\kiss.exe").c_str());
    remote_set_text(dialog, IDC_OTHER_APP, (folder + "\\other.exe").c_str());
    remote_set_text(dialog, IDC_MIDI_EXT, ".mid.rcp.mld");
    remote_click(dialog, IDC_ASSOCIATE);
    // Help opens the help file beside the program and leaves the dialog open.
    remote_click(dialog, IDC_HELP_BUTTON);
    EXPECT_TRUE(close_help_editor());
    EXPECT_TRUE(IsWindow(dialog));
    remote_press(dialog, IDOK);
    ASSERT_TRUE(ended());

    EXPECT_EQ(folder + "\\kiss.exe", ini_value("app_kiss"));
    EXPECT_EQ(".CNF.CEL.KCF.KDC", ini_value("ext_kiss"));
    EXPECT_EQ(".mid.rcp.mld", ini_value("ext_midi"));
    EXPECT_EQ(folder + "\\other.exe", ini_value("app_other"));
    EXPECT_NE("<missing>", ini_value("app_cg"));
    EXPECT_EQ("lzhfile", default_value(".lzh"));
    EXPECT_EQ("brisel", default_value("lzhfile\\shell"));
    EXPECT_EQ("\"" + program + "\" \"%1\"", default_value("lzhfile\\shell\\brisel\\command"));
    EXPECT_EQ(program + ",1", default_value("lzhfile\\DefaultIcon"));
}

TEST_F(SettingsRoad, DoubleClickStartsTheApplicationOfTheArchivesKind)
{
    HWND dialog = start_settings_mode();
    ASSERT_NE(nullptr, dialog);
    remote_set_text(dialog, IDC_KISS_APP, (folder + "\\kiss.exe").c_str());
    remote_set_text(dialog, IDC_OTHER_APP, (folder + "\\other.exe").c_str());
    remote_click(dialog, IDC_ASSOCIATE);
    remote_press(dialog, IDOK);
    ASSERT_TRUE(ended());

    // A paper-doll set in a folder name with a blank, and an ordinary archive.
    const std::string doll = folder + "\\doll set.lzh";
    const std::string plain = folder + "\\plain.lzh";
    ASSERT_TRUE(write_file_bytes(doll, make_lzh_archive({"readme.txt", "doll.cnf", "a.cel"}, 1)));
    ASSERT_TRUE(write_file_bytes(plain, make_lzh_archive({"readme.txt", "main.c"}, 2)));

    // What Explorer does on a double-click: the default verb of the file's class.
    EXPECT_GT((INT_PTR)ShellExecuteA(nullptr, nullptr, doll.c_str(), nullptr, nullptr, SW_SHOW), 32);
    std::string kiss_log = wait_for_file(folder + "\\kiss.log");
    EXPECT_NE(std::string::npos, kiss_log.find("\"" + doll + "\"")) << kiss_log;

    EXPECT_GT((INT_PTR)ShellExecuteA(nullptr, nullptr, plain.c_str(), nullptr, nullptr, SW_SHOW), 32);
    std::string other_log = wait_for_file(folder + "\\other.log");
    EXPECT_NE(std::string::npos, other_log.find(plain)) << other_log;
    EXPECT_EQ(std::string::npos, kiss_log.find("plain.lzh"));
}
