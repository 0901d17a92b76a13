#pragma once
// Small POSIX file helpers shared by the core's writers.
#include "shell/FileError.h"

#include <string>
#include <string_view>
#include <sys/types.h>

// Writes all of `bytes` at `offset` of `fd` (a negative offset: at its current position, as a pipe or a
// device needs), retrying after interruptions. Returns 0 or the errno of the failure (ENOSPC when the
// medium takes no more).
int WriteFully(int fd, std::string_view bytes, off_t offset = -1);

// Reads `fd` from its current position to its end into `bytes`, retrying after interruptions.
// Returns 0 or the errno of the failure.
int ReadFully(int fd, std::string& bytes);

// Replaces the file `path` with `bytes` so that a reader or a crash sees either the old or the new
// content, never a part: the bytes go to a temporary file beside it, which is flushed to the medium,
// renamed over `path`, and the folder is flushed too. A new file gets the mode 0666 less the umask, a
// replaced one keeps its mode. A target that is not a regular file is written in place: a device or a
// pipe stays what it is, and a symbolic link keeps pointing to its file, which takes the bytes. On any
// failure the old file is left whole, the temporary file is removed, and the FileError names `path`.
// The temporary is named "<file>.tmp<pid>-<n>"; one left behind by a writer that was killed before its
// rename is removed by the next write of the same file, once no process has that pid.
[[nodiscard]] FileError WriteFileAtomically(const std::string& path, std::string_view bytes);
