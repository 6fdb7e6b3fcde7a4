#include "archive_test_util.h"
#include "inspect.h"
#include "lzh_corpus.h"
#include "settings/settings.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const InspectOptions DEFAULTS = {DEFAULT_EXT_KISS, DEFAULT_EXT_CG, DEFAULT_EXT_MIDI, false};

// The tool's lines for one archive, and the lzh_open result.
std::string inspect(const std::string &path, bool all, int *opened = nullptr)
{
    std::string out_path = path + ".out";
    std::FILE *out = std::fopen(out_path.c_str(), "wb");
    EXPECT_TRUE(out);
    InspectOptions options = DEFAULTS;
    options.all = all;
    int result = inspect_archive(out, options, path.c_str());
    std::fclose(out);
    if (opened)
        *opened = result;
    return read_file_bytes(out_path);
}

TEST(Inspect, ShowsTheClassifiersWalk)
{
    std::string path = test_file(make_lzh_archive({"a.txt", "SONG.MID", "DOLL.CNF"}, 1));
    EXPECT_EQ(inspect(path, false),
              "archive\t" + path + "\n"
              "member\t-lh0-\t17\t17\t32\tA.TXT\n"
              "member\t-lh0-\t17\t17\t84\tSONG.MID\n"
              "kind\t3\tMIDI\n");
    EXPECT_EQ(inspect(path, true),
              "archive\t" + path + "\n"
              "member\t-lh0-\t17\t17\t32\tA.TXT\n"
              "member\t-lh0-\t17\t17\t84\tSONG.MID\n"
              "member\t-lh0-\t17\t17\t136\tDOLL.CNF\n"
              "end\t3\n"
              "kind\t3\tMIDI\n");
}

TEST(Inspect, EndLinesGiveTheReaderResult)
{
    std::string one = test_file(make_lzh_archive({"A.TXT"}, 0), "one");
    EXPECT_EQ(inspect(one, false),
              "archive\t" + one + "\nmember\t-lh0-\t17\t17\t29\tA.TXT\nend\t3\nkind\t0\tORDINARY\n");
    // The end-of-archive mark alone holds no method id to find.
    std::string empty = test_file(make_lzh_archive(std::vector<std::string>{}, 2), "empty");
    EXPECT_EQ(inspect(empty, false), "archive\t" + empty + "\nend\t2\nkind\t0\tORDINARY\n");
    std::string text = test_file("not an archive", "text");
    EXPECT_EQ(inspect(text, true), "archive\t" + text + "\nend\t2\nkind\t0\tORDINARY\n");
    int opened = 0;
    EXPECT_EQ(inspect("no-such-archive.lzh", false, &opened),
              "archive\tno-such-archive.lzh\nend\t1\nkind\t0\tORDINARY\n");
    EXPECT_EQ(opened, 1);
}

TEST(Inspect, AllStopsWhenTheNextHeaderWrapsBack)
{
    std::string path = test_file(lzh_member_wrapping_to_itself("SELF.TXT") + '\0');
    std::string member = "member\t-lh0-\t-32\t0\t32\tSELF.TXT\n";
    EXPECT_EQ(inspect(path, true), "archive\t" + path + "\n" + member + "end\t2\nkind\t0\tORDINARY\n");
    // The classifier's own walk re-reads the header up to its member limit.
    std::string five;
    for (int i = 0; i < 5; ++i)
        five += member;
    EXPECT_EQ(inspect(path, false), "archive\t" + path + "\n" + five + "kind\t0\tORDINARY\n");
}

TEST(Inspect, ControlBytesCannotBreakTheLines)
{
    LzhMember m = lzh_named("\x1b[2J\tA\r\n\x7f\x83\x5c.MID", 2);
    m.method = "-l\x01h-";
    std::string path = test_file(make_lzh_archive(std::vector<LzhMember>{lzh_named("A.TXT", 2), m}));
    std::string lines = inspect(path, false);
    EXPECT_NE(lines.find("member\t-l\\x01h-\t17\t17\t"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\t\\x1B[2J\\x09A\\x0D\\x0A\\x7F\x83\\.MID\n"), std::string::npos) << lines;

    // A zero byte inside the method id hides none of the five bytes.
    m = lzh_named("B.TXT", 1);
    m.method = std::string("-l\0h-", 5);
    path = test_file(make_lzh_archive(std::vector<LzhMember>{lzh_named("A.TXT", 1), m}), "zero");
    lines = inspect(path, true);
    EXPECT_NE(lines.find("member\t-l\\x00h-\t17\t17\t"), std::string::npos) << lines;
}

#ifndef _WIN32
TEST(Inspect, AFifoIsRefusedWithoutWaitingForAWriter)
{
    const std::string fifo = "inspect-fifo.lzh";
    std::remove(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    int opened = 0;
    EXPECT_EQ(inspect(fifo, false, &opened), "archive\t" + fifo + "\nend\t1\nkind\t0\tORDINARY\n");
    EXPECT_EQ(opened, 1);
    std::remove(fifo.c_str());
}
#endif

}  // namespace
