#include "common/trace.h"

#include <cstdio>

void trace(std::initializer_list<const char *> texts)
{
    for (const char *text : texts)
        std::fputs(text, stdout);
}
