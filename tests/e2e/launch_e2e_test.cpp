// Brisel end to end under Wine: the real brisel.exe, started the way the
// shell starts it, with an INI beside it that routes each kind to a copy of
// brisel-recorder. Each copy logs the command line it received to <name>.log,
// so a test sees which program started and with exactly what.
#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/lzh_builder.h"
#include "support/remote_dialog.h"
#include "support/wine_path.h"

namespace fs = std::filesystem;

namespace {

bool file_exists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The stdout of a -mwindows program is in text mode: its line ends are CR LF.
std::string without_cr(std::string text)
{
    std::string out;
    for (char c : text) {
        if (c != '\r')
            out.push_back(c);
    }
    return out;
}

// The log of a recorder copy once its line is complete, or "" when none came
// within the bound. The launcher does not wait for what it starts.
std::string wait_for_log(const std::string &log)
{
    for (int i = 0; i < 400; ++i) {
        std::string text = read_file_bytes(log);
        if (!text.empty() && text.back() == '\n')
            return text;
        Sleep(50);
    }
    return "";
}

// Ends the settings dialog of a process as its Cancel button would, once it shows.
void cancel_dialog_of(DWORD process_id)
{
    if (HWND dialog = wait_for_settings_dialog(process_id, 1))
        remote_press(dialog, IDCANCEL);
}

// A program that was going to start has started by then: both the process
// start and the shell's verb create the process before brisel.exe ends.
void settle()
{
    Sleep(1500);
}

struct BriselRun {
    bool finished = false;
    DWORD exit_code = 99;
    std::string trace;
};

class Launch : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        root = std::string(cwd) + "\\e2e-work\\" + info->name();
        std::error_code ignored;
        fs::remove_all(root, ignored);
        brisel_dir = root + "\\Brisel Dir";
        apps = root + "\\apps";
        archives = root + "\\archives";
        for (const std::string &dir : {brisel_dir, apps, archives})
            fs::create_directories(dir);
        brisel = brisel_dir + "\\brisel.exe";
        ASSERT_TRUE(CopyFileA(wine_path(BRISEL_EXE).c_str(), brisel.c_str(), FALSE)) << BRISEL_EXE;
        for (const char *name : {"kiss", "cg", "midi", "other"})
            add_recorder(apps + "\\" + name + ".exe");
        app_kiss = apps + "\\kiss.exe";
        app_cg = apps + "\\cg.exe";
        app_midi = apps + "\\midi.exe";
        app_other = apps + "\\other.exe";
    }

    void add_recorder(const std::string &path)
    {
        fs::create_directories(fs::path(path).parent_path());
        ASSERT_TRUE(CopyFileA(wine_path(RECORDER_EXE).c_str(), path.c_str(), FALSE)) << path;
    }

    static std::string log_of(const std::string &program)
    {
        return program.substr(0, program.size() - 4) + ".log";
    }

    void write_ini()
    {
        std::string ini = "[Settings]\r\napp_kiss=" + app_kiss + "\r\next_kiss=.CNF.CEL.KCF.KDC\r\n" +
                          "app_cg=" + app_cg + "\r\next_cg=.GIF.JPG\r\n" + "app_midi=" + app_midi +
                          "\r\next_midi=.mid.rcp\r\n" + "app_other=" + app_other + "\r\n";
        ASSERT_TRUE(write_file_bytes(brisel_dir + "\\brisel.ini", ini));
    }

    std::string make_archive(const std::string &name, const std::vector<std::string> &members)
    {
        std::string path = archives + "\\" + name;
        EXPECT_TRUE(write_file_bytes(path, make_lzh_archive(members, 2))) << path;
        return path;
    }

    // Starts brisel.exe with the given arguments after its quoted path, as the
    // shell does, with stdout redirected to a file, and waits for its end.
    BriselRun run(const std::string &arguments, bool cancel_dialog = false)
    {
        write_ini();
        BriselRun result;
        // A new file each run: a started program may still hold the last one open.
        std::string trace_path = root + "\\trace" + std::to_string(++runs) + ".txt";
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
        HANDLE out = CreateFileA(trace_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (out == INVALID_HANDLE_VALUE) {
            ADD_FAILURE() << "cannot create " << trace_path;
            return result;
        }
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = out;
        startup.hStdError = out;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        PROCESS_INFORMATION process = {};
        std::string command_line = "\"" + brisel + "\" " + arguments;
        BOOL started = CreateProcessA(NULL, &command_line[0], NULL, NULL, TRUE, 0, NULL,
                                      root.c_str(), &startup, &process);
        CloseHandle(out);
        if (!started) {
            ADD_FAILURE() << "cannot start " << command_line;
            return result;
        }
        for (int i = 0; i < 300 && !result.finished; ++i) {
            result.finished = WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0;
            if (!result.finished && cancel_dialog)
                cancel_dialog_of(process.dwProcessId);
        }
        GetExitCodeProcess(process.hProcess, &result.exit_code);
        if (!result.finished)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        result.trace = without_cr(read_file_bytes(trace_path));
        return result;
    }

    // The five settings lines that start every trace.
    std::string settings_trace() const
    {
        return app_kiss + "\n.CNF.CEL.KCF.KDC\n" + app_cg + "\n.GIF.JPG\n" + app_other + "\n";
    }

    // The whole trace of a run that starts the program text application.
    std::string program_trace(const std::string &application, const std::string &archive) const
    {
        std::string dot = application.substr(application.rfind('.'));
        return settings_trace() + application + ":" + archive + ":" + dot + ":\nnot ShellExecuted.\n";
    }

    // Checks a finished run, then that exactly the recorder program started,
    // with expected_command_line, and none of the other four.
    void expect_started(const BriselRun &result, const std::string &program,
                        const std::string &expected_command_line)
    {
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(result.exit_code, 0u);
        EXPECT_EQ(wait_for_log(log_of(program)), expected_command_line + "\n");
        for (const std::string &other : {app_kiss, app_cg, app_midi, app_other}) {
            if (other != program) {
                EXPECT_FALSE(file_exists(log_of(other))) << other << " started too";
            }
        }
    }

    int runs = 0;
    std::string root, brisel_dir, apps, archives, brisel;
    std::string app_kiss, app_cg, app_midi, app_other;
};

