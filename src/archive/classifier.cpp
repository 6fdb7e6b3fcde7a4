#include "archive/classifier.h"

#include "common/text.h"

#include <cstring>

namespace {

// Members whose extensions decide the kind.
const int MEMBER_LIMIT = 5;

// The kind of one member name: KISS, then CG, then MIDI; 0 when none.
ArchiveKind kind_of_name(const char *ext_kiss, const char *ext_cg, const char *ext_midi,
                         const char *name)
{
    const char *extension = find_last(name, '.');
    if (!extension)
        return ARCHIVE_ORDINARY;
    if (find_extension(ext_kiss, extension))
        return ARCHIVE_KISS;
    if (find_extension(ext_cg, extension))
        return ARCHIVE_CG;
    if (find_extension(ext_midi, extension))
        return ARCHIVE_MIDI;
    return ARCHIVE_ORDINARY;
}

void report(LzhObserver observer, void *context, int result, const LzhEntry *entry,
            const char *name)
{
    if (observer)
        observer(context, result, entry, name);
}

// Walks the reader that lzh_open or lzh_open_stream set up; opened is their result.
ArchiveKind classify_opened(const char *ext_kiss, const char *ext_cg, const char *ext_midi,
                            LzhReader &reader, int opened, LzhObserver observer, void *context)
{
    LzhEntry entry;
    char name[TEXT_SIZE] = "";  // a first member without a name has no extension
    if (opened != 0) {
        if (opened == 2)
            lzh_close(reader);
        report(observer, context, opened, nullptr, name);
        return ARCHIVE_ORDINARY;
    }
    reader.entry = &entry;
    ArchiveKind kind = ARCHIVE_ORDINARY;
    for (int member = 0; member < MEMBER_LIMIT && kind == ARCHIVE_ORDINARY; ++member) {
        int result = lzh_read_header(reader, name);
        report(observer, context, result, &entry, name);
        if (result != 0)
            break;
        kind = kind_of_name(ext_kiss, ext_cg, ext_midi, name);
    }
    lzh_close(reader);
    return kind;
}

}  // namespace

ArchiveKind classify_archive_observed(const char *ext_kiss, const char *ext_cg,
                                      const char *ext_midi, const char *path,
                                      LzhObserver observer, void *context)
{
    LzhReader reader;
    int opened = lzh_open(path, reader);
    return classify_opened(ext_kiss, ext_cg, ext_midi, reader, opened, observer, context);
}

ArchiveKind classify_archive_stream(const char *ext_kiss, const char *ext_cg,
                                    const char *ext_midi, std::FILE *file)
{
    LzhReader reader;
    reader.path[0] = '\0';
    int opened = lzh_open_stream(file, reader);
    return classify_opened(ext_kiss, ext_cg, ext_midi, reader, opened, nullptr, nullptr);
}

ArchiveKind classify_archive(const char *ext_kiss, const char *ext_cg, const char *ext_midi,
                             const char *path)
{
    return classify_archive_observed(ext_kiss, ext_cg, ext_midi, path, nullptr, nullptr);
}

const char *find_extension(const char *list, const char *extension)
{
    std::size_t length = std::strlen(extension);
    if (length == 0)
        return nullptr;
    for (const char *at = std::strchr(list, extension[0]); at; at = std::strchr(at + 1, extension[0])) {
        // A prefix match stops at the list's terminator, so no read runs past it.
        if (!ascii_prefix_nocase(at, extension))
            continue;
        char after = at[length];
        if (after == '.' || after == '\0')
            return at;
    }
    return nullptr;
}
