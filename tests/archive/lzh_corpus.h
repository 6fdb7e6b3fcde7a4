// Named test archives: sound ones of every level and the damaged forms the
// reader must survive. Shared by the unit tests, the corpus writer (host and
// Windows inspect outputs are compared on it) and the fuzz seeds.
#pragma once

#include "support/lzh_builder.h"

#include <string>
#include <vector>

struct CorpusFile {
    std::string name;   // file name, ends in .lzh
    std::string bytes;
    bool sound;         // a complete archive that real LHA readers accept
};

// A level-0 member whose packed size sends the next header position round
// 2^32 back onto the member's own start.
inline std::string lzh_member_wrapping_to_itself(const std::string &name)
{
    LzhMember m;
    m.name = name;
    m.level = 0;
    m.data.clear();
    std::string h = lzh_member(m);
    std::uint32_t packed = 0u - (std::uint32_t)(h.size());  // S + H + 2 + packed = S
    h[7] = (char)(packed & 0xFF);
    h[8] = (char)(packed >> 8 & 0xFF);
    h[9] = (char)(packed >> 16 & 0xFF);
    h[10] = (char)(packed >> 24 & 0xFF);
    return h;
}

// A level-2 header whose extended headers point back at their first size
// field: sizes 5 and 65531 add up to 65536, which is 0 again.
inline std::string lzh_member_with_ext_cycle()
{
    LzhMember m;
    m.name = "LOOP.CNF";
    m.level = 2;
    m.name_in_ext = false;
    m.ext.push_back({2, "AB"});
    std::string h = lzh_member(m);
    // The chain ends with the size field after the type-2 header: make it 65531.
    std::size_t last = 24 + 5;
    h[last] = (char)0xFB;
    h[last + 1] = (char)0xFF;
    return h;
}

inline std::vector<CorpusFile> lzh_corpus()
{
    std::vector<CorpusFile> corpus;
    auto add = [&](const std::string &name, const std::string &bytes, bool sound) {
        corpus.push_back({name, bytes, sound});
    };
    for (int level = 0; level <= 2; ++level) {
        std::string l = std::to_string(level);
        add("kiss-third-l" + l + ".lzh", make_lzh_archive({"README.TXT", "INDEX", "doll.cnf"}, level), true);
        add("cg-l" + l + ".lzh", make_lzh_archive({"pic.q4", "PIC2.Q4D"}, level), true);
        add("midi-l" + l + ".lzh", make_lzh_archive({"SONG.MID"}, level), true);
        add("ordinary-sixth-l" + l + ".lzh",
            make_lzh_archive({"A", "B.TXT", "C.DOC", "D.", "E.GZ", "F.CEL"}, level), true);
        add("empty-l" + l + ".lzh", make_lzh_archive(std::vector<std::string>{}, level), true);
    }
    add("mixed-levels.lzh",
        make_lzh_archive(std::vector<LzhMember>{lzh_named("A.TXT", 0), lzh_named("B.TXT", 1), lzh_named("C.RCP", 2)}), true);
    add("level0-paths.lzh", make_lzh_archive({"SETS\\DOLL\\A.CNF", "DOLL.SET\\README"}, 0), true);
    add("header-256.lzh",
        make_lzh_archive(std::vector<LzhMember>{lzh_member_with_header_size("DOLL.CNF", 256)}), true);
    add("header-512-second.lzh",
        make_lzh_archive(std::vector<LzhMember>{lzh_named("A.TXT", 2), lzh_member_with_header_size("B.MID", 512)}),
        true);
    LzhMember renamed = lzh_named("BASE.TXT", 1);
    renamed.ext.push_back({1, "ext.cel"});
    add("level1-ext-name.lzh", make_lzh_archive(std::vector<LzhMember>{renamed}), true);
    LzhMember nameless = lzh_named("", 2);
    nameless.name_in_ext = false;
    add("level2-no-name.lzh", make_lzh_archive(std::vector<LzhMember>{nameless, lzh_named("X.MID", 2)}), true);
    add("control-bytes.lzh", make_lzh_archive({"\x1b[31mRED\x7f.TXT", "TAB\tNL\n.MID"}, 2), true);
    add("shift-jis.lzh", make_lzh_archive({"\x83\x62\x83\x68\x81\x5c.TXT", "\x90\x6c\x8c\x60.cnf"}, 1), true);

    std::string sound = make_lzh_archive({"A.TXT", "B.CNF"}, 1);
    add("junk-before.lzh", std::string(100, 'J') + "--lh" + sound, false);
    add("no-end-mark.lzh", sound.substr(0, sound.size() - 1), false);
    add("truncated-header.lzh", sound.substr(0, 30), false);
    std::string level3 = make_lzh_archive({"THREE.CNF"}, 1);
    level3[20] = 3;
    add("level3.lzh", level3, false);
    add("wrap-around.lzh", lzh_member_wrapping_to_itself("SELF.TXT") + '\0', false);
    add("ext-cycle.lzh", lzh_member_with_ext_cycle() + '\0', false);
    add("not-lzh.lzh", "This is plain text, not an LZH archive.\n", false);
    add("zero-bytes.lzh", "", false);
    add("one-byte.lzh", "-", false);
    add("two-bytes.lzh", std::string("\x16\x00", 2), false);
    return corpus;
}
