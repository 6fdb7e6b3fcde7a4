// UTF-16 texts in portable code: paths and command lines as Windows holds
// them, char16_t units (the host's wchar_t is four bytes). Case folding is
// ASCII only, as for the byte texts.
#pragma once

#include <cstddef>

std::size_t wide_length(const char16_t *text);

// 1 when both texts are equal after folding 'a'..'z' to 'A'..'Z'.
int wide_equal_nocase(const char16_t *a, const char16_t *b);

// 1 when the length units at text equal the ASCII text (any ASCII case).
int wide_matches_ascii_nocase(const char16_t *text, std::size_t length, const char *ascii);

// Copies length units of source and a terminator into dest (capacity units).
// Returns 0 and leaves dest empty when they do not fit: a cut path names
// another file.
int wide_copy(char16_t *dest, std::size_t capacity, const char16_t *source, std::size_t length);
