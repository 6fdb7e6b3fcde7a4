#include "archive_test_util.h"
#include "lzh_corpus.h"

#include <cstdio>

namespace {

const std::string DATA = "brisel test data\n";  // the builder's default member data

TEST(LzhOpen, FindsTheFirstHeaderStart)
{
    std::string archive = make_lzh_archive({"A.TXT"}, 1);
    struct Case {
        std::string prefix;
        long start;
    } cases[] = {
        {"", 0},
        {std::string(37, 'x'), 37},
        {"--l", 3},  // a broken match: the byte that breaks it is tested again
        {std::string(2000, '\0'), 2000},
    };
    for (const Case &c : cases) {
        OpenArchive a(c.prefix + archive, std::to_string(c.start));
        EXPECT_EQ(a.open_result, 0) << c.start;
        EXPECT_EQ(a.position(), c.start);
        EXPECT_EQ(a.read(), 0) << c.start;
        EXPECT_STREQ(a.name, "A.TXT");
    }

    OpenArchive dashes(std::string("\x16\x00--lh5-", 9));
    EXPECT_EQ(dashes.open_result, 0);
    EXPECT_EQ(dashes.position(), 1);  // the second '-' starts the method id
}

TEST(LzhOpen, MethodIdsAreLowerCaseAndTheFourthByteIsFree)
{
    int n = 0;
    for (const char *method : {"-lh0-", "-lh7-", "-lhd-", "-lzs-", "-lz4-", "-lz5-", "-lh\xff-"}) {
        OpenArchive a(std::string("\x16\x00", 2) + method + "xyz", std::to_string(n++));
        EXPECT_EQ(a.open_result, 0) << method;
    }
    OpenArchive capitals(std::string("\x16\x00", 2) + "-LH5-xyz");
    EXPECT_EQ(capitals.open_result, 2);
}

TEST(LzhOpen, GivesUpAfter2048CountedReads)
{
    std::string archive = make_lzh_archive({"A.TXT"}, 0);
    // The method id at offset 2 + 2047 is reached by the last counted read.
    OpenArchive reached(std::string(2047, 'x') + archive);
    EXPECT_EQ(reached.open_result, 0);
    OpenArchive beyond(std::string(2048, 'x') + archive, "beyond");
    EXPECT_EQ(beyond.open_result, 2);
}

TEST(LzhOpen, BadFilesGiveTheirResult)
{
    for (const std::string &bytes : {std::string(), std::string("-"), std::string("-l"),
                                     std::string("Not an archive, just text.\n")}) {
        OpenArchive a(bytes, std::to_string(bytes.size()));
        EXPECT_EQ(a.open_result, 2) << bytes.size();
    }
    LzhReader reader;
    EXPECT_EQ(lzh_open("no-such-archive.lzh", reader), 1);
    EXPECT_EQ(lzh_open(".", reader), 1);  // a directory cannot be read as an archive
}

TEST(LzhOpen, LongPathIsCutAndCloseMarksTheReader)
{
    std::string path(300, 'p');
    LzhReader reader;
    EXPECT_EQ(lzh_open(path.c_str(), reader), 1);
    EXPECT_EQ(std::strlen(reader.path), 139u);

    OpenArchive a(make_lzh_archive({"A.TXT"}, 0));
    lzh_close(a.reader);
    EXPECT_STREQ(a.reader.path, "closed");
    a.open_result = 1;  // already closed
}

TEST(LzhReadHeader, ReadsEveryLevel)
{
    // name, data offset, next header for a first member "a.cnf" at 0.
    struct Case {
        int level;
        long data_offset;
    } cases[] = {{0, 24 + 5}, {1, 27 + 5}, {2, 29 + 5}};
    for (const Case &c : cases) {
        OpenArchive a(make_lzh_archive({"a.cnf", "B.TXT"}, c.level), std::to_string(c.level));
        ASSERT_EQ(a.open_result, 0);
        ASSERT_EQ(a.read(), 0) << c.level;
        EXPECT_STREQ(a.name, "A.CNF");
        EXPECT_STREQ(a.entry.name, "A.CNF");
        EXPECT_STREQ(a.entry.method, "-lh0-");
        EXPECT_EQ(a.entry.uncompressed_size, DATA.size());
        EXPECT_EQ(a.entry.compressed_size, (long)DATA.size());
        EXPECT_EQ(a.entry.data_offset, c.data_offset);
        EXPECT_EQ(a.position(), c.data_offset + (long)DATA.size());
        EXPECT_EQ(a.read(), 0);
        EXPECT_STREQ(a.name, "B.TXT");
        EXPECT_EQ(a.read(), 3) << "end-of-archive mark";
        EXPECT_EQ(lzh_eof, 0);
    }
}

TEST(LzhReadHeader, NameRules)
{
    struct Case {
        int level;
        std::string stored, name, entry_name;
    } cases[] = {
        {0, "SETS\\DOLL\\A.CNF", "A.CNF", "A.CNF"},
        {0, "SETS\\", "", ""},
        {1, "SETS\\A.CNF", "SETS\\A.CNF", "SETS\\A.CNF"},
        {2, "longer-than-13.mid", "LONGER-THAN-13.MID", "LONGER-THAN-1"},
        {1, "\x83\x62z{@`", "\x83\x42Z{@`", "\x83\x42Z{@`"},  // trail byte 0x62 folds too
    };
    for (const Case &c : cases) {
        OpenArchive a(make_lzh_archive({c.stored}, c.level), std::to_string(&c - cases));
        ASSERT_EQ(a.read(), 0) << c.stored;
        EXPECT_EQ(std::string(a.name), c.name);
        EXPECT_EQ(std::string(a.entry.name), c.entry_name.substr(0, 13));
        EXPECT_EQ(a.entry.name[13], '\0');
    }
    LzhMember lower = lzh_named("X", 1);
    lower.method = "-lhX-";
    OpenArchive a(make_lzh_archive(std::vector<LzhMember>{lower}), "method");
    ASSERT_EQ(a.read(), 0);
    EXPECT_STREQ(a.entry.method, "-lhX-");
}

TEST(LzhReadHeader, BaseHeaderNameLimitIs101Bytes)
{
    struct Case {
        int level;
        std::string name;
        int result;
    } cases[] = {
        {1, std::string(101, 'N'), 0},
        {1, std::string(102, 'N'), 2},
        {0, std::string(101, 'N'), 0},
        {0, std::string(60, 'D') + "\\" + std::string(101, 'N'), 0},
        {0, std::string(102, 'N') + "\\A", 2},
    };
    for (const Case &c : cases) {
        OpenArchive a(make_lzh_archive({c.name}, c.level), std::to_string(&c - cases));
        EXPECT_EQ(a.read(), c.result) << c.name.size();
        EXPECT_EQ(lzh_eof, 0);
    }
}

TEST(LzhReadHeader, FileNameExtendedHeaders)
{
    struct Case {
        int size;  // of the type-1 extended header
        int result;
    } cases[] = {{103, 0}, {104, 2}, {3, 0}, {2, 2}, {1, 2}};
    for (const Case &c : cases) {
        LzhMember m = lzh_named("", 2);
        m.name = std::string(c.size >= 3 ? c.size - 3 : 0, 'n');
        std::string bytes = make_lzh_archive(std::vector<LzhMember>{m});
        bytes[24] = (char)c.size;  // size 1 or 2 cannot even hold the type byte
        OpenArchive a(bytes, std::to_string(c.size));
        EXPECT_EQ(a.read(), c.result) << c.size;
        if (c.result == 0) {
            EXPECT_EQ(std::string(a.name), std::string(c.size - 3, 'N'));
        }
    }
}

TEST(LzhReadHeader, LastFileNameWinsAndMissingNameKeepsTheBuffer)
{
    LzhMember renamed = lzh_named("BASE.TXT", 1);
    renamed.ext = {{1, "first.cel"}, {0x40, std::string("\x20\x00", 2)}, {1, "last.mid"}};
    LzhMember nameless = lzh_named("", 2);
    nameless.name_in_ext = false;
    OpenArchive a(make_lzh_archive(std::vector<LzhMember>{renamed, nameless}));
    ASSERT_EQ(a.read(), 0);
    EXPECT_STREQ(a.name, "LAST.MID");
    // Level 1: the packed size holds the extended headers, the data follow them.
    long t = 3 + 9 + 3 + 2 + 3 + 8;
    EXPECT_EQ(a.entry.data_offset, 25 + 8 + t + 2);
    EXPECT_EQ(a.entry.compressed_size, (long)DATA.size());
    ASSERT_EQ(a.read(), 0);
    EXPECT_STREQ(a.name, "LAST.MID");
}

TEST(LzhReadHeader, OtherLevelsReadLikeLevelOneButKeepThePackedSize)
{
    LzhMember m = lzh_named("three.cnf", 1);
    m.ext = {{0x3F, "comment"}};
    std::string bytes = make_lzh_archive(std::vector<LzhMember>{m, lzh_named("NEXT.TXT", 0)});
    bytes[20] = 3;
    OpenArchive a(bytes);
    ASSERT_EQ(a.read(), 0);
    EXPECT_STREQ(a.name, "THREE.CNF");
    long h = 25 + 9, t = 10;
    EXPECT_EQ(a.entry.compressed_size, (long)DATA.size() + t);
    EXPECT_EQ(a.entry.data_offset, h + t + 2);
    EXPECT_EQ(a.position(), h + 2 + (long)DATA.size() + t);
    EXPECT_EQ(a.read(), 0);
    EXPECT_STREQ(a.name, "NEXT.TXT");
}

TEST(LzhReadHeader, RunningTotalWrapsAt65536)
{
    LzhMember m = lzh_named("BIG.TXT", 1);
    // The wrapped total lands inside the first header's data: zeros end the walk there.
    m.ext = {{0x3F, std::string(65530, '\0')}, {0x3F, std::string(7, 'c')}};
    OpenArchive a(make_lzh_archive(std::vector<LzhMember>{m}));
    ASSERT_EQ(a.read(), 0);
    long t = (65533 + 10) % 65536;
    EXPECT_EQ(a.entry.data_offset, 25 + 7 + t + 2);
    EXPECT_EQ(a.entry.compressed_size, (long)DATA.size() + 65543 - t);
}

TEST(LzhReadHeader, Level2HeaderOf256BytesIsNotTheEnd)
{
    for (std::size_t size : {256, 512}) {
        OpenArchive a(make_lzh_archive(std::vector<LzhMember>{lzh_named("A.TXT", 2),
                                                              lzh_member_with_header_size("B.CNF", size)}),
                      std::to_string(size));
        ASSERT_EQ(a.open_result, 0);
        ASSERT_EQ(a.read(), 0);
        ASSERT_EQ(a.read(), 0) << size;
        EXPECT_STREQ(a.name, "B.CNF");
        EXPECT_EQ(a.entry.data_offset, (long)(34 + DATA.size() + size));
        EXPECT_EQ(a.read(), 3);
    }
    OpenArchive first(make_lzh_archive(std::vector<LzhMember>{lzh_member_with_header_size("DOLL.CNF", 256)}));
    ASSERT_EQ(first.open_result, 0);
    EXPECT_EQ(first.position(), 0);
    EXPECT_EQ(first.read(), 0);
    EXPECT_STREQ(first.name, "DOLL.CNF");
}

TEST(LzhReadHeader, ZeroLengthByteEndsTheArchiveUnlessALevel2HeaderFollows)
{
    std::string level2 = lzh_member(lzh_member_with_header_size("B.CNF", 256));
    std::string not_level2 = level2;
    not_level2[20] = 1;
    std::string no_high_byte = level2;
    no_high_byte[1] = 0;
    std::string cut = level2.substr(0, 20);  // the level byte lies beyond the end
    int n = 0;
    for (const std::string &tail : {not_level2, no_high_byte, cut}) {
        OpenArchive a(make_lzh_archive({"A.TXT"}, 2).substr(0, 34 + DATA.size()) + tail,
                      std::to_string(n++));
        ASSERT_EQ(a.read(), 0);
        long end = a.position();
        EXPECT_EQ(a.read(), 3);
        EXPECT_EQ(lzh_eof, 0);
        EXPECT_EQ(a.position(), end + 1);
    }
}

TEST(LzhReadHeader, EveryTruncationEndsWithAResultCode)
{
    for (int level = 0; level <= 2; ++level) {
        std::string whole = make_lzh_archive({"README.TXT", "DOLL.CNF"}, level);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            OpenArchive a(whole.substr(0, length), std::to_string(level) + "-" + std::to_string(length));
            if (a.open_result != 0) {
                EXPECT_EQ(a.open_result, 2);
                continue;
            }
            std::vector<int> results = a.read_all();
            EXPECT_LE(results.size(), 3u) << level << " " << length;
            EXPECT_EQ(results.back(), 2) << level << " " << length;  // only the whole archive ends with 3
        }
    }
}

