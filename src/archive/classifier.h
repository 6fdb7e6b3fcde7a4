// Decides the kind of an LZH archive from the extensions of its first members.
#pragma once

#include "archive/lzh_reader.h"

enum ArchiveKind {
    ARCHIVE_ORDINARY = 0,  // no listed extension, or the archive cannot be read
    ARCHIVE_KISS = 1,
    ARCHIVE_CG = 2,
    ARCHIVE_MIDI = 3,
};

// Reads at most five member headers of the archive at path and returns the
// kind of the first member whose extension stands in a list (KISS, then CG,
// then MIDI for one member). Every failure gives ARCHIVE_ORDINARY.
ArchiveKind classify_archive(const char *ext_kiss, const char *ext_cg, const char *ext_midi,
                             const char *path);

// classify_archive over a stream the caller opened for reading in bytes
// (null when that failed), which it closes: the program opens the archive
// by its UTF-16 name.
ArchiveKind classify_archive_stream(const char *ext_kiss, const char *ext_cg,
                                    const char *ext_midi, std::FILE *file);

// Finds a whole item of an extension list (".CNF.CEL") equal to extension,
// ignoring ASCII case. Returns its position in list, or nullptr.
const char *find_extension(const char *list, const char *extension);

// classify_archive that reports every reader call to observer (may be null).
ArchiveKind classify_archive_observed(const char *ext_kiss, const char *ext_cg,
                                      const char *ext_midi, const char *path,
                                      LzhObserver observer, void *context);
