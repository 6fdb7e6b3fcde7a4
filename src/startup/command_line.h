// Splits the process's command-line text into arguments.
#pragma once

#include <string>
#include <vector>

// Answers whether a byte is the lead byte of a double-byte character in the
// ANSI code page (the product passes IsDBCSLeadByte).
typedef int (*LeadByteTest)(unsigned char byte);

// Splits command_line (program name first, as GetCommandLineA gives it) and
// appends the arguments after the program name to arguments. Blanks are space
// and tab; "..." sections keep blanks and join with adjacent text; \" is a
// literal quote; other backslashes stay; a lead byte takes the next byte with
// it unread; "" is an empty argument. The program name itself is not stored:
// the caller puts the module path first.
void split_command_line(const char *command_line, LeadByteTest is_lead_byte,
                        std::vector<std::string> &arguments);