TEST_F(Launch, EachKindStartsItsApplicationWithTheArchivePath)
{
    struct Case {
        const char *archive;
        std::vector<std::string> members;
        const std::string *application;
    };
    const Case cases[] = {
        {"dolls.lzh", {"readme.txt", "doll.cnf", "a.cel"}, &app_kiss},
        {"pictures.lzh", {"a.jpg", "b.gif"}, &app_cg},
        {"music.lzh", {"song.MID"}, &app_midi},
        {"plain.lzh", {"readme.txt", "setup.exe"}, &app_other},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        std::string archive = make_archive(c.archive, c.members);
        const std::string &application = *c.application;
        BriselRun result = run("\"" + archive + "\"");
        expect_started(result, application, application + " " + archive);
        EXPECT_EQ(result.trace, program_trace(application, archive));
        DeleteFileA(log_of(application).c_str());
    }
}

TEST_F(Launch, ArchivePathWithBlanksIsPassedQuoted)
{
    archives = root + "\\My Archives";
    fs::create_directories(archives);
    std::string archive = make_archive("dolls set.lzh", {"doll.cnf"});
    BriselRun result = run("\"" + archive + "\"");
    expect_started(result, app_kiss, app_kiss + " \"" + archive + "\"");
    EXPECT_EQ(result.trace, program_trace(app_kiss, archive));
}

