// Starts the application configured for an archive's kind.
#pragma once

// A program text (ending in ".exe") is started as a new process with the
// archive path on its command line; any other text is carried out by the
// shell as a verb on the archive. Writes the launcher's trace lines. Returns
// 1 when the start was accepted, 0 when it failed or would start Brisel itself.
int launch_application(const char *application, const char *archive);
