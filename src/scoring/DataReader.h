#pragma once
// Reading the report and scoring text files: whole-file reads, and the two kinds of read over their
// bytes. A field read takes the next item of a comma-separated list (blanks and line ends before it
// skipped; a quoted item runs to its closing quote, commas included; any other item runs to the next
// comma or line end, which is consumed). A line read takes the rest of the current line without its
// line end. Line ends are CR LF; a lone LF or CR also ends a line. Every failure throws ReportFailure
// naming the file.
#include <cstdint>
#include <string>
#include <string_view>

// The whole content of `path`; throws ReportFailure with the file-system error number on failure.
std::string ReadDataFile(const std::string& path);

class DataReader {
public:
    // `bytes` must outlive the reader; `fileName` names the file in failures.
    DataReader(std::string_view bytes, std::string fileName);

    // The next item as text. Fails at the end of the file and on a quote that is never closed.
    std::string ReadField();
    // The next item as a 16-bit signed number: optional sign and digits, blanks around allowed.
    int16_t ReadNumber();
    // A number that must lie in lo..hi; `what` names it in the failure.
    int16_t ReadNumber(int lo, int hi, const char* what);
    // The rest of the current line. Fails when the file has no more lines.
    std::string ReadLine();
    // Reads lines until one equals `line` exactly; false when the file ends first.
    bool SkipToLine(std::string_view line);
    bool AtEnd() const { return m_pos >= m_bytes.size(); }
    const std::string& fileName() const { return m_fileName; }

private:
    [[noreturn]] void EndedEarly(const char* what) const;
    bool AtLineEnd() const;
    void ConsumeLineEnd();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::string m_fileName;
    int m_items = 0; // items read so far, for messages
};