TEST(LzhReadHeader, DamagedExtendedHeaderChainsEnd)
{
    OpenArchive cycle(lzh_member_with_ext_cycle() + '\0', "cycle");
    ASSERT_EQ(cycle.open_result, 0);
    EXPECT_EQ(cycle.read(), 2);
    EXPECT_EQ(lzh_eof, 0);

    // A chain that runs off the end of the file: sizes read as 0xFFFF.
    std::string open_chain = lzh_member(lzh_named("A.TXT", 2));
    open_chain[24 + 8] = 0x10;  // the size field after the name: 16 bytes on, into the data
    OpenArchive runaway(open_chain.substr(0, 24 + 8 + 20), "runaway");
    ASSERT_EQ(runaway.open_result, 0);
    EXPECT_EQ(runaway.read(), 2);
}

TEST(LzhReadHeader, NextPositionIsComputedIn32Bits)
{
    // Wraps round 2^32 onto the header itself: read again, the stream goes back.
    OpenArchive wrap(lzh_member_wrapping_to_itself("SELF.TXT") + '\0', "wrap");
    ASSERT_EQ(wrap.open_result, 0);
    EXPECT_EQ(wrap.read(), 0);
    EXPECT_EQ(wrap.position(), 0);

    // A next position of 2^31 or more is negative as a signed 32-bit value.
    std::string far = make_lzh_archive({"FAR.TXT"}, 0);
    put_u32_at(far, 7, 0x7FFFFFF0u);
    OpenArchive a(far, "far");
    EXPECT_EQ(a.read(), 2);
    EXPECT_EQ(a.entry.compressed_size, 0x7FFFFFF0);
    EXPECT_EQ(a.entry.data_offset, 24 + 7);

    // Unsigned sizes stay unsigned; a level-1 packed size below T goes negative.
    std::string big = make_lzh_archive({"BIG.TXT"}, 1);
    put_u32_at(big, 11, 0xFFFFFFFFu);
    LzhMember small = lzh_named("S.TXT", 1);
    small.ext = {{0x3F, "comment"}};
    std::string negative = make_lzh_archive(std::vector<LzhMember>{small});
    put_u32_at(negative, 7, 4);
    OpenArchive b(big, "big"), n(negative, "negative");
    ASSERT_EQ(b.read(), 0);
    EXPECT_EQ(b.entry.uncompressed_size, 0xFFFFFFFFu);
    ASSERT_EQ(n.read(), 0);
    EXPECT_EQ(n.entry.compressed_size, 4 - 10);
}

