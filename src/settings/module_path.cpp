#include "settings/module_path.h"

#include "common/text.h"

int module_path_in_ansi(const AnsiConverter &converter, const char16_t *path, std::size_t length,
                        char *module_path)
{
    module_path[0] = '\0';
    if (length == 0 || length >= TEXT_SIZE)
        return 0;
    return to_ansi_exactly(converter, path, module_path, TEXT_SIZE);
}
