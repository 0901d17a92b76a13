#pragma once
// Failures of file operations, numbered as the original platform numbered them so that each window
// can pick its message by number: 52 bad name, 53 file not found, 57 device I/O error, 61 disk full,
// 70 permission denied, 71 disk not ready, 76 path not found; any other system error is 10000 + errno.
#include <string>

struct FileError {
    int number = 0;          // 0 = success
    std::string description; // the platform's text for the number, or the system's text
    std::string path;        // the file or folder the operation was about

    bool ok() const { return number == 0; }
    // "Error 53:File not found" style text, as windows show unexpected failures.
    std::string message() const;
};

// Maps an errno of an operation on `path` to its FileError. ENOENT becomes 76 instead of 53 when
// the folder that should hold `path` does not exist.
FileError FileErrorFromErrno(int err, const std::string& path);
// A FileError with the number's standard description.
FileError MakeFileError(int number, const std::string& path);
