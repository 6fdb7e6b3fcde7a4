// The .lzh shell association: Brisel as the default verb of the file class
// that ".lzh" names, with its command and document icon, under
// HKEY_CLASSES_ROOT, or for this user only where the machine-wide classes
// refuse the write. Brisel also registers its own class, which Windows
// offers in "Open with" and Default apps. Each operation opens and closes its
// own keys; module_path is the full path of this executable.
#pragma once

#include <windows.h>

enum AssociationResult {
    ASSOCIATION_MADE = 0,          // through HKEY_CLASSES_ROOT, as Windows placed it
    ASSOCIATION_MADE_FOR_USER = 1, // the machine-wide write was refused: for this user
    ASSOCIATION_REFUSED = 2,       // nothing could be written; nothing was left behind
    ASSOCIATION_TEMPORARY = 3,     // run from a temporary folder: nothing was written
};

// 1 when the class of ".lzh" has a "brisel" command naming this executable,
// machine-wide or for this user.
int is_associated(const char *module_path);

// Makes Brisel the default verb of the class of ".lzh" ("lzhfile" when
// ".lzh" names none) and registers the document icon, keeping the class's
// previous default verb and icon for removal. A write refused halfway is
// undone before the per-user attempt. class_name (ASSOCIATION_VALUE_SIZE
// bytes) receives the class written into. Returns an AssociationResult.
int install_association(const char *module_path, char *class_name);

// Takes back what install_association wrote, in both places: the verb, the
// previous default verb and icon put back, the keys left empty by that, and
// Brisel's own class and registration. Returns 0 when the association still
// names this executable afterwards (a removal refused), else 1.
int remove_association(const char *module_path);

// The ProgId of the app the user chose for ".lzh" in Windows' own dialogs
// ("" when none): it wins over the class's default verb.
void read_user_choice(char *prog_id, int capacity);

// Deletes subkey of parent when it has no subkeys; returns the registry status.
LONG delete_key_if_no_subkeys(HKEY parent, const char *subkey);
