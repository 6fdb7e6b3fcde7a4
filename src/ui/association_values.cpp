#include "ui/association_values.h"

#include <cstring>

int format_command_value(char *value, std::size_t capacity, const char *module_path)
{
    return join_texts(value, capacity, {"\"", module_path, "\" \"%1\""});
}

int format_icon_value(char *value, std::size_t capacity, const char *module_path)
{
    return join_texts(value, capacity, {module_path, ",1"});
}

int value_names_module(const char *value, const char *module_path)
{
    if (!module_path[0])
        return 0;
    if (value[0] == '"')
        ++value;
    return ascii_prefix_nocase(value, module_path);
}

int is_brisel_verb(const char *verb)
{
    return ascii_equal_nocase(verb, ASSOCIATION_VERB);
}

int choice_leads_to_brisel(const char *choice, const char *class_name, const char *module_path)
{
    if (choice[0] == '\0' || ascii_equal_nocase(choice, class_name) ||
        ascii_equal_nocase(choice, BRISEL_PROG_ID))
        return 1;
    const char *slash = find_last(module_path, '\\');
    const char *file_name = slash ? slash + 1 : module_path;
    static const char applications[] = "Applications\\";
    return ascii_prefix_nocase(choice, applications) &&
           ascii_equal_nocase(choice + sizeof applications - 1, file_name);
}

int path_is_inside(const char *path, const char *folder)
{
    std::size_t length = std::strlen(folder);
    while (length > 0 && folder[length - 1] == '\\')
        --length;
    if (length == 0)
        return 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (ascii_upper((unsigned char)path[i]) != ascii_upper((unsigned char)folder[i]))
            return 0;  // also where path ends first
    }
    return path[length] == '\\';
}
