// The exactness rule against models of three systems' code pages: each model
// converts the way Windows does, best fit and '?' included.
#include "common/ansi_text.h"

#include <gtest/gtest.h>

#include <codecvt>
#include <locale>
#include <string>

namespace {

// One UTF-16 unit and its bytes in a code page; best fit: the bytes a
// character without an exact equivalent becomes.
struct Mapping {
    char16_t unit;
    const char *bytes;
    bool best_fit;
};

// Code page 932: ASCII, 表 (its trail byte is the backslash code), and the
// best fits Windows writes for é and ¥; a Hangul syllable becomes '?'.
const Mapping CP932[] = {{u'表', "\x95\x5C", false}, {u'é', "e", true}, {u'¥', "\\", true}};
// Code page 1252: é exactly; the fullwidth quote as a real quote.
const Mapping CP1252[] = {{u'é', "\xE9", false}, {u'＂', "\"", true}};

int copy_out(const std::string &out, char *ansi, int capacity)
{
    if ((int)out.size() + 1 > capacity)
        return 0;
    std::copy(out.c_str(), out.c_str() + out.size() + 1, ansi);
    return (int)out.size() + 1;
}

template <const Mapping *table, int count>
int model_to_ansi(const char16_t *text, char *ansi, int capacity)
{
    std::string out;
    for (; *text; ++text) {
        const Mapping *found = nullptr;
        for (int i = 0; i < count; ++i)
            found = table[i].unit == *text ? &table[i] : found;
        out += found ? found->bytes : *text < 0x80 ? std::string(1, (char)*text) : "?";
    }
    return copy_out(out, ansi, capacity);
}

template <const Mapping *table, int count>
int model_from_ansi(const char *ansi, char16_t *text, int capacity)
{
    std::u16string out;
    while (*ansi) {
        const Mapping *found = nullptr;
        for (int i = 0; i < count && !found; ++i) {
            std::string bytes = table[i].bytes;
            if (!table[i].best_fit && std::string(ansi).compare(0, bytes.size(), bytes) == 0)
                found = &table[i];
        }
        out += found ? found->unit : (char16_t)(unsigned char)*ansi;
        ansi += found ? std::string(found->bytes).size() : 1;
    }
    if ((int)out.size() + 1 > capacity)
        return 0;
    std::copy(out.c_str(), out.c_str() + out.size() + 1, text);
    return (int)out.size() + 1;
}

// Code page 65001: UTF-8 holds every character; Windows writes U+FFFD for a
// lone surrogate (the model: a '?'; neither converts back).
std::wstring_convert<std::codecvt_utf8_utf16<char16_t>, char16_t> utf8_codec("?", u"?");

int utf8_to_ansi(const char16_t *text, char *ansi, int capacity)
{
    return copy_out(utf8_codec.to_bytes(text), ansi, capacity);
}

int utf8_from_ansi(const char *ansi, char16_t *text, int capacity)
{
    std::u16string out = utf8_codec.from_bytes(ansi);
    if ((int)out.size() + 1 > capacity)
        return 0;
    std::copy(out.c_str(), out.c_str() + out.size() + 1, text);
    return (int)out.size() + 1;
}

const AnsiConverter JAPANESE = {model_to_ansi<CP932, 3>, model_from_ansi<CP932, 3>};
const AnsiConverter WESTERN = {model_to_ansi<CP1252, 2>, model_from_ansi<CP1252, 2>};
const AnsiConverter UTF8 = {utf8_to_ansi, utf8_from_ansi};

std::string exactly(const AnsiConverter &converter, const char16_t *text, std::size_t capacity = 260)
{
    char ansi[300];
    std::fill(ansi, ansi + sizeof ansi, 'x');
    return to_ansi_exactly(converter, text, ansi, capacity) ? ansi : "<not exact: " + std::string(ansi) + ">";
}

TEST(AnsiText, NamesTheCodePageHoldsConvertExactly)
{
    EXPECT_EQ(exactly(JAPANESE, u"C:\\表.lzh"), "C:\\\x95\x5C.lzh");
    EXPECT_EQ(exactly(WESTERN, u"C:\\café.lzh"), "C:\\caf\xE9.lzh");
    EXPECT_EQ(exactly(UTF8, u"C:\\한국\\𠮷.lzh"), "C:\\\xED\x95\x9C\xEA\xB5\xAD\\\xF0\xA0\xAE\xB7.lzh");
    EXPECT_EQ(exactly(JAPANESE, u""), "");
}

TEST(AnsiText, BestFitsAndQuestionMarksAreNotExact)
{
    EXPECT_EQ(exactly(JAPANESE, u"café.lzh"), "<not exact: >");   // would be cafe.lzh
    EXPECT_EQ(exactly(JAPANESE, u"x¥y.lzh"), "<not exact: >");    // would be x\y.lzh
    EXPECT_EQ(exactly(JAPANESE, u"한국.lzh"), "<not exact: >");   // would be ??.lzh
    EXPECT_EQ(exactly(WESTERN, u"＂a＂.lzh"), "<not exact: >");  // would be "a".lzh
    EXPECT_EQ(exactly(UTF8, u"a\xD800.lzh"), "<not exact: >");    // a lone surrogate
}

TEST(AnsiText, ATextThatDoesNotFitIsNotCut)
{
    std::u16string long_name(259, u'a');
    EXPECT_EQ(exactly(WESTERN, long_name.c_str()), std::string(259, 'a'));
    EXPECT_EQ(exactly(WESTERN, (long_name + u"a").c_str()), "<not exact: >");
    // Two bytes for one character: 表 fits only with room for both and the terminator.
    EXPECT_EQ(exactly(JAPANESE, u"表", 3), "\x95\x5C");
    EXPECT_EQ(exactly(JAPANESE, u"表", 2), "<not exact: >");
    char untouched = 'x';
    EXPECT_EQ(to_ansi_exactly(UTF8, u"é", &untouched, 0), 0);
    EXPECT_EQ(untouched, 'x');
}

}  // namespace
