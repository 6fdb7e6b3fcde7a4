// libFuzzer target: any bytes as an archive file, classified and then walked
// header by header as `brisel-inspect --all` walks it; any bytes as an
// extension list too.
#include "archive/classifier.h"
#include "archive/lzh_reader.h"
#include "common/text.h"
#include "settings/settings.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <unistd.h>

namespace {

char archive_path[] = "/tmp/fuzz_classify_XXXXXX";

void remove_archive()
{
    std::remove(archive_path);
}

const char *archive_file()
{
    static bool made = false;
    if (!made) {
        int fd = mkstemp(archive_path);
        if (fd < 0)
            std::abort();
        close(fd);
        std::atexit(remove_archive);
        made = true;
    }
    return archive_path;
}

// A name the reader built never exceeds its limit.
void check_name(void *, int result, const LzhEntry *, const char *name)
{
    if (result == 0 && std::strlen(name) > LZH_NAME_MAX)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *path = archive_file();
    std::FILE *f = std::fopen(path, "wb");
    if (!f)
        std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    classify_archive(DEFAULT_EXT_KISS, DEFAULT_EXT_CG, DEFAULT_EXT_MIDI, path);
    lzh_read_all_headers(path, check_name, nullptr);

    // The same bytes as an extension list (a settings text of at most 259 bytes).
    char list[TEXT_SIZE];
    std::size_t length = size < TEXT_SIZE - 1 ? size : TEXT_SIZE - 1;
    std::memcpy(list, data, length);
    list[length] = '\0';
    for (const char *extension : {".CNF", ".", ".Q4", ".mid"})
        find_extension(list, extension);
    return 0;
}
