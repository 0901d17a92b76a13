#include "shell/FileIo.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes through `path` into whatever it names (a device, a pipe, the file of a link), without replacing it.
FileError WriteInPlace(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return FileErrorFromErrno(errno, path);
    int err = WriteFully(fd, bytes);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return FileErrorFromErrno(err, path);
}

int FsyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int err = 0;
    // Some file systems cannot flush a folder; the rename is then as durable as they make it.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        err = errno;
    ::close(fd);
    return err;
}
} // namespace

int WriteFully(int fd, std::string_view bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const char* from = bytes.data() + done;
        const std::size_t size = bytes.size() - done;
        const ssize_t n = offset < 0 ? ::write(fd, from, size)
                                     : ::pwrite(fd, from, size, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

FileError WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return MakeFileError(52, path);
    // A link is followed to its file, so the link itself stays; its file is then the one replaced. A
    // link that leads nowhere nameable (a pipe behind /dev/stdout, a missing file) is written through.
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved)
            return WriteInPlace(path, bytes);
        target = resolved;
        std::free(resolved);
    }
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return WriteInPlace(target, bytes);

    static std::atomic<unsigned> counter{0};
    const std::string temp =
        target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
    if (fd < 0)
        return FileErrorFromErrno(errno, path);
    int err = 0;
    if (exists) {
        // The replaced file's mode stays, and its owner where the writer may set it (as root).
        [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
        if (::fchmod(fd, st.st_mode & 07777) != 0)
            err = errno;
    }
    if (err == 0)
        err = WriteFully(fd, bytes, 0);
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return FileErrorFromErrno(err, path);
    }
    return FileErrorFromErrno(FsyncFolder(FolderOf(target)), path);
}
