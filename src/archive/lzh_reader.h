// Reads the member headers of an LZH archive (levels 0, 1 and 2): names,
// method ids, sizes and data positions. Never decompresses, never checks a
// CRC or checksum, never writes. Portable C++ over buffered stdio streams.
//
// Positions are signed 32-bit offsets computed in unsigned 32-bit arithmetic,
// the same in the 32-bit Windows program and in 64-bit host builds.
#pragma once

#include <cstdint>
#include <cstdio>

enum {
    LZH_PATH_SIZE = 140,         // 139 bytes of the path and the terminator
    LZH_NAME_BUFFER_SIZE = 102,  // a header read writes at most this much into the name buffer
    LZH_NAME_MAX = 101,          // name bytes a header read keeps
};

// One member, filled by lzh_read_header.
struct LzhEntry {
    char name[14];      // first 13 bytes of the upper-cased name, zero-filled
    char method[6];     // the five method-id bytes as stored, then a zero
    std::uint32_t uncompressed_size;
    std::int32_t data_offset;
    std::int32_t compressed_size;
};

// One open archive.
struct LzhReader {
    char path[LZH_PATH_SIZE];  // copy of the opened path, cut to fit; "closed" after lzh_close
    std::int32_t size;         // length of the archive in bytes
    LzhEntry *entry;           // the caller's record that each header read fills
    std::FILE *file;
};

// Set by read_u8 at end of file or on a read error. One flag for the whole
// module: only one archive is read at a time.
extern int lzh_eof;

// Next byte 0..255, or -1 (and lzh_eof set) at end of file or on an error.
int read_u8(std::FILE *file);
// Little-endian numbers; a byte read at end of file counts as 0xFF.
unsigned read_u16(std::FILE *file);
std::uint32_t read_u32(std::FILE *file);

// 0: first header found, the stream stands at its start; 1: the file cannot
// be opened for reading (nothing is open); 2: no header start found (the
// stream is open: call lzh_close).
int lzh_open(const char *path, LzhReader &reader);

// Searches from the current position for the first method id "-l?x-" (x = z
// or h) within 2048 counted reads and steps back to its header start.
// 0: found; 2: not found.
int lzh_find_header_start(LzhReader &reader);

// Reads the header at the current position into *reader.entry and the full
// member name into name_buffer (at least LZH_NAME_BUFFER_SIZE bytes).
// 0: read, the stream stands at the next header; 2: error; 3: end of archive.
int lzh_read_header(LzhReader &reader, char *name_buffer);

// The stream's position as a signed 32-bit offset. Next-header positions are
// computed in 32 bits and can wrap round onto an earlier header: a walk over
// every header stops when a read does not move past the header's own start.
std::int32_t lzh_tell(const LzhReader &reader);

void lzh_close(LzhReader &reader);
