#include "ui/dialog_actions.h"

#include <shellapi.h>

#include "common/system_ansi.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "ui/association.h"
#include "ui/association_values.h"
#include "ui/messages.h"

namespace {

// Windows' Default apps settings, on Brisel's own page where Windows has one.
const wchar_t DEFAULT_APPS[] = L"ms-settings:defaultapps?registeredAppUser=Brisel";

int say(HWND dialog, UINT text_id, UINT style, const char *argument = "")
{
    wchar_t wide[TEXT_SIZE * 2];
    ansi_to_utf16(argument, wide, TEXT_SIZE * 2);
    return show_message(dialog, text_id, IDS_MESSAGE_CAPTION, style, wide);
}

// After an install: Windows keeps opening .lzh files with the app the user
// chose in its own dialogs, whatever any class says.
void check_user_choice(HWND dialog, const char *class_name)
{
    char choice[ASSOCIATION_VALUE_SIZE];
    read_user_choice(choice, sizeof choice);
    if (choice_leads_to_brisel(choice, class_name, settings.module_path))
        return;
    if (say(dialog, IDS_OTHER_CHOICE, MB_YESNO | MB_ICONINFORMATION, choice) == IDYES)
        ShellExecuteW(dialog, nullptr, DEFAULT_APPS, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

int read_typed_texts(HWND dialog, const int edit_ids[SETTING_COUNT],
                     char texts[SETTING_COUNT][TEXT_SIZE])
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        HWND edit = GetDlgItem(dialog, edit_ids[i]);
        // Longer than a setting can hold: enough to tell that it does not fit.
        wchar_t typed[TEXT_SIZE * 2];
        GetWindowTextW(edit, typed, TEXT_SIZE * 2);
        if (ansi_exactly(typed, texts[i], TEXT_SIZE))
            continue;
        wchar_t field[128];
        load_message(IDS_FIELD_FIRST + i, field, 128);
        show_message(dialog, IDS_TEXT_NOT_STORABLE, IDS_MESSAGE_CAPTION, MB_ICONWARNING, field);
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        return 0;
    }
    return 1;
}

int change_association(HWND dialog, int ticked)
{
    if (!ticked) {
        if (remove_association(settings.module_path))
            return 1;
        say(dialog, IDS_REMOVE_REFUSED, MB_ICONWARNING);
        return 0;
    }
    char class_name[ASSOCIATION_VALUE_SIZE];
    switch (install_association(settings.module_path, class_name)) {
    case ASSOCIATION_MADE:
    case ASSOCIATION_MADE_FOR_USER:
        check_user_choice(dialog, class_name);
        return 1;
    case ASSOCIATION_TEMPORARY:
        say(dialog, IDS_INSTALL_TEMPORARY, MB_ICONWARNING, settings.module_path);
        return 0;
    default:
        say(dialog, IDS_INSTALL_REFUSED, MB_ICONERROR);
        return 0;
    }
}

int save_settings_or_ask(HWND dialog)
{
    while (!save_settings()) {
        // Without an INI path the message names the program it would lie beside.
        const char *where = settings.ini_path[0] ? settings.ini_path : settings.module_path;
        if (say(dialog, IDS_SAVE_FAILED, MB_RETRYCANCEL | MB_ICONWARNING, where) != IDRETRY)
            return 0;
    }
    return 1;
}

void open_help(HWND dialog)
{
    static const wchar_t HELP_NAME[] = L"brisel.txt";
    wchar_t help[MAX_PATH + 16], notepad[MAX_PATH + 16];
    DWORD length = GetModuleFileNameW(nullptr, help, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    wchar_t *name = help + length;
    while (name > help && name[-1] != L'\\')
        --name;
    lstrcpyW(name, HELP_NAME);
    UINT folder = GetWindowsDirectoryW(notepad, MAX_PATH);
    if (folder == 0 || folder >= MAX_PATH)
        notepad[0] = L'\0';
    else
        lstrcatW(notepad, L"\\notepad.exe");
    DWORD attributes = notepad[0] ? GetFileAttributesW(notepad) : INVALID_FILE_ATTRIBUTES;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ShellExecuteW(dialog, L"open", help, nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    // Both paths quoted: either may hold blanks.
    wchar_t command[2 * MAX_PATH + 40];
    wsprintfW(command, L"\"%s\" \"%s\"", notepad, help);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(notepad, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
