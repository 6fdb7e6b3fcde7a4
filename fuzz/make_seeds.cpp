// make_seeds DIR: the test archives as the fuzzer's starting corpus.
#include "lzh_corpus.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    for (const CorpusFile &file : lzh_corpus()) {
        if (!write_file_bytes(std::string(argv[1]) + "/" + file.name, file.bytes)) {
            std::fprintf(stderr, "make_seeds: cannot write into %s\n", argv[1]);
            return 1;
        }
    }
    return 0;
}
