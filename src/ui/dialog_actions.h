// What the settings dialog's buttons carry out besides the dialog itself:
// the association with its messages, the checked save, the help text. Each
// message is owned by the dialog, which is still open when it shows.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// Reads the seven edit controls into texts. Each must convert to the ANSI
// code page exactly and fit 259 bytes; otherwise the field is named, its
// edit control takes the focus, and the result is 0.
int read_typed_texts(HWND dialog, const int edit_ids[SETTING_COUNT],
                     char texts[SETTING_COUNT][TEXT_SIZE]);

// Installs the association (ticked) or removes it and says what the user
// must know: that nothing could be written and why, that a removal was
// refused, that Windows' own choice of app for .lzh wins (offering Windows'
// Default apps settings). Returns 1 when the registry now matches the box.
int change_association(HWND dialog, int ticked);

// save_settings until it succeeds or the user gives up (Retry or Cancel in a
// message that names the INI file). Returns 1 when saved.
int save_settings_or_ask(HWND dialog);

// Opens brisel.txt beside the executable in Notepad from the Windows folder,
// or with the shell's "open" where there is no Notepad. The current folder,
// which every Browse may move, never decides.
void open_help(HWND dialog);
