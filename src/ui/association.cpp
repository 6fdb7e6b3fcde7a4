#include "ui/association.h"

#include <cstring>

#include "startup/settings.h"
#include "ui/association_values.h"

// Reads the default value of subkey into value (capacity ASSOCIATION_VALUE_SIZE).
// The registry may hold a string without its terminator, so the buffer is
// cleared first and the last byte is kept out of the read. Returns 1 when a
// non-empty text was read: an empty class name would make HKEY_CLASSES_ROOT
// itself the class key, so it counts as missing everywhere.
static int read_default_value(HKEY key, const char *subkey, char *value)
{
    std::memset(value, 0, ASSOCIATION_VALUE_SIZE);
    LONG capacity = ASSOCIATION_VALUE_SIZE - 1;
    return RegQueryValueA(key, subkey, value, &capacity) == ERROR_SUCCESS && value[0] != '\0';
}

// Sets the default value of subkey; the length counts the terminator.
static void write_default_value(HKEY key, const char *subkey, const char *value)
{
    RegSetValueA(key, subkey, REG_SZ, value, (DWORD)(std::strlen(value) + 1));
}

static int read_class_name(char *class_name)
{
    return read_default_value(HKEY_CLASSES_ROOT, ".lzh", class_name);
}

int is_associated()
{
    char class_name[ASSOCIATION_VALUE_SIZE];
    if (!read_class_name(class_name))
        return 0;
    HKEY class_key;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, class_name, &class_key) != ERROR_SUCCESS)
        return 0;
    char command[ASSOCIATION_VALUE_SIZE];
    int result = read_default_value(class_key, "shell\\" ASSOCIATION_VERB "\\command", command) &&
                 value_names_module(command, settings.module_path);
    RegCloseKey(class_key);
    return result;
}

void install_association()
{
    char class_name[ASSOCIATION_VALUE_SIZE];
    if (!read_class_name(class_name)) {
        copy_text(class_name, sizeof class_name, ASSOCIATION_DEFAULT_CLASS);
        write_default_value(HKEY_CLASSES_ROOT, ".lzh", class_name);
    }
    HKEY class_key;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, class_name, &class_key) != ERROR_SUCCESS)
        return;
    char value[ASSOCIATION_VALUE_SIZE];
    write_default_value(class_key, "shell", ASSOCIATION_VERB);
    if (format_command_value(value, sizeof value, settings.module_path))
        write_default_value(class_key, "shell\\" ASSOCIATION_VERB "\\command", value);
    if (format_icon_value(value, sizeof value, settings.module_path))
        write_default_value(class_key, "DefaultIcon", value);
    RegCloseKey(class_key);
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

// 1 when the key holds no value at all, or only its default value when
// default_allowed is set. Another program's data then cannot go with it.
static int has_no_values(HKEY parent, const char *subkey, int default_allowed)
{
    HKEY key;
    if (RegOpenKeyA(parent, subkey, &key) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    LONG status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   &count, nullptr, nullptr, nullptr, nullptr);
    int empty = status == ERROR_SUCCESS && count == 0;
    if (status == ERROR_SUCCESS && count == 1 && default_allowed) {
        DWORD type;
        DWORD size = 0;
        empty = RegQueryValueExA(key, "", nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return empty;
}

void remove_association()
{
    char class_name[ASSOCIATION_VALUE_SIZE];
    if (!read_class_name(class_name))
        return;
    HKEY class_key;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, class_name, &class_key) != ERROR_SUCCESS)
        return;
    RegDeleteKeyA(class_key, "shell\\" ASSOCIATION_VERB "\\command");
    RegDeleteKeyA(class_key, "shell\\" ASSOCIATION_VERB);
    delete_key_if_no_subkeys(class_key, "shell");
    char icon[ASSOCIATION_VALUE_SIZE];
    if (read_default_value(class_key, "DefaultIcon", icon) &&
        value_names_module(icon, settings.module_path))
        RegDeleteKeyA(class_key, "DefaultIcon");
    RegCloseKey(class_key);

    // The class key and ".lzh" go only when nothing of anyone else is left in them.
    if (has_no_values(HKEY_CLASSES_ROOT, class_name, 0))
        delete_key_if_no_subkeys(HKEY_CLASSES_ROOT, class_name);
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, class_name, &class_key) == ERROR_SUCCESS) {
        RegCloseKey(class_key);
        return;
    }
    if (has_no_values(HKEY_CLASSES_ROOT, ".lzh", 1))
        delete_key_if_no_subkeys(HKEY_CLASSES_ROOT, ".lzh");
}
