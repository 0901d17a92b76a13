#include "clients/DataDrive.h"

#include "clients/ClientFile.h"
#include "shell/FileIo.h"
#include "shell/ProgramFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

std::string DataDrive;

FileError WriteTestFolder(const std::string& folder) {
    const std::string path = JoinPath(folder, WriteTestFileName);
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return FileErrorFromErrno(errno, path);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return FileErrorFromErrno(errno, path);
    int err = WriteFully(fd, "test\r\n", 0);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (::unlink(path.c_str()) != 0 && err == 0)
        err = errno;
    return FileErrorFromErrno(err, path);
}

FileError AdoptDataFolder(const std::string& path) {
    if (auto err = EstablishClientFile(path); !err.ok())
        return err;
    DataDrive = path;
    return {};
}

FileError SetDataFolder(const std::string& path) {
    if (auto err = AdoptDataFolder(path); !err.ok())
        return err;
    return WriteTestFolder(path);
}

void ResetDataDrive() {
    DataDrive.clear();
}

FileError SetExistingDataFolder(const std::string& path) {
    const std::string file = JoinPath(path, ClientFileName);
    if (path.empty() || ::access(file.c_str(), F_OK) != 0)
        return FileErrorFromErrno(path.empty() ? ENOENT : errno, file);
    return SetDataFolder(path);
}
