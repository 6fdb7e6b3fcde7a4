#include "launch/launcher.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "common/text.h"
#include "common/trace.h"
#include "launch/launch_rules.h"

static_assert(sizeof(STARTUPINFOA) == 68, "the 32-bit start-up record");

static int file_exists(const char *path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

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
    char *command_line = build_command_line(application, archive, file_exists);
    if (!command_line)
        return 0;
    PROCESS_INFORMATION process = {};
    int started = CreateProcessA(NULL, command_line, NULL, NULL, FALSE, 0, NULL, NULL, &startup_info,
                                 &process) != 0;
    std::free(command_line);
    return started;
}

int launch_application(const char *application, const char *archive)
{
    trace({application, ":", archive, ":", trace_dot_text(application), ":\n"});
    int program = names_program(application);
    if (program)
        trace({"not ShellExecuted.\n"});
    // Leading back to this program would start it again on the same archive, without end.
    char module_path[TEXT_SIZE] = "";
    GetModuleFileNameA(NULL, module_path, TEXT_SIZE);
    if (starts_self(application, module_path))
        return 0;
    return program ? start_program(application, archive) : shell_verb(application, archive);
}
