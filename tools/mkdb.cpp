// Builds the question database TARVOS.MDB from the item sources of data/items and writes the
// recording script of each language, from which the voice files are made.
//
//   tarvos_mkdb --out FILE --scripts DIR [--items LANGUAGE FILE [--instructions LANGUAGE FILE]]...
//               [--scanitems FILE]
//
// Item source (UTF-8): blank lines and lines starting with '#' are ignored; "<ID>. <text>" starts
// item ID (1..149 in order); each following line indented by exactly four blanks is its next answer.
// Instruction source: blocks "[Inst0]".."[Inst3]", each followed by its text.
// Layout rows (--scanitems, tab-separated): LocationName, r, theta, dx, dy, dimx, DimY; an optional
// header line starting with "LocationName".
//
// The database is written to FILE.tmp and renamed over FILE, so a failed build leaves the old one.
// A problem in a source is reported as "file:line: problem" and fails the build (exit status 1).
#include "clients/ClientRecord.h"
#include "shell/Cp1252.h"
#include "shell/FileIo.h"
#include "shell/TrimBlanks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sqlite3.h>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr int MaxAnswers = 5;

struct Item {
    int id = 0;
    int line = 0;
    std::string text;
    std::vector<std::string> answers;
};

struct Language {
    std::string name;
    std::string itemFile;
    std::string instructionFile;
    std::vector<Item> items;
    std::array<std::string, 4> instructions; // spoken text of Inst0..Inst3
};

struct LayoutRow {
    std::string name;
    double r = 0, theta = 0, dx = 0, dy = 0;
    long dimx = 0, dimy = 0;
};

class Problems {
public:
    void add(const std::string& file, int line, const std::string& problem) {
        std::cerr << file << ":" << line << ": " << problem << "\n";
        ++m_count;
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

bool ReadLines(const std::string& file, std::vector<std::string>& lines) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line))
        lines.emplace_back(TrimRightBlanks(line, " \r\t"));
    return true;
}

bool Ignored(const std::string& line) {
    return line.empty() || line[0] == '#';
}

// Checks a text the program will show: it must fit Windows-1252 and must not hold a tab (the
// recording script separates file name and words by a tab).
void CheckText(Problems& p, const std::string& file, int line, const std::string& text) {
    if (!FitsCp1252(text))
        p.add(file, line, "text is not valid UTF-8 or holds a character Windows-1252 cannot show");
    if (text.find('\t') != std::string::npos)
        p.add(file, line, "text holds a tab");
}

int ExpectedAnswers(int id) {
    return id <= LastTrueFalseItem ? 2 : 4;
}

void ParseItems(Problems& p, Language& lang) {
    const std::string& file = lang.itemFile;
    std::vector<std::string> lines;
    if (!ReadLines(file, lines)) {
        p.add(file, 0, "cannot read the item source");
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i + 1);
        if (Ignored(line))
            continue;
        if (line.rfind("    ", 0) == 0 && line.size() > 4 && line[4] != ' ' && line[4] != '\t') {
            if (lang.items.empty()) {
                p.add(file, number, "answer before the first item");
                continue;
            }
            lang.items.back().answers.push_back(line.substr(4));
            CheckText(p, file, number, line.substr(4));
            continue;
        }
        int id = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), id);
        const std::size_t digits = static_cast<std::size_t>(end - line.data());
        if (ec != std::errc{} || line.compare(digits, 2, ". ") != 0 || line.size() <= digits + 2 ||
            line[digits + 2] == ' ') {
            p.add(file, number,
                  "expected \"<ID>. <item text>\" or an answer indented by exactly four blanks");
            continue;
        }
        const int expected = static_cast<int>(lang.items.size()) + 1;
        if (id != expected)
            p.add(file, number,
                  "item " + std::to_string(id) + " where item " + std::to_string(expected) + " belongs");
        lang.items.push_back(Item{expected, number, line.substr(digits + 2), {}});
        CheckText(p, file, number, lang.items.back().text);
    }
    if (lang.items.size() != ItemCount)
        p.add(file, static_cast<int>(lines.size()),
              std::to_string(lang.items.size()) + " items; the test has " + std::to_string(ItemCount));
    for (const auto& item : lang.items) {
        const int want = ExpectedAnswers(item.id);
        if (static_cast<int>(item.answers.size()) != want)
            p.add(file, item.line,
                  "item " + std::to_string(item.id) + " has " + std::to_string(item.answers.size()) +
                      " answers; items " +
                      (item.id <= LastTrueFalseItem ? "1-108 have 2" : "109-149 have 4"));
    }
}

