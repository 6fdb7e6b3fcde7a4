#include "ui/association.h"

#include <shlobj.h>

#include <cstring>

#include "common/system_ansi.h"
#include "resource.h"
#include "ui/association_values.h"

namespace {

// A key path: the per-user prefix, a class name and a subkey.
enum { KEY_PATH_SIZE = 2 * TEXT_SIZE };
// The longest earlier value install keeps for undoing; a longer one is not
// overwritten at all.
enum { KEPT_VALUE_SIZE = 1024 };

// Where a set of classes lives: HKEY_CLASSES_ROOT, the view Windows merges
// from the machine-wide and the per-user classes, or the per-user classes.
struct ClassesPlace {
    HKEY root;
    const char *prefix;
};
const ClassesPlace MACHINE = {HKEY_CLASSES_ROOT, ""};
const ClassesPlace PER_USER = {HKEY_CURRENT_USER, USER_CLASSES};

// Where Windows records the app the user chose for ".lzh".
#define USER_CHOICE_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.lzh"

// place's prefix, then the parts; "" when the path would not fit.
void key_path(char *path, const ClassesPlace &place, const char *part1, const char *part2 = "")
{
    if (!join_texts(path, KEY_PATH_SIZE, {place.prefix, part1, part2}))
        path[0] = '\0';
}

int key_exists(HKEY root, const char *path)
{
    HKEY key;
    if (!path[0] || RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    RegCloseKey(key);
    return 1;
}

// Reads value name ("" for the default) of root\path into value
// (ASSOCIATION_VALUE_SIZE bytes). The registry may hold a string without its
// terminator, so the buffer is cleared first and the last byte is kept out
// of the read. Returns 1 when a non-empty text was read: an empty class name
// would make the root itself the class key, so it counts as missing everywhere.
int read_value(HKEY root, const char *path, const char *name, char *value)
{
    std::memset(value, 0, ASSOCIATION_VALUE_SIZE);
    HKEY key;
    if (!path[0] || RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0, size = ASSOCIATION_VALUE_SIZE - 1;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, (BYTE *)value, &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) && value[0] != '\0';
}

// The class ".lzh" names in a place. Per user, Windows reads the machine-wide
// name where the user's ".lzh" names none (Wine does not merge: read both).
int read_class_name(const ClassesPlace &place, char *class_name)
{
    char path[KEY_PATH_SIZE];
    key_path(path, place, ".lzh");
    return read_value(place.root, path, "", class_name) ||
           (place.root != HKEY_CLASSES_ROOT && read_value(HKEY_CLASSES_ROOT, ".lzh", "", class_name));
}

// Every key created and every value set by one install, so that a write
// refused halfway can be taken back.
struct Change {
    HKEY root;
    char path[KEY_PATH_SIZE];
    const char *name;  // the value; nullptr: the key itself was created
    int had_value;
    DWORD type, size;
    BYTE previous[KEPT_VALUE_SIZE];
};

struct Journal {
    Change changes[64];  // a whole install takes about 30
    int count;
    int failed;
};

Change *new_change(Journal &journal, HKEY root, const char *path, const char *name)
{
    if (journal.count == (int)(sizeof journal.changes / sizeof journal.changes[0])) {
        journal.failed = 1;
        return nullptr;
    }
    Change &change = journal.changes[journal.count++];
    change.root = root;
    copy_text(change.path, KEY_PATH_SIZE, path);
    change.name = name;
    change.had_value = 0;
    return &change;
}

// Creates root\path one level at a time, noting each key it creates.
int create_key(Journal &journal, HKEY root, const char *path)
{
    char level[KEY_PATH_SIZE];
    for (const char *end = path;; ++end) {
        if (*end != '\\' && *end != '\0')
            continue;
        std::size_t length = (std::size_t)(end - path);
        std::memcpy(level, path, length);
        level[length] = '\0';
        HKEY key;
        DWORD disposition = 0;
        if (RegCreateKeyExA(root, level, 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition) !=
            ERROR_SUCCESS) {
            journal.failed = 1;
            return 0;
        }
        RegCloseKey(key);
        if (disposition == REG_CREATED_NEW_KEY && !new_change(journal, root, level, nullptr))
            return 0;
        if (*end == '\0')
            return 1;
    }
}

// Sets value name ("" for the default) of root\path to text, noting what it
// held. Does nothing once a write of this install has failed.
void set_value(Journal &journal, HKEY root, const char *path, const char *name, const char *text)
{
    if (journal.failed || !path[0] || !create_key(journal, root, path))
        return;
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        journal.failed = 1;
        return;
    }
    Change *change = new_change(journal, root, path, name);
    if (change) {
        change->size = KEPT_VALUE_SIZE;
        LONG status = RegQueryValueExA(key, name, nullptr, &change->type, change->previous, &change->size);
        change->had_value = status == ERROR_SUCCESS;
        // A value too long to keep would be lost by the undo: leave it alone.
        if ((status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) ||
            RegSetValueExA(key, name, 0, REG_SZ, (const BYTE *)text, (DWORD)std::strlen(text) + 1) !=
                ERROR_SUCCESS)
            journal.failed = 1;
    }
    RegCloseKey(key);
}

// Takes back every change, the last first.
void undo(Journal &journal)
{
    for (int i = journal.count - 1; i >= 0; --i) {
        const Change &change = journal.changes[i];
        if (!change.name) {
            RegDeleteKeyA(change.root, change.path);
            continue;
        }
        HKEY key;
        if (RegOpenKeyExA(change.root, change.path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            continue;
        if (change.had_value)
            RegSetValueExA(key, change.name, 0, change.type, change.previous, change.size);
        else
            RegDeleteValueA(key, change.name);
        RegCloseKey(key);
    }
    journal.count = 0;
}

// Before the first install into a class, keeps its default verb and icon as
// values of Brisel's verb key, unless they are already Brisel's. A reinstall
// (the verb key is there) keeps what the first one kept.
void keep_previous_values(Journal &journal, const ClassesPlace &place, const char *class_name,
                          const char *module_path)
{
    char verb_key[KEY_PATH_SIZE], path[KEY_PATH_SIZE], previous[ASSOCIATION_VALUE_SIZE];
    key_path(verb_key, place, class_name, "\\shell\\" ASSOCIATION_VERB);
    if (key_exists(place.root, verb_key))
        return;
    key_path(path, place, class_name, "\\shell");
    if (read_value(place.root, path, "", previous) && !is_brisel_verb(previous))
        set_value(journal, place.root, verb_key, PREVIOUS_VERB_VALUE, previous);
    key_path(path, place, class_name, "\\DefaultIcon");
    if (read_value(place.root, path, "", previous) && !value_names_module(previous, module_path))
        set_value(journal, place.root, verb_key, PREVIOUS_ICON_VALUE, previous);
}

// Brisel's own class and its registration for Default apps, all per user.
void write_brisel_entries(Journal &journal, const char *command, const char *icon,
                          const char *module_path)
{
    HKEY user = HKEY_CURRENT_USER;
    set_value(journal, user, USER_CLASSES BRISEL_PROG_ID, "", "Brisel");
    set_value(journal, user, USER_CLASSES BRISEL_PROG_ID "\\DefaultIcon", "", icon);
    set_value(journal, user, USER_CLASSES BRISEL_PROG_ID "\\shell", "", ASSOCIATION_VERB);
    set_value(journal, user, USER_CLASSES BRISEL_PROG_ID "\\shell\\" ASSOCIATION_VERB "\\command", "",
              command);
    set_value(journal, user, USER_CLASSES ".lzh\\OpenWithProgids", BRISEL_PROG_ID, "");
    // The description in the user's language, from Brisel's string table.
    char description[ASSOCIATION_VALUE_SIZE];
    char id[16];
    wsprintfA(id, ",-%d", IDS_APPLICATION_DESCRIPTION);
    if (!join_texts(description, sizeof description, {"@", module_path, id}))
        journal.failed = 1;
    set_value(journal, user, BRISEL_CAPABILITIES, "ApplicationName", "Brisel");
    set_value(journal, user, BRISEL_CAPABILITIES, "ApplicationDescription", description);
    set_value(journal, user, BRISEL_CAPABILITIES "\\FileAssociations", ".lzh", BRISEL_PROG_ID);
    set_value(journal, user, "Software\\RegisteredApplications", "Brisel", BRISEL_CAPABILITIES);
}

// One attempt at the whole association in one place. 1 when every write took.
int write_association(Journal &journal, const ClassesPlace &place, const char *class_name,
                      int class_name_was_read, const char *module_path)
{
    char command[ASSOCIATION_VALUE_SIZE], icon[ASSOCIATION_VALUE_SIZE], path[KEY_PATH_SIZE];
    if (!format_command_value(command, sizeof command, module_path) ||
        !format_icon_value(icon, sizeof icon, module_path))
        return 0;
    if (!class_name_was_read) {
        key_path(path, place, ".lzh");
        set_value(journal, place.root, path, "", class_name);
    }
    key_path(path, place, class_name);
    if (!path[0] || !create_key(journal, place.root, path))
        return 0;
    keep_previous_values(journal, place, class_name, module_path);
    key_path(path, place, class_name, "\\shell");
    set_value(journal, place.root, path, "", ASSOCIATION_VERB);
    key_path(path, place, class_name, "\\shell\\" ASSOCIATION_VERB "\\command");
    set_value(journal, place.root, path, "", command);
    key_path(path, place, class_name, "\\DefaultIcon");
    set_value(journal, place.root, path, "", icon);
    write_brisel_entries(journal, command, icon, module_path);
    return !journal.failed;
}

int in_temporary_folder(const char *module_path)
{
    wchar_t temp[MAX_PATH], full[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    // The temporary folder may be given in short (8.3) names.
    if (!GetLongPathNameW(temp, full, MAX_PATH))
        lstrcpynW(full, temp, MAX_PATH);
    char folder[TEXT_SIZE];
    return ansi_exactly(full, folder, sizeof folder) && path_is_inside(module_path, folder);
}

void notify_shell()
{
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

// How many values the key holds that another program may have put there:
// all of them, or all but the default value when that one is ours to take
// with the key (".lzh" names the class there). -1 when it cannot be read.
int values_of_others(HKEY root, const char *path, int default_value_is_ours)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    DWORD count = 0;
    int result = -1;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                         nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        result = (int)count;
        DWORD type, size = 0;
        if (default_value_is_ours && count > 0 &&
            RegQueryValueExA(key, "", nullptr, &type, nullptr, &size) == ERROR_SUCCESS)
            --result;
    }
    RegCloseKey(key);
    return result;
}

// Deletes a key that holds neither subkeys nor values.
void delete_key_if_empty(HKEY root, const char *path)
{
    if (values_of_others(root, path, 0) == 0)
        delete_key_if_no_subkeys(root, path);
}

// Sets or deletes the default value of root\path: what removal puts back.
void put_back(HKEY root, const char *path, const char *previous)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    if (previous[0])
        RegSetValueExA(key, "", 0, REG_SZ, (const BYTE *)previous, (DWORD)std::strlen(previous) + 1);
    else
        RegDeleteValueA(key, "");
    RegCloseKey(key);
}

void remove_from(const ClassesPlace &place, const char *module_path)
{
    char class_name[ASSOCIATION_VALUE_SIZE], class_key[KEY_PATH_SIZE], path[KEY_PATH_SIZE];
    char previous_verb[ASSOCIATION_VALUE_SIZE], previous_icon[ASSOCIATION_VALUE_SIZE];
    char value[ASSOCIATION_VALUE_SIZE];
    if (!read_class_name(place, class_name))
        return;
    key_path(class_key, place, class_name);
    if (!key_exists(place.root, class_key))
        return;
    key_path(path, place, class_name, "\\shell\\" ASSOCIATION_VERB);
    read_value(place.root, path, PREVIOUS_VERB_VALUE, previous_verb);
    read_value(place.root, path, PREVIOUS_ICON_VALUE, previous_icon);
    key_path(path, place, class_name, "\\shell\\" ASSOCIATION_VERB "\\command");
    RegDeleteKeyA(place.root, path);
    key_path(path, place, class_name, "\\shell\\" ASSOCIATION_VERB);
    RegDeleteKeyA(place.root, path);

    // The default verb and icon go back to what they were, while still Brisel's.
    key_path(path, place, class_name, "\\shell");
    if (read_value(place.root, path, "", value) && is_brisel_verb(value))
        put_back(place.root, path, previous_verb);
    delete_key_if_no_subkeys(place.root, path);
    key_path(path, place, class_name, "\\DefaultIcon");
    if (read_value(place.root, path, "", value) && value_names_module(value, module_path)) {
        if (previous_icon[0])
            put_back(place.root, path, previous_icon);
        else
            RegDeleteKeyA(place.root, path);
    }

    // The class key and ".lzh" go only when nothing of anyone else is left in them.
    if (values_of_others(place.root, class_key, 0) == 0)
        delete_key_if_no_subkeys(place.root, class_key);
    if (key_exists(place.root, class_key))
        return;
    key_path(path, place, ".lzh");
    if (values_of_others(place.root, path, 1) == 0)
        delete_key_if_no_subkeys(place.root, path);
}

// Brisel's own class and registration (HKEY_CURRENT_USER), and the keys they
// leave empty.
void remove_brisel_entries()
{
    HKEY user = HKEY_CURRENT_USER;
    const char *const own_trees[] = {
        USER_CLASSES BRISEL_PROG_ID "\\shell\\" ASSOCIATION_VERB "\\command",
        USER_CLASSES BRISEL_PROG_ID "\\shell\\" ASSOCIATION_VERB,
        USER_CLASSES BRISEL_PROG_ID "\\shell",
        USER_CLASSES BRISEL_PROG_ID "\\DefaultIcon",
        USER_CLASSES BRISEL_PROG_ID,
        BRISEL_CAPABILITIES "\\FileAssociations",
        BRISEL_CAPABILITIES,
    };
    for (const char *path : own_trees)
        RegDeleteKeyA(user, path);
    const struct {
        const char *path, *name;
    } own_values[] = {
        {USER_CLASSES ".lzh\\OpenWithProgids", BRISEL_PROG_ID},
        {"Software\\RegisteredApplications", "Brisel"},
    };
    for (const auto &own : own_values) {
        HKEY key;
        if (RegOpenKeyExA(user, own.path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            continue;
        RegDeleteValueA(key, own.name);
        RegCloseKey(key);
    }
    for (const char *path : {USER_CLASSES ".lzh\\OpenWithProgids", USER_CLASSES ".lzh", "Software\\Brisel",
                             "Software\\RegisteredApplications"})
        delete_key_if_empty(user, path);
}

}  // namespace

int is_associated(const char *module_path)
{
    for (const ClassesPlace &place : {MACHINE, PER_USER}) {
        char class_name[ASSOCIATION_VALUE_SIZE], path[KEY_PATH_SIZE], command[ASSOCIATION_VALUE_SIZE];
        if (!read_class_name(place, class_name))
            continue;
        key_path(path, place, class_name, "\\shell\\" ASSOCIATION_VERB "\\command");
        if (read_value(place.root, path, "", command) && value_names_module(command, module_path))
            return 1;
    }
    return 0;
}

int install_association(const char *module_path, char *class_name)
{
    class_name[0] = '\0';
    if (in_temporary_folder(module_path))
        return ASSOCIATION_TEMPORARY;
    static Journal journal;
    int result = ASSOCIATION_REFUSED;
    for (const ClassesPlace &place : {MACHINE, PER_USER}) {
        journal.count = journal.failed = 0;
        int read = read_class_name(MACHINE, class_name);
        if (!read)
            copy_text(class_name, ASSOCIATION_VALUE_SIZE, ASSOCIATION_DEFAULT_CLASS);
        if (write_association(journal, place, class_name, read, module_path)) {
            result = place.root == HKEY_CLASSES_ROOT ? ASSOCIATION_MADE : ASSOCIATION_MADE_FOR_USER;
            break;
        }
        undo(journal);
    }
    if (result == ASSOCIATION_REFUSED)
        class_name[0] = '\0';
    notify_shell();
    return result;
}

LONG delete_key_if_no_subkeys(HKEY parent, const char *subkey)
{
    HKEY key;
    LONG status = RegOpenKeyA(parent, subkey, &key);
    if (status != ERROR_SUCCESS)
        return status;
    char first_subkey[TEXT_SIZE];
    status = RegEnumKeyA(key, 0, first_subkey, sizeof first_subkey);
    RegCloseKey(key);
    if (status != ERROR_NO_MORE_ITEMS)
        return status;
    return RegDeleteKeyA(parent, subkey);
}

int remove_association(const char *module_path)
{
    remove_brisel_entries();
    // Per user first: through HKEY_CLASSES_ROOT Windows would reach those keys first.
    remove_from(PER_USER, module_path);
    remove_from(MACHINE, module_path);
    notify_shell();
    return !is_associated(module_path);
}

void read_user_choice(char *prog_id, int capacity)
{
    char value[ASSOCIATION_VALUE_SIZE];
    // Windows 11 24H2 and later keep the choice under UserChoiceLatest.
    if (!read_value(HKEY_CURRENT_USER, USER_CHOICE_KEY "\\UserChoiceLatest\\ProgId", "ProgId", value) &&
        !read_value(HKEY_CURRENT_USER, USER_CHOICE_KEY "\\UserChoice", "ProgId", value))
        value[0] = '\0';
    copy_text(prog_id, (std::size_t)capacity, value);
}
