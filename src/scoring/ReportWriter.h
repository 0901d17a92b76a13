#pragma once
// The report's output model: fixed-width lines built item by item in memory (Windows-1252 bytes, CR LF
// line ends), with the page line counter and page number that decide the page breaks.
#include <cstdint>
#include <string>
#include <string_view>

class ReportWriter {
public:
    int16_t PageLine = 0; // counted lines on the current page; a page holds 58
    int16_t PageNumber = 0;

    // Moves to column n (from 1) with blanks; when already past it, to column n of a new line.
    ReportWriter& Col(int n);
    ReportWriter& Sp(int n);
    ReportWriter& Text(std::string_view text);
    // A number item: a blank (or "-"), the digits and one trailing blank.
    ReportWriter& Number(int value);
    // Ends the current line; on an empty line this writes an empty line.
    void EndLine();
    // Adds to PageLine with the 16-bit wrap of the counter.
    void Advance(int lines) { PageLine = static_cast<int16_t>(PageLine + lines); }

    const std::string& bytes() const { return m_bytes; }

private:
    int column() const { return static_cast<int>(m_bytes.size() - m_lineStart) + 1; }

    std::string m_bytes;
    std::size_t m_lineStart = 0;
};
