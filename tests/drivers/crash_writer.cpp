// Saves client records, the settings file and the report file in an endless loop, through the core's
// own writers, so that tests/scripts/crash_safety.sh can kill it at random moments and then let it
// check what the files hold.
//
//   crash_writer init  FOLDER BUILD   fresh client file, settings file and journal in FOLDER
//   crash_writer run   FOLDER BUILD   saves until killed
//   crash_writer check FOLDER BUILD   verifies FOLDER after a kill; prints "ok SAVES PENDING TEMPORARIES"
//
// BUILD is the build folder: its demo client file gives a valid record to vary, its data files score
// it. Every save is written to FOLDER/journal as "B kind slot tag" before it starts and "K kind slot
// tag" after it returned success; a tag makes the saved value unique and can be rebuilt from the
// journal line alone. After a kill every file must hold, for each thing saved, its last value that
// returned success or the value whose save was under way.
#include "clients/ClientFile.h"
#include "scoring/ScoreAndReport.h"
#include "shell/FileIo.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int KeptAfterFull = 10; // a full client file is cut back to this many records by check

struct Entry {
    char kind = 0; // 'C' client record, 'S' settings, 'R' report
    int slot = 0;
    std::string tag;
    bool operator==(const Entry&) const = default;
};

std::string g_folder;
std::string g_build;

[[noreturn]] void Die(const std::string& message) {
    std::fprintf(stderr, "crash_writer: %s (folder %s)\n", message.c_str(), g_folder.c_str());
    std::exit(1);
}

std::string Path(const char* name) {
    return JoinPath(g_folder, name);
}

std::string ReadAll(const std::string& path, bool& exists) {
    std::ifstream in(path, std::ios::binary);
    exists = static_cast<bool>(in);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The record saved under `tag` in `slot`: the demo's first client, renamed and with answers of its own.
ClientRecord MakeRecord(int slot, const std::string& tag) {
    static const ClientRecord base = [] {
        ClientSlots slots;
        int16_t count = 0;
        if (auto err = ReadClientFile(JoinPath(JoinPath(g_build, "demo"), ClientFileName), slots, count);
            !err.ok() || count < 1)
            Die("cannot read the demo client file of " + g_build);
        return slots[1];
    }();
    ClientRecord r = base;
    r.Name = "S" + std::to_string(slot) + " " + tag;
    std::size_t h = std::hash<std::string>{}(tag);
    for (std::size_t i = 0; i < static_cast<std::size_t>(ItemCount);
         ++i, h = h * 6364136223846793005ULL + 1442695040888963407ULL)
        r.Responses[i] = static_cast<char>('1' + (h >> 33) % (i < 108 ? 2 : 4)); // the section's codes
    return r;
}

std::string ReportOf(int slot, const std::string& tag) {
    ClientTable[static_cast<std::size_t>(slot)] = MakeRecord(slot, tag);
    ClientCount = static_cast<int16_t>(std::max<int>(ClientCount, slot));
    CurrentClient = static_cast<int16_t>(slot);
    std::string report;
    if (auto r = ScoreAndCompose(g_build, report); !r.ok())
        Die("cannot compose the report: " + r.message());
    return report;
}

std::string FilePathValue(const std::string& tag) {
    return "/media/" + tag;
}

class Journal {
public:
    explicit Journal(bool append) {
        fd_ = ::open(Path("journal").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC),
                     0644);
        if (fd_ < 0)
            Die("cannot open the journal");
    }
    ~Journal() { ::close(fd_); }
    void Write(char mark, const Entry& e) {
        std::string line =
            std::string(1, mark) + ' ' + e.kind + ' ' + std::to_string(e.slot) + ' ' + e.tag + '\n';
        if (WriteFully(fd_, line, ::lseek(fd_, 0, SEEK_END)) != 0) // O_APPEND: always at the end
            Die("cannot write the journal");
    }

private:
    int fd_ = -1;
};

// What the journal says: the last value of each thing that returned success, and the save under way.
struct JournalState {
    std::map<std::pair<char, int>, std::string> committed;
    std::optional<Entry> pending;
    std::optional<Entry> lastReport;
    int saves = 0;
};

