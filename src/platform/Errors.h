#pragma once
// Internal to the platform layer: recording the error code that GetLastError
// reports, and turning host error numbers into the Windows codes callers know.

#include <cstdint>

namespace platform::detail {

// Records `code` as the last error and returns false, so that a failing call
// can end with `return Fail(...)`.
bool Fail(uint32_t code);

// The Windows code for a host errno; `missing` is what ENOENT means at the
// call site (a missing file, or a missing folder on the way to it).
uint32_t ErrorFromErrno(int error, uint32_t missing);

// Records the Windows code for a host errno and returns false.
bool FailWithErrno(int error, uint32_t missing);

} // namespace platform::detail
