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
