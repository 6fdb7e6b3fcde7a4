// The settings record: the seven configured texts and the three paths.
#pragma once

#include "common/text.h"

struct Settings {
    // The seven configured texts, in this order: index 0 (app_kiss) to 6 (app_other).
    char app_kiss[TEXT_SIZE];
    char ext_kiss[TEXT_SIZE];
    char app_cg[TEXT_SIZE];
    char ext_cg[TEXT_SIZE];
    char app_midi[TEXT_SIZE];
    char ext_midi[TEXT_SIZE];
    char app_other[TEXT_SIZE];
    char windows_dir[TEXT_SIZE];
    char module_path[TEXT_SIZE];
    char ini_path[TEXT_SIZE];
};

enum { SETTING_COUNT = 7 };

// The one process-wide record, filled by load_settings before anything else runs.
extern Settings settings;

// Configured text number index (0..6) of a record, in the order of the fields.
char *setting_text(Settings &record, int index);

// The INI section that holds the seven keys.
extern const char SETTINGS_SECTION[];

// The built-in defaults as stored. The four application defaults get the
// drive letter of the Windows directory before use (form_default_texts).
extern const char DEFAULT_APP_KISS[];
extern const char DEFAULT_EXT_KISS[];
extern const char DEFAULT_APP_CG[];
extern const char DEFAULT_EXT_CG[];
extern const char DEFAULT_APP_MIDI[];
extern const char DEFAULT_EXT_MIDI[];
extern const char DEFAULT_APP_OTHER[];

// One configured text: its INI key (the field's name), its stored default,
// and whether the default's first character is taken from the Windows directory.
struct SettingKey {
    const char *key;
    const char *stored_default;
    int drive_adjusted;
};

// The seven keys in field order, which is also the order of reading and writing.
extern const SettingKey SETTING_KEYS[SETTING_COUNT];

// The defaults in use, index 0..6: writable copies of the stored defaults.
struct DefaultTexts {
    char text[SETTING_COUNT][TEXT_SIZE];
};

// Copies the stored defaults and gives each application default the first
// character of windows_dir. An empty windows_dir thereby empties them; the
// extension lists stay as stored.
void form_default_texts(DefaultTexts &defaults, const char *windows_dir);

// Derives the INI path from the module path: the last '.' and what follows
// become ".ini"; without any '.', ".ini" is appended. Returns 0 and leaves
// ini_path empty when the result would not fit TEXT_SIZE: a cut path would
// name another file.
int derive_ini_path(char *ini_path, const char *module_path);
