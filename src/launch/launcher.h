// Starts the application configured for an archive's kind.
#pragma once

// A program text (ending in ".exe") is started as a new process with the
// archive path on its command line; any other text is carried out by the
// shell as a verb on the archive. archive is the exact UTF-16 path that is
// handed on; archive_text its ANSI form, for the launcher's trace lines.
// Returns 1 when something started, 0 when nothing could be or the start
// would lead back to Brisel on the same archive.
int launch_application(const char *application, const char *archive_text, const wchar_t *archive);
