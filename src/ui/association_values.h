// The texts of the .lzh association: the values Brisel writes under its file
// class and the test whether a value read back names this executable.
// Portable: the registry work lives in association.cpp.
#pragma once

#include <cstddef>

#include "common/text.h"

// The verb Brisel registers as the default action of the class.
#define ASSOCIATION_VERB "brisel"
// The class taken when ".lzh" names none.
#define ASSOCIATION_DEFAULT_CLASS "lzhfile"

// Room for every value formed from a module path of up to 259 bytes: the
// command adds two pairs of double quotes, a blank and "%1" (seven bytes).
// Values are read back into buffers of the same size, so anything written
// here is recognised again.
enum { ASSOCIATION_VALUE_SIZE = TEXT_SIZE + 8 };

// "module" "%1": the program path quoted, so that a folder with blanks in
// its name cannot be mistaken for a shorter program. Returns 1 when the
// whole value fitted in capacity (always so for ASSOCIATION_VALUE_SIZE).
int format_command_value(char *value, std::size_t capacity, const char *module_path);

// module,1: the second icon group of the executable, the document icon.
int format_icon_value(char *value, std::size_t capacity, const char *module_path);

// 1 when value begins with module_path, ignoring ASCII case, after at most
// one leading double quote: both the quoted command and the unquoted form of
// older installations are recognised. An empty module path names nothing.
int value_names_module(const char *value, const char *module_path);
