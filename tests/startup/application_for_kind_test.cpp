#include "startup/application_for_kind.h"

#include <gtest/gtest.h>

#include "archive/classifier.h"

namespace {

TEST(ApplicationForKind, EachKindMapsToItsApplicationAndAnythingElseToOther)
{
    Settings record = {};
    EXPECT_EQ(application_for_kind(record, ARCHIVE_KISS), record.app_kiss);
    EXPECT_EQ(application_for_kind(record, ARCHIVE_CG), record.app_cg);
    EXPECT_EQ(application_for_kind(record, ARCHIVE_MIDI), record.app_midi);
    EXPECT_EQ(application_for_kind(record, ARCHIVE_ORDINARY), record.app_other);
    EXPECT_EQ(application_for_kind(record, 4), record.app_other);
    EXPECT_EQ(application_for_kind(record, -1), record.app_other);
}

}  // namespace