// The keying grid takes each item's answer type from the second English answer: "False" for the
// true/false section, "Somet" for the rating section; the multiple-choice items must match neither
// nor any other typed prefix, or the grid would show more than three sections.
void CheckGridTypes(Problems& p, const Language& lang) {
    for (const auto& item : lang.items) {
        if (item.answers.size() < 2)
            continue;
        const std::string& second = item.answers[1];
        auto begins = [&](const char* prefix) { return second.rfind(prefix, 0) == 0; };
        const bool typed =
            begins("False") || begins("Somet") || begins("Mostl") || begins("Often") || second == "No";
        std::string problem;
        if (item.id <= LastTrueFalseItem && !begins("False"))
            problem = "the second answer of items 1-108 must begin with \"False\"";
        else if (item.id > LastTrueFalseItem && item.id <= LastRatingItem && !begins("Somet"))
            problem = "the second answer of items 109-139 must begin with \"Somet\"";
        else if (item.id > LastRatingItem && typed)
            problem =
                "the second answer of items 140-149 must not begin with \"False\", \"Somet\", \"Mostl\" or "
                "\"Often\" nor be \"No\"";
        if (!problem.empty())
            p.add(lang.itemFile, item.line, "item " + std::to_string(item.id) + ": " + problem);
    }
}

void ParseInstructions(Problems& p, Language& lang) {
    const std::string& file = lang.instructionFile;
    std::vector<std::string> lines;
    if (!ReadLines(file, lines)) {
        p.add(file, 0, "cannot read the instruction source");
        return;
    }
    int block = -1;
    std::array<bool, 4> seen{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i + 1);
        if (line.size() == 7 && line.rfind("[Inst", 0) == 0 && line[6] == ']' && line[5] >= '0' &&
            line[5] <= '3') {
            block = line[5] - '0';
            if (seen[static_cast<std::size_t>(block)])
                p.add(file, number, "second " + line + " block");
            seen[static_cast<std::size_t>(block)] = true;
            continue;
        }
        if (Ignored(line) || block < 0)
            continue;
        CheckText(p, file, number, line);
        std::istringstream words(line);
        std::string word;
        auto& text = lang.instructions[static_cast<std::size_t>(block)];
        while (words >> word)
            text += (text.empty() ? "" : " ") + word;
    }
    for (int k = 0; k < 4; ++k)
        if (!seen[static_cast<std::size_t>(k)] || lang.instructions[static_cast<std::size_t>(k)].empty())
            p.add(file, static_cast<int>(lines.size()), "no text for [Inst" + std::to_string(k) + "]");
}

std::optional<double> Number(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return std::nullopt;
    return value;
}

std::optional<long> Whole(const std::string& text) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<LayoutRow> ParseLayout(Problems& p, const std::string& file) {
    std::vector<LayoutRow> rows;
    std::vector<std::string> lines;
    if (!ReadLines(file, lines)) {
        p.add(file, 0, "cannot read the sheet layout rows");
        return rows;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        if (Ignored(lines[i]) || lines[i].rfind("LocationName", 0) == 0)
            continue;
        std::vector<std::string> f;
        std::istringstream in(lines[i]);
        for (std::string cell; std::getline(in, cell, '\t');)
            f.push_back(cell);
        if (f.size() != 7) {
            p.add(file, number,
                  "expected 7 tab-separated columns: LocationName, r, theta, dx, dy, dimx, DimY");
            continue;
        }
        const auto r = Number(f[1]), theta = Number(f[2]), dx = Number(f[3]), dy = Number(f[4]);
        const auto dimx = Whole(f[5]), dimy = Whole(f[6]);
        if (!r || !theta || !dx || !dy || !dimx || !dimy || *dimx < 0 || *dimy < 0) {
            p.add(file, number, "r, theta, dx and dy must be numbers, dimx and DimY whole numbers");
            continue;
        }
        if (f[0].empty() || f[0].size() > 30 || !FitsCp1252(f[0])) {
            p.add(file, number, "LocationName must be 1 to 30 Windows-1252 characters");
            continue;
        }
        rows.push_back(LayoutRow{f[0], *r, *theta, *dx, *dy, *dimx, *dimy});
    }
    return rows;
}

