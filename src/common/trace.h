// The diagnostic trace on standard output, seen only when it is redirected.
#pragma once

#include <initializer_list>

// Writes the texts one after the other; the result is not looked at.
// Plain fputs rather than printf keeps the C library's own printf, some
// 29 KB, out of the program.
void trace(std::initializer_list<const char *> texts);
