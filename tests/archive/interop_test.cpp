// Checks against real LHA tools (host build only): lhasa accepts the test
// archives, and archives made by jlha are classified like the product must.
#include "archive/classifier.h"
#include "archive_test_util.h"
#include "lzh_corpus.h"
#include "settings/settings.h"

#include <cstdlib>

namespace {

int run(const std::string &command)
{
    return std::system((command + " >/dev/null 2>&1").c_str());
}

TEST(Interop, LhasaAcceptsTheBuilderArchives)
{
    int sound = 0;
    for (const CorpusFile &file : lzh_corpus()) {
        if (!file.sound)
            continue;
        ++sound;
        std::string path = test_file(file.bytes, file.name);
        EXPECT_EQ(run("lhasa t '" + path + "'"), 0) << file.name;
    }
    EXPECT_GT(sound, 10);
    // The check has teeth: one changed data byte fails the CRC.
    std::string bad = make_lzh_archive({"A.TXT"}, 1);
    bad[bad.size() - 3] ^= 1;
    EXPECT_NE(run("lhasa t '" + test_file(bad, "bad") + "'"), 0);
}

// Makes an archive of the named members with "jlha cLEVEL" and returns its path.
std::string jlha_archive(const std::string &command, const std::vector<std::string> &members)
{
    std::string dir = "jlha-" + command + "-" + members[0];
    std::string script = "rm -rf " + dir + " && mkdir " + dir + " && cd " + dir;
    for (const std::string &m : members)
        script += " && echo " + m + " > " + m;
    script += " && jlha " + command + " ../" + dir + ".lzh";
    for (const std::string &m : members)
        script += " " + m;
    EXPECT_EQ(run("sh -c '" + script + "'"), 0) << script;
    return dir + ".lzh";
}

TEST(Interop, JlhaArchivesOfEveryLevelAreClassified)
{
    struct Case {
        const char *command;
        int level;
    } cases[] = {{"c0", 0}, {"c1", 1}, {"c2q", 2}};
    for (const Case &c : cases) {
        std::string kiss = jlha_archive(c.command, {"README.TXT", "INDEX.TXT", "DOLL.CNF"});
        std::string midi = jlha_archive(c.command, {"SONG.MID", "README.TXT"});
        EXPECT_EQ(read_file_bytes(kiss).at(20), c.level) << "jlha " << c.command;
        EXPECT_EQ(classify_archive(DEFAULT_EXT_KISS, DEFAULT_EXT_CG, DEFAULT_EXT_MIDI, kiss.c_str()), ARCHIVE_KISS)
            << kiss;
        EXPECT_EQ(classify_archive(DEFAULT_EXT_KISS, DEFAULT_EXT_CG, DEFAULT_EXT_MIDI, midi.c_str()), ARCHIVE_MIDI)
            << midi;
        EXPECT_EQ(classify_archive(DEFAULT_EXT_KISS, DEFAULT_EXT_CG, ".rcp", midi.c_str()), ARCHIVE_ORDINARY)
            << midi;
    }
}

}  // namespace
