#include "startup/command_line.h"

static int is_blank(char c)
{
    return c == ' ' || c == '\t';
}

static const char *skip_blanks(const char *p)
{
    while (is_blank(*p))
        ++p;
    return p;
}

// Steps past the program name: a quoted name ends at the next quote (no
// escapes there), an unquoted one at the next blank.
static const char *skip_program_name(const char *p)
{
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && !is_blank(*p))
            ++p;
    }
    return p;
}

// Reads one argument starting at p (not a blank, not the end) and returns
// where it stopped: at the end of the text or just past its delimiter.
static const char *read_argument(const char *p, LeadByteTest is_lead_byte, std::string &argument)
{
    int quoted = 0;
    while (*p) {
        unsigned char c = (unsigned char)*p;
        if (is_lead_byte(c) && p[1] != '\0') {
            argument.append(p, 2);
            p += 2;
        } else if (c == '\\' && p[1] == '"') {
            argument.push_back('"');
            p += 2;
        } else if (c == '"') {
            quoted = !quoted;
            ++p;
        } else if (is_blank((char)c) && !quoted) {
            return p + 1;
        } else {
            argument.push_back((char)c);
            ++p;
        }
    }
    return p;
}

void split_command_line(const char *command_line, LeadByteTest is_lead_byte,
                        std::vector<std::string> &arguments)
{
    const char *p = skip_program_name(skip_blanks(command_line));
    for (;;) {
        p = skip_blanks(p);
        if (*p == '\0')
            return;
        arguments.emplace_back();
        p = read_argument(p, is_lead_byte, arguments.back());
    }
}
