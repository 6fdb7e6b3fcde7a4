// The .lzh shell association: Brisel as the default verb of the file class
// that ".lzh" names, with its command and document icon, under
// HKEY_CLASSES_ROOT. Each operation opens and closes its own keys;
// module_path is the full path of this executable.
#pragma once

#include <windows.h>

// 1 when the class of ".lzh" has a "brisel" command naming this executable.
int is_associated(const char *module_path);

// Makes Brisel the default verb of the class of ".lzh" ("lzhfile" when
// ".lzh" names none) and registers the document icon. Writes what it can.
void install_association(const char *module_path);

// Takes back what install_association wrote: the verb, the icon value when it
// still names this executable, and keys left empty by that.
void remove_association(const char *module_path);

// Deletes subkey of parent when it has no subkeys; returns the registry status.
LONG delete_key_if_no_subkeys(HKEY parent, const char *subkey);
