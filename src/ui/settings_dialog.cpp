#include "ui/settings_dialog.h"

#include <commdlg.h>
#include <shellapi.h>

#include "resource.h"
#include "settings/settings.h"
#include "common/system_ansi.h"
#include "ui/association.h"
#include "ui/dialog_actions.h"
#include "ui/messages.h"

namespace {

// One archive kind's controls and its application setting.
struct KindControls {
    int icon_id;
    int edit_id;
    int browse_id;
    int setting_index;
};

const KindControls KINDS[] = {
    {IDC_KISS_ICON, IDC_KISS_APP, IDC_KISS_BROWSE, 0},
    {IDC_CG_ICON, IDC_CG_APP, IDC_CG_BROWSE, 2},
    {IDC_MIDI_ICON, IDC_MIDI_APP, IDC_MIDI_BROWSE, 4},
    {IDC_OTHER_ICON, IDC_OTHER_APP, IDC_OTHER_BROWSE, 6},
};

// The first form of the open-file request, without the fields later
// versions of the platform appended; older systems reject the longer one.
const DWORD OPEN_FILE_REQUEST_SIZE = 76;

// The association state found when the dialog opened.
int was_associated;

const KindControls *kind_of_browse_button(int id)
{
    for (const KindControls &kind : KINDS) {
        if (kind.browse_id == id)
            return &kind;
    }
    return nullptr;
}

void show_kind(HWND dialog, const KindControls &kind)
{
    show_application(dialog, kind.edit_id, kind.icon_id, setting_text(settings, kind.setting_index));
}

void init_dialog(HWND dialog)
{
    for (const KindControls &kind : KINDS)
        show_kind(dialog, kind);
    // The odd settings are the extension lists; the applications came with their icons.
    for (int i = 1; i < SETTING_COUNT; i += 2)
        SetWindowTextA(GetDlgItem(dialog, SETTING_EDIT_IDS[i]), setting_text(settings, i));
    was_associated = is_associated(settings.module_path);
    if (was_associated)
        SendMessageA(GetDlgItem(dialog, IDC_ASSOCIATE), BM_SETCHECK, BST_CHECKED, 0);
}

// The checkbox takes effect however the dialog ends, so that Cancel does not
// undo it; only a box changed since the dialog opened touches the registry.
void apply_association(HWND dialog)
{
    int ticked = SendMessageA(GetDlgItem(dialog, IDC_ASSOCIATE), BM_GETCHECK, 0, 0) != 0;
    if (ticked != (was_associated != 0))
        change_association(dialog, ticked);
    was_associated = ticked;
}

// OK: every text must be one the settings can hold; then the association,
// the texts into the record, and the INI file.
void accept_dialog(HWND dialog)
{
    static char typed[SETTING_COUNT][TEXT_SIZE];
    if (!read_typed_texts(dialog, SETTING_EDIT_IDS, typed))
        return;
    apply_association(dialog);
    for (int i = 0; i < SETTING_COUNT; ++i)
        copy_text(setting_text(settings, i), TEXT_SIZE, typed[i]);
    save_settings_or_ask(dialog);
    EndDialog(dialog, IDOK);
}

}  // namespace

const int SETTING_EDIT_IDS[SETTING_COUNT] = {
    IDC_KISS_APP, IDC_KISS_EXT, IDC_CG_APP, IDC_CG_EXT, IDC_MIDI_APP, IDC_MIDI_EXT, IDC_OTHER_APP,
};

void show_application(HWND dialog, int edit_id, int icon_id, const char *application)
{
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), application, 0);
    // 1 means the file exists but holds no icon: there is nothing to show.
    if (icon == (HICON)1)
        icon = nullptr;
    HICON previous = (HICON)SendMessageA(GetDlgItem(dialog, icon_id), STM_SETICON, (WPARAM)icon, 0);
    if (previous)
        DestroyIcon(previous);
    SetWindowTextA(GetDlgItem(dialog, edit_id), application);
}

int browse_application(HWND dialog, char *application)
{
    // Two pairs of name and pattern, each text ending in a zero, and one more zero.
    wchar_t filter[2 * 64 + 16];
    wchar_t *end = filter;
    const struct {
        UINT name_id;
        const wchar_t *pattern;
    } filters[] = {{IDS_FILTER_PROGRAMS, L"*.exe"}, {IDS_FILTER_ALL, L"*.*"}};
    for (const auto &f : filters) {
        load_message(f.name_id, end, 64);
        end += lstrlenW(end) + 1;
        lstrcpyW(end, f.pattern);
        end += lstrlenW(end) + 1;
    }
    *end = L'\0';

    // Room for any path: one the settings cannot hold is refused below, by name.
    wchar_t file[MAX_PATH * 4] = L"*.exe";
    OPENFILENAMEW request = {};
    request.lStructSize = OPEN_FILE_REQUEST_SIZE;
    request.hwndOwner = dialog;
    request.lpstrFilter = filter;
    request.nFilterIndex = 1;
    request.lpstrFile = file;
    request.nMaxFile = sizeof file / sizeof file[0];
    request.nMaxFileTitle = TEXT_SIZE;
    request.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    // Without a period: the platform appends it and at most three letters.
    request.lpstrDefExt = L"exe";
    if (!GetOpenFileNameW(&request))
        return 0;
    char chosen[TEXT_SIZE];
    if (!ansi_exactly(file, chosen, sizeof chosen)) {
        show_message(dialog, IDS_BROWSED_NOT_NAMEABLE, IDS_MESSAGE_CAPTION, MB_ICONWARNING, file);
        return 0;
    }
    // Started on its own archives Brisel would only start itself again.
    if (ascii_equal_nocase(chosen, settings.module_path)) {
        show_message(dialog, IDS_SELF_CHOSEN, 0, MB_ICONERROR);
        return 0;
    }
    copy_text(application, TEXT_SIZE, chosen);
    return 1;
}

INT_PTR CALLBACK settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        init_dialog(dialog);
        return 1;
    case WM_COMMAND: {
        int id = LOWORD(wparam);
        if (id == IDOK) {
            accept_dialog(dialog);
        } else if (id == IDCANCEL) {
            apply_association(dialog);
            EndDialog(dialog, IDCANCEL);
        } else if (id == IDC_HELP_BUTTON) {
            open_help(dialog);
        } else if (const KindControls *kind = kind_of_browse_button(id)) {
            if (browse_application(dialog, setting_text(settings, kind->setting_index)))
                show_kind(dialog, *kind);
        }
        return 0;
    }
    }
    return 0;
}

void run_settings_dialog(HINSTANCE instance)
{
    // The UTF-16 call: the captions of the template reach the controls as
    // they are, whatever the ANSI code page.
    // OK has saved the settings by the time the dialog ends.
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), GetDesktopWindow(), settings_dialog_proc, 0);
}
