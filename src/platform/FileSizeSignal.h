#pragma once
// A write beyond the process's file-size limit (ulimit -f) ends the process
// with SIGXFSZ unless the signal is ignored; Windows has no such limit and no
// such signal, and the program expects a write that cannot be done to fail as
// on a full disk: reported, the half-written file removed, the program going on.

namespace platform {

// Lets such writes fail with EFBIG instead, for the rest of the process.
void IgnoreFileSizeSignal();

} // namespace platform
