// The launcher's decisions, kept apart from the Win32 calls that carry them out.
#pragma once

// Answers whether a whole text names an existing file (GetFileAttributesA in
// the product).
typedef int (*FileExistsTest)(const char *path);

// The last '.' of the application text, or nullptr when it has none.
const char *application_dot(const char *application);

// The third value of the launcher's trace line: the application text from its
// last '.' on, or "(null)" when it has none.
const char *trace_dot_text(const char *application);

// 1 when the text after the last '.' is "exe" in any ASCII case: the text is
// then started as a program; otherwise it is a shell verb for the archive.
int names_program(const char *application);

// The command line for a program, in a buffer from malloc sized from the two
// texts (the caller frees it; nullptr when memory ran out): the application
// text, one blank, and the archive path, quoted when it holds a space. The
// application text is quoted when it holds a blank and names an existing
// file, so that Windows does not try its leading words (C:\Program.exe)
// first; any other text stays as it is.
char *build_command_line(const char *application, const char *archive, FileExistsTest file_exists);

// 1 when starting the application would run this program again on the same
// archive: in the shell branch an empty verb or "brisel" (both the default
// verb of the association), in the program branch the module path itself.
int starts_self(const char *application, const char *module_path);