JournalState ReadJournal() {
    bool exists = false;
    std::string text = ReadAll(Path("journal"), exists);
    JournalState s;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (in.eof())
            break; // a line cut short by the kill: its save had not started or its end was not noted
        std::istringstream fields(line);
        char mark = 0;
        Entry e;
        if (!(fields >> mark >> e.kind >> e.slot >> e.tag))
            Die("unreadable journal line: " + line);
        if (mark == 'B') {
            s.pending = e;
        } else {
            if (s.pending != e)
                Die("journal: end of a save that did not begin: " + line);
            if (e.kind == 'R')
                s.lastReport = e;
            else
                s.committed[{e.kind, e.slot}] = e.tag;
            s.pending.reset();
            ++s.saves;
        }
    }
    return s;
}

void Establish() {
    SetProgramFolder(g_folder);
    if (auto err = EstablishClientFile(g_folder); !err.ok())
        Die("cannot open the client file: " + err.message());
}

void Init() {
    fs::remove_all(g_folder);
    fs::create_directories(g_folder);
    Establish();
    if (auto err = SaveNumLockSetting(false); !err.ok())
        Die(err.message());
    if (auto err = SavePrintDOSSetting(true); !err.ok())
        Die(err.message());
    Journal(false);
}

void Run() {
    Establish();
    Journal journal(true);
    std::mt19937 random(static_cast<unsigned>(::getpid()) ^ std::random_device{}());
    for (unsigned n = 0;; ++n) {
        Entry e;
        e.tag = std::to_string(::getpid()) + "-" + std::to_string(n);
        const unsigned pick = random() % 10;
        if (pick < 6 || ClientCount == 0) {
            e.kind = 'C';
            const bool add = ClientCount == 0 || (ClientCount < MaxClients && random() % 2);
            e.slot = add ? ClientCount + 1 : 1 + static_cast<int>(random() % ClientCount);
            ClientTable[static_cast<std::size_t>(e.slot)] = MakeRecord(e.slot, e.tag);
            journal.Write('B', e);
            if (auto err = SaveClientRecord(e.slot); !err.ok())
                Die("client save failed: " + err.message());
            ClientCount = static_cast<int16_t>(std::max<int>(ClientCount, e.slot));
        } else if (pick < 8) {
            e.kind = 'S';
            journal.Write('B', e);
            if (auto err = SaveFilePathSetting(FilePathValue(e.tag)); !err.ok())
                Die("settings save failed: " + err.message());
        } else {
            e.kind = 'R';
            e.slot = 1 + static_cast<int>(random() % ClientCount);
            // The report of the slot's current record, under that record's tag.
            std::string name = ClientTable[static_cast<std::size_t>(e.slot)].Name.str();
            e.tag = name.substr(name.find(' ') + 1);
            e.tag = e.tag.substr(0, e.tag.find_last_not_of(' ') + 1);
            CurrentClient = static_cast<int16_t>(e.slot);
            journal.Write('B', e);
            if (auto r = ScoreAndReport(Path(ReportFileName), g_build); !r.ok())
                Die("report failed: " + r.message());
        }
        journal.Write('K', e);
    }
}

