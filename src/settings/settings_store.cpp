#include "settings/settings_store.h"

#include "common/system_ansi.h"
#include "settings/module_path.h"
#include "settings/settings.h"

void load_settings(HINSTANCE instance)
{
    GetWindowsDirectoryA(settings.windows_dir, TEXT_SIZE);
    // A path the code page cannot name leaves no INI path: the defaults hold.
    wchar_t path[TEXT_SIZE];
    DWORD length = GetModuleFileNameW(instance, path, TEXT_SIZE);
    int have_ini = module_path_in_ansi(system_ansi_converter(), (const char16_t *)path, length,
                                       settings.module_path) &&
                   derive_ini_path(settings.ini_path, settings.module_path);

    static DefaultTexts defaults;
    form_default_texts(defaults, settings.windows_dir);

    for (int i = 0; i < SETTING_COUNT; ++i) {
        char *field = setting_text(settings, i);
        if (have_ini)
            GetPrivateProfileStringA(SETTINGS_SECTION, SETTING_KEYS[i].key, defaults.text[i], field,
                                     TEXT_SIZE, settings.ini_path);
        else
            copy_text(field, TEXT_SIZE, defaults.text[i]);
    }
}

int save_settings()
{
    // An empty INI path would make the profile functions use WIN.INI.
    if (settings.ini_path[0] == '\0')
        return 0;
    int saved = 1;
    for (int i = 0; i < SETTING_COUNT; ++i)
        saved &= WritePrivateProfileStringA(SETTINGS_SECTION, SETTING_KEYS[i].key,
                                            setting_text(settings, i), settings.ini_path) != 0;
    return saved;
}
