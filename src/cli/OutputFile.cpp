#include "cli/OutputFile.h"

#include "clients/FileErrorInWords.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// fsync of a device or pipe may be refused (EINVAL): there is nothing more to sync then.
int Sync(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
}

std::string Problem(int err, const std::string& path) {
    return FileErrorInWords(FileErrorFromErrno(err, path));
}

std::optional<std::string> WriteDirectly(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return Problem(errno, path);
    int err = WriteAll(fd, bytes);
    if (err == 0)
        err = Sync(fd);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err == 0 ? std::nullopt : std::optional(Problem(err, path));
}
} // namespace

std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode))
            return FileErrorInWords(MakeFileError(52, path));
        return WriteDirectly(path, bytes);
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return Problem(errno, path);
    // A new file gets the usual permissions (mkstemp makes it private); a replaced one keeps its own.
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int err = ::fchmod(fd, exists ? st.st_mode & 07777 : 0666 & ~mask) == 0 ? 0 : errno;
    if (err == 0)
        err = WriteAll(fd, bytes);
    if (err == 0)
        err = Sync(fd);
    struct stat written {};
    if (err == 0 && (::fstat(fd, &written) != 0 || written.st_size != static_cast<off_t>(bytes.size())))
        err = errno ? errno : EIO;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temporary.c_str());
        return Problem(err, path);
    }
    // The rename itself reaches the medium with its folder.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        err = Sync(dir);
        ::close(dir);
        if (err != 0)
            return Problem(err, path);
    }
    return std::nullopt;
}
