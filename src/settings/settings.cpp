#include "settings/settings.h"

#include <cstring>

Settings settings;

const char SETTINGS_SECTION[] = "Settings";

const char DEFAULT_APP_KISS[] = "J:\\PROG\\DOLLVW\\DOLLVW.EXE";
const char DEFAULT_EXT_KISS[] = ".CNF.CEL.KCF.KDC";
const char DEFAULT_APP_CG[] = "C:\\Program Files\\GV\\GV.EXE";
const char DEFAULT_EXT_CG[] = ".BMP.FAL.GIF.IPR.JPEG.JPG.MAG.MKI.PI.PIC.P2.Q0.Q4.Q4D.RGB.TIF.XBM";
const char DEFAULT_APP_MIDI[] = "J:\\temp\\timidity\\timidity-gui.exe";
const char DEFAULT_EXT_MIDI[] = ".mid.rcp";
const char DEFAULT_APP_OTHER[] = "C:\\Program Files\\Lhasa\\LHASA.EXE";

const SettingKey SETTING_KEYS[SETTING_COUNT] = {
    {"app_kiss", DEFAULT_APP_KISS, 1},
    {"ext_kiss", DEFAULT_EXT_KISS, 0},
    {"app_cg", DEFAULT_APP_CG, 1},
    {"ext_cg", DEFAULT_EXT_CG, 0},
    {"app_midi", DEFAULT_APP_MIDI, 1},
    {"ext_midi", DEFAULT_EXT_MIDI, 0},
    {"app_other", DEFAULT_APP_OTHER, 1},
};

char *setting_text(Settings &record, int index)
{
    static char (Settings::*const fields[SETTING_COUNT])[TEXT_SIZE] = {
        &Settings::app_kiss, &Settings::ext_kiss, &Settings::app_cg,   &Settings::ext_cg,
        &Settings::app_midi, &Settings::ext_midi, &Settings::app_other,
    };
    if (index < 0 || index >= SETTING_COUNT)
        return nullptr;
    return record.*fields[index];
}

void form_default_texts(DefaultTexts &defaults, const char *windows_dir)
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        copy_text(defaults.text[i], TEXT_SIZE, SETTING_KEYS[i].stored_default);
        if (SETTING_KEYS[i].drive_adjusted)
            defaults.text[i][0] = windows_dir[0];
    }
}

int derive_ini_path(char *ini_path, const char *module_path)
{
    static const char extension[] = ".ini";
    const char *dot = find_last(module_path, '.');
    std::size_t stem = dot ? (std::size_t)(dot - module_path) : std::strlen(module_path);
    ini_path[0] = '\0';
    if (stem + sizeof extension > TEXT_SIZE)
        return 0;
    std::memcpy(ini_path, module_path, stem);
    std::memcpy(ini_path + stem, extension, sizeof extension);
    return 1;
}
