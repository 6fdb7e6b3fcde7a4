#include "archive/classifier.h"
#include "archive_test_util.h"
#include "settings/settings.h"

namespace {

const char *const KISS = DEFAULT_EXT_KISS;
const char *const CG = DEFAULT_EXT_CG;
const char *const MIDI = DEFAULT_EXT_MIDI;

TEST(FindExtension, MatchesWholeItemsIgnoringCase)
{
    struct Case {
        const char *list, *extension;
        int at;  // position of the matching item, -1 for none
    } cases[] = {
        {CG, ".Q4", 46},
        {CG, ".Q", -1},
        {CG, ".PI", 33},
        {CG, ".JPE", -1},
        {CG, ".jpeg", 16},
        {MIDI, ".MID", 0},
        {"", ".CNF", -1},
        {KISS, ".", -1},
        {".CNF..", ".", 4},
        {".CNF.", ".", 4},
        {".CNF .CEL", ".CNF", -1},
        {".CNF .CEL", ".CEL", 5},
        {"CNF.CEL", ".CNF", -1},
        {"CNF.CEL", ".CEL", 3},
        {".CNFX.CNF", ".CNF", 5},
    };
    for (const Case &c : cases) {
        const char *found = find_extension(c.list, c.extension);
        EXPECT_EQ(found ? (int)(found - c.list) : -1, c.at) << c.list << " " << c.extension;
    }
}

ArchiveKind classify(const std::string &bytes, const std::string &suffix = "")
{
    return classify_archive(KISS, CG, MIDI, test_file(bytes, suffix).c_str());
}

TEST(ClassifyArchive, FirstListedMemberDecides)
{
    struct Case {
        std::vector<std::string> members;
        ArchiveKind kind;
    } cases[] = {
        {{"A.CEL"}, ARCHIVE_KISS},
        {{"pic.q4"}, ARCHIVE_CG},
        {{"song.MID"}, ARCHIVE_MIDI},
        {{"README", "A.TXT", "ARCHIVE.TAR.GZ", "FILE.", "X.RCP"}, ARCHIVE_MIDI},
        {{"README", "A.TXT", "ARCHIVE.TAR.GZ", "FILE.", "X.DOC", "X.CNF"}, ARCHIVE_ORDINARY},
        {{"NOTE.TXT", "SONG.MID", "DOLL.CNF"}, ARCHIVE_MIDI},
        {{"A.GIF.CNF"}, ARCHIVE_KISS},
        {{"A.CNF.GIF"}, ARCHIVE_CG},
        {{}, ARCHIVE_ORDINARY},
    };
    for (int level = 0; level <= 2; ++level) {
        for (const Case &c : cases) {
            std::string suffix = std::to_string(level) + "-" + std::to_string(&c - cases);
            EXPECT_EQ(classify(make_lzh_archive(c.members, level), suffix), c.kind)
                << "level " << level << ", case " << (&c - cases);
        }
    }
}

TEST(ClassifyArchive, OneMemberInTwoListsTakesTheEarlierList)
{
    std::string path = test_file(make_lzh_archive({"TUNE.CNF"}, 1));
    EXPECT_EQ(classify_archive(".CNF", ".CNF", ".CNF", path.c_str()), ARCHIVE_KISS);
    EXPECT_EQ(classify_archive(".X", ".cnf", ".CNF", path.c_str()), ARCHIVE_CG);
    EXPECT_EQ(classify_archive("", "", "", path.c_str()), ARCHIVE_ORDINARY);
}

TEST(ClassifyArchive, NamesAsTheReaderBuildsThem)
{
    // Level 0 keeps only what follows the last backslash.
    EXPECT_EQ(classify(make_lzh_archive({"DOLL.SET\\README", "X.TXT"}, 0), "backslash"), ARCHIVE_ORDINARY);
    EXPECT_EQ(classify(make_lzh_archive({"SETS\\A.CNF"}, 0), "path"), ARCHIVE_KISS);
    // A first level-2 member without a file name has no extension.
    LzhMember nameless = lzh_named("", 2);
    nameless.name_in_ext = false;
    EXPECT_EQ(classify(make_lzh_archive(std::vector<LzhMember>{nameless}), "nameless"), ARCHIVE_ORDINARY);
    EXPECT_EQ(classify(make_lzh_archive(std::vector<LzhMember>{nameless, lzh_named("X.MID", 2)}), "then-midi"),
              ARCHIVE_MIDI);
    // A full name longer than the entry's 13 bytes still gives its extension.
    EXPECT_EQ(classify(make_lzh_archive({"A-LONG-MEMBER-NAME.KDC"}, 2), "long"), ARCHIVE_KISS);
}

TEST(ClassifyArchive, UnreadableArchivesAreOrdinary)
{
    EXPECT_EQ(classify_archive(KISS, CG, MIDI, "no-such-archive.lzh"), ARCHIVE_ORDINARY);
    EXPECT_EQ(classify_archive(KISS, CG, MIDI, "."), ARCHIVE_ORDINARY);
    EXPECT_EQ(classify("Plain text, not an archive", "text"), ARCHIVE_ORDINARY);
    EXPECT_EQ(classify("", "empty"), ARCHIVE_ORDINARY);
    std::string damaged = make_lzh_archive({std::string(102, 'N') + ".CNF"}, 1);
    EXPECT_EQ(classify(damaged, "damaged"), ARCHIVE_ORDINARY);
    std::string level2_cut = make_lzh_archive({"DOLL.CNF"}, 2).substr(0, 30);
    EXPECT_EQ(classify(level2_cut, "cut"), ARCHIVE_ORDINARY);
}

TEST(ClassifyArchive, ArchivesWithoutAHeaderDoNotLeakStreams)
{
    // More failed opens than the C library has streams: each must be closed.
    std::string junk = test_file("no header here", "junk");
    for (int i = 0; i < 1100; ++i)
        classify_archive(KISS, CG, MIDI, junk.c_str());
    EXPECT_EQ(classify(make_lzh_archive({"DOLL.CNF"}, 2), "after"), ARCHIVE_KISS);
}

TEST(ClassifyArchive, AStreamTheCallerOpenedIsReadAndClosed)
{
    std::string dolls = test_file(make_lzh_archive({"README", "DOLL.CNF"}, 2), "dolls");
    std::string junk = test_file("no header here", "junk");
    // More streams than the C library has: each must be closed, also a refused one.
    for (int i = 0; i < 1100; ++i) {
        ASSERT_EQ(classify_archive_stream(KISS, CG, MIDI, std::fopen(dolls.c_str(), "rb")), ARCHIVE_KISS);
        ASSERT_EQ(classify_archive_stream(KISS, CG, MIDI, std::fopen(junk.c_str(), "rb")), ARCHIVE_ORDINARY);
        // A folder opens for reading here, but is no archive.
        ASSERT_EQ(classify_archive_stream(KISS, CG, MIDI, std::fopen(".", "rb")), ARCHIVE_ORDINARY);
    }
    EXPECT_EQ(classify_archive_stream(KISS, CG, MIDI, nullptr), ARCHIVE_ORDINARY);
}

TEST(ClassifyArchive, ReportsEachReaderCall)
{
    struct Seen {
        std::vector<int> results;
        std::vector<std::string> names;
    } seen;
    auto observe = [](void *context, int result, const LzhEntry *entry, const char *name) {
        Seen &s = *(Seen *)context;
        s.results.push_back(entry ? result : 10 + result);
        s.names.push_back(name);
    };
    std::string path = test_file(make_lzh_archive({"A.TXT", "B.MID", "C.CNF"}, 1));
    EXPECT_EQ(classify_archive_observed(KISS, CG, MIDI, path.c_str(), observe, &seen), ARCHIVE_MIDI);
    EXPECT_EQ(seen.results, (std::vector<int>{0, 0}));
    EXPECT_EQ(seen.names, (std::vector<std::string>{"A.TXT", "B.MID"}));

    seen = Seen();
    classify_archive_observed(KISS, CG, MIDI, "no-such-archive.lzh", observe, &seen);
    EXPECT_EQ(seen.results, (std::vector<int>{11}));
}

}  // namespace
