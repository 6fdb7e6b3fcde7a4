#include "startup/command_line.h"

// One splitter for both forms of the command line: the ANSI text, whose
// double-byte characters must stay whole, and the UTF-16 text, which has no
// lead bytes (is_lead_byte null).

template <typename Unit>
static int is_blank(Unit c)
{
    return c == ' ' || c == '\t';
}

template <typename Unit>
static const Unit *skip_blanks(const Unit *p)
{
    while (is_blank(*p))
        ++p;
    return p;
}

// Steps past the program name: a quoted name ends at the next quote (no
// escapes there), an unquoted one at the next blank.
template <typename Unit>
static const Unit *skip_program_name(const Unit *p)
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
template <typename Unit>
struct Output {
    Unit *text;
    std::size_t capacity;
    std::size_t used;
    int full;
};

template <typename Unit>
static void put(Output<Unit> &out, Unit c)
{
    if (out.used < out.capacity)
        out.text[out.used++] = c;
    else
        out.full = 1;
}

template <typename Unit>
static int starts_double_byte(const Unit *p, LeadByteTest is_lead_byte)
{
    return is_lead_byte && is_lead_byte((unsigned char)*p) && p[1] != 0;
}

// Reads one argument starting at p (not a blank, not the end) and returns
// where it stopped: at the end of the text or just past its delimiter.
template <typename Unit>
static const Unit *read_argument(const Unit *p, LeadByteTest is_lead_byte, Output<Unit> &out)
{
    int quoted = 0;
    while (*p) {
        Unit c = *p;
        if (starts_double_byte(p, is_lead_byte)) {
            put(out, p[0]);
            put(out, p[1]);
            p += 2;
        } else if (c == '\\' && p[1] == '"') {
            put(out, (Unit)'"');
            p += 2;
        } else if (c == '"') {
            quoted = !quoted;
            ++p;
        } else if (is_blank(c) && !quoted) {
            return p + 1;
        } else {
            put(out, c);
            ++p;
        }
    }
    return p;
}

template <typename Unit>
static int split(const Unit *command_line, LeadByteTest is_lead_byte, Unit *text, std::size_t capacity)
{
    Output<Unit> out = {text, capacity, 0, 0};
    int count = 0;
    const Unit *p = skip_program_name(skip_blanks(command_line));
    for (;;) {
        p = skip_blanks(p);
        if (*p == 0)
            return count;
        p = read_argument(p, is_lead_byte, out);
        put(out, (Unit)0);
        if (out.full)
            return count;  // only whole arguments count
        ++count;
    }
}

int split_command_line(const char *command_line, LeadByteTest is_lead_byte, char *text,
                       std::size_t capacity)
{
    return split(command_line, is_lead_byte, text, capacity);
}

int split_command_line(const char16_t *command_line, char16_t *text, std::size_t capacity)
{
    return split(command_line, nullptr, text, capacity);
}
