// dialog-driver: plays the user of a running Brisel settings dialog from
// outside, for scripts.
//   dialog-driver wait     exits 0 once the dialog is shown, 1 if it never is
//   dialog-driver cancel   presses Cancel (waiting for the dialog first)
#include <cstdio>
#include <cstring>

#include "remote_dialog.h"

int main(int argc, char **argv)
{
    if (argc != 2 || (std::strcmp(argv[1], "wait") && std::strcmp(argv[1], "cancel"))) {
        std::fprintf(stderr, "usage: dialog-driver wait|cancel\n");
        return 2;
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
