// Texts typed, browsed or received in UTF-16 that Brisel keeps in the ANSI
// code page. Windows converts what the code page lacks into a "best fit"
// look-alike or a '?', silently; such a text names another file. Exact means
// converted to the code page and back it is the same UTF-16 text: the test
// holds on every code page, also UTF-8, where the no-best-fit flags are refused.
#pragma once

#include <cstddef>

// One way of converting (the system's code page in the program, a model of
// one in tests). Each function writes a zero-terminated text of at most
// capacity units and returns the units written, terminator included, or 0
// when the text does not fit or cannot be converted.
struct AnsiConverter {
    int (*to_ansi)(const char16_t *text, char *ansi, int capacity);
    int (*from_ansi)(const char *ansi, char16_t *text, int capacity);
};

// Converts text into ansi (capacity bytes, terminator included). Returns 1
// when the conversion is exact and fits; otherwise 0, with ansi empty.
int to_ansi_exactly(const AnsiConverter &converter, const char16_t *text, char *ansi,
                    std::size_t capacity);
