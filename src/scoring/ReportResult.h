#pragma once
// The outcome of scoring and writing a report: success, or the file (or client record field) at fault
// and what is wrong with it. No report is left behind when it is a failure.
#include "shell/FileError.h"
#include "shell/FileNames.h"

#include <stdexcept>
#include <string>

struct [[nodiscard]] ReportResult {
    // 0 = success. File-system failures carry the FileError number of the platform's table; a data
    // file that ends early is 62, a malformed item or a value out of range 9.
    int number = 0;
    std::string file;    // the data file, report file or "client N, field F" at fault
    std::string problem; // plain words, e.g. "ends before all of its items were read"

    bool ok() const { return number == 0; }
    // "<file>: <problem>", one line.
    std::string message() const { return file + ": " + problem; }
    // One line saying what the user can do: correct the client's record, make the program folder
    // writable for the report file and its copies, or put back the program's data file.
    std::string advice() const {
        if (file.starts_with("client "))
            return "Correct the client's record with \"Edit Current Client\", then try again.";
        const std::string name = file.substr(file.find_last_of('/') + 1);
        if (name == ReportFileName || name.starts_with("temp"))
            return "Check that the program folder can be written to and has free space, then try again.";
        return "The program's data file is missing or damaged: reinstall Tarvos, then try again.";
    }
};

constexpr int EndOfDataNumber = 62; // input past end of file
constexpr int BadDataNumber = 9;    // a count, code or value outside its range

// Thrown inside the reading and writing code; the entry points turn it into their ReportResult.
class ReportFailure : public std::runtime_error {
public:
    explicit ReportFailure(ReportResult result)
        : std::runtime_error(result.message()), m_result(std::move(result)) {}
    const ReportResult& result() const { return m_result; }

private:
    ReportResult m_result;
};

[[noreturn]] inline void Fail(int number, const std::string& file, const std::string& problem) {
    throw ReportFailure(ReportResult{number, file, problem});
}

[[noreturn]] inline void Fail(const FileError& err) {
    Fail(err.number, err.path, err.description);
}
