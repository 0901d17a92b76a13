// The database build tool run on small item sources.
#include "DatabaseFixture.h"
#include "support/TempDir.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {
const std::vector<std::string> Ratings = {"Rare or Never", "Sometimes", "Often", "Very Often or Always"};

// Line of item `id` in a source made by ItemSource: a comment line, then items of 3 and 5 lines.
int ItemLine(int id) {
    return 2 + (id <= 108 ? (id - 1) * 3 : 108 * 3 + (id - 109) * 5);
}

std::string ItemSource(const std::string& yes, const std::string& no, const std::string& question) {
    std::string text = "# test items\n";
    for (int id = 1; id <= 149; ++id) {
        text += std::to_string(id) + ". " + question + " " + std::to_string(id) + "\n";
        std::vector<std::string> answers = {yes, no};
        if (id > 139)
            answers = {"Choice A", "Choice B" + std::to_string(id), "Choice C", "Choice D"};
        else if (id > 108)
            answers = Ratings;
        for (const auto& answer : answers)
            text += "    " + answer + "\n";
    }
    return text;
}

const std::string Instructions =
    "[Inst0]\nRead each item.\n  Then answer.\n\n[Inst1]\nOne.\n[Inst2]\nTwo.\n[Inst3]\nThree.\n";

struct ToolRun {
    int status = -1;
    std::string errors;
};

class DatabaseBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("English.txt", ItemSource("True", "False", "I agree with statement"));
        dir.write("Spanish.txt", ItemSource("Cierto", "Falso",
                                            "\xC2\xBF"
                                            "Est\xC3\xA1 de acuerdo con la frase"));
        dir.write("English-inst.txt", Instructions);
        dir.write("layout.tsv",
                  "LocationName\tr\ttheta\tdx\tdy\tdimx\tDimY\nLast Name\t250.5\t12.25\t17\t0\t20\t1\n"
                  "Item 1\t900\t45\t16.5\t0\t2\t1\n");
    }

    ToolRun Build() const {
        QProcess p;
        p.start(QString(TARVOS_BUILD_DIR) + "/tools/tarvos_mkdb",
                {"--out", out(), "--scripts", q(dir.file("voice")), "--items", "English",
                 q(dir.file("English.txt")), "--instructions", "English", q(dir.file("English-inst.txt")),
                 "--items", "Spanish", q(dir.file("Spanish.txt")), "--scanitems", q(dir.file("layout.tsv"))});
        if (!p.waitForFinished(30000))
            return {};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardError().toStdString()};
    }
    static QString q(const std::string& s) { return QString::fromStdString(s); }
    QString out() const { return q(dir.file("TARVOS.MDB")); }

    TempDir dir;
};
} // namespace

// The tables of the shipped database are read by every test that opens it; here, what the small
// sources show: absent answers, shared answer voices, and the recording scripts.
TEST_F(DatabaseBuildTest, BuildsItemTablesAndRecordingScripts) {
    const ToolRun run = Build();
    ASSERT_EQ(run.status, 0) << run.errors;
    QuestionDatabase db;
    ASSERT_TRUE(db.Open(out().toStdString()).ok());
    std::vector<ItemRecord> english;
    ASSERT_TRUE(LoadItemTable(db, "English", english).ok());
    // Absent answers occur both as Null and as empty texts, never with an audio stem.
    bool null = false, empty = false;
    std::set<std::string> stems;
    for (const auto& item : english) {
        for (std::size_t k = 0; k < 5; ++k) {
            const bool present = AnswerPresent(item.Answers[k]);
            EXPECT_EQ(present, k < (item.ID <= 108 ? 2u : 4u)) << item.ID;
            EXPECT_EQ(item.ChoiceAudio[k].has_value(), present) << item.ID;
            null |= !item.Answers[k].has_value();
            empty |= item.Answers[k] == std::optional<std::string>("");
            if (present)
                stems.insert(*item.ChoiceAudio[k]);
        }
    }
    EXPECT_TRUE(null && empty);
    EXPECT_EQ(stems.size(), 2u + 4u + 3u + 10u); // shared answers share one file

    const std::string script = dir.read("voice/English.tsv");
    EXPECT_EQ(script.substr(0, script.find('\n')), "Inst0.wav\tRead each item. Then answer.");
    EXPECT_NE(script.find("\nQ149.wav\t149. I agree with statement 149\n"), std::string::npos);
    EXPECT_NE(script.find("\nA001.wav\tTrue\nA002.wav\tFalse\nA003.wav\tRare or Never\n"), std::string::npos);
    EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 4 + 149 + 19);
    EXPECT_EQ(dir.read("voice/Spanish.tsv").rfind("Q001.wav\t1. \xC2\xBF", 0), 0u) << "no instructions given";
}

TEST_F(DatabaseBuildTest, FaultySourcesFailWithFileAndLineAndKeepTheOldDatabase) {
    const std::string source = dir.read("English.txt");
    auto replace = [&](const std::string& from, const std::string& to) {
        std::string text = source;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    struct Fault {
        std::string file, content, where, problem;
    };
    auto line = [](int id, int more = 0) { return ":" + std::to_string(ItemLine(id) + more) + ":"; };
    const std::vector<Fault> faults = {
        {"English.txt", replace("\n5. I", "\n6. I"), line(5), "item 6 where item 5"},
        {"English.txt", replace("20\n    True\n", "20\n"), line(20), "has 1 answers"},
        {"English.txt", replace("7\n    True\n    False", "7\n    True\n   False"), line(7, 2),
         "indented by exactly four blanks"},
        {"English.txt", source.substr(0, source.find("149. ")), ":", "148 items"},
        {"English.txt", replace("    Choice B140\n", "    Often enough\n"), line(140),
         "items 140-149 must not begin"},
        {"English.txt",
         replace("109\n    Rare or Never\n    Sometimes", "109\n    Rare or Never\n    Seldom"), line(109),
         "must begin with \"Somet\""},
        {"English.txt", replace("statement 3\n", "statement \xE4\xB8\xAD\n"), line(3), "Windows-1252"},
        {"English-inst.txt", "[Inst0]\nA.\n[Inst1]\nB.\n[Inst2]\nC.\n", ":", "no text for [Inst3]"},
        {"layout.tsv", "Name\t1\t2\t3\t4\tfive\t1\n", ":1:", "whole numbers"},
    };
    for (const auto& fault : faults) {
        SetUp();
        dir.write("TARVOS.MDB", "previous build");
        dir.write(fault.file, fault.content);
        const ToolRun run = Build();
        EXPECT_EQ(run.status, 1) << fault.problem;
        EXPECT_NE(run.errors.find(fault.file + fault.where), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(fault.problem), std::string::npos) << run.errors;
        EXPECT_EQ(dir.read("TARVOS.MDB"), "previous build");
    }
}
