#include "common/wide_text.h"

#include <cstring>

#include "common/text.h"

static char16_t wide_upper(char16_t c)
{
    return c < 0x80 ? (char16_t)ascii_upper((unsigned char)c) : c;
}

std::size_t wide_length(const char16_t *text)
{
    std::size_t length = 0;
    while (text[length])
        ++length;
    return length;
}

int wide_equal_nocase(const char16_t *a, const char16_t *b)
{
    for (; wide_upper(*a) == wide_upper(*b); ++a, ++b) {
        if (*a == u'\0')
            return 1;
    }
    return 0;
}

int wide_matches_ascii_nocase(const char16_t *text, std::size_t length, const char *ascii)
{
    if (std::strlen(ascii) != length)
        return 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (wide_upper(text[i]) != ascii_upper((unsigned char)ascii[i]))
            return 0;
    }
    return 1;
}

int wide_copy(char16_t *dest, std::size_t capacity, const char16_t *source, std::size_t length)
{
    if (capacity == 0)
        return 0;
    dest[0] = u'\0';
    if (length >= capacity)
        return 0;
    std::memcpy(dest, source, length * sizeof *dest);
    dest[length] = u'\0';
    return 1;
}
