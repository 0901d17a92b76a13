#include "shell/FileError.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {
const char* StandardDescription(int number) {
    switch (number) {
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 57: return "Device I/O error";
    case 61: return "Disk full";
    case 70: return "Permission denied";
    case 71: return "Disk not ready";
    case 76: return "Path not found";
    default: return "Unknown error";
    }
}

bool ParentMissing(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code ec;
    auto parent = std::filesystem::path(path).parent_path();
    return !parent.empty() && !std::filesystem::is_directory(parent, ec);
}
} // namespace

std::string FileError::message() const { return "Error " + std::to_string(number) + ":" + description; }

FileError MakeFileError(int number, const std::string& path) {
    return FileError{number, number == 0 ? "" : StandardDescription(number), path};
}

FileError FileErrorFromErrno(int err, const std::string& path) {
    switch (err) {
    case 0: return FileError{};
    case ENOENT: return MakeFileError(ParentMissing(path) ? 76 : 53, path);
    case ENOTDIR: return MakeFileError(76, path);
    case EACCES:
    case EPERM:
    case EROFS: return MakeFileError(70, path);
    case EIO: return MakeFileError(57, path);
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
    case ENOTCONN: return MakeFileError(71, path);
    case ENAMETOOLONG: return MakeFileError(52, path);
    case ENOSPC: return MakeFileError(61, path);
    default: return FileError{10000 + err, std::strerror(err), path};
    }
}
