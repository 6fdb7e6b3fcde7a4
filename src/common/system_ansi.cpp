#include "common/system_ansi.h"

#include <windows.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 units on Windows");

// Plain conversions: the flags that refuse best fit are themselves refused
// where the code page is UTF-8; the round trip of to_ansi_exactly tells.
static int to_ansi(const char16_t *text, char *ansi, int capacity)
{
    return WideCharToMultiByte(CP_ACP, 0, (const wchar_t *)text, -1, ansi, capacity, nullptr, nullptr);
}

static int from_ansi(const char *ansi, char16_t *text, int capacity)
{
    return MultiByteToWideChar(CP_ACP, 0, ansi, -1, (wchar_t *)text, capacity);
}

const AnsiConverter &system_ansi_converter()
{
    static const AnsiConverter converter = {to_ansi, from_ansi};
    return converter;
}

int ansi_to_utf16(const char *text, wchar_t *wide, int capacity)
{
    if (from_ansi(text, (char16_t *)wide, capacity))
        return 1;
    wide[0] = L'\0';
    return 0;
}

int ansi_exactly(const wchar_t *text, char *ansi, std::size_t capacity)
{
    return to_ansi_exactly(system_ansi_converter(), (const char16_t *)text, ansi, capacity);
}
