#include "launch/launcher.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "common/system_ansi.h"
#include "common/trace.h"
#include "common/wide_text.h"
#include "launch/launch_rules.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 units on Windows");

// Units of the longest path or environment value Windows hands over.
enum { LONG_TEXT_SIZE = 32768 };

// What a program started from here inherits: the full path of the archive
// being routed. A Brisel that finds its own archive there was started by
// itself, however the settings led back to it.
static const wchar_t ROUTING_VARIABLE[] = L"BRISEL_ROUTING";

static wchar_t own_path[LONG_TEXT_SIZE];

static const char16_t *wide(const wchar_t *text)
{
    return (const char16_t *)text;
}

// Writes path into full as a full path, with forward slashes, ".." and
// relative parts resolved, so that names of one file compare equal; "" when
// it cannot be formed.
static void full_path(const wchar_t *path, wchar_t *full)
{
    DWORD length = GetFullPathNameW(path, LONG_TEXT_SIZE, full, nullptr);
    if (length == 0 || length >= LONG_TEXT_SIZE)
        full[0] = L'\0';
}

static int is_own_program(const wchar_t *path)
{
    static wchar_t full[LONG_TEXT_SIZE];
    full_path(path, full);
    return full[0] != L'\0' && wide_equal_nocase(wide(full), wide(own_path));
}

static int is_regular_file(const char16_t *path)
{
    DWORD attributes = GetFileAttributesW((const wchar_t *)path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Ends a loop that a name comparison cannot see: returns 0 when this process
// was started to route the archive it is routing, else hands the archive on.
static int enter_routing(const wchar_t *archive)
{
    static wchar_t full[LONG_TEXT_SIZE], routed[LONG_TEXT_SIZE];
    full_path(archive, full);
    DWORD length = GetEnvironmentVariableW(ROUTING_VARIABLE, routed, LONG_TEXT_SIZE);
    if (length > 0 && length < LONG_TEXT_SIZE && wide_equal_nocase(wide(routed), wide(full)))
        return 0;
    SetEnvironmentVariableW(ROUTING_VARIABLE, full);
    return 1;
}

// Appends a directory and a ';' at end; returns the new end.
static wchar_t *append_directory(wchar_t *end, UINT length)
{
    if (length >= MAX_PATH)
        length = 0;
    end[length] = L';';
    return end + length + 1;
}

// Where a bare program name is looked for, as Windows would but without the
// current directory: Brisel's own folder, the system and Windows folders,
// then PATH. From malloc; nullptr when memory ran out.
static wchar_t *make_search_path()
{
    DWORD path_size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    wchar_t *list = (wchar_t *)std::malloc((LONG_TEXT_SIZE + 2 * MAX_PATH + path_size + 1) * sizeof *list);
    if (!list)
        return nullptr;
    const wchar_t *slash = std::wcsrchr(own_path, L'\\');
    std::size_t folder = slash ? (std::size_t)(slash - own_path) : 0;
    std::memcpy(list, own_path, folder * sizeof *list);
    wchar_t *end = append_directory(list, folder);
    end = append_directory(end, GetSystemDirectoryW(end, MAX_PATH));
    end = append_directory(end, GetWindowsDirectoryW(end, MAX_PATH));
    *end = L'\0';
    if (path_size)
        GetEnvironmentVariableW(L"PATH", end, path_size);
    return list;
}

static int start_program(const wchar_t *text, const wchar_t *archive)
{
    wchar_t *search_path = make_search_path();
    ProgramChoice choice;
    int found = search_path && choose_program(wide(text), wide(search_path), is_regular_file, choice);
    std::free(search_path);
    const wchar_t *program = (const wchar_t *)choice.path;
    if (!found || is_own_program(program))
        return 0;
    wchar_t *command_line = (wchar_t *)build_command_line(wide(text), choice.written, wide(archive));
    if (!command_line)
        return 0;
    // The program is named outright: Windows searches nowhere for it.
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    int started = CreateProcessW(program, command_line, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process) != 0;
    if (started) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    std::free(command_line);
    return started;
}

// Cheaper than the routing check: a verb whose command runs this program is
// refused before anything starts.
static int verb_runs_own_program(const wchar_t *verb, const wchar_t *archive)
{
    const wchar_t *extension = PathFindExtensionW(archive);
    wchar_t executable[MAX_PATH];
    DWORD size = MAX_PATH;
    return extension[0] != L'\0' &&
           SUCCEEDED(AssocQueryStringW(0, ASSOCSTR_EXECUTABLE, extension, verb, executable, &size)) &&
           is_own_program(executable);
}

static int carry_out_verb(const wchar_t *verb, const wchar_t *archive)
{
    if (verb_runs_own_program(verb, archive))
        return 0;
    // A verb may be carried out through DDE or COM: the shell needs COM on
    // this thread, and must finish before this process ends.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = verb;
    info.lpFile = archive;
    info.nShow = SW_SHOW;
    int done = ShellExecuteExW(&info) != FALSE;
    if (SUCCEEDED(com))
        CoUninitialize();
    return done;
}

int launch_application(const char *application, const char *archive_text, const wchar_t *archive)
{
    trace({application, ":", archive_text, ":", trace_dot_text(application), ":\n"});
    int program = names_program(application);
    if (program)
        trace({"not ShellExecuted.\n"});
    else if (verb_leads_back(application))
        return 0;
    DWORD own_length = GetModuleFileNameW(nullptr, own_path, LONG_TEXT_SIZE);
    if (own_length == 0 || own_length >= LONG_TEXT_SIZE || !enter_routing(archive))
        return 0;
    wchar_t text[TEXT_SIZE];
    if (!ansi_to_utf16(application, text, TEXT_SIZE))
        return 0;
    return program ? start_program(text, archive) : carry_out_verb(text, archive);
}
