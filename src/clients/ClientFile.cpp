#include "clients/ClientFile.h"

#include "shell/Clock.h"
#include "shell/FileIo.h"
#include "shell/ProgramFolder.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

ClientSlots ClientTable;
int16_t ClientCount = 0;
int16_t CurrentClient = 0;
std::string ClientFile;
std::array<std::string, 3> GenderNames;
std::array<std::string, 7> RaceNames;
std::array<std::string, 6> MaritalNames;
std::array<int16_t, 4> SectionBounds = {0, LastTrueFalseItem, LastRatingItem, ItemCount};

namespace {
std::optional<dev_t> g_dataFolderDevice;
std::string g_dataFolder;

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

std::string Pad(std::string_view text, std::size_t width) {
    std::string s(text.substr(0, std::min(text.size(), width)));
    s.resize(width, ' ');
    return s;
}
} // namespace

FileError ReadClientFile(const std::string& path, ClientSlots& slots, int16_t& count) {
    if (path.empty())
        return MakeFileError(52, path);
    // Non-blocking, so that a named pipe without a writer is refused below instead of waited on.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return FileErrorFromErrno(errno, path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return FileErrorFromErrno(errno, path);
    if (!S_ISREG(st.st_mode))
        return MakeFileError(52, path);
    constexpr long long recordSize = static_cast<long long>(ClientRecordSize);
    const long long records = (static_cast<long long>(st.st_size) + recordSize / 2) / recordSize;
    if (records > MaxClients)
        return FileError{9, "Subscript out of range", path};
    std::string bytes;
    if (int err = ReadFully(fd.get(), bytes); err != 0)
        return FileErrorFromErrno(err, path);
    ClientSlots loaded{};
    for (long long i = 1; i <= records; ++i) {
        auto offset = static_cast<std::size_t>(i - 1) * ClientRecordSize;
        std::string_view rec = offset < bytes.size()
                                   ? std::string_view(bytes).substr(offset, ClientRecordSize)
                                   : std::string_view();
        loaded[static_cast<std::size_t>(i)] = ClientRecord::FromBytes(rec);
    }
    slots = loaded;
    count = static_cast<int16_t>(records);
    return {};
}

// Reads the client file at `path` and makes its records the program's, the first one current; on
// failure the records in memory stay as they were.
static FileError AdoptRecordsOf(const std::string& path) {
    ClientSlots slots{};
    int16_t count = 0;
    if (auto err = ReadClientFile(path, slots, count); !err.ok())
        return err;
    ClientTable = slots;
    ClientCount = count;
    CurrentClient = count > 0 ? 1 : 0;
    return {};
}

FileError EstablishClientFile(const std::string& folder) {
    if (folder.empty() || folder.front() != '/')
        return MakeFileError(52, folder);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return FileErrorFromErrno(errno, folder);
    if (!S_ISDIR(st.st_mode))
        return MakeFileError(76, folder);
    const std::string path = JoinPath(folder, ClientFileName);
    if (::access(path.c_str(), F_OK) != 0) {
        Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (fd.get() < 0 && errno != EEXIST)
            return FileErrorFromErrno(errno, path);
    }
    if (auto err = AdoptRecordsOf(path); !err.ok())
        return err;
    ClientFile = path;
    g_dataFolder = folder;
    g_dataFolderDevice = st.st_dev;
    return {};
}

FileError CheckDataFolderPresent() {
    if (ClientFile.empty())
        return MakeFileError(52, ClientFile);
    if (!g_dataFolderDevice)
        return {};
    struct stat st {};
    if (::stat(g_dataFolder.c_str(), &st) != 0 || st.st_dev != *g_dataFolderDevice)
        return MakeFileError(71, ClientFile);
    if (::access(ClientFile.c_str(), F_OK) != 0)
        return MakeFileError(71, ClientFile);
    return {};
}

// A medium inserted again at its mount point comes with a new device number. Loading reads it afresh,
// so the load takes the new device over; a folder that is no mount point any more stays "not ready".
static void AcceptRemountedMedium() {
    struct stat st {};
    struct stat parent {};
    if (!g_dataFolderDevice || ::stat(g_dataFolder.c_str(), &st) != 0 || st.st_dev == *g_dataFolderDevice)
        return;
    if (::stat(JoinPath(g_dataFolder, "..").c_str(), &parent) == 0 && parent.st_dev != st.st_dev)
        g_dataFolderDevice = st.st_dev;
}

