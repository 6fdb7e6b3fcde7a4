// Plays the user of the settings dialog inside the test process: a thread
// timer, served by every modal loop (the dialog, the open-file dialog, the
// error box), performs one step whenever the window a step expects is the
// one the user can reach. Steps only post commands, so no step waits on a
// nested modal loop.
#pragma once

#include <windows.h>

#include <functional>

#include "support/remote_dialog.h"
#include <string>
#include <vector>

enum class UserWindow { settings, open_file, message_box };

struct UserStep {
    UserWindow window;
    std::function<void(HWND)> act;
};

// The open-file dialog's file-name box.
const int FILE_NAME_BOX = 0x47C;

inline std::string item_text(HWND dialog, int id)
{
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

inline void press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

inline BOOL CALLBACK take_static_text(HWND child, LPARAM out)
{
    wchar_t name[32], text[1024];
    GetClassNameW(child, name, 32);
    if (lstrcmpiW(name, L"Static") || !GetWindowTextW(child, text, 1024))
        return TRUE;
    *(std::wstring *)out = text;
    return FALSE;
}

// The text of the first static control that has one: a message box's message.
inline std::wstring message_text(HWND box)
{
    std::wstring found;
    EnumChildWindows(box, take_static_text, (LPARAM)&found);
    return found;
}

// In the open-file dialog: types path and confirms it.
inline UserStep choose_file(std::string path)
{
    return {UserWindow::open_file, [path](HWND f) {
                SetDlgItemTextA(f, FILE_NAME_BOX, path.c_str());
                press(f, IDOK);
            }};
}

class ScriptedUser {
public:
    explicit ScriptedUser(std::vector<UserStep> steps) : steps_(std::move(steps)) {}

    // Runs body (which shows the dialog) while the steps are played.
    void play(const std::function<void()> &body)
    {
        current_ = this;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, tick);
        body();
        KillTimer(nullptr, timer);
        current_ = nullptr;
    }

    bool finished() const { return next_ == steps_.size() && !lost_; }

private:
    static BOOL CALLBACK find_reachable(HWND window, LPARAM out)
    {
        char name[16];
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") || !IsWindowVisible(window) || !IsWindowEnabled(window))
            return TRUE;
        *(HWND *)out = window;
        return FALSE;
    }

    static UserWindow kind_of(HWND window)
    {
        if (GetDlgItem(window, SETTINGS_CHECKBOX_ID))
            return UserWindow::settings;
        if (GetDlgItem(window, FILE_NAME_BOX))
            return UserWindow::open_file;
        return UserWindow::message_box;
    }

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ScriptedUser &user = *current_;
        HWND window = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), find_reachable, (LPARAM)&window);
        if (!window)
            return;
        if (user.next_ < user.steps_.size() && kind_of(window) == user.steps_[user.next_].window) {
            user.idle_ = 0;
            user.steps_[user.next_++].act(window);
        } else if (++user.idle_ > 600) {
            // The expected window never came: leave instead of hanging.
            user.lost_ = true;
            press(window, IDCANCEL);
        }
    }

    static inline ScriptedUser *current_ = nullptr;
    std::vector<UserStep> steps_;
    std::size_t next_ = 0;
    int idle_ = 0;
    bool lost_ = false;
};
