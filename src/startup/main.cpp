// Brisel's entry: load the settings, trace them, then either show the settings
// dialog (no argument) or classify the archive named by the first argument and
// start the application configured for its kind. The exit status is always 0.
#include <windows.h>

#include <cstdio>

#include "archive/classifier.h"
#include "common/system_ansi.h"
#include "common/trace.h"
#include "launch/launcher.h"
#include "resource.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "startup/application_for_kind.h"
#include "startup/command_line.h"
#include "ui/messages.h"
#include "ui/settings_dialog.h"

// Room for the arguments of the longest command line Windows passes (32767 characters).
static char arguments[32768];
static wchar_t wide_arguments[32768];

static int lead_byte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != 0;
}

static void show_warning(UINT text_id, const wchar_t *argument1, const wchar_t *argument2 = nullptr)
{
    std::fflush(stdout);  // the trace is complete while the message waits
    show_message(nullptr, text_id, IDS_MESSAGE_CAPTION, MB_OK | MB_ICONWARNING, argument1, argument2);
}

// Without an INI path and a name for the association the dialog could
// change nothing: the user is told where Brisel must go instead.
static void settings_mode(HINSTANCE instance)
{
    if (settings.module_path[0] != '\0') {
        run_settings_dialog(instance);
        return;
    }
    static wchar_t own_path[32768];
    GetModuleFileNameW(nullptr, own_path, sizeof own_path / sizeof own_path[0]);
    show_warning(IDS_FOLDER_NOT_NAMEABLE, own_path);
}

// The archive is opened by its UTF-16 name and handed on by it: the ANSI
// form of a name the code page lacks names another file, or none.
static void launch_mode(const char *archive_text, const wchar_t *archive)
{
    int kind = classify_archive_stream(settings.ext_kiss, settings.ext_cg, settings.ext_midi,
                                       _wfopen(archive, L"rb"));
    const char *application = application_for_kind(settings, kind);
    if (launch_application(application, archive_text, archive))
        return;
    wchar_t application_text[TEXT_SIZE] = L"";
    ansi_to_utf16(application, application_text, TEXT_SIZE);
    show_warning(IDS_START_FAILED, application_text, archive);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // After a double-click the current directory is the archive's folder:
    // it must never supply a DLL.
    SetDllDirectoryW(L"");
    // Split by our own rules rather than the C runtime's, which treat
    // backslashes and DBCS names differently. The UTF-16 split decides; the
    // ANSI one is what the trace shows.
    int count = split_command_line((const char16_t *)GetCommandLineW(), (char16_t *)wide_arguments,
                                   sizeof wide_arguments / sizeof wide_arguments[0]);
    int ansi_count = split_command_line(GetCommandLineA(), lead_byte, arguments, sizeof arguments);

    load_settings(instance);
    trace({settings.app_kiss, "\n", settings.ext_kiss, "\n", settings.app_cg, "\n", settings.ext_cg, "\n",
           settings.app_other, "\n"});

    // The first argument is the archive; any further ones are ignored.
    if (count == 0) {
        std::fflush(stdout);
        settings_mode(instance);
    } else {
        launch_mode(ansi_count > 0 ? arguments : "", wide_arguments);
    }
    // The trace is only seen when stdout is redirected; a file is fully buffered.
    std::fflush(stdout);
    return 0;
}
