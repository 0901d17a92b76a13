#pragma once
// Small POSIX file helpers shared by the core's writers.
#include <string_view>
#include <sys/types.h>

// Writes all of `bytes` at `offset` of `fd`, retrying after interruptions. Returns 0 or the errno of
// the failure (ENOSPC when the medium takes no more).
int WriteFully(int fd, std::string_view bytes, off_t offset);
