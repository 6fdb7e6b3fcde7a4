#include "launch/launch_rules.h"

#include <cstring>

#include "common/text.h"

// The verb under which the association registers this program.
static const char OWN_VERB[] = "brisel";

const char *application_dot(const char *application)
{
    return find_last(application, '.');
}

int names_program(const char *application)
{
    const char *dot = application_dot(application);
    return dot != nullptr && ascii_equal_nocase(dot + 1, "exe");
}

std::string launch_trace_line(const char *application, const char *archive)
{
    const char *dot = application_dot(application);
    std::string line = application;
    line += ':';
    line += archive;
    line += ':';
    line += dot ? dot : "(null)";
    line += ":\n";
    return line;
}

static int has_blank(const char *text)
{
    return std::strpbrk(text, " \t") != nullptr;
}

static void append_quoted(std::string &line, const char *text)
{
    line += '"';
    line += text;
    line += '"';
}

std::string build_command_line(const char *application, const char *archive,
                               FileExistsTest file_exists)
{
    std::string line;
    if (has_blank(application) && file_exists(application))
        append_quoted(line, application);
    else
        line += application;
    line += ' ';
    // Only a space asks for quotes around the archive path; a tab does not.
    if (std::strchr(archive, ' '))
        append_quoted(line, archive);
    else
        line += archive;
    return line;
}

int starts_self(const char *application, const char *module_path)
{
    if (names_program(application))
        return ascii_equal_nocase(application, module_path);
    return application[0] == '\0' || ascii_equal_nocase(application, OWN_VERB);
}
