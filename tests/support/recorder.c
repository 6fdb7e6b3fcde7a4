/* brisel-recorder: a stand-in application for launch tests.
 *
 * Contract (other tests rely on it): when started, it appends its full
 * command line, exactly as GetCommandLineW returns it and converted to UTF-8
 * (so every file name reads as it was passed, on any code page), followed by
 * one line feed byte ("\n"), to the file named by its own module path with
 * the final ".exe" (any letter case) replaced by ".log" (".log" is appended
 * when the name has no ".exe" ending). Copies named cg.exe, kiss.exe, ... in
 * any folder therefore each record into their own cg.log, kiss.log, ...
 *
 * Then, when a file named like the log but ending in ".then" lies beside it,
 * it starts the command line that file holds (UTF-8, one line, no line end),
 * as an archiver opening an inner archive would, and waits for that program
 * to end. It shows no window and always exits with status 0.
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

static int ends_with_exe(const wchar_t *path, size_t length)
{
    const wchar_t *tail;
    if (length < 4)
        return 0;
    tail = path + length - 4;
    return tail[0] == L'.' && (tail[1] | 0x20) == L'e' && (tail[2] | 0x20) == L'x' &&
           (tail[3] | 0x20) == L'e';
}

/* Appends the command line in UTF-8 and a line feed to the log. */
static void record(const wchar_t *log_path)
{
    const wchar_t *line = GetCommandLineW();
    int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, NULL, 0, NULL, NULL);
    char *utf8 = size > 0 ? (char *)malloc((size_t)size) : NULL;
    FILE *log = _wfopen(log_path, L"ab");
    if (utf8 && log && WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8, size, NULL, NULL) > 0) {
        fputs(utf8, log);
        fputc('\n', log);
    }
    if (log)
        fclose(log);
    free(utf8);
}

/* Starts the command line of the ".then" file, if there is one, and waits. */
static void then_start(const wchar_t *then_path)
{
    char utf8[4096];
    wchar_t command_line[4096];
    size_t length;
    STARTUPINFOW startup;
    PROCESS_INFORMATION process;
    FILE *then = _wfopen(then_path, L"rb");
    if (!then)
        return;
    length = fread(utf8, 1, sizeof utf8 - 1, then);
    fclose(then);
    utf8[length] = '\0';
    if (!MultiByteToWideChar(CP_UTF8, 0, utf8, -1, command_line, 4096))
        return;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    if (CreateProcessW(NULL, command_line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    wchar_t path[MAX_PATH + 8];
    DWORD length;
    (void)instance; (void)previous; (void)arguments; (void)show;

    length = GetModuleFileNameW(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    if (ends_with_exe(path, length))
        length -= 4;
    memcpy(path + length, L".log", 5 * sizeof(wchar_t));
    record(path);
    memcpy(path + length, L".then", 6 * sizeof(wchar_t));
    then_start(path);
    return 0;
}
