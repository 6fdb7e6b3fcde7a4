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

// The bounded output of the splitter.
struct Output {
    char *text;
    std::size_t capacity;
    std::size_t used;
    int full;
};

static void put(Output &out, char c)
{
    if (out.used < out.capacity)
        out.text[out.used++] = c;
    else
        out.full = 1;
}

// Reads one argument starting at p (not a blank, not the end) and returns
// where it stopped: at the end of the text or just past its delimiter.
static const char *read_argument(const char *p, LeadByteTest is_lead_byte, Output &out)
{
    int quoted = 0;
    while (*p) {
        unsigned char c = (unsigned char)*p;
        if (is_lead_byte(c) && p[1] != '\0') {
            put(out, p[0]);
            put(out, p[1]);
            p += 2;
        } else if (c == '\\' && p[1] == '"') {
            put(out, '"');
            p += 2;
        } else if (c == '"') {
            quoted = !quoted;
            ++p;
        } else if (is_blank((char)c) && !quoted) {
            return p + 1;
        } else {
            put(out, (char)c);
            ++p;
        }
    }
    return p;
}

int split_command_line(const char *command_line, LeadByteTest is_lead_byte, char *text,
                       std::size_t capacity)
{
    Output out = {text, capacity, 0, 0};
    int count = 0;
    const char *p = skip_program_name(skip_blanks(command_line));
    for (;;) {
        p = skip_blanks(p);
        if (*p == '\0')
            return count;
        p = read_argument(p, is_lead_byte, out);
        put(out, '\0');
        if (out.full)
            return count;  // only whole arguments count
        ++count;
    }
}
