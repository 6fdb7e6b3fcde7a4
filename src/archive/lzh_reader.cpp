#include "archive/lzh_reader.h"

#include "common/text.h"

#include <cstring>

#include <sys/stat.h>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

int lzh_eof = 0;

namespace {

// Counted reads the search for the first method id may spend.
const int SEARCH_LIMIT = 2048;
// The running total of extended-header sizes takes 65536 values, so a walk
// over more headers than that has come back to a size field it already read.
const long EXTENDED_HEADER_LIMIT = 65536;

// Two's complement view of a 32-bit position, without relying on the
// implementation's conversion of out-of-range values.
std::int32_t to_signed32(std::uint32_t position)
{
    if (position < 0x80000000u)
        return (std::int32_t)position;
    return -(std::int32_t)(~position) - 1;
}

// Positions of 2^31 and beyond are negative as signed 32-bit values: such a
// seek fails in both builds. Seeking beyond the end of the file succeeds.
int seek_to(std::FILE *file, std::uint32_t position)
{
    std::int32_t target = to_signed32(position);
    if (target < 0)
        return -1;
    return std::fseek(file, (long)target, SEEK_SET);
}

std::uint32_t position_of(std::FILE *file)
{
    return (std::uint32_t)std::ftell(file);
}

// read_u8 as a byte: end of file reads as 0xFF, as the numbers need it.
unsigned read_u8_or_ff(std::FILE *file)
{
    return (unsigned)read_u8(file) & 0xFF;
}

// Is the H = 0 at start the low byte of a level-2 header length that is a
// multiple of 256? Only when the length's high byte is not 0, the method id
// has its two dashes and the level byte says 2. Leaves the stream at
// start + 1 and lzh_eof clear.
bool is_level2_header_at(std::FILE *file, std::uint32_t start)
{
    unsigned char bytes[21];
    bytes[0] = 0;
    std::size_t got = std::fread(bytes + 1, 1, 20, file);
    std::clearerr(file);
    seek_to(file, start + 1);
    return got == 20 && bytes[1] != 0 && bytes[2] == '-' && bytes[6] == '-' && bytes[20] == 2;
}

// Walks the extended headers from the size field at p; a type-1 header puts
// the member name into name_buffer. Returns 0 with the running total in
// *total, or 2.
int walk_extended_headers(std::FILE *file, std::uint32_t p, unsigned *total, char *name_buffer)
{
    unsigned t = 0;
    for (long walked = 0;; ++walked) {
        if (lzh_eof || walked == EXTENDED_HEADER_LIMIT)
            return 2;
        if (seek_to(file, p + t) != 0)
            return 2;
        unsigned z = read_u16(file);
        t = (t + z) & 0xFFFF;
        if (z == 0)
            break;
        if (read_u8_or_ff(file) != 1)
            continue;
        if (z < 3 || z - 3 > LZH_NAME_MAX - 1)
            return 2;  // no room for a type byte, or a name longer than 100 bytes
        unsigned length = z - 3;
        for (unsigned i = 0; i < length; ++i)
            name_buffer[i] = (char)ascii_upper((unsigned char)read_u8_or_ff(file));
        name_buffer[length] = '\0';
    }
    *total = t;
    return 0;
}

// The stream when it reads a regular file; anything else is closed: a
// directory opens on some systems, and a FIFO or device is no archive.
std::FILE *keep_regular(std::FILE *file)
{
    struct stat status;
    if (file && (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))) {
        std::fclose(file);
        file = nullptr;
    }
    return file;
}

// Opens path for reading in bytes. A FIFO would block the open until a
// writer came, so it is opened without waiting; keep_regular refuses it.
std::FILE *open_file(const char *path)
{
#ifdef _WIN32
    return std::fopen(path, "rb");
#else
    int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    std::FILE *file = descriptor < 0 ? nullptr : fdopen(descriptor, "rb");
    if (descriptor >= 0 && !file)
        close(descriptor);
    return file;
#endif
}

}  // namespace

int read_u8(std::FILE *file)
{
    int c = std::fgetc(file);
    if (c == EOF) {
        lzh_eof = 1;
        return -1;
    }
    return c;
}

unsigned read_u16(std::FILE *file)
{
    unsigned low = read_u8_or_ff(file);
    return low | read_u8_or_ff(file) << 8;
}

std::uint32_t read_u32(std::FILE *file)
{
    std::uint32_t value = read_u16(file);
    value |= (std::uint32_t)read_u8_or_ff(file) << 16;
    value |= (std::uint32_t)read_u8_or_ff(file) << 24;
    return value;
}

