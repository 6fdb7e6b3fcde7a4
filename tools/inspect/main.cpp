// brisel-inspect [--all] [--kiss LIST] [--cg LIST] [--midi LIST] ARCHIVE...
// brisel-inspect --version
// Shows how Brisel reads and classifies each archive, without launching anything.
#include "inspect.h"

#include "settings/settings.h"
#include "version.h"

#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: brisel-inspect [--all] [--kiss LIST] [--cg LIST] [--midi LIST] ARCHIVE...\n"
                 "       brisel-inspect --version\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    // Fully buffered even where standard output is a device: unbuffered, a
    // long listing would be written byte by byte.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    // The lists default to the settings' built-in ones.
    InspectOptions options = {DEFAULT_EXT_KISS, DEFAULT_EXT_CG, DEFAULT_EXT_MIDI, false};
    int first = 1;
    for (; first < argc && std::strncmp(argv[first], "--", 2) == 0; ++first) {
        const char *option = argv[first];
        if (std::strcmp(option, "--") == 0) {
            ++first;
            break;
        }
        if (std::strcmp(option, "--all") == 0) {
            options.all = true;
            continue;
        }
        if (std::strcmp(option, "--version") == 0) {
            std::printf("brisel-inspect " BRISEL_VERSION "\n");
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (first + 1 >= argc)
            return usage();
        const char *value = argv[++first];
        if (std::strcmp(option, "--kiss") == 0)
            options.ext_kiss = value;
        else if (std::strcmp(option, "--cg") == 0)
            options.ext_cg = value;
        else if (std::strcmp(option, "--midi") == 0)
            options.ext_midi = value;
        else
            return usage();
    }
    if (first >= argc)
        return usage();

    int status = 0;
    for (int i = first; i < argc; ++i) {
        if (inspect_archive(stdout, options, argv[i]) == 1) {
            std::fflush(stdout);
            std::fprintf(stderr, "brisel-inspect: cannot open %s\n", argv[i]);
            status = 1;
        }
    }
    return std::fflush(stdout) == 0 ? status : 1;
}
