#include "ui/association_values.h"

#include <cstdio>

static int format_value(char *value, std::size_t capacity, const char *format,
                        const char *module_path)
{
    int length = std::snprintf(value, capacity, format, module_path);
    return length >= 0 && (std::size_t)length < capacity;
}

int format_command_value(char *value, std::size_t capacity, const char *module_path)
{
    return format_value(value, capacity, "\"%s\" \"%%1\"", module_path);
}

int format_icon_value(char *value, std::size_t capacity, const char *module_path)
{
    return format_value(value, capacity, "%s,1", module_path);
}

int value_names_module(const char *value, const char *module_path)
{
    if (!module_path[0])
        return 0;
    if (value[0] == '"')
        ++value;
    return ascii_prefix_nocase(value, module_path);
}
