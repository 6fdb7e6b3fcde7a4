// The settings dialog shown when Brisel starts without an archive.
#pragma once

#include <windows.h>

// Shows the modal dialog; saves the settings after OK.
void run_settings_dialog(HINSTANCE instance);
