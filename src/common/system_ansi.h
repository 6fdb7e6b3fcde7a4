// The system's ANSI code page as an AnsiConverter (windows build only).
#pragma once

#include <cstddef>

#include "common/ansi_text.h"

const AnsiConverter &system_ansi_converter();

// to_ansi_exactly with the system's code page, for UTF-16 texts of Win32.
int ansi_exactly(const wchar_t *text, char *ansi, std::size_t capacity);
