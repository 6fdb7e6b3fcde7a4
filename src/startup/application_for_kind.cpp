#include "startup/application_for_kind.h"

#include "archive/classifier.h"

namespace {
struct KindApplication {
    int kind;
    char (Settings::*field)[TEXT_SIZE];
};

const KindApplication KIND_APPLICATIONS[] = {
    {ARCHIVE_KISS, &Settings::app_kiss},
    {ARCHIVE_CG, &Settings::app_cg},
    {ARCHIVE_MIDI, &Settings::app_midi},
};
}  // namespace

const char *application_for_kind(const Settings &record, int kind)
{
    for (const KindApplication &entry : KIND_APPLICATIONS) {
        if (entry.kind == kind)
            return record.*entry.field;
    }
    return record.app_other;
}