void Check() {
    SetProgramFolder(g_folder);
    const JournalState j = ReadJournal();
    auto committedOf = [&](char kind, int slot) -> std::optional<std::string> {
        auto it = j.committed.find({kind, slot});
        return it == j.committed.end() ? std::nullopt : std::optional(it->second);
    };
    auto pendingOf = [&](char kind, int slot) -> std::optional<std::string> {
        if (j.pending && j.pending->kind == kind && j.pending->slot == slot)
            return j.pending->tag;
        return std::nullopt;
    };
    std::vector<Entry> now; // the state found, which becomes the next journal

    // Client file: whole records, each its old or new value, none that was saved missing.
    bool exists = false;
    const std::string bytes = ReadAll(Path(ClientFileName), exists);
    if (!exists)
        Die("the client file is gone");
    if (bytes.size() % ClientRecordSize != 0)
        Die("the client file holds a partial record: " + std::to_string(bytes.size()) + " bytes");
    const int count = static_cast<int>(bytes.size() / ClientRecordSize);
    for (int slot = 1; slot <= MaxClients; ++slot) {
        auto committed = committedOf('C', slot);
        auto pending = pendingOf('C', slot);
        if (slot > count) {
            if (committed)
                Die("record " + std::to_string(slot) + " was saved and is lost");
            continue;
        }
        auto found = ClientRecord::FromBytes(
            std::string_view(bytes).substr((slot - 1) * ClientRecordSize, ClientRecordSize));
        std::optional<std::string> tag;
        for (const auto& t : {committed, pending})
            if (t && MakeRecord(slot, *t) == found)
                tag = t;
        if (!tag)
            Die("record " + std::to_string(slot) +
                " is neither its old nor its new value: " + found.Name.str());
        now.push_back({'C', slot, *tag});
    }

    // Settings file: whole, and its path is the old or the new one.
    auto settingsCommitted = committedOf('S', 0);
    auto settingsPending = pendingOf('S', 0);
    const std::string path = ReadFilePathSetting();
    if (ReadNumLockSetting() || !ReadPrintDOSSetting())
        Die("the settings file lost its other keys");
    std::optional<std::string> settingsTag;
    for (const auto& t : {settingsCommitted, settingsPending})
        if (t && FilePathValue(*t) == path)
            settingsTag = t;
    if (!settingsTag && (settingsCommitted || path != "a:"))
        Die("the settings file holds neither the old nor the new path: " + path);
    if (settingsTag)
        now.push_back({'S', 0, *settingsTag});

    // Report file: whole, the old or the new report.
    const std::string report = ReadAll(Path(ReportFileName), exists);
    const std::optional<Entry>& lastReport = j.lastReport;
    std::optional<Entry> pendingReport = j.pending && j.pending->kind == 'R' ? j.pending : std::nullopt;
    if (!exists) {
        if (lastReport)
            Die("the report file is gone");
    } else {
        std::optional<Entry> which;
        for (const auto& e : {lastReport, pendingReport})
            if (e && ReportOf(e->slot, e->tag) == report)
                which = e;
        if (!which)
            Die("the report file is neither the old nor the new report (" + std::to_string(report.size()) +
                " bytes)");
        now.push_back(*which);
    }
    // Nothing else in the folder but temporary files "<file>.tmp<pid>-<n>": a killed writer may leave
    // the one of its save under way, and the next write of that file removes it, so none has two.
    int temporaries = 0;
    std::map<std::string, int> temporariesOf;
    for (const auto& f : fs::directory_iterator(g_folder)) {
        const std::string name = f.path().filename().string();
        const std::size_t at = name.find(".tmp");
        const std::string of = name.substr(0, at);
        const bool written = of == ClientFileName || of == SettingsFileName || of == ReportFileName;
        if (at == std::string::npos && (written || name == "journal"))
            continue;
        if (!written || !std::regex_match(name.substr(at), std::regex(R"(\.tmp[0-9]+-[0-9]+)")))
            Die("a file that no writer should leave: " + name);
        if (++temporariesOf[of] > 1)
            Die("temporary files of " + of + " pile up");
        ++temporaries;
    }

    // A full client file is cut back so that later runs add clients again.
    if (count == MaxClients) {
        fs::resize_file(Path(ClientFileName), KeptAfterFull * ClientRecordSize);
        std::erase_if(now, [](const Entry& e) { return e.kind == 'C' && e.slot > KeptAfterFull; });
    }
    Journal journal(false);
    for (const Entry& e : now) {
        journal.Write('B', e);
        journal.Write('K', e);
    }
    std::printf("ok %d %c %d\n", j.saves, j.pending ? j.pending->kind : '-', temporaries);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: crash_writer init|run|check FOLDER BUILD\n");
        return 2;
    }
    const std::string mode = argv[1];
    g_folder = argv[2];
    g_build = argv[3];
    if (mode == "init")
        Init();
    else if (mode == "run")
        Run();
    else if (mode == "check")
        Check();
    else
        Die("unknown mode " + mode);
    return 0;
}