TEST(LzhBytes, LittleEndianAndEndOfFile)
{
    std::string path = test_file("\x01\x02\x03\x04\x05\x06\x07");
    std::FILE *f = std::fopen(path.c_str(), "rb");
    ASSERT_TRUE(f);
    lzh_eof = 0;
    EXPECT_EQ(read_u16(f), 0x0201u);
    EXPECT_EQ(read_u32(f), 0x06050403u);
    EXPECT_EQ(lzh_eof, 0);
    EXPECT_EQ(read_u16(f), 0xFF07u);  // a byte at end of file counts as 0xFF
    EXPECT_EQ(lzh_eof, 1);
    EXPECT_EQ(read_u8(f), -1);
    std::fclose(f);
    lzh_eof = 0;
}

TEST(LzhCorpus, EveryFileReadsToAnEnd)
{
    struct Walk {
        int headers_read = 0;
        bool opened = true;
    };
    auto count = [](void *walk, int, const LzhEntry *entry, const char *) {
        ++((Walk *)walk)->headers_read;
        ((Walk *)walk)->opened &= entry != nullptr;
    };
    for (const CorpusFile &file : lzh_corpus()) {
        Walk walk;
        int result = lzh_read_all_headers(test_file(file.bytes, file.name).c_str(), count, &walk);
        EXPECT_LT(walk.headers_read, 20) << file.name;
        if (file.sound && walk.opened) {
            EXPECT_EQ(result, 3) << file.name;
        }
    }
}

TEST(LzhCorpus, HeaderWrappingBackEndsTheWalk)
{
    std::vector<int> results;
    auto record = [](void *seen, int result, const LzhEntry *, const char *) {
        ((std::vector<int> *)seen)->push_back(result);
    };
    std::string path = test_file(lzh_member_wrapping_to_itself("SELF.TXT") + '\0');
    EXPECT_EQ(lzh_read_all_headers(path.c_str(), record, &results), 2);
    EXPECT_EQ(results, (std::vector<int>{0, 2}));
    results.clear();
    EXPECT_EQ(lzh_read_all_headers("no-such-archive.lzh", record, &results), 1);
    EXPECT_EQ(results, std::vector<int>{1});
}

}  // namespace
