// Brisel's entry: load the settings, trace them, then either show the settings
// dialog (no argument) or classify the archive named by the first argument and
// start the application configured for its kind. The exit status is always 0.
#include <windows.h>

#include <cstdio>

#include "archive/classifier.h"
#include "common/trace.h"
#include "launch/launcher.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "startup/application_for_kind.h"
#include "startup/command_line.h"
#include "ui/settings_dialog.h"

// Room for the arguments of the longest command line Windows passes (32767 characters).
static char arguments[32768];

static int lead_byte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Split by our own rules rather than the C runtime's, which treat
    // backslashes and DBCS names differently. The program itself counts as
    // the first argument; its path is settings.module_path.
    int argc = 1 + split_command_line(GetCommandLineA(), lead_byte, arguments, sizeof arguments);

    load_settings(instance);
    trace({settings.app_kiss, "\n", settings.ext_kiss, "\n", settings.app_cg, "\n", settings.ext_cg, "\n",
           settings.app_other, "\n"});

    if (argc == 1) {
        std::fflush(stdout);
        run_settings_dialog(instance);
    } else {
        const char *archive = arguments;  // the first argument; any further ones are ignored
        int kind = classify_archive(settings.ext_kiss, settings.ext_cg, settings.ext_midi, archive);
        launch_application(application_for_kind(settings, kind), archive);
    }
    // The trace is only seen when stdout is redirected; a file is fully buffered.
    std::fflush(stdout);
    return 0;
}
