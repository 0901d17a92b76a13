#include "shell/Profile.h"

#include "shell/FileIo.h"
#include "shell/TrimBlanks.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {
constexpr const char* Blanks = " \t";

std::string_view Trim(std::string_view s) {
    return TrimBlanks(s, Blanks);
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One line of the file: its text without the line end, and the line end it had.
struct Line {
    std::string text;
    std::string end;
};

std::optional<std::string> ReadWhole(const std::string& file, int& err) {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) {
        err = errno;
        return std::nullopt;
    }
    std::string bytes;
    char buf[8192];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    err = std::ferror(f) ? EIO : 0;
    std::fclose(f);
    if (err)
        return std::nullopt;
    return bytes;
}

std::vector<Line> SplitLines(const std::string& bytes) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        auto nl = bytes.find('\n', pos);
        if (nl == std::string::npos) {
            lines.push_back({bytes.substr(pos), ""});
            break;
        }
        std::size_t textEnd = nl > pos && bytes[nl - 1] == '\r' ? nl - 1 : nl;
        lines.push_back({bytes.substr(pos, textEnd - pos), bytes.substr(textEnd, nl + 1 - textEnd)});
        pos = nl + 1;
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return line.substr(1, close - 1);
}

// The key and value of a "key=value" line.
std::optional<std::pair<std::string_view, std::string_view>> KeyOf(std::string_view line) {
    auto t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return std::nullopt;
    auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return std::make_pair(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
}

std::string Cut(std::string_view value, std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    return std::string(value.substr(0, std::min(value.size(), bufferSize - 1)));
}

} // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::size_t bufferSize,
                                    const std::string& file) {
    int err = 0;
    if (auto bytes = ReadWhole(file, err)) {
        bool inSection = false;
        for (const Line& line : SplitLines(*bytes)) {
            if (auto name = SectionOf(line.text)) {
                inSection = SameName(*name, section);
                continue;
            }
            if (!inSection)
                continue;
            if (auto kv = KeyOf(line.text); kv && SameName(kv->first, key)) {
                std::string_view v = kv->second;
                if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                    v = v.substr(1, v.size() - 2);
                return Cut(v, bufferSize);
            }
        }
    }
    std::string_view def = defaultValue;
    def = TrimRightBlanks(def);
    return Cut(def, bufferSize);
}

FileError WritePrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& file) {
    int err = 0;
    std::vector<Line> lines;
    std::optional<std::string> old = ReadWhole(file, err);
    if (old)
        lines = SplitLines(*old);
    else if (err != ENOENT)
        return FileErrorFromErrno(err, file);

    const std::string entry = key + "=" + value;
    std::optional<std::size_t> sectionLine;
    std::size_t lastKeyLine = 0;
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        if (auto name = SectionOf(lines[i].text)) {
            if (sectionLine)
                break; // the section ended without the key
            if (SameName(*name, section)) {
                sectionLine = i;
                lastKeyLine = i;
            }
            continue;
        }
        if (!sectionLine)
            continue;
        if (auto kv = KeyOf(lines[i].text)) {
            lastKeyLine = i;
            if (SameName(kv->first, key)) {
                lines[i].text = entry;
                done = true;
            }
        }
    }
    if (!done) {
        if (!lines.empty() && lines.back().end.empty())
            lines.back().end = "\r\n";
        if (sectionLine) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastKeyLine + 1), Line{entry, "\r\n"});
        } else {
            lines.push_back({"[" + section + "]", "\r\n"});
            lines.push_back({entry, "\r\n"});
        }
    }
    std::string out;
    for (const Line& l : lines)
        out += l.text + l.end;
    if (old && *old == out)
        return {}; // already says so: the file stays untouched
    return WriteFileAtomically(file, out);
}
