// Decides the kind of an LZH archive from the extensions of its first members.
#pragma once

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

// Finds a whole item of an extension list (".CNF.CEL") equal to extension,
// ignoring ASCII case. Returns its position in list, or nullptr.
const char *find_extension(const char *list, const char *extension);

struct LzhEntry;

// Shows a classification step by step: called after each reader call, with
// entry null after an lzh_open that failed (result 1 or 2), else with the
// entry and name buffer of a header read and its result (0, 2 or 3).
typedef void (*ClassifyObserver)(void *context, int result, const LzhEntry *entry,
                                 const char *name);

// classify_archive that reports every reader call to observer (may be null).
ArchiveKind classify_archive_observed(const char *ext_kiss, const char *ext_cg,
                                      const char *ext_midi, const char *path,
                                      ClassifyObserver observer, void *context);
