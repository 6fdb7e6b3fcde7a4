// The resources of the built brisel.exe, read as a data file: the settings
// dialog template control by control, the nine icon groups and their
// images, and the version information.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "resource.h"
#include "support/wine_path.h"
#include "version.h"

namespace {

// brisel.exe of the build tree, as Wine names it.
std::string program_path()
{
    return wine_path(BRISEL_EXE_PATH);
}

// Reads a classic dialog template field by field.
class TemplateReader {
public:
    explicit TemplateReader(const void *data) : at_((const WORD *)data) {}
    DWORD dword()
    {
        DWORD value = at_[0] | ((DWORD)at_[1] << 16);
        at_ += 2;
        return value;
    }
    WORD word() { return *at_++; }
    short coordinate() { return (short)*at_++; }
    std::wstring text()
    {
        std::wstring value;
        while (*at_)
            value += (wchar_t)*at_++;
        ++at_;
        return value;
    }
    // A class or menu: 0xFFFF and an atom, or a text.
    std::wstring name_or_atom()
    {
        if (*at_ == 0xFFFF) {
            at_ += 2;
            return L"#" + std::to_wstring(at_[-1]);
        }
        return text();
    }
    void align_dword()
    {
        if ((uintptr_t)at_ & 2)
            ++at_;
    }

private:
    const WORD *at_;
};

struct Control {
    int id;
    const wchar_t *class_name;  // atoms: #128 button, #129 edit, #130 static
    DWORD style;
    short x, y, cx, cy;
    const wchar_t *japanese;
    const wchar_t *english;
};

const Control CONTROLS[] = {
    {0xFFFF, L"#130", 0x50020000, 7, 16, 119, 8, L"KISS書庫を開くアプリケーション(&K):", L"Application for &KISS archives:"},
    {100, L"#130", 0x50000003, 130, 3, 16, 21, L"", L""},
    {101, L"#129", 0x50810080, 7, 27, 127, 12, L"", L""},
    {102, L"#128", 0x50010000, 136, 26, 50, 14, L"参照(&B)...", L"&Browse..."},
    {0xFFFF, L"#130", 0x5002000C, 6, 43, 34, 13, L"拡張子(&E):", L"&Types:"},
    {103, L"#129", 0x50810080, 40, 41, 94, 12, L"", L""},
    {0xFFFF, L"#130", 0x50020000, 7, 68, 119, 8, L"CG入り書庫を開くアプリケーション(&C):", L"Application for &CG archives:"},
    {104, L"#130", 0x50000003, 130, 55, 16, 21, L"", L""},
    {105, L"#129", 0x50810080, 7, 79, 127, 12, L"", L""},
    {106, L"#128", 0x50010000, 136, 78, 50, 14, L"参照(&R)...", L"B&rowse..."},
    {0xFFFF, L"#130", 0x5002000C, 6, 98, 34, 13, L"拡張子(&X):", L"T&ypes:"},
    {107, L"#129", 0x50810080, 40, 93, 94, 12, L"", L""},
    {0xFFFF, L"#130", 0x50020000, 7, 120, 119, 8, L"MIDI入り書庫を開くアプリケーション(&C):", L"Application for &MIDI archives:"},
    {108, L"#130", 0x50000003, 130, 107, 16, 21, L"", L""},
    {109, L"#129", 0x50810080, 7, 131, 127, 12, L"", L""},
    {110, L"#128", 0x50010000, 136, 130, 50, 14, L"参照(&O)...", L"Bro&wse..."},
    {0xFFFF, L"#130", 0x5002000C, 6, 150, 34, 13, L"拡張子(&T):", L"Ty&pes:"},
    {111, L"#129", 0x50810080, 40, 145, 94, 12, L"", L""},
    {0xFFFF, L"#130", 0x50020000, 7, 172, 119, 8, L"普通の書庫を開くアプリケーション(&N):", L"Application for &ordinary archives:"},
    {112, L"#130", 0x50000003, 130, 159, 16, 21, L"", L""},
    {113, L"#129", 0x50810080, 7, 183, 127, 12, L"", L""},
    {114, L"#128", 0x50010000, 136, 182, 50, 14, L"参照(&O)...", L"Brow&se..."},
    {115, L"#128", 0x50010003, 6, 201, 90, 12, L".lzhの関連付け(&A)", L"&Associate .lzh files"},
    {1, L"#128", 0x50010001, 12, 216, 50, 14, L"OK", L"OK"},
    {2, L"#128", 0x50010000, 72, 216, 50, 14, L"キャンセル", L"Cancel"},
    {9, L"#128", 0x50010000, 132, 216, 50, 14, L"ヘルプ(&H)", L"&Help"},
};

// What differs between the two templates besides the control captions.
struct TemplateLanguage {
    const char *name;
    WORD language;
    const wchar_t *caption;
    WORD font_size;
    const wchar_t *font;
    bool english;
};

const TemplateLanguage LANGUAGES[] = {
    {"Japanese", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), L"Briselの設定", 9, L"ＭＳ Ｐゴシック", false},
    {"English", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), L"Brisel Settings", 8, L"MS Shell Dlg", true},
};

