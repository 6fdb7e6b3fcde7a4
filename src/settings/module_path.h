// The program's own path in the ANSI code page, as the INI path and the
// association name it.
#pragma once

#include <cstddef>

#include "common/ansi_text.h"

// Converts path, the length units that GetModuleFileNameW wrote into a
// buffer of TEXT_SIZE units, into module_path (TEXT_SIZE bytes), exactly.
// Leaves module_path empty and returns 0 when the path cannot be named that
// way: no path, a path that fills the whole buffer (it may be cut), or a
// character the code page lacks (a best fit would name another file).
int module_path_in_ansi(const AnsiConverter &converter, const char16_t *path, std::size_t length,
                        char *module_path);
