// The real brisel.exe from outside: settings mode driven like a user, then
// the shell's double-click on .lzh files through the registered command.
// SettingsRoad runs a copy of the build's brisel.exe in a folder of its own;
// ReleaseInstall runs the release zip as a user unpacked it. Recorders stand
// in for the configured applications.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <set>
#include <string>

#include "registry_fixture.h"
#include "resource.h"
#include "support/lzh_builder.h"
#include "support/remote_dialog.h"
#include "support/wine_path.h"
#include "version.h"

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

// Copies the recorder into folder as NAME.exe for each name, with no NAME.log yet.
void copy_recorders(const std::string &folder, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        DeleteFileA((folder + "\\" + name + ".log").c_str());
        ASSERT_TRUE(CopyFileA(wine_path(RECORDER_EXE_PATH).c_str(),
                              (folder + "\\" + name + ".exe").c_str(), FALSE));
    }
}

// A brisel.exe (program, in folder) started and awaited from outside.
class Road : public ::testing::Test {
protected:
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

    // Double-clicks a paper-doll set (a name with a blank) and an ordinary
    // archive in the recorders' folder: the shell runs the default verb of
    // the class, as Explorer does. The kiss recorder must receive the first,
    // the other recorder the second, and no recorder anything else.
    void expect_double_clicks_routed(const std::string &recorders)
    {
        const std::string doll = recorders + "\\doll set.lzh";
        const std::string plain = recorders + "\\plain.lzh";
        ASSERT_TRUE(write_file_bytes(doll, make_lzh_archive({"readme.txt", "doll.cnf", "a.cel"}, 1)));
        ASSERT_TRUE(write_file_bytes(plain, make_lzh_archive({"readme.txt", "main.c"}, 2)));

        EXPECT_GT((INT_PTR)ShellExecuteA(nullptr, nullptr, doll.c_str(), nullptr, nullptr, SW_SHOW), 32);
        std::string kiss_log = wait_for_file(recorders + "\\kiss.log");
        EXPECT_NE(std::string::npos, kiss_log.find("\"" + doll + "\"")) << kiss_log;

        EXPECT_GT((INT_PTR)ShellExecuteA(nullptr, nullptr, plain.c_str(), nullptr, nullptr, SW_SHOW), 32);
        std::string other_log = wait_for_file(recorders + "\\other.log");
        EXPECT_NE(std::string::npos, other_log.find(plain)) << other_log;
        EXPECT_EQ(kiss_log, read_file_bytes(recorders + "\\kiss.log"));
        for (const char *log : {"\\cg.log", "\\midi.log"})
            EXPECT_EQ("", read_file_bytes(recorders + log)) << log;
    }

    std::string folder, program;
    PROCESS_INFORMATION process = {};
};

class SettingsRoad : public Road {
protected:
    void SetUp() override
    {
        clear_lzh_classes();
        folder = current_folder() + "\\road";
        CreateDirectoryA(folder.c_str(), nullptr);
        program = folder + "\\brisel.exe";
        DeleteFileA((folder + "\\brisel.ini").c_str());
        ASSERT_TRUE(CopyFileA(wine_path(BRISEL_EXE_PATH).c_str(), program.c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(wine_path(BRISEL_HELP_PATH).c_str(), (folder + "\\brisel.txt").c_str(), FALSE));
        copy_recorders(folder, {"kiss", "other"});
    }
    void TearDown() override { clear_lzh_classes(); }
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
    expect_double_clicks_routed(folder);
}

namespace {

// The output of a console program run to its end, stdout and stderr together.
std::string console_output(std::string command)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read_end, write_end;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0))
        return "<no pipe>";
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = write_end;
    PROCESS_INFORMATION started = {};
    BOOL ok = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &started);
    CloseHandle(write_end);
    std::string output = ok ? "" : "<cannot start " + command + ">";
    char buffer[4096];
    DWORD got;
    while (ok && ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(read_end);
    if (ok) {
        WaitForSingleObject(started.hProcess, 30000);
        CloseHandle(started.hProcess);
        CloseHandle(started.hThread);
    }
    return output;
}

