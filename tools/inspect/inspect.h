// The inspect tool's work: a dry run of the classification that prints, line
// by line, what the reader found in an archive and which kind it gives.
#pragma once

#include <cstddef>
#include <cstdio>

struct InspectOptions {
    const char *ext_kiss;
    const char *ext_cg;
    const char *ext_midi;
    bool all;  // read every header, not just the classifier's walk
};

// Writes an archive's lines to out. Returns the lzh_open result (1 when the
// archive cannot be opened).
int inspect_archive(std::FILE *out, const InspectOptions &options, const char *path);

// Writes length bytes as they are, control bytes (0x00-0x1F, 0x7F) as \xNN.
void write_escaped_bytes(std::FILE *out, const char *bytes, std::size_t length);

// write_escaped_bytes over a zero-terminated text.
void write_escaped(std::FILE *out, const char *text);

// ORDINARY, KISS, CG or MIDI.
const char *kind_name(int kind);
