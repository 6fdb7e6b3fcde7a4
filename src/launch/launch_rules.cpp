#include "launch/launch_rules.h"

#include <cstdlib>
#include <cstring>

#include "common/wide_text.h"

// The verb under which the association registers this program.
static const char OWN_VERB[] = "brisel";

const char *application_dot(const char *application)
{
    return find_last(application, '.');
}

const char *trace_dot_text(const char *application)
{
    const char *dot = application_dot(application);
    return dot ? dot : "(null)";
}

int names_program(const char *application)
{
    const char *dot = application_dot(application);
    return dot != nullptr && ascii_equal_nocase(dot + 1, "exe");
}

int verb_leads_back(const char *verb)
{
    return verb[0] == '\0' || ascii_equal_nocase(verb, OWN_VERB);
}

static int is_blank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

static int is_separator(char16_t c)
{
    return c == u'\\' || c == u'/';
}

// 1 when the first length units of text hold a or b.
static int holds(const char16_t *text, std::size_t length, char16_t a, char16_t b)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == a || text[i] == b)
            return 1;
    }
    return 0;
}

static int ends_in_exe(const char16_t *text, std::size_t length)
{
    return length >= 4 && wide_matches_ascii_nocase(text + length - 4, 4, ".exe");
}

int is_full_path(const char16_t *path)
{
    char16_t drive = (char16_t)(path[0] | 0x20);
    if (drive >= u'a' && drive <= u'z' && path[1] == u':' && is_separator(path[2]))
        return 1;
    return is_separator(path[0]) && is_separator(path[1]);
}

// The first length units of text as the program: a full path ending in
// ".exe" that names an existing file. A relative one would be looked for in
// the current directory, which after a double-click is the archive's folder.
static int take_program(const char16_t *text, std::size_t length, RegularFileTest is_file,
                        ProgramChoice &choice)
{
    if (!ends_in_exe(text, length) || !is_full_path(text))
        return 0;
    if (!wide_copy(choice.path, TEXT_SIZE, text, length) || !is_file(choice.path))
        return 0;
    choice.written = length;
    return 1;
}

// A bare name in the directories of search_path, in their order.
static int search_program(const char16_t *name, const char16_t *search_path, RegularFileTest is_file,
                          ProgramChoice &choice)
{
    std::size_t name_length = wide_length(name);
    const char16_t *entry = search_path;
    while (*entry) {
        const char16_t *end = entry;
        while (*end && *end != u';')
            ++end;
        std::size_t length = (std::size_t)(end - entry);
        while (length > 0 && is_separator(entry[length - 1]))
            --length;
        if (length > 0 && is_full_path(entry) && length + 1 + name_length < TEXT_SIZE) {
            std::memcpy(choice.path, entry, length * sizeof *entry);
            choice.path[length] = u'\\';
            wide_copy(choice.path + length + 1, TEXT_SIZE - length - 1, name, name_length);
            if (is_file(choice.path)) {
                choice.written = name_length;
                return 1;
            }
        }
        entry = *end ? end + 1 : end;
    }
    return 0;
}

int choose_program(const char16_t *text, const char16_t *search_path, RegularFileTest is_file,
                   ProgramChoice &choice)
{
    std::size_t length = wide_length(text);
    if (take_program(text, length, is_file, choice))
        return 1;
    int folder = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (is_blank(text[i]) && take_program(text, i, is_file, choice))
            return 1;
        folder |= is_separator(text[i]) || text[i] == u':';
    }
    if (folder || holds(text, length, u' ', u'\t') || !ends_in_exe(text, length))
        return 0;
    return search_program(text, search_path, is_file, choice);
}

// Appends length units of text at end, between quotes when asked; returns the new end.
static char16_t *append(char16_t *end, const char16_t *text, std::size_t length, int quoted)
{
    if (quoted)
        *end++ = u'"';
    std::memcpy(end, text, length * sizeof *text);
    end += length;
    if (quoted)
        *end++ = u'"';
    return end;
}

char16_t *build_command_line(const char16_t *text, std::size_t written, const char16_t *archive)
{
    std::size_t text_length = wide_length(text), archive_length = wide_length(archive);
    // Two texts, four quotes at most, the blank between them and the terminator.
    char16_t *line = (char16_t *)std::malloc((text_length + archive_length + 6) * sizeof *line);
    if (!line)
        return nullptr;
    char16_t *end = append(line, text, written, holds(text, written, u' ', u'\t'));
    end = append(end, text + written, text_length - written, 0);
    *end++ = u' ';
    // Only a space asks for quotes around the archive path; a tab does not.
    end = append(end, archive, archive_length, holds(archive, archive_length, u' ', u' '));
    *end = u'\0';
    return line;
}
