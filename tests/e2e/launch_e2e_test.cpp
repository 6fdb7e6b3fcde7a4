// Brisel end to end under Wine: the real brisel.exe, started the way the
// shell starts it, with an INI beside it that routes each kind to a copy of
// brisel-recorder. Each copy logs the command line it received, in UTF-8, to
// <name>.log, so a test sees which program started and with exactly what.
// Every run happens in a job object and ends when the last process of it has
// ended: a test counts the processes started and answers each message box.
#include <windows.h>
#include <shlwapi.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/lzh_builder.h"
#include "support/process_job.h"
#include "support/remote_dialog.h"
#include "support/wine_path.h"

namespace fs = std::filesystem;

namespace {

// The tests keep paths in UTF-8, the recorder's encoding; Win32 takes them in UTF-16.
std::wstring wide(const std::string &utf8)
{
    std::wstring text(utf8.size() + 1, L'\0');
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &text[0], (int)text.size());
    text.resize(size > 0 ? size - 1 : 0);
    return text;
}

// A UTF-16 text in a code page: CP_UTF8, or CP_ACP for the ANSI form that
// GetCommandLineA makes, look-alikes and '?' included.
std::string narrow(UINT code_page, const std::wstring &text)
{
    int size = WideCharToMultiByte(code_page, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(code_page, 0, text.c_str(), -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(size > 0 ? size - 1 : 0);
    return bytes;
}

std::string ansi(const std::string &utf8)
{
    return narrow(CP_ACP, wide(utf8));
}

bool file_exists(const std::string &path)
{
    return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
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

// Ends the settings dialog of a process as its Cancel button would, once it shows.
void cancel_dialog_of(DWORD process_id)
{
    if (HWND dialog = wait_for_settings_dialog(process_id, 1))
        remote_press(dialog, IDCANCEL);
}

struct BriselRun {
    bool finished = false;
    DWORD exit_code = 99;
    std::string trace;
    std::size_t processes = 0;           // brisel.exe and all it started, and so on
    std::vector<std::wstring> messages;  // each message box shown, answered with OK
};

class Launch : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Wine's desktop process starts with the first window of the prefix:
        // started here, it never joins the job of a run.
        GetDesktopWindow();
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        wchar_t cwd[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, cwd);
        // Per code page: the runs under 932 and 1252 may overlap.
        root = narrow(CP_UTF8, cwd) + "\\e2e-work\\cp" + std::to_string(GetACP()) + "\\" + info->name();
        std::error_code ignored;
        fs::remove_all(wide(root), ignored);
        brisel_dir = root + "\\Brisel Dir";
        apps = root + "\\apps";
        archives = root + "\\archives";
        brisel = brisel_dir + "\\brisel.exe";
        copy_program(BRISEL_EXE, brisel);
        for (const char *name : {"kiss", "cg", "midi", "other"})
            add_recorder(apps + "\\" + name + ".exe");
        app_kiss = apps + "\\kiss.exe";
        app_cg = apps + "\\cg.exe";
        app_midi = apps + "\\midi.exe";
        app_other = apps + "\\other.exe";
    }

    static void copy_program(const char *built, const std::string &path)
    {
        fs::create_directories(fs::path(wide(path)).parent_path());
        ASSERT_TRUE(CopyFileW(wide(wine_path(built)).c_str(), wide(path).c_str(), FALSE)) << path;
    }

    static void add_recorder(const std::string &path)
    {
        copy_program(RECORDER_EXE, path);
    }

    static std::string log_of(const std::string &program)
    {
        return program.substr(0, program.size() - 4) + ".log";
    }

    static std::string read_log(const std::string &program)
    {
        return read_file_bytes(wide(log_of(program)));
    }

    static void write_file(const std::string &path, const std::string &bytes)
    {
        fs::create_directories(fs::path(wide(path)).parent_path());
        ASSERT_TRUE(write_file_bytes(wide(path), bytes)) << path;
    }

    // An INI that routes the four kinds to the given applications.
    static std::string ini_text(const std::string &kiss, const std::string &cg, const std::string &midi,
                                const std::string &other)
    {
        return "[Settings]\r\napp_kiss=" + ansi(kiss) + "\r\next_kiss=.CNF.CEL.KCF.KDC\r\napp_cg=" +
               ansi(cg) + "\r\next_cg=.GIF.JPG\r\napp_midi=" + ansi(midi) +
               "\r\next_midi=.mid.rcp\r\napp_other=" + ansi(other) + "\r\n";
    }

    std::string make_archive(const std::string &name, const std::vector<std::string> &members)
    {
        std::string path = archives + "\\" + name;
        write_file(path, make_lzh_archive(members, 2));
        return path;
    }

    // Starts brisel.exe with the given arguments after its quoted path, as the
    // shell does, with stdout redirected to a file, and waits for the end of
    // every process of the run, answering each message box with OK.
    BriselRun run(const std::string &arguments, bool cancel_dialog = false)
    {
        write_file(brisel_dir + "\\brisel.ini", ini_text(app_kiss, app_cg, app_midi, app_other));
        BriselRun result;
        std::string trace_path = root + "\\trace" + std::to_string(++runs) + ".txt";
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
        HANDLE out = CreateFileW(wide(trace_path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (out == INVALID_HANDLE_VALUE) {
            ADD_FAILURE() << "cannot create " << trace_path;
            return result;
        }
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = out;
        startup.hStdError = out;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::set<HWND> answered;
        JobRun job = run_in_job(wide("\"" + brisel + "\" " + arguments), wide(root), startup, true, 30000,
                                [&](const JobRun &now) {
                                    for (DWORD process : now.processes) {
                                        HWND box = wait_for_message_box(process, 1);
                                        if (box && answered.insert(box).second) {
                                            result.messages.push_back(remote_wide_text(box, MESSAGE_TEXT_ID));
                                            remote_press(box, IDOK);
                                        }
                                        if (cancel_dialog)
                                            cancel_dialog_of(process);
                                    }
                                });
        CloseHandle(out);
        EXPECT_TRUE(job.started) << "cannot start " << brisel;
        result.finished = job.finished;
        result.exit_code = job.exit_code;
        result.processes = job.processes.size();
        result.trace = without_cr(read_file_bytes(wide(trace_path)));
        return result;
    }

    // The five settings lines that start every trace.
    std::string settings_trace() const
    {
        return app_kiss + "\n.CNF.CEL.KCF.KDC\n" + app_cg + "\n.GIF.JPG\n" + app_other + "\n";
    }

    // The whole trace of a run that starts the program text application on
    // the archive, as the ANSI code page writes both.
    std::string program_trace(const std::string &application, const std::string &archive) const
    {
        std::string dot = application.substr(application.rfind('.'));
        return settings_trace() + ansi(application) + ":" + ansi(archive) + ":" + dot +
               ":\nnot ShellExecuted.\n";
    }

    // Checks a finished run, then that exactly the recorder program started,
    // with expected_command_line, and none of the other four.
    void expect_started(const BriselRun &result, const std::string &program,
                        const std::string &expected_command_line)
    {
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(result.exit_code, 0u);
        EXPECT_EQ(result.processes, 2u);
        EXPECT_TRUE(result.messages.empty());
        EXPECT_EQ(read_log(program), expected_command_line + "\n");
        for (const std::string &other : {app_kiss, app_cg, app_midi, app_other}) {
            if (other != program) {
                EXPECT_FALSE(file_exists(log_of(other))) << other << " started too";
            }
        }
    }

    // Checks a finished run that started no application: one message names
    // the application text and the archive, and processes ran in all.
    void expect_failed_start(const BriselRun &result, const std::string &application,
                             const std::string &archive, std::size_t processes = 1)
    {
        EXPECT_TRUE(result.finished) << "a chain of starts, or a window nobody answered";
        EXPECT_EQ(result.exit_code, 0u);
        EXPECT_EQ(result.processes, processes);
        ASSERT_EQ(result.messages.size(), 1u);
        EXPECT_NE(result.messages[0].find(wide(application)), std::wstring::npos) << application;
        EXPECT_NE(result.messages[0].find(wide(archive)), std::wstring::npos) << archive;
        for (const std::string &program : {app_kiss, app_cg, app_midi, app_other})
            EXPECT_FALSE(file_exists(log_of(program))) << program << " started";
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
        DeleteFileW(wide(log_of(application)).c_str());
    }
}

TEST_F(Launch, ArchivePathWithBlanksIsPassedQuoted)
{
    archives = root + "\\My Archives";
    std::string archive = make_archive("dolls set.lzh", {"doll.cnf"});
    BriselRun result = run("\"" + archive + "\"");
    expect_started(result, app_kiss, app_kiss + " \"" + archive + "\"");
    EXPECT_EQ(result.trace, program_trace(app_kiss, archive));
}

// Each name the ANSI code page holds only as a look-alike or '?' (932: é,
// ¥, Hangul, a character beyond U+FFFF; 1252: Hangul, the same, and the
// fullwidth quote, which becomes a real one) is classified from its own bytes
// and handed on exactly. The archives are CG sets; the decoy at the name the
// ANSI form gives is a KISS set, so opening it would start kiss.exe.
TEST_F(Launch, EveryFileNameArrivesExactly)
{
    struct Case {
        const char *name, *decoy;
    };
    const Case cases[] = {
        {"café.lzh", "cafe.lzh"}, {"x¥y.lzh", "x\\y.lzh"}, {"한국.lzh", nullptr},
        {"𠮷.lzh", nullptr},      {"＂a＂.lzh", nullptr},
    };
    std::printf("ANSI code page %u\n", GetACP());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string archive = make_archive(c.name, {"a.gif"});
        if (c.decoy)
            make_archive(c.decoy, {"doll.cnf"});
        BriselRun result = run("\"" + archive + "\"");
        expect_started(result, app_cg, app_cg + " " + archive);
        // The trace shows the ANSI form; with real quotes in it, it splits otherwise.
        if (ansi(archive).find('"') == std::string::npos) {
            EXPECT_EQ(result.trace, program_trace(app_cg, archive));
        }
        DeleteFileW(wide(log_of(app_cg)).c_str());
    }
}

TEST_F(Launch, ShiftJisNameEndingInTheBackslashCodeArrivesWhole)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932";
    // 人形表: the trail byte of 表 is 0x5C, right before the closing quote.
    std::string archive = make_archive("人形表", {"doll.cnf"});
    ASSERT_EQ(ansi(archive).substr(archive.size() - 9), "\x90\x6C\x8C\x60\x95\x5C");
    BriselRun result = run("\"" + archive + "\"");
    expect_started(result, app_kiss, app_kiss + " " + archive);
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

// A program that is missing, a folder, or not named in full starts nothing
// and is reported once; no part of its text and no file of the current
// directory (the run's root, where apps\ lies) stands in for it.
TEST_F(Launch, AProgramThatCannotStartIsReportedOnce)
{
    std::string planted = root + "\\my.exe";
    add_recorder(planted);
    add_recorder(root + "\\here.exe");
    fs::create_directories(wide(root + "\\my apps"));
    fs::create_directories(wide(apps + "\\folder.exe"));
    std::string archive = make_archive("dolls.lzh", {"doll.cnf"});
    std::string kiss = app_kiss;
    for (const std::string &text : {root + "\\my apps\\viewer.exe", apps + "\\missing.exe",
                                     std::string("here.exe"), std::string("apps\\kiss.exe"),
                                     apps + "\\folder.exe", apps + "\\folder.exe " + app_cg}) {
        SCOPED_TRACE(text);
        app_kiss = text;
        BriselRun result = run("\"" + archive + "\"");
        expect_failed_start(result, app_kiss, archive);
        EXPECT_EQ(result.trace, program_trace(app_kiss, archive));
        EXPECT_FALSE(file_exists(log_of(kiss)));
    }
    EXPECT_FALSE(file_exists(log_of(planted))) << "the text cut at its blank started my.exe";
    EXPECT_FALSE(file_exists(root + "\\here.log")) << "the current directory supplied a program";
}

TEST_F(Launch, UnreadableOrMissingArchiveGoesToTheOrdinaryApplication)
{
    std::string garbage = archives + "\\broken.lzh";
    write_file(garbage, "this is not an archive");
    std::string missing = archives + "\\missing.lzh";
    for (const std::string &archive : {garbage, missing, archives}) {
        SCOPED_TRACE(archive);
        BriselRun result = run("\"" + archive + "\"");
        expect_started(result, app_other, app_other + " " + archive);
        EXPECT_EQ(result.trace, program_trace(app_other, archive));
        DeleteFileW(wide(log_of(app_other)).c_str());
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

TEST_F(Launch, WithoutArgumentsOnlyTheSettingsAreTraced)
{
    // Blanks alone after the program name choose the settings dialog, ended here by Cancel.
    BriselRun result = run("  ", true);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exit_code, 0u);
    EXPECT_EQ(result.processes, 1u);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.trace, settings_trace());
    for (const std::string &program : {app_kiss, app_cg, app_midi, app_other})
        EXPECT_FALSE(file_exists(log_of(program))) << program;
}

// Were any of these started, brisel.exe would start itself on the same
// archive without end: the run would not finish within its bound.
TEST_F(Launch, TextsNamingBriselItselfStartNothing)
{
    std::string upper = brisel;
    for (char &c : upper)
        c = (char)std::toupper((unsigned char)c);
    std::string dotted = brisel_dir + "\\..\\Brisel Dir\\brisel.exe";
    for (char &c : dotted)
        c = c == '\\' ? '/' : c;
    std::string archive = make_archive("dolls.lzh", {"doll.cnf"});
    for (const std::string &text : {upper, dotted, std::string("brisel.exe")}) {
        SCOPED_TRACE(text);
        app_kiss = text;
        BriselRun result = run("\"" + archive + "\"");
        expect_failed_start(result, text, archive);
        EXPECT_EQ(result.trace, program_trace(text, archive));
    }
}

// A copy of brisel.exe whose own settings send everything back to brisel.exe:
// no name tells, but the copy finds the archive it was started to route in
// its environment, starts nothing and tells the user once.
TEST_F(Launch, ACopyOfBriselLeadingBackEndsTheChainWithOneMessage)
{
    std::string copy = apps + "\\viewer.exe";
    copy_program(BRISEL_EXE, copy);
    write_file(apps + "\\viewer.ini", ini_text(brisel, brisel, brisel, brisel));
    app_kiss = copy;
    std::string archive = make_archive("dolls.lzh", {"doll.cnf"});
    BriselRun result = run("\"" + archive + "\"");
    expect_failed_start(result, brisel, archive, 2);
}

// An archiver (other.exe) that opens an inner archive with Brisel: the
// routing it inherited names another archive, so the inner one is routed.
TEST_F(Launch, AnArchiverStartingBriselOnAnotherArchiveIsRouted)
{
    std::string outer = make_archive("outer.lzh", {"readme.txt"});
    std::string inner = make_archive("inner.lzh", {"doll.cnf"});
    write_file(apps + "\\other.then", "\"" + brisel + "\" \"" + inner + "\"");
    BriselRun result = run("\"" + outer + "\"");
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.processes, 4u);  // brisel.exe, other.exe, brisel.exe, kiss.exe
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(read_log(app_other), app_other + " " + outer + "\n");
    EXPECT_EQ(read_log(app_kiss), app_kiss + " " + inner + "\n");
}

// Where the code page cannot write Brisel's own folder, neither the INI nor
// the association could name the program: launch mode uses the defaults,
// settings mode says where Brisel must go and shows no dialog. (A path that
// fills GetModuleFileNameW's 260 units cannot be started here: Wine's
// CreateProcessW refuses longer paths.)
TEST_F(Launch, BriselInAFolderTheCodePageCannotNameUsesTheDefaults)
{
    brisel_dir = root + "\\Brisel 한국";
    brisel = brisel_dir + "\\brisel.exe";
    copy_program(BRISEL_EXE, brisel);
    std::string archive = make_archive("plain.lzh", {"readme.txt"});
    BriselRun launch = run("\"" + archive + "\"");
    expect_failed_start(launch, "C:\\Program Files\\Lhasa\\LHASA.EXE", archive);
    EXPECT_EQ(launch.trace.rfind("C:\\PROG\\DOLLVW\\DOLLVW.EXE\n.CNF.CEL.KCF.KDC\n", 0), 0u) << launch.trace;

    // A dialog would hold the run until its bound.
    BriselRun settings = run("");
    EXPECT_TRUE(settings.finished);
    EXPECT_EQ(settings.processes, 1u);
    ASSERT_EQ(settings.messages.size(), 1u);
    EXPECT_NE(settings.messages[0].find(wide(brisel)), std::wstring::npos);
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
    EXPECT_EQ(result.processes, 2u);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.trace, settings_trace() + "open:" + archive + ":(null):\n");
    EXPECT_EQ(read_log(open_app), "\"" + open_app + "\" \"" + archive + "\"\n");
    EXPECT_FALSE(file_exists(log_of(verb_app)));
}

