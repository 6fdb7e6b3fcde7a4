#include "inspect.h"

#include "archive/classifier.h"
#include "archive/lzh_reader.h"
#include "common/text.h"

namespace {

struct Walk {
    std::FILE *out;
    int open_result;
};

void write_step(void *context, int result, const LzhEntry *entry, const char *name)
{
    Walk &walk = *(Walk *)context;
    if (!entry)
        walk.open_result = result;
    if (result != 0) {
        std::fprintf(walk.out, "end\t%d\n", result);
        return;
    }
    std::fprintf(walk.out, "member\t");
    write_escaped(walk.out, entry->method);
    std::fprintf(walk.out, "\t%ld\t%lu\t%ld\t", (long)entry->compressed_size,
                 (unsigned long)entry->uncompressed_size, (long)entry->data_offset);
    write_escaped(walk.out, name);
    std::fprintf(walk.out, "\n");
}

// Every header until a non-zero result; a header whose next position wraps
// back onto itself or an earlier one ends the walk.
void walk_all(Walk &walk, const char *path)
{
    LzhReader reader;
    LzhEntry entry;
    char name[TEXT_SIZE] = "";
    int result = lzh_open(path, reader);
    if (result != 0) {
        if (result == 2)
            lzh_close(reader);
        write_step(&walk, result, nullptr, name);
        return;
    }
    reader.entry = &entry;
    do {
        std::int32_t start = lzh_tell(reader);
        result = lzh_read_header(reader, name);
        write_step(&walk, result, &entry, name);
        if (result == 0 && lzh_tell(reader) <= start) {
            result = 2;
            write_step(&walk, result, &entry, name);
        }
    } while (result == 0);
    lzh_close(reader);
}

}  // namespace

void write_escaped(std::FILE *out, const char *text)
{
    for (const unsigned char *p = (const unsigned char *)text; *p; ++p) {
        if (*p < 0x20 || *p == 0x7F)
            std::fprintf(out, "\\x%02X", *p);
        else
            std::fputc(*p, out);
    }
}

const char *kind_name(int kind)
{
    static const char *const names[] = {"ORDINARY", "KISS", "CG", "MIDI"};
    return kind >= 0 && kind < 4 ? names[kind] : "?";
}

int inspect_archive(std::FILE *out, const InspectOptions &options, const char *path)
{
    std::fprintf(out, "archive\t%s\n", path);
    Walk walk = {out, 0};
    int kind;
    if (options.all) {
        walk_all(walk, path);
        kind = classify_archive(options.ext_kiss, options.ext_cg, options.ext_midi, path);
    } else {
        kind = classify_archive_observed(options.ext_kiss, options.ext_cg, options.ext_midi, path,
                                         write_step, &walk);
    }
    std::fprintf(out, "kind\t%d\t%s\n", kind, kind_name(kind));
    return walk.open_result;
}
