#include "common/ansi_text.h"

#include <cstdlib>

#include "common/wide_text.h"

static bool same_text(const char16_t *a, const char16_t *b)
{
    for (; *a == *b; ++a, ++b) {
        if (*a == u'\0')
            return true;
    }
    return false;
}

int to_ansi_exactly(const AnsiConverter &converter, const char16_t *text, char *ansi,
                    std::size_t capacity)
{
    if (capacity == 0)
        return 0;
    ansi[0] = '\0';
    if (converter.to_ansi(text, ansi, (int)capacity) == 0) {
        ansi[0] = '\0';
        return 0;
    }
    // Converted back, an exact text has as many units as the original at most.
    std::size_t room = wide_length(text) + 2;
    char16_t *back = (char16_t *)std::malloc(room * sizeof *back);
    bool exact = back && converter.from_ansi(ansi, back, (int)room) != 0 && same_text(back, text);
    std::free(back);
    if (!exact)
        ansi[0] = '\0';
    return exact;
}
