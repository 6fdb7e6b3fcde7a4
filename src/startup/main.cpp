// Brisel's entry: load the settings, trace them, then either show the settings
// dialog (no argument) or classify the archive named by the first argument and
// start the application configured for its kind. The exit status is always 0.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "archive/classifier.h"
#include "launch/launcher.h"
#include "startup/command_line.h"
#include "startup/dispatch.h"
#include "startup/settings.h"
#include "startup/settings_store.h"
#include "ui/settings_dialog.h"

static int lead_byte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // argv[0] is the module path; the rest is split by our own rules rather
    // than the C runtime's, which treat backslashes and DBCS names differently.
    char module_path[TEXT_SIZE] = "";
    GetModuleFileNameA(NULL, module_path, TEXT_SIZE);
    std::vector<std::string> argv(1, module_path);
    split_command_line(GetCommandLineA(), lead_byte, argv);

    load_settings(instance);
    std::printf("%s\n%s\n%s\n%s\n%s\n", settings.app_kiss, settings.ext_kiss, settings.app_cg,
                settings.ext_cg, settings.app_other);

    if (argv.size() == 1) {
        std::fflush(stdout);
        run_settings_dialog(instance);
    } else {
        const char *archive = argv[1].c_str();
        int kind = classify_archive(settings.ext_kiss, settings.ext_cg, settings.ext_midi, archive);
        launch_application(application_for_kind(settings, kind), archive);
    }
    // The trace is only seen when stdout is redirected; a file is fully buffered.
    std::fflush(stdout);
    return 0;
}
