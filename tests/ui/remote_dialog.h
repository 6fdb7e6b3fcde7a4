// Drives the settings dialog of another process, as a user or an
// accessibility tool would: find the window, set texts, press buttons.
// Edit texts of another process are read with WM_GETTEXT, not GetWindowText.
#pragma once

#include <windows.h>

#include <string>

// The dialog's caption, as its template stores it.
#define SETTINGS_CAPTION L"Brisel\x306E\x8A2D\x5B9A"  // "Briselの設定"

struct DialogSearch {
    DWORD process;  // 0: any process
    HWND found;
};

inline BOOL CALLBACK match_settings_dialog(HWND window, LPARAM search_address)
{
    DialogSearch &search = *(DialogSearch *)search_address;
    wchar_t name[16], caption[64];
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    GetClassNameW(window, name, 16);
    GetWindowTextW(window, caption, 64);
    if ((search.process && owner != search.process) || lstrcmpW(name, L"#32770") ||
        lstrcmpW(caption, SETTINGS_CAPTION) || !IsWindowVisible(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

// Waits until the settings dialog of the process (any, for 0) is shown: it
// exists, hidden, while it initialises. Gives up after about tries / 10
// seconds and returns nullptr then.
inline HWND wait_for_settings_dialog(DWORD process = 0, int tries = 600)
{
    for (int i = 0; i < tries; ++i) {
        DialogSearch search = {process, nullptr};
        EnumWindows(match_settings_dialog, (LPARAM)&search);
        if (search.found)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}

inline std::string remote_text(HWND dialog, int id)
{
    char text[1024] = "";
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

inline void remote_set_text(HWND dialog, int id, const char *text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, (LPARAM)text);
}

inline void remote_click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Presses a button that ends the dialog, without waiting on the other process.
inline void remote_press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}