TEST_F(ShellVerb, AVerbThatCannotBeCarriedOutIsReportedOnce)
{
    std::string archive = make_archive("plain.lzh", {"readme.txt"});
    // The default verb and "brisel" run brisel.exe through the association;
    // a verb the class lacks runs nothing.
    for (const char *verb : {"", "Brisel", "frobnicate"}) {
        SCOPED_TRACE(verb);
        app_other = verb;
        BriselRun result = run("\"" + archive + "\"");
        expect_failed_start(result, verb, archive);
        EXPECT_EQ(result.trace, settings_trace() + verb + ":" + archive + ":(null):\n");
    }
    EXPECT_FALSE(file_exists(log_of(verb_app))) << "the shell ran brisel's own verb";
    EXPECT_FALSE(file_exists(log_of(open_app)));
}

// "open" whose command runs brisel.exe itself is refused before anything
// starts (the routing would end the loop only in a second brisel.exe).
TEST_F(ShellVerb, AVerbRunningBriselIsNotCarriedOut)
{
    app_other = "open";
    std::string archive = make_archive("plain.lzh", {"readme.txt"});
    set(std::string(CLASS) + "\\shell\\open\\command", "\"" + brisel + "\" \"%1\"");
    expect_failed_start(run("\"" + archive + "\""), "open", archive, 1);
}

}  // namespace
