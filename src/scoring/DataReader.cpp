#include "scoring/DataReader.h"

#include "scoring/ReportResult.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string ReadDataFile(const std::string& path) {
    // O_NONBLOCK: a named pipe in place of a data file must not hang the run.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        Fail(FileErrorFromErrno(errno, path));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        Fail(FileErrorFromErrno(err, path));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        Fail(52, path, "is not a plain file");
    }
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(got + 4096); // the file grew since fstat
        ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            Fail(FileErrorFromErrno(err, path));
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

DataReader::DataReader(std::string_view bytes, std::string fileName)
    : m_bytes(bytes), m_fileName(std::move(fileName)) {}

void DataReader::EndedEarly(const char* what) const {
    Fail(EndOfDataNumber, m_fileName,
         "ends early: " + std::string(what) + " missing after " + std::to_string(m_items) + " items");
}

bool DataReader::AtLineEnd() const {
    return m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n';
}

void DataReader::ConsumeLineEnd() {
    if (m_bytes[m_pos] == '\r' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n')
        ++m_pos;
    ++m_pos;
}

std::string DataReader::ReadField() {
    while (!AtEnd() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t' || AtLineEnd()))
        ++m_pos;
    if (AtEnd())
        EndedEarly("an item");
    std::string item;
    if (m_bytes[m_pos] == '"') {
        auto close = m_bytes.find('"', m_pos + 1);
        if (close == std::string_view::npos)
            Fail(BadDataNumber, m_fileName, "item " + std::to_string(m_items + 1) + " has no closing quote");
        item = std::string(m_bytes.substr(m_pos + 1, close - m_pos - 1));
        m_pos = close + 1;
        // Anything between the closing quote and the delimiter is not part of the item.
        while (!AtEnd() && m_bytes[m_pos] != ',' && !AtLineEnd())
            ++m_pos;
    } else {
        std::size_t start = m_pos;
        while (!AtEnd() && m_bytes[m_pos] != ',' && !AtLineEnd())
            ++m_pos;
        item = std::string(m_bytes.substr(start, m_pos - start));
    }
    if (!AtEnd()) {
        if (m_bytes[m_pos] == ',')
            ++m_pos;
        else
            ConsumeLineEnd();
    }
    ++m_items;
    return item;
}

int16_t DataReader::ReadNumber() {
    const std::string item = ReadField();
    std::string_view v(item);
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    int16_t value = 0;
    auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (v.empty() || ec != std::errc() || end != v.data() + v.size())
        Fail(BadDataNumber, m_fileName,
             "item " + std::to_string(m_items) + " (\"" + item +
                 "\") is not a whole number from -32768 to 32767");
    return value;
}

int16_t DataReader::ReadNumber(int lo, int hi, const char* what) {
    int16_t value = ReadNumber();
    if (value < lo || value > hi)
        Fail(BadDataNumber, m_fileName,
             std::string(what) + " " + std::to_string(value) + " (item " + std::to_string(m_items) +
                 ") is outside " + std::to_string(lo) + ".." + std::to_string(hi));
    return value;
}

std::string DataReader::ReadLine() {
    if (AtEnd())
        EndedEarly("a line");
    std::size_t start = m_pos;
    while (!AtEnd() && !AtLineEnd())
        ++m_pos;
    std::string line(m_bytes.substr(start, m_pos - start));
    if (!AtEnd())
        ConsumeLineEnd();
    ++m_items;
    return line;
}

bool DataReader::SkipToLine(std::string_view line) {
    while (!AtEnd())
        if (ReadLine() == line)
            return true;
    return false;
}