// The names in a folder, sorted, each followed by a blank.
std::string folder_listing(const std::string &folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return "<no folder " + folder + ">";
    do {
        if (std::strcmp(found.cFileName, ".") && std::strcmp(found.cFileName, ".."))
            names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::string listing;
    for (const std::string &name : names)
        listing += name + " ";
    return listing;
}

// The release zip as a user unpacked it, in a fresh prefix of its own
// (install_release.sh), into C:\ソフト (x86)\Brisel 1.x: ソ ends in the
// Shift-JIS trail byte 0x5C; blanks, brackets and a dot. The zip's own
// folder brisel-VERSION holds the program.
class ReleaseInstall : public Road {
protected:
    void SetUp() override
    {
        folder = "C:\\\x83\x5C\x83\x74\x83\x67 (x86)\\Brisel 1.x\\brisel-" BRISEL_VERSION;
        program = folder + "\\brisel.exe";
        recorders = current_folder() + "\\release-install";
        CreateDirectoryA(recorders.c_str(), nullptr);
        copy_recorders(recorders, {"kiss", "cg", "midi", "other"});
    }

    // Every place the association writes: the class that ".lzh" names
    // (through HKEY_CLASSES_ROOT and per user), Brisel's own class, and its
    // registration for "Open with" and Default apps.
    static std::string association_snapshot()
    {
        std::string text;
        for (const std::string &name :
             std::set<std::string>{".lzh", default_value(".lzh"), "lzhfile", "Brisel.Archive"}) {
            text += key_snapshot(HKEY_CLASSES_ROOT, name);
            text += key_snapshot(HKEY_CURRENT_USER, "Software\\Classes\\" + name);
        }
        for (const char *path : {"Software\\RegisteredApplications", "Software\\Brisel\\Capabilities"})
            text += key_snapshot(HKEY_CURRENT_USER, path);
        return text;
    }

    std::string recorders;
};

}  // namespace

TEST_F(ReleaseInstall, UnpackedZipIsSetUpOpensArchivesAndComesOutAgain)
{
    // What the zip holds, and one version throughout: no INI file, the
    // version in the folder's name, the help's title line and the dry run's.
    ASSERT_EQ("LICENSE.txt THIRD-PARTY-NOTICES.txt brisel-inspect.exe brisel.exe brisel.txt ",
              folder_listing(folder));
    EXPECT_EQ(0u, read_file_bytes(folder + "\\brisel.txt").find("\xEF\xBB\xBF" "Brisel " BRISEL_VERSION " "));
    const std::string inspect = "\"" + folder + "\\brisel-inspect.exe\" ";
    EXPECT_EQ("brisel-inspect " BRISEL_VERSION "\r\n", console_output(inspect + "--version"));

    const std::string before = association_snapshot();
    HWND dialog = start_settings_mode();
    ASSERT_NE(nullptr, dialog);
    const int applications[] = {IDC_KISS_APP, IDC_CG_APP, IDC_MIDI_APP, IDC_OTHER_APP};
    const char *names[] = {"\\kiss.exe", "\\cg.exe", "\\midi.exe", "\\other.exe"};
    for (int i = 0; i < 4; ++i)
        remote_set_text(dialog, applications[i], (recorders + names[i]).c_str());
    remote_click(dialog, IDC_ASSOCIATE);
    remote_press(dialog, IDOK);
    ASSERT_TRUE(ended());
    EXPECT_EQ(recorders + "\\kiss.exe", ini_value("app_kiss"));  // brisel.ini beside the program

    expect_double_clicks_routed(recorders);
    // The dry run from the unpacked folder says why the set went to the KISS application.
    EXPECT_NE(std::string::npos,
              console_output(inspect + "\"" + recorders + "\\doll set.lzh\"").find("kind\t1\tKISS"));

    // Removal as the help describes it: clear the box and press OK.
    dialog = start_settings_mode();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dialog, IDC_ASSOCIATE), BM_GETCHECK, 0, 0));
    remote_click(dialog, IDC_ASSOCIATE);
    remote_press(dialog, IDOK);
    ASSERT_TRUE(ended());
    EXPECT_EQ(before, association_snapshot());
}
