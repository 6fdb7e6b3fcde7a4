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
    LZH_METHOD_LENGTH = 5,       // bytes of a method id such as -lh5-
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

// 0: first header found, the stream stands at its start; 1: no regular file
// there, or it cannot be opened for reading (nothing is open); 2: no header
// start found (the stream is open: call lzh_close).
int lzh_open(const char *path, LzhReader &reader);

// lzh_open over a stream the caller opened for reading in bytes (null when
// the open failed), so that the program can open the archive by its UTF-16
// name. The reader owns the stream from here on; one that reads no regular
// file (a directory, a FIFO, a device) is closed at once and gives 1.
// reader.path is left as it is.
int lzh_open_stream(std::FILE *file, LzhReader &reader);

// Searches from the current position for the first method id "-l?x-" (x = z
// or h) within 2048 counted reads and steps back to its header start.
// 0: found; 2: not found.
int lzh_find_header_start(LzhReader &reader);

// Reads the header at the current position into *reader.entry and the full
// member name into name_buffer (at least LZH_NAME_BUFFER_SIZE bytes).
// 0: read, the stream stands at the next header; 2: error; 3: end of archive.
int lzh_read_header(LzhReader &reader, char *name_buffer);

void lzh_close(LzhReader &reader);

// Reports one reader call: after an lzh_open that failed (result 1 or 2) with
// entry null, else after a header read with its result (0, 2 or 3), the entry
// and the name buffer.
typedef void (*LzhObserver)(void *context, int result, const LzhEntry *entry, const char *name);

// Opens the archive at path and reads every header until a result other than
// 0, reporting each reader call to observer; closes it again. Next-header
// positions are computed in 32 bits and can wrap round onto an earlier
// header: a read that does not move past its header's own start is reported
// once more, with result 2, and ends the walk. Returns the last result.
int lzh_read_all_headers(const char *path, LzhObserver observer, void *context);
