#pragma once
// A failed file operation told in words, for messages a user can act on: one sentence that names the
// file or the disk, says what is wrong and what to do. A client file that cannot be loaded is
// described by its size: how many records it holds against the 51 one data disk takes, or that it is
// no client file at all.
#include "shell/FileError.h"

#include <string>

std::string FileErrorInWords(const FileError& err);