class Resources : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        program = LoadLibraryExA(program_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { FreeLibrary(program); }

    // The data of a resource in the loader's choice of language, or of the
    // given language; nullptr when there is none.
    static const BYTE *resource(const char *type, int id, DWORD *size = nullptr, WORD language = 0)
    {
        HRSRC found = language ? FindResourceExA(program, type, MAKEINTRESOURCEA(id), language)
                               : FindResourceA(program, MAKEINTRESOURCEA(id), type);
        if (!found)
            return nullptr;
        if (size)
            *size = SizeofResource(program, found);
        return (const BYTE *)LockResource(LoadResource(program, found));
    }

    // String id of a string table in one language: each block of the table
    // holds 16 strings, each a length and that many UTF-16 characters.
    static std::wstring table_string(int id, WORD language)
    {
        const WORD *at = (const WORD *)resource((const char *)RT_STRING, id / 16 + 1, nullptr, language);
        if (!at)
            return L"";
        for (int i = 0; i < id % 16; ++i)
            at += 1 + *at;
        return std::wstring((const wchar_t *)at + 1, *at);
    }

    static HMODULE program;
};

HMODULE Resources::program;

}  // namespace

TEST_F(Resources, DialogTemplatesInJapaneseAndEnglishHoldTheSameControls)
{
    ASSERT_NE(nullptr, program) << program_path();
    for (const TemplateLanguage &language : LANGUAGES) {
        SCOPED_TRACE(language.name);
        const BYTE *data = resource((const char *)RT_DIALOG, IDD_SETTINGS, nullptr, language.language);
        ASSERT_NE(nullptr, data);
        TemplateReader t(data);
        EXPECT_EQ(0x90C800C4u, t.dword());  // a classic template starts with its style
        EXPECT_EQ(0u, t.dword());           // extended style
        const WORD count = t.word();
        ASSERT_EQ(sizeof CONTROLS / sizeof CONTROLS[0], count);
        EXPECT_EQ(8, t.coordinate());
        EXPECT_EQ(17, t.coordinate());
        EXPECT_EQ(194, t.coordinate());
        EXPECT_EQ(234, t.coordinate());
        EXPECT_EQ(L"", t.name_or_atom());  // no menu
        EXPECT_EQ(L"", t.name_or_atom());  // the default dialog class
        EXPECT_EQ(language.caption, t.text());
        EXPECT_EQ(language.font_size, t.word());
        EXPECT_EQ(language.font, t.text());

        for (const Control &c : CONTROLS) {
            SCOPED_TRACE(c.id);
            t.align_dword();
            EXPECT_EQ(c.style, t.dword());
            EXPECT_EQ(0u, t.dword());
            EXPECT_EQ(c.x, t.coordinate());
            EXPECT_EQ(c.y, t.coordinate());
            EXPECT_EQ(c.cx, t.coordinate());
            EXPECT_EQ(c.cy, t.coordinate());
            EXPECT_EQ(c.id, t.word());
            EXPECT_EQ(std::wstring(c.class_name), t.name_or_atom());
            EXPECT_EQ(std::wstring(language.english ? c.english : c.japanese), t.text());
            EXPECT_EQ(0, t.word());  // no creation data
        }
    }
}

TEST_F(Resources, BothStringTablesHoldTheSameTexts)
{
    ASSERT_NE(nullptr, program) << program_path();
    const WORD japanese = LANGUAGES[0].language, english = LANGUAGES[1].language;
    // Every id of both languages' blocks: a text in one is a text in the other.
    int texts = 0;
    for (int id = IDS_FIRST / 16 * 16; id < (IDS_LAST / 16 + 1) * 16; ++id) {
        SCOPED_TRACE(id);
        std::wstring in_japanese = table_string(id, japanese);
        std::wstring in_english = table_string(id, english);
        EXPECT_EQ(in_japanese.empty(), in_english.empty());
        texts += !in_english.empty();
        // English texts are English: no character of the Japanese ones.
        for (wchar_t c : in_english)
            EXPECT_LT(c, 0x3000) << "a Japanese character in English text " << id;
    }
    EXPECT_GE(texts, 4);
    EXPECT_EQ(L"自分自身は指定できません", table_string(IDS_SELF_CHOSEN, japanese));
}

