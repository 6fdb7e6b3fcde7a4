// The system's ANSI code page as an AnsiConverter (windows build only).
#pragma once

#include <cstddef>

#include "common/ansi_text.h"

const AnsiConverter &system_ansi_converter();

// to_ansi_exactly with the system's code page, for UTF-16 texts of Win32.
int ansi_exactly(const wchar_t *text, char *ansi, std::size_t capacity);

// An ANSI text (a setting) in UTF-16 for the W calls: 1 when it fitted,
// else 0 with wide empty.
int ansi_to_utf16(const char *text, wchar_t *wide, int capacity);