class Database {
public:
    explicit Database(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK)
            fail("cannot create " + path);
    }
    ~Database() { sqlite3_close(m_db); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const std::string& sql) {
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql);
    }
    sqlite3_stmt* prepare(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            fail(sql);
        return st;
    }
    void step(sqlite3_stmt* st) {
        if (sqlite3_step(st) != SQLITE_DONE)
            fail(sqlite3_sql(st));
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }
    [[noreturn]] void fail(const std::string& what) {
        std::cerr << "tarvos_mkdb: " << what << ": " << sqlite3_errmsg(m_db) << "\n";
        std::exit(2);
    }

private:
    sqlite3* m_db = nullptr;
};

void BindText(sqlite3_stmt* st, int index, const std::optional<std::string>& text) {
    if (text)
        sqlite3_bind_text(st, index, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    else
        sqlite3_bind_null(st, index);
}

std::string Stem(char prefix, int number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%03d", prefix, number);
    return buffer;
}

// Answer stems: one per distinct answer text of a language, numbered in order of first use.
std::map<std::string, std::string> AnswerStems(const Language& lang) {
    std::map<std::string, std::string> stems;
    for (const auto& item : lang.items)
        for (const auto& answer : item.answers)
            if (!stems.count(answer))
                stems[answer] = Stem('A', static_cast<int>(stems.size()) + 1);
    return stems;
}

void WriteLanguageTable(Database& db, const Language& lang) {
    std::string columns = "ID INTEGER, TestQuestion TEXT, QuestionAudio TEXT";
    for (int k = 1; k <= MaxAnswers; ++k)
        columns += ", ANSWER" + std::to_string(k) + " TEXT";
    for (int k = 1; k <= MaxAnswers; ++k)
        columns += ", ChoiceAudio" + std::to_string(k) + " TEXT";
    db.exec("CREATE TABLE \"" + lang.name + "\" (" + columns + ")");
    sqlite3_stmt* st = db.prepare("INSERT INTO \"" + lang.name + "\" VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)");
    const auto stems = AnswerStems(lang);
    for (const auto& item : lang.items) {
        sqlite3_bind_int(st, 1, item.id);
        BindText(st, 2, item.text);
        BindText(st, 3, Stem('Q', item.id));
        for (int k = 0; k < MaxAnswers; ++k) {
            std::optional<std::string> answer, audio;
            if (k < static_cast<int>(item.answers.size())) {
                answer = item.answers[static_cast<std::size_t>(k)];
                audio = stems.at(*answer);
            } else if (item.id % 2 == 0) {
                // An absent answer is Null in odd items and an empty text in even ones: the readers
                // must treat both forms alike.
                answer = std::string();
            }
            BindText(st, 4 + k, answer);
            BindText(st, 9 + k, audio);
        }
        db.step(st);
    }
    sqlite3_finalize(st);
}

void WriteLayoutTable(Database& db, const std::vector<LayoutRow>& rows) {
    db.exec("CREATE TABLE ScanItem (LocationName TEXT, x INTEGER, y INTEGER, r REAL, theta REAL, dx REAL, "
            "dy REAL, dimx INTEGER, DimY INTEGER)");
    sqlite3_stmt* st = db.prepare("INSERT INTO ScanItem VALUES (?,0,0,?,?,?,?,?,?)");
    for (const auto& row : rows) {
        BindText(st, 1, row.name);
        sqlite3_bind_double(st, 2, row.r);
        sqlite3_bind_double(st, 3, row.theta);
        sqlite3_bind_double(st, 4, row.dx);
        sqlite3_bind_double(st, 5, row.dy);
        sqlite3_bind_int64(st, 6, row.dimx);
        sqlite3_bind_int64(st, 7, row.dimy);
        db.step(st);
    }
    sqlite3_finalize(st);
}

void BuildDatabase(const std::string& out, const std::vector<Language>& languages,
                   const std::vector<LayoutRow>& layout) {
    const std::string tmp = out + ".tmp";
    fs::remove(tmp);
    fs::remove(tmp + "-journal");
    {
        Database db(tmp);
        db.exec("BEGIN");
        for (const auto& lang : languages)
            WriteLanguageTable(db, lang);
        WriteLayoutTable(db, layout);
        db.exec("COMMIT");
    }
    fs::rename(tmp, out);
}

// One line per audio file: file name, a tab, the words spoken. Rewritten only when it changes, so
// the voice rule sees an unchanged script as up to date.
void WriteScript(const std::string& dir, const Language& lang) {
    std::string text;
    if (!lang.instructionFile.empty())
        for (std::size_t k = 0; k < lang.instructions.size(); ++k)
            text += "Inst" + std::to_string(k) + ".wav\t" + lang.instructions[k] + "\n";
    for (const auto& item : lang.items)
        text += Stem('Q', item.id) + ".wav\t" + std::to_string(item.id) + ". " + item.text + "\n";
    std::vector<std::pair<std::string, std::string>> answers;
    for (const auto& [answer, stem] : AnswerStems(lang))
        answers.emplace_back(stem, answer);
    std::sort(answers.begin(), answers.end());
    for (const auto& [stem, answer] : answers)
        text += stem + ".wav\t" + answer + "\n";

    const fs::path path = fs::path(dir) / (lang.name + ".tsv");
    std::ifstream old(path, std::ios::binary);
    std::stringstream current;
    current << old.rdbuf();
    if (old && current.str() == text)
        return;
    fs::create_directories(dir);
    if (FileError err = WriteFileAtomically(path.string(), text); !err.ok()) {
        std::cerr << "tarvos_mkdb: cannot write " << path.string() << ": " << err.description << "\n";
        std::exit(2);
    }
}

int Usage() {
    std::cerr << "usage: tarvos_mkdb --out FILE --scripts DIR [--items LANGUAGE FILE [--instructions "
                 "LANGUAGE FILE]]..."
                 " [--scanitems FILE]\n";
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    std::string out, scripts, layoutFile;
    std::vector<Language> languages;
    std::vector<std::pair<std::string, std::string>> instructionFiles;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--out") {
            out = next();
        } else if (arg == "--scripts") {
            scripts = next();
        } else if (arg == "--scanitems") {
            layoutFile = next();
        } else if (arg == "--items" || arg == "--instructions") {
            const std::string name = next();
            const std::string file = next();
            if (name.empty() || file.empty())
                return Usage();
            if (arg == "--items")
                languages.push_back(Language{name, file, {}, {}, {}});
            else
                instructionFiles.emplace_back(name, file);
        } else {
            return Usage();
        }
    }
    if (out.empty() || scripts.empty())
        return Usage();

    Problems problems;
    for (const auto& [name, file] : instructionFiles) {
        auto lang = std::find_if(languages.begin(), languages.end(),
                                 [&](const Language& l) { return l.name == name; });
        if (lang == languages.end()) {
            std::cerr << "tarvos_mkdb: instructions for " << name << " but no items\n";
            return Usage();
        }
        lang->instructionFile = file;
    }
    for (auto& lang : languages) {
        ParseItems(problems, lang);
        if (lang.name == "English")
            CheckGridTypes(problems, lang);
        if (!lang.instructionFile.empty())
            ParseInstructions(problems, lang);
    }
    std::vector<LayoutRow> layout;
    if (!layoutFile.empty())
        layout = ParseLayout(problems, layoutFile);
    if (problems.count() > 0) {
        std::cerr << "tarvos_mkdb: " << problems.count() << " problem(s); " << out << " not written\n";
        return 1;
    }
    try {
        BuildDatabase(out, languages, layout);
        for (const auto& lang : languages)
            WriteScript(scripts, lang);
    } catch (const fs::filesystem_error& e) {
        std::cerr << "tarvos_mkdb: " << e.what() << "\n";
        return 2;
    }
    return 0;
}
