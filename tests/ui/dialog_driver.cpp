// dialog-driver: plays the user of a running Brisel settings dialog from
// outside, for scripts.
//   dialog-driver wait [DESKTOP]     exits 0 once the dialog is shown, 1 if it never is
//   dialog-driver cancel [DESKTOP]   presses Cancel (waiting for the dialog first)
// DESKTOP names the desktop the dialog runs on (for instance a Wine virtual
// desktop started with explorer /desktop=NAME); windows are found only there.
#include <cstdio>
#include <cstring>

#include "support/remote_dialog.h"

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3 || (std::strcmp(argv[1], "wait") && std::strcmp(argv[1], "cancel"))) {
        std::fprintf(stderr, "usage: dialog-driver wait|cancel [DESKTOP]\n");
        return 2;
    }
    if (argc == 3) {
        HDESK desktop = nullptr;
        for (int i = 0; i < 600 && !desktop; ++i) {  // it may still be starting
            desktop = OpenDesktopA(argv[2], 0, FALSE, GENERIC_ALL);
            if (!desktop)
                Sleep(100);
        }
        if (!desktop || !SetThreadDesktop(desktop)) {
            std::fprintf(stderr, "dialog-driver: cannot use desktop %s\n", argv[2]);
            return 1;
        }
    }
    HWND dialog = wait_for_settings_dialog();
    if (!dialog) {
        std::fprintf(stderr, "dialog-driver: no settings dialog appeared\n");
        return 1;
    }
    if (!std::strcmp(argv[1], "cancel"))
        remote_press(dialog, IDCANCEL);
    return 0;
}
