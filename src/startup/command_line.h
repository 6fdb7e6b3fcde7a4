// Splits the process's command-line text into arguments.
#pragma once

#include <cstddef>

// Answers whether a byte is the lead byte of a double-byte character in the
// ANSI code page (the product passes IsDBCSLeadByte).
typedef int (*LeadByteTest)(unsigned char byte);

// Splits command_line (program name first, as GetCommandLineA gives it) and
// stores the arguments after the program name one after the other in text,
// each zero-terminated; returns how many there are. Blanks are space and tab;
// "..." sections keep blanks and join with adjacent text; \" is a literal
// quote; other backslashes stay; a lead byte takes the next byte with it
// unread; "" is an empty argument. The arguments never take more room than
// the command line itself: capacity strlen(command_line) + 1 always suffices,
// and a smaller text is never overrun (the arguments that fit are kept).
int split_command_line(const char *command_line, LeadByteTest is_lead_byte, char *text,
                       std::size_t capacity);

// The same rules over the UTF-16 command line (GetCommandLineW), which holds
// every file name exactly; capacity counts units. No lead-byte test: no
// UTF-16 unit stands for part of a blank, quote or backslash.
int split_command_line(const char16_t *command_line, char16_t *text, std::size_t capacity);
