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
// Brisel's own class, which "Open with" and Default apps offer; its only verb
// is ASSOCIATION_VERB. No verb "open" of Brisel's exists anywhere: a verb
// "open" configured as an application must never lead back to Brisel.
#define BRISEL_PROG_ID "Brisel.Archive"
// Brisel's registration for Default apps, under HKEY_CURRENT_USER.
#define BRISEL_CAPABILITIES "Software\\Brisel\\Capabilities"
// Where the per-user classes live, merged by Windows into HKEY_CLASSES_ROOT.
#define USER_CLASSES "Software\\Classes\\"
// What install found before it made Brisel the class's default verb and icon,
// kept as values of Brisel's verb key (which removal deletes anyway) and put
// back by removal. A missing value means there was none.
#define PREVIOUS_VERB_VALUE "PreviousDefaultVerb"
#define PREVIOUS_ICON_VALUE "PreviousDefaultIcon"

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

// 1 when the default verb of a class is Brisel's own.
int is_brisel_verb(const char *verb);

// 1 when the program Windows recorded as the user's choice for ".lzh" (the
// ProgId of UserChoice; "" when none) still starts Brisel: the class Brisel
// wrote into, Brisel's ProgID, or the "Applications" entry of its file name.
int choice_leads_to_brisel(const char *choice, const char *class_name, const char *module_path);

// 1 when path lies inside folder (a full path, with or without its final
// backslash), ignoring ASCII case.
int path_is_inside(const char *path, const char *folder);

// 1 when value begins with module_path, ignoring ASCII case, after at most
// one leading double quote: both the quoted command and the unquoted form of
// older installations are recognised. An empty module path names nothing.
int value_names_module(const char *value, const char *module_path);