FileError LoadClientFile() {
    AcceptRemountedMedium();
    if (auto err = CheckDataFolderPresent(); !err.ok())
        return err;
    return AdoptRecordsOf(ClientFile);
}

FileError SaveClientRecord(int index) {
    if (index < 1 || index > MaxClients || index > ClientCount + 1)
        return FileError{63, "Bad record number", ClientFile};
    if (auto err = CheckDataFolderPresent(); !err.ok())
        return err;
    // Only establishing a data folder creates a client file: a file gone since is a disk not ready.
    // Opened for writing too, so that a file the user may not write is refused as such, although the
    // new bytes go to a new file.
    Fd fd(::open(ClientFile.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT ? MakeFileError(71, ClientFile) : FileErrorFromErrno(errno, ClientFile);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return FileErrorFromErrno(errno, ClientFile);
    if (!S_ISREG(st.st_mode))
        return MakeFileError(52, ClientFile);
    // The other records stay as the file holds them, whatever the table says.
    std::string bytes;
    if (int err = ReadFully(fd.get(), bytes); err != 0)
        return FileErrorFromErrno(err, ClientFile);
    // The whole file is replaced at once: a record written in place can be torn by a kill between the
    // pages it spans. A partial record before this one is filled with blanks, as loading shows it.
    const std::size_t offset = static_cast<std::size_t>(index - 1) * ClientRecordSize;
    if (bytes.size() < offset)
        bytes.resize(offset, ' ');
    bytes.replace(offset, ClientRecordSize, ClientTable[static_cast<std::size_t>(index)].ToBytes());
    return WriteFileAtomically(ClientFile, bytes);
}

void ClearCurrentRecord() {
    if (CurrentClient >= 0 && CurrentClient <= MaxClients)
        ClientTable[static_cast<std::size_t>(CurrentClient)] = ClientRecord{};
}

void FillCodeTables() {
    GenderNames = {Pad("N/A", 6), Pad("Male", 6), Pad("Female", 6)};
    RaceNames = {Pad("N/A", 15),   Pad("Caucasian", 15),       Pad("Black", 15), Pad("Hispanic", 15),
                 Pad("Asian", 15), Pad("Native American", 15), Pad("Other", 15)};
    MaritalNames = {Pad("N/A", 9),      Pad("Single", 9),    Pad("Married", 9),
                    Pad("Divorced", 9), Pad("Separated", 9), Pad("Widowed", 9)};
}

void SetSectionBounds() {
    SectionBounds = {0, LastTrueFalseItem, LastRatingItem, ItemCount};
}

std::optional<std::chrono::year_month_day> ParseDate(std::string_view date) {
    unsigned m = 0, d = 0;
    int y = 0;
    int consumed = 0;
    std::string s(date);
    if (std::sscanf(s.c_str(), "%2u/%2u/%4d%n", &m, &d, &y, &consumed) != 3 ||
        static_cast<std::size_t>(consumed) != s.size() || y < 100)
        return std::nullopt;
    for (char c : s)
        if (c != '/' && (c < '0' || c > '9'))
            return std::nullopt;
    std::chrono::year_month_day ymd{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
    if (!ymd.ok())
        return std::nullopt;
    return ymd;
}

std::string FormatDate(std::chrono::year_month_day date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02u/%02u/%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    return buf;
}

std::string AgeFromBirthDate(std::string_view date) {
    auto birth = ParseDate(date);
    if (!birth)
        return "N";
    // Completed years: the birthday of this year counts once it has come (29 February on 1 March).
    const std::chrono::year_month_day today = Today();
    if (std::chrono::sys_days{today} < std::chrono::sys_days{*birth})
        return "N";
    int years = static_cast<int>(today.year()) - static_cast<int>(birth->year());
    if (std::pair(unsigned(today.month()), unsigned(today.day())) <
        std::pair(unsigned(birth->month()), unsigned(birth->day())))
        --years;
    return std::to_string(years);
}

void ResetClientFileState() {
    ClientTable = ClientSlots{};
    ClientCount = 0;
    CurrentClient = 0;
    ClientFile.clear();
    g_dataFolder.clear();
    g_dataFolderDevice.reset();
}
