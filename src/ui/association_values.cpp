#include "ui/association_values.h"

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
