#include "shell/FileIo.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
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

// Removes the temporary files "<name>.tmp<pid>-<n>" that writers of `target` killed before their rename
// left beside it. Only those whose process is gone: a writer still at work keeps its own.
void RemoveStaleTemporaries(const std::string& target) {
    const auto slash = target.find_last_of('/');
    const std::string prefix = target.substr(slash == std::string::npos ? 0 : slash + 1) + ".tmp";
    DIR* folder = ::opendir(FolderOf(target).c_str());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix))
            continue;
        const char* end = name.data() + name.size();
        pid_t pid = 0;
        unsigned long n = 0;
        const auto [dash, pidErr] = std::from_chars(name.data() + prefix.size(), end, pid);
        if (pidErr != std::errc() || pid <= 0 || pid == ::getpid() || dash == end || *dash != '-')
            continue;
        const auto [rest, nErr] = std::from_chars(dash + 1, end, n);
        if (nErr != std::errc() || rest != end)
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
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

int ReadFully(int fd, std::string& bytes) {
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
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

    RemoveStaleTemporaries(target);
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    // A name may be taken by a killed earlier process that had this pid: the next number is tried.
    for (int tries = 0; fd < 0 && tries < 100; ++tries) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
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
