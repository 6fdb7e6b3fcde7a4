#include "launch/launch_rules.h"

#include <cstdlib>
#include <cstring>

#include "common/text.h"

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

// Appends text at end, between quotes when asked; returns the new end.
static char *append(char *end, const char *text, int quoted)
{
    std::size_t length = std::strlen(text);
    if (quoted)
        *end++ = '"';
    std::memcpy(end, text, length);
    end += length;
    if (quoted)
        *end++ = '"';
    return end;
}

char *build_command_line(const char *application, const char *archive, FileExistsTest file_exists)
{
    // Two texts, four quotes at most, the blank between them and the terminator.
    char *line = (char *)std::malloc(std::strlen(application) + std::strlen(archive) + 6);
    if (!line)
        return nullptr;
    int quote_application = std::strpbrk(application, " \t") && file_exists(application);
    char *end = append(line, application, quote_application);
    *end++ = ' ';
    // Only a space asks for quotes around the archive path; a tab does not.
    end = append(end, archive, std::strchr(archive, ' ') != nullptr);
    *end = '\0';
    return line;
}

int starts_self(const char *application, const char *module_path)
{
    if (names_program(application))
        return ascii_equal_nocase(application, module_path);
    return application[0] == '\0' || ascii_equal_nocase(application, OWN_VERB);
}
