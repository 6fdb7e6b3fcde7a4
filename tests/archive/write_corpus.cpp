// write_corpus DIR: writes the test archives into DIR (which must exist).
#include "lzh_corpus.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_corpus DIR\n");
        return 2;
    }
    for (const CorpusFile &file : lzh_corpus()) {
        std::string path = std::string(argv[1]) + "/" + file.name;
        if (!write_file_bytes(path, file.bytes)) {
            std::fprintf(stderr, "write_corpus: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
