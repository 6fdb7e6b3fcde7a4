/* brisel-recorder: a stand-in application for launch tests.
 *
 * Contract (other tests rely on it): when started, it appends its full
 * command line, exactly as GetCommandLineA returns it, followed by one line
 * feed byte ("\n"), to the file named by its own module path with the final
 * ".exe" (any letter case) replaced by ".log" (".log" is appended when the
 * name has no ".exe" ending). Copies named cg.exe, kiss.exe, ... in any folder
 * therefore each record into their own cg.log, kiss.log, ... It shows no
 * window and always exits with status 0.
 */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static int ends_with_exe(const char *path, size_t length)
{
    const char *tail;
    if (length < 4)
        return 0;
    tail = path + length - 4;
    return tail[0] == '.' && (tail[1] | 0x20) == 'e' && (tail[2] | 0x20) == 'x' &&
           (tail[3] | 0x20) == 'e';
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    char log_path[MAX_PATH + 8];
    DWORD length;
    FILE *log;
    (void)instance; (void)previous; (void)arguments; (void)show;

    length = GetModuleFileNameA(NULL, log_path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    if (ends_with_exe(log_path, length))
        length -= 4;
    memcpy(log_path + length, ".log", 5);

    log = fopen(log_path, "ab");
    if (log) {
        fputs(GetCommandLineA(), log);
        fputc('\n', log);
        fclose(log);
    }
    return 0;
}
