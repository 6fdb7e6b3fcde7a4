// The settings dialog shown when Brisel starts without an archive: the four
// applications with their icons, the three extension lists, the .lzh
// association checkbox and the help button.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// The edit control of each configured text, in the order of the settings record.
extern const int SETTING_EDIT_IDS[SETTING_COUNT];

// Shows the modal dialog; saves the settings after OK. The association
// checkbox takes effect when the dialog closes, whichever button closed it.
void run_settings_dialog(HINSTANCE instance);

// The dialog procedure (dialog template 1).
INT_PTR CALLBACK settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Lets the user pick a program for one application setting (a 260-byte text).
// Returns 1 when a new program was chosen and now stands in application.
int browse_application(HWND dialog, char *application);

// Shows application in its edit control and its first icon beside it.
void show_application(HWND dialog, int edit_id, int icon_id, const char *application);