TEST_F(Resources, NineIconGroupsHoldOne32x32SixteenColourImageEach)
{
    ASSERT_NE(nullptr, program) << program_path();
    for (int k = 0; k < ICON_GROUP_COUNT; ++k) {
        SCOPED_TRACE(IDI_PROGRAM + k);
        const BYTE *group = resource((const char *)RT_GROUP_ICON, IDI_PROGRAM + k);
        ASSERT_NE(nullptr, group);
        const WORD *header = (const WORD *)group;
        EXPECT_EQ(1, header[1]);  // type: icon
        ASSERT_EQ(1, header[2]);  // one image
        const BYTE *entry = group + 6;  // width, height, colours, reserved, planes, bits, size, id
        EXPECT_EQ(32, entry[0]);
        EXPECT_EQ(32, entry[1]);
        EXPECT_EQ(16, entry[2]);
        EXPECT_EQ(4, entry[6]);
        WORD image_id;
        std::memcpy(&image_id, entry + 12, 2);
        EXPECT_EQ(k + 1, image_id);

        DWORD size = 0;
        const BYTE *image = resource((const char *)RT_ICON, image_id, &size);
        ASSERT_NE(nullptr, image);
        BITMAPINFOHEADER info;
        std::memcpy(&info, image, sizeof info);
        EXPECT_EQ(32, info.biWidth);
        EXPECT_EQ(64, info.biHeight);  // the colour image and its mask
        EXPECT_EQ(4, info.biBitCount);
        EXPECT_EQ(40u + 16 * 4 + 32 * 16 + 32 * 4, size);
        // A drawn picture: more than one colour and some transparent pixels.
        const BYTE *pixels = image + 40 + 16 * 4;
        const BYTE *mask = pixels + 32 * 16;
        int distinct = 0;
        bool seen[16] = {};
        for (int i = 0; i < 32 * 16; ++i) {
            for (int nibble : {pixels[i] >> 4, pixels[i] & 15}) {
                distinct += !seen[nibble];
                seen[nibble] = true;
            }
        }
        EXPECT_GE(distinct, 3);
        EXPECT_NE(0, std::count(mask, mask + 32 * 4, 0xFF));
    }
    EXPECT_EQ(nullptr, resource((const char *)RT_GROUP_ICON, IDI_PROGRAM + ICON_GROUP_COUNT));
    EXPECT_EQ(nullptr, resource((const char *)RT_ICON, ICON_GROUP_COUNT + 1));
}

TEST_F(Resources, ShellFindsTheNineIconGroups)
{
    ASSERT_NE(nullptr, program) << program_path();
    // "brisel.exe,1" names the second icon group in the order the shell counts them.
    HICON icons[2] = {};
    const std::string path = program_path();
    ASSERT_EQ(2u, ExtractIconExA(path.c_str(), 0, icons, nullptr, 2));
    UINT total = ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0);
    EXPECT_EQ((UINT)ICON_GROUP_COUNT, total);
    for (HICON icon : icons)
        DestroyIcon(icon);
}

TEST_F(Resources, VersionInformationNamesTheProduct)
{
    ASSERT_NE(nullptr, program) << program_path();
    DWORD size = 0;
    const BYTE *data = resource((const char *)RT_VERSION, 1, &size);
    ASSERT_NE(nullptr, data);
    std::vector<BYTE> copy(data, data + size);
    void *value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(copy.data(), "\\StringFileInfo\\041104B0\\ProductName", &value, &length));
    EXPECT_STREQ("Brisel", (const char *)value);
    // The project's version, in the text and in the numbers.
    for (const char *name : {"FileVersion", "ProductVersion"}) {
        std::string path = std::string("\\StringFileInfo\\041104B0\\") + name;
        ASSERT_TRUE(VerQueryValueA(copy.data(), path.c_str(), &value, &length)) << name;
        EXPECT_STREQ(BRISEL_VERSION, (const char *)value) << name;
    }
    VS_FIXEDFILEINFO *fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(copy.data(), "\\", (void **)&fixed, &length));
    EXPECT_EQ((DWORD)MAKELONG(BRISEL_VERSION_MINOR, BRISEL_VERSION_MAJOR), fixed->dwFileVersionMS);
    EXPECT_EQ((DWORD)MAKELONG(0, BRISEL_VERSION_PATCH), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
}

TEST_F(Resources, ManifestAsksForTodaysWindowsWithoutElevation)
{
    ASSERT_NE(nullptr, program) << program_path();
    DWORD size = 0;
    const BYTE *data = resource((const char *)RT_MANIFEST, 1, &size);
    ASSERT_NE(nullptr, data);
    const std::string manifest((const char *)data, size);
    for (const char *part : {
             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
             ">PerMonitorV2, System</dpiAwareness>",
             "<requestedExecutionLevel level=\"asInvoker\"",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
         })
        EXPECT_NE(std::string::npos, manifest.find(part)) << part;
}
