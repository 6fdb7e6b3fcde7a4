// The launcher's decisions, kept apart from the Win32 calls that carry them out.
#pragma once

#include <cstddef>

#include "common/text.h"

// Answers whether a path names an existing regular file, not a folder
// (GetFileAttributesW in the product).
typedef int (*RegularFileTest)(const char16_t *path);

// The last '.' of the application text, or nullptr when it has none.
const char *application_dot(const char *application);

// The third value of the launcher's trace line: the application text from its
// last '.' on, or "(null)" when it has none.
const char *trace_dot_text(const char *application);

// 1 when the text after the last '.' is "exe" in any ASCII case: the text is
// then started as a program; otherwise it is a shell verb for the archive.
int names_program(const char *application);

// 1 for a verb that would only run this program again on the same archive:
// an empty verb or "brisel", both the default verb of the association.
int verb_leads_back(const char *verb);

// The program file a program text starts, and how much of the text names it.
struct ProgramChoice {
    char16_t path[TEXT_SIZE];
    std::size_t written;  // units of the text that name the program; the rest are its arguments
};

// Finds the program of a program text without ever looking in the current
// directory: the whole text when it is an existing file ending in ".exe";
// else its first part up to a blank that is one, the rest being arguments;
// else, for a bare name (no blank, no folder), the first directory of
// search_path (';'-separated; entries that are not full paths are skipped)
// that holds it. A text that names a folder must be a full path. Returns 0
// when none of these is an existing file, which starts nothing.
int choose_program(const char16_t *text, const char16_t *search_path, RegularFileTest is_file,
                   ProgramChoice &choice);

// The command line for a program, in a buffer from malloc sized from the
// texts (the caller frees it; nullptr when memory ran out): the text's
// program part, quoted when it holds a blank so that Windows never tries its
// leading words (C:\Program.exe), the text's arguments, one blank, and the
// archive path, quoted when it holds a space.
char16_t *build_command_line(const char16_t *text, std::size_t written, const char16_t *archive);

// 1 for a path that names its drive or server and every folder: "C:\..." or "\\server\...".
int is_full_path(const char16_t *path);
