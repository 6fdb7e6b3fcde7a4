#include "ui/association.h"

#include <cstring>

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

int is_associated(const char *module_path)
{
    char class_name[ASSOCIATION_VALUE_SIZE];
    if (!read_class_name(class_name))
        return 0;
    HKEY class_key;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, class_name, &class_key) != ERROR_SUCCESS)
        return 0;
    char command[ASSOCIATION_VALUE_SIZE];
    int result = read_default_value(class_key, "shell\\" ASSOCIATION_VERB "\\command", command) &&
                 value_names_module(command, module_path);
    RegCloseKey(class_key);
    return result;
}

void install_association(const char *module_path)
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
    if (format_command_value(value, sizeof value, module_path))
        write_default_value(class_key, "shell\\" ASSOCIATION_VERB "\\command", value);
    if (format_icon_value(value, sizeof value, module_path))
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

// How many values the key holds that another program may have put there:
// all of them, or all but the default value when that one is ours to take
// with the key (".lzh" names the class there). -1 when it cannot be read.
static int values_of_others(HKEY parent, const char *subkey, int default_value_is_ours)
{
    HKEY key;
    if (RegOpenKeyA(parent, subkey, &key) != ERROR_SUCCESS)
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

void remove_association(const char *module_path)
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
        value_names_module(icon, module_path))
        RegDeleteKeyA(class_key, "DefaultIcon");
    RegCloseKey(class_key);

    // The class key and ".lzh" go only when nothing of anyone else is left in them.
    if (values_of_others(HKEY_CLASSES_ROOT, class_name, 0) == 0)
        delete_key_if_no_subkeys(HKEY_CLASSES_ROOT, class_name);
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, class_name, &class_key) == ERROR_SUCCESS) {
        RegCloseKey(class_key);
        return;
    }
    if (values_of_others(HKEY_CLASSES_ROOT, ".lzh", 1) == 0)
        delete_key_if_no_subkeys(HKEY_CLASSES_ROOT, ".lzh");
}
