// Finds the windows of other programs and drives the settings dialog of
// another process, as a user or an accessibility tool would: set texts,
// press buttons. Edit texts of another process are read with WM_GETTEXT,
// not GetWindowText.
#pragma once

#include <windows.h>

#include <cwchar>
#include <string>

// The class of every dialog box, message boxes included.
#define DIALOG_CLASS L"#32770"
// The association checkbox: only the settings dialog has a control of this
// id, in every language.
const int SETTINGS_CHECKBOX_ID = 115;

struct WindowSearch {
    DWORD process;              // 0: any process
    const wchar_t *class_name;  // compared without regard to case
    const wchar_t *title_part;  // the title holds it; "" for any title
    int control_id;             // the window has a control of this id; 0 for any
    HWND found;
    int absent_control_id;      // and none of this id; 0 for any
};

inline BOOL CALLBACK match_window(HWND window, LPARAM search_address)
{
    WindowSearch &search = *(WindowSearch *)search_address;
    wchar_t name[64], title[256];
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    GetClassNameW(window, name, 64);
    GetWindowTextW(window, title, 256);
    if ((search.process && owner != search.process) || lstrcmpiW(name, search.class_name) ||
        !wcsstr(title, search.title_part) || !IsWindowVisible(window) ||
        (search.control_id && !GetDlgItem(window, search.control_id)) ||
        (search.absent_control_id && GetDlgItem(window, search.absent_control_id)))
        return TRUE;
    search.found = window;
    return FALSE;
}

// Waits until a visible top-level window of that class whose title holds
// title_part belongs to the process (any, for 0). A dialog exists, hidden,
// while it initialises. Gives up after about tries / 10 seconds: nullptr.
inline HWND wait_for_window(DWORD process, const wchar_t *class_name, const wchar_t *title_part,
                            int tries = 600, int control_id = 0, int absent_control_id = 0)
{
    for (int i = 0; i < tries; ++i) {
        WindowSearch search = {process, class_name, title_part, control_id, nullptr, absent_control_id};
        EnumWindows(match_window, (LPARAM)&search);
        if (search.found || i + 1 == tries)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}

// The settings dialog of the process (any, for 0) once it is shown.
inline HWND wait_for_settings_dialog(DWORD process = 0, int tries = 600)
{
    return wait_for_window(process, DIALOG_CLASS, L"", tries, SETTINGS_CHECKBOX_ID);
}

// A window's title, also of another process.
inline std::wstring window_title(HWND window)
{
    wchar_t title[256] = L"";
    GetWindowTextW(window, title, 256);
    return title;
}

// The language CTest expects Brisel to show: the UI tests run once under the
// Japanese locale and some again under an English one, with
// BRISEL_EXPECT_LANGUAGE=en in their environment.
inline bool english_expected()
{
    char language[8] = "";
    GetEnvironmentVariableA("BRISEL_EXPECT_LANGUAGE", language, sizeof language);
    return lstrcmpA(language, "en") == 0;
}

inline const wchar_t *expected_settings_caption()
{
    return english_expected() ? L"Brisel Settings" : L"Brisel\x306E\x8A2D\x5B9A";  // "Briselの設定"
}

// Waits for Notepad showing the help file brisel.txt and closes it. Returns
// whether it came.
inline bool close_help_editor()
{
    HWND editor = wait_for_window(0, L"Notepad", L"brisel.txt", 300);
    if (editor)
        PostMessageA(editor, WM_CLOSE, 0, 0);
    return editor != nullptr;
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

// The text of a message box. Labels of a dialog template without an id of
// their own (-1) have it too: a message box is a dialog with such a control
// that is not the settings dialog.
const int MESSAGE_TEXT_ID = 0xFFFF;

// A shown message box of the process, waiting at most tries / 10 seconds.
inline HWND wait_for_message_box(DWORD process, int tries = 600)
{
    return wait_for_window(process, DIALOG_CLASS, L"", tries, MESSAGE_TEXT_ID, SETTINGS_CHECKBOX_ID);
}

// A control's text in UTF-16, also of another process.
inline std::wstring remote_wide_text(HWND dialog, int id)
{
    wchar_t text[2048] = L"";
    SendMessageW(GetDlgItem(dialog, id), WM_GETTEXT, 2048, (LPARAM)text);
    return text;
}
