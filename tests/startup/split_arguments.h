// The arguments split_command_line finds in a command line, as strings.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "startup/command_line.h"

inline std::vector<std::string> split_arguments(const char *line, LeadByteTest lead)
{
    std::vector<char> text(std::strlen(line) + 1);
    int count = split_command_line(line, lead, text.data(), text.size());
    std::vector<std::string> arguments;
    for (const char *argument = text.data(); count-- > 0; argument += std::strlen(argument) + 1)
        arguments.push_back(argument);
    return arguments;
}
