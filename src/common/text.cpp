#include "common/text.h"

#include <cstring>

int ascii_equal_nocase(const char *a, const char *b)
{
    return std::strlen(a) == std::strlen(b) && ascii_prefix_nocase(a, b);
}

int ascii_prefix_nocase(const char *text, const char *prefix)
{
    for (; *prefix; ++text, ++prefix) {
        if (ascii_upper((unsigned char)*text) != ascii_upper((unsigned char)*prefix))
            return 0;  // also ends a shorter text: its terminator never matches
    }
    return 1;
}

int copy_text(char *dest, std::size_t capacity, const char *source)
{
    std::size_t length = std::strlen(source);
    std::size_t kept = length < capacity ? length : capacity - 1;
    std::memcpy(dest, source, kept);
    dest[kept] = '\0';
    return kept == length;
}

int join_texts(char *dest, std::size_t capacity, std::initializer_list<const char *> pieces)
{
    std::size_t used = 0;
    dest[0] = '\0';
    for (const char *piece : pieces) {
        if (!copy_text(dest + used, capacity - used, piece))
            return 0;
        used += std::strlen(piece);
    }
    return 1;
}

const char *find_last(const char *text, char c)
{
    return std::strrchr(text, c);
}
