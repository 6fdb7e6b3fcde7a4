#include "inspect.h"

#include "archive/classifier.h"
#include "archive/lzh_reader.h"
#include "common/text.h"

#include <cstring>

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
    write_escaped_bytes(walk.out, entry->method, LZH_METHOD_LENGTH);
    std::fprintf(walk.out, "\t%ld\t%lu\t%ld\t", (long)entry->compressed_size,
                 (unsigned long)entry->uncompressed_size, (long)entry->data_offset);
    write_escaped(walk.out, name);
    std::fprintf(walk.out, "\n");
}

}  // namespace

void write_escaped_bytes(std::FILE *out, const char *bytes, std::size_t length)
{
    for (const unsigned char *p = (const unsigned char *)bytes; length-- > 0; ++p) {
        if (*p < 0x20 || *p == 0x7F)
            std::fprintf(out, "\\x%02X", *p);
        else
            std::fputc(*p, out);
    }
}

void write_escaped(std::FILE *out, const char *text)
{
    write_escaped_bytes(out, text, std::strlen(text));
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
        lzh_read_all_headers(path, write_step, &walk);
        kind = classify_archive(options.ext_kiss, options.ext_cg, options.ext_midi, path);
    } else {
        kind = classify_archive_observed(options.ext_kiss, options.ext_cg, options.ext_midi, path,
                                         write_step, &walk);
    }
    std::fprintf(out, "kind\t%d\t%s\n", kind, kind_name(kind));
    return walk.open_result;
}