TEST_F(Launch, ProgramPathWithBlanksIsQuotedAndTheDecoyNeverStarts)
{
    app_cg = root + "\\My Apps\\cg.exe";
    add_recorder(app_cg);
    std::string decoy = root + "\\My.exe";
    add_recorder(decoy);
    std::string archive = make_archive("pictures.lzh", {"a.gif"});
    BriselRun result = run("\"" + archive + "\"");
    expect_started(result, app_cg, "\"" + app_cg + "\" " + archive);
    EXPECT_FALSE(file_exists(log_of(decoy))) << "the unquoted path started My.exe";
    EXPECT_EQ(result.trace, program_trace(app_cg, archive));
}

TEST_F(Launch, ProgramTextThatIsNoSingleFileStandsAsWritten)
{
    // A wrapper and the program it runs: the first word starts, with the rest as its arguments.
    std::string wrapper = app_kiss;
    app_kiss = wrapper + " " + app_cg;
    std::string archive = make_archive("dolls.lzh", {"doll.kcf"});
    BriselRun result = run("\"" + archive + "\"");
    expect_started(result, wrapper, app_kiss + " " + archive);
}

TEST_F(Launch, UnreadableOrMissingArchiveGoesToTheOrdinaryApplication)
{
    std::string garbage = archives + "\\broken.lzh";
    ASSERT_TRUE(write_file_bytes(garbage, "this is not an archive"));
    std::string missing = archives + "\\missing.lzh";
    for (const std::string &archive : {garbage, missing}) {
        SCOPED_TRACE(archive);
        BriselRun result = run("\"" + archive + "\"");
        expect_started(result, app_other, app_other + " " + archive);
        EXPECT_EQ(result.trace, program_trace(app_other, archive));
        DeleteFileA(log_of(app_other).c_str());
    }
}

TEST_F(Launch, OnlyTheFirstOfTwoArchivesIsClassifiedAndLaunched)
{
    std::string first = make_archive("dolls.lzh", {"doll.cnf"});
    std::string second = make_archive("pictures.lzh", {"a.jpg"});
    BriselRun result = run("\"" + first + "\" \"" + second + "\"");
    expect_started(result, app_kiss, app_kiss + " " + first);
}

TEST_F(Launch, EmptyQuotedArgumentLaunchesTheOrdinaryApplicationWithAnEmptyPath)
{
    BriselRun result = run("\"\"");
    expect_started(result, app_other, app_other + " ");
    EXPECT_EQ(result.trace, program_trace(app_other, ""));
}

TEST_F(Launch, ShiftJisNameEndingInTheBackslashCodeArrivesWhole)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932";
    // 人形表: the trail byte of 表 is 0x5C, right before the closing quote.
    std::string archive = make_archive("\x90\x6C\x8C\x60\x95\x5C", {"doll.cnf"});
    BriselRun result = run("\"" + archive + "\"");
    expect_started(result, app_kiss, app_kiss + " " + archive);
    EXPECT_EQ(result.trace, program_trace(app_kiss, archive));
}

TEST_F(Launch, WithoutArgumentsOnlyTheSettingsAreTraced)
{
    // Blanks alone after the program name choose the settings dialog, ended here by Cancel.
    BriselRun result = run("  ", true);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exit_code, 0u);
    EXPECT_EQ(result.trace, settings_trace());
    for (const std::string &program : {app_kiss, app_cg, app_midi, app_other})
        EXPECT_FALSE(file_exists(log_of(program))) << program;
}

TEST_F(Launch, ApplicationNamingBriselItselfIsNotStarted)
{
    // The module path in other letter case. Were it started, it would start
    // itself again on the same archive, so the chain is ended below by
    // routing the kind to a recorder, whose log then shows the fault.
    std::string self = brisel;
    for (char &c : self)
        c = (char)std::toupper((unsigned char)c);
    app_kiss = self;
    std::string archive = make_archive("dolls.lzh", {"doll.cnf"});
    BriselRun result = run("\"" + archive + "\"");
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exit_code, 0u);
    EXPECT_EQ(result.trace, program_trace(self, archive));
    settle();
    app_kiss = apps + "\\kiss.exe";
    write_ini();
    settle();
    EXPECT_FALSE(file_exists(log_of(app_kiss))) << "brisel.exe started itself";
}

