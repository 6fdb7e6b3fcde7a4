// Reading the settings from the INI file beside the executable, and writing them back.
#pragma once

#include <windows.h>

// Fills the whole settings record: Windows directory, module path, INI path,
// and the seven texts from section "Settings", defaults for what is missing.
// A module path the code page cannot name exactly stays empty, as does the
// INI path: all seven texts are then the defaults.
void load_settings(HINSTANCE instance);

// Writes the seven texts to section "Settings" of the INI file; every key,
// also one equal to its default, whatever the earlier writes gave. Returns 1
// when every write took; 0 when one failed (a folder the user cannot write,
// the INI file made a folder) or no INI path could be derived.
int save_settings();
