// Byte-string helpers shared by every part of Brisel.
//
// Texts are zero-terminated byte strings in the system's ANSI code page
// (Shift-JIS on the target systems), never converted. Case folding is ASCII
// only: it works byte by byte and changes just 'a'..'z', so a double-byte
// character's trail byte in that range is folded too, exactly as the member
// names, extension lists and path comparisons expect.
#pragma once

#include <cstddef>
#include <initializer_list>

// The platform's path length: 259 bytes of text and the terminator.
enum { TEXT_SIZE = 260 };

// 'a'..'z' become 'A'..'Z'; every other byte stays as it is.
inline unsigned char ascii_upper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? (unsigned char)(c - 'a' + 'A') : c;
}

// 1 when both texts have the same length and match byte by byte after folding.
int ascii_equal_nocase(const char *a, const char *b);

// 1 when the first strlen(prefix) bytes of text match prefix after folding.
int ascii_prefix_nocase(const char *text, const char *prefix);

// Copies at most capacity - 1 bytes of source and always terminates dest
// (capacity must be at least 1). Returns 1 when the whole text fitted.
int copy_text(char *dest, std::size_t capacity, const char *source);

// Copies the pieces one after the other into dest, bounded like copy_text.
// Returns 1 when all of them fitted.
int join_texts(char *dest, std::size_t capacity, std::initializer_list<const char *> pieces);

// Returns the last occurrence of c in text, or nullptr.
const char *find_last(const char *text, char c);
