#include "scoring/ReportWriter.h"

ReportWriter& ReportWriter::Col(int n) {
    if (column() > n)
        EndLine();
    return Sp(n - column());
}

ReportWriter& ReportWriter::Sp(int n) {
    if (n > 0)
        m_bytes.append(static_cast<std::size_t>(n), ' ');
    return *this;
}

ReportWriter& ReportWriter::Text(std::string_view text) {
    m_bytes.append(text);
    return *this;
}

ReportWriter& ReportWriter::Number(int value) {
    m_bytes += value < 0 ? '-' : ' ';
    m_bytes += std::to_string(value < 0 ? -value : value);
    m_bytes += ' ';
    return *this;
}

void ReportWriter::EndLine() {
    m_bytes += "\r\n";
    m_lineStart = m_bytes.size();
}