// A document class for .lzh in the prefix's registry whose verbs run recorder
// copies: "open" runs open.exe, and the default verb "brisel" runs brisel-verb.exe
// (where an installed association would run brisel.exe). Restored afterwards.
class ShellVerb : public Launch {
protected:
    void SetUp() override
    {
        Launch::SetUp();
        open_app = apps + "\\open.exe";
        verb_app = apps + "\\brisel-verb.exe";
        add_recorder(open_app);
        add_recorder(verb_app);
        save_lzh_class();
        set(".lzh", CLASS);
        set(std::string(CLASS) + "\\shell", "brisel");
        set(std::string(CLASS) + "\\shell\\open\\command", "\"" + open_app + "\" \"%1\"");
        set(std::string(CLASS) + "\\shell\\brisel\\command", "\"" + verb_app + "\" \"%1\"");
    }

    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CLASSES_ROOT, CLASS);
        if (!had_key) {
            SHDeleteKeyA(HKEY_CLASSES_ROOT, ".lzh");
        } else {
            HKEY key;
            if (RegOpenKeyA(HKEY_CLASSES_ROOT, ".lzh", &key) == ERROR_SUCCESS) {
                if (had_value)
                    RegSetValueExA(key, NULL, 0, REG_SZ, (const BYTE *)old_value.c_str(),
                                   (DWORD)old_value.size() + 1);
                else
                    RegDeleteValueA(key, NULL);
                RegCloseKey(key);
            }
        }
    }

    void save_lzh_class()
    {
        HKEY key;
        had_key = RegOpenKeyA(HKEY_CLASSES_ROOT, ".lzh", &key) == ERROR_SUCCESS;
        if (!had_key)
            return;
        char value[MAX_PATH] = "";
        DWORD size = sizeof value;
        had_value = RegQueryValueExA(key, NULL, NULL, NULL, (BYTE *)value, &size) == ERROR_SUCCESS;
        old_value = value;
        RegCloseKey(key);
    }

    static void set(const std::string &key, const std::string &value)
    {
        ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), (DWORD)value.size()),
                  ERROR_SUCCESS)
            << key;
    }

    static constexpr const char *CLASS = "BriselTest.Archive";
    std::string open_app, verb_app, old_value;
    bool had_key = false, had_value = false;
};

TEST_F(ShellVerb, AVerbIsCarriedOutOnTheArchiveByTheShell)
{
    app_other = "open";
    std::string archive = make_archive("plain.lzh", {"readme.txt"});
    BriselRun result = run("\"" + archive + "\"");
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exit_code, 0u);
    EXPECT_EQ(result.trace, settings_trace() + "open:" + archive + ":(null):\n");
    EXPECT_EQ(wait_for_log(log_of(open_app)), "\"" + open_app + "\" \"" + archive + "\"\n");
    EXPECT_FALSE(file_exists(log_of(verb_app)));
}

TEST_F(ShellVerb, TheVerbThatLeadsBackToBriselIsNotCarriedOut)
{
    std::string archive = make_archive("plain.lzh", {"readme.txt"});
    for (const char *verb : {"", "Brisel"}) {
        SCOPED_TRACE(verb);
        app_other = verb;
        BriselRun result = run("\"" + archive + "\"");
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(result.exit_code, 0u);
        EXPECT_EQ(result.trace, settings_trace() + verb + ":" + archive + ":(null):\n");
    }
    settle();
    EXPECT_FALSE(file_exists(log_of(verb_app))) << "the shell ran brisel's own verb";
    EXPECT_FALSE(file_exists(log_of(open_app)));
}

}  // namespace
