#include "scoring/ReportFiles.h"

#include "shell/FileNames.h"
#include "shell/FileIo.h"
#include "shell/ProgramFolder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string ReportCopyName(int n) {
    return "temp" + std::to_string(n);
}

FileError ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileErrorFromErrno(errno, path);
    const int err = ReadFully(fd, bytes);
    ::close(fd);
    return FileErrorFromErrno(err, path);
}

std::string ReportText(const std::string& fileBytes) {
    return fileBytes.empty() ? std::string() : fileBytes.substr(0, fileBytes.size() - 1);
}

FileError CopyReportFile(const std::string& from, const std::string& to) {
    std::string bytes;
    if (auto err = ReadWholeFile(from, bytes); !err.ok())
        return err;
    return WriteFileAtomically(to, bytes);
}

FileError AppendFormFeedLine(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return FileErrorFromErrno(errno, path);
    const off_t end = ::lseek(fd, 0, SEEK_END);
    int err = end < 0 ? errno : WriteFully(fd, "\f\r\n", end);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err == 0 ? FileError{} : FileErrorFromErrno(err, path);
}

namespace {
bool IsReportCopyName(const std::string& name) {
    if (name == ReportFileName)
        return true;
    if (name.size() <= 4 || name.compare(0, 4, "temp") != 0)
        return false;
    return std::all_of(name.begin() + 4, name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}
} // namespace

FileError RemoveReportCopies(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return FileErrorFromErrno(errno, folder);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir))
        if (IsReportCopyName(entry->d_name))
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    FileError first;
    for (const auto& name : names) {
        const std::string path = JoinPath(folder, name);
        if (::unlink(path.c_str()) != 0 && errno != ENOENT && first.ok())
            first = FileErrorFromErrno(errno, path);
    }
    return first;
}

std::vector<std::vector<std::string>> SplitReportPages(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    bool open = false; // characters seen since the last line end
    auto endLine = [&] {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        pages.back().push_back(line);
        line.clear();
        open = false;
    };
    for (char c : text) {
        if (c == '\f') {
            if (open)
                endLine();
            pages.emplace_back();
        } else if (c == '\n') {
            endLine();
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        endLine();
    return pages;
}