int lzh_open_stream(std::FILE *file, LzhReader &reader)
{
    reader.entry = nullptr;
    reader.file = keep_regular(file);
    if (!reader.file)
        return 1;
    std::fseek(reader.file, 0, SEEK_END);
    reader.size = to_signed32(position_of(reader.file));
    std::fseek(reader.file, 2, SEEK_SET);
    return lzh_find_header_start(reader);
}

int lzh_open(const char *path, LzhReader &reader)
{
    copy_text(reader.path, sizeof reader.path, path);
    return lzh_open_stream(open_file(path), reader);
}

int lzh_find_header_start(LzhReader &reader)
{
    std::FILE *file = reader.file;
    lzh_eof = 0;
    for (int counter = SEARCH_LIMIT; counter > 0;) {
        int c = read_u8(file);
        --counter;
        if (lzh_eof)
            return 2;
        // A byte that breaks a partial match is tested again as a new '-'.
        while (c == '-') {
            if ((c = read_u8(file)) != 'l')
                continue;
            c = read_u8(file);
            if (c != 'z' && c != 'h')
                continue;
            read_u8(file);
            if ((c = read_u8(file)) != '-')
                continue;
            seek_to(file, position_of(file) - 7);  // two bytes before the first '-'
            return 0;
        }
    }
    return 2;
}

int lzh_read_header(LzhReader &reader, char *name_buffer)
{
    std::FILE *file = reader.file;
    lzh_eof = 0;
    const std::uint32_t start = position_of(file);
    const unsigned h = read_u8_or_ff(file);
    if (h == 0 && !is_level2_header_at(file, start))
        return 3;
    read_u8(file);
    char method[LZH_METHOD_LENGTH];
    for (char &c : method)
        c = (char)read_u8_or_ff(file);
    const std::uint32_t packed = read_u32(file);
    const std::uint32_t uncompressed = read_u32(file);
    read_u16(file);
    read_u16(file);
    read_u8(file);
    const unsigned level = read_u8_or_ff(file);

    std::uint32_t p;
    if (level == 2) {
        read_u8(file);
        read_u16(file);
        p = start + 24;
    } else {
        unsigned n = read_u8_or_ff(file);
        unsigned at = 0;
        for (unsigned i = 0; i < n; ++i) {
            unsigned char b = (unsigned char)read_u8_or_ff(file);
            if (level == 0 && b == '\\') {
                at = 0;  // keep only what follows the last backslash
                continue;
            }
            if (at == LZH_NAME_MAX)
                return 2;
            name_buffer[at++] = (char)ascii_upper(b);
        }
        name_buffer[at] = '\0';
        seek_to(file, start + h);
        p = start + h;
    }

    unsigned t = 0;
    if (level != 0 && walk_extended_headers(file, p, &t, name_buffer) != 0) {
        lzh_eof = 0;
        return 2;
    }
    if (lzh_eof) {
        lzh_eof = 0;
        return 2;
    }
    LzhEntry &entry = *reader.entry;
    entry.data_offset = to_signed32(p + t + 2);
    entry.compressed_size = to_signed32(level == 1 ? packed - t : packed);
    std::uint32_t next = p + 2 + packed + (level == 2 ? t : 0);
    if (seek_to(file, next) != 0)
        return 2;
    std::strncpy(entry.name, name_buffer, 13);
    entry.name[13] = '\0';
    entry.uncompressed_size = uncompressed;
    std::memcpy(entry.method, method, LZH_METHOD_LENGTH);
    entry.method[LZH_METHOD_LENGTH] = '\0';
    return 0;
}

void lzh_close(LzhReader &reader)
{
    if (reader.file)
        std::fclose(reader.file);
    reader.file = nullptr;
    copy_text(reader.path, sizeof reader.path, "closed");
}

int lzh_read_all_headers(const char *path, LzhObserver observer, void *context)
{
    LzhReader reader;
    LzhEntry entry;
    char name[LZH_NAME_BUFFER_SIZE] = "";
    int result = lzh_open(path, reader);
    if (result != 0) {
        if (result == 2)
            lzh_close(reader);
        observer(context, result, nullptr, name);
        return result;
    }
    reader.entry = &entry;
    do {
        std::int32_t start = to_signed32(position_of(reader.file));
        result = lzh_read_header(reader, name);
        observer(context, result, &entry, name);
        if (result == 0 && to_signed32(position_of(reader.file)) <= start) {
            result = 2;
            observer(context, result, &entry, name);
        }
    } while (result == 0);
    lzh_close(reader);
    return result;
}
