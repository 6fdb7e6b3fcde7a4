// Which configured application serves an archive of a given kind.
#pragma once

#include "settings/settings.h"

// app_kiss, app_cg or app_midi for their kinds; app_other for ordinary
// archives and any other value.
const char *application_for_kind(const Settings &record, int kind);
