// The texts Brisel shows besides its dialog template, from the string table
// in Japanese and English: the loader picks the language of the user's
// display. Shown with the UTF-16 calls, so they read right on any code page.
#pragma once

#include <windows.h>

enum { MESSAGE_SIZE = 1024 };  // characters of the longest text, arguments included

// The string table text of id, "" when there is none.
void load_message(UINT id, wchar_t *text, int capacity);

// A message box with text id, its %1 and %2 replaced by the arguments (which
// may be null when the text has no such mark); caption_id 0 gives the
// platform's own caption. Returns what MessageBoxW returned.
int show_message(HWND owner, UINT text_id, UINT caption_id, UINT style,
                 const wchar_t *argument1 = nullptr, const wchar_t *argument2 = nullptr);
