#include "launch/launcher.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "common/text.h"
#include "launch/launch_rules.h"

static int file_exists(const char *path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

static_assert(sizeof(STARTUPINFOA) == 68, "the 32-bit start-up record");

// Size 68, everything else zero: the new program chooses its own window.
static STARTUPINFOA make_startup_info()
{
    STARTUPINFOA info = {};
    info.cb = sizeof info;
    return info;
}

static STARTUPINFOA startup_info = make_startup_info();

static int shell_verb(const char *verb, const char *archive)
{
    HINSTANCE result = ShellExecuteA(NULL, verb, archive, NULL, NULL, SW_SHOW);
    return (UINT_PTR)result > 32;
}

static int start_program(const char *application, const char *archive)
{
    std::string command_line = build_command_line(application, archive, file_exists);
    PROCESS_INFORMATION process = {};
    // CreateProcessA may write into the command line, so it gets the string's own buffer.
    return CreateProcessA(NULL, &command_line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup_info,
                          &process) != 0;
}

int launch_application(const char *application, const char *archive)
{
    std::fputs(launch_trace_line(application, archive).c_str(), stdout);
    int program = names_program(application);
    if (program)
        std::fputs("not ShellExecuted.\n", stdout);
    // Leading back to this program would start it again on the same archive, without end.
    char module_path[TEXT_SIZE] = "";
    GetModuleFileNameA(NULL, module_path, TEXT_SIZE);
    if (starts_self(application, module_path))
        return 0;
    return program ? start_program(application, archive) : shell_verb(application, archive);
}
