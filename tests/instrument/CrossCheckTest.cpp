// The shipped pieces of the instrument against each other: the item tables of TARVOS.MDB with the
// sections and the instructions (the keying grid's sections are checked when the database is built);
// the report's item lines with their items; every paragraph file with every range the report looks up.
#include "ShippedInstrument.h"

#include "presentation/PresentationTexts.h"
#include "scoring/Paragraphs.h"
#include "scoring/ReportBlocks.h"
#include "scoring/Scoring.h"
#include "shell/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
// Block `name` ("[Inst2]") of a language's instruction source, as Windows-1252 lines like the tables.
std::vector<std::string> InstructionLines(const std::string& language, const std::string& name) {
    std::ifstream in(std::string(TARVOS_SOURCE_DIR) + "/data/instructions/" + language + ".txt");
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> block;
    bool inside = false;
    for (const auto& line : Lines(Cp1252FromUtf8(text.str()))) {
        if (!line.empty() && line.front() == '[')
            inside = line == name;
        else if (inside)
            block.push_back(line);
    }
    return block;
}

bool IsWave(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    char head[12] = {};
    in.read(head, sizeof head);
    return in && std::string(head, 4) == "RIFF" && std::string(head + 8, 4) == "WAVE";
}

int AnswerCount(const ItemRecord& item) {
    return static_cast<int>(std::count_if(item.Answers.begin(), item.Answers.end(), AnswerPresent));
}
} // namespace

TEST(ShippedDatabase, ItemTablesAgreeWithTheSectionsAndTheInstructions) {
    const ShippedInstrument& d = Shipped();
    // 149 records, IDs 1..149 in order; each item's answer count is checked when the database is built.
    ASSERT_TRUE(d.database.ok()) << d.database.description;
    for (const auto* table : {&d.english, &d.spanish}) {
        const std::string language = table == &d.english ? "English" : "Spanish";
        // Sections 1 and 2 share one set of answers each, the one their instructions name.
        std::set<std::vector<std::string>> sectionAnswers[2];
        for (const ItemRecord& item : *table) {
            const int section = item.ID <= 108 ? 0 : item.ID <= 139 ? 1 : 2;
            EXPECT_FALSE(item.TestQuestion.empty()) << language << " item " << item.ID;
            if (section < 2) {
                std::vector<std::string> answers;
                for (int k = 0; k < AnswerCount(item); ++k)
                    answers.push_back(item.Answers[Sz(k)].value_or(""));
                sectionAnswers[section].insert(answers);
            }
        }
        ASSERT_EQ(sectionAnswers[0].size(), 1u) << language << ": section 1 answers differ between items";
        ASSERT_EQ(sectionAnswers[1].size(), 1u) << language << ": section 2 answers differ between items";
        std::string section1;
        for (const auto& line : InstructionLines(language, "[Inst1]"))
            section1 += line + "\n";
        for (const auto& answer : *sectionAnswers[0].begin())
            EXPECT_TRUE(section1.find("\"" + answer + "\"") != std::string::npos ||
                        section1.find("\xAB" + answer + "\xBB") != std::string::npos)
                << language << ": the section 1 instructions do not name the answer " << answer;
        std::vector<std::string> ratings;
        for (auto line : InstructionLines(language, "[Inst2]")) {
            // The ratings are the deeply indented lines, possibly numbered.
            const std::size_t indent = line.find_first_not_of(' ');
            if (indent == std::string::npos || indent < 12)
                continue;
            line.erase(0, indent);
            if (line.size() > 3 && std::isdigit(static_cast<unsigned char>(line[0])) &&
                line.substr(1, 2) == ". ")
                line.erase(0, 3);
            ratings.push_back(line);
        }
        EXPECT_EQ(*sectionAnswers[1].begin(), ratings) << language << ": section 2 answers and instructions";
    }
}

TEST(ShippedDatabase, EveryAudioStemHasItsWaveFileInBothLanguages) {
    const ShippedInstrument& d = Shipped();
    ASSERT_TRUE(d.database.ok()) << d.database.description;
    for (const auto* table : {&d.english, &d.spanish}) {
        const std::string language = table == &d.english ? "English" : "Spanish";
        std::vector<std::string> wanted = {"Inst0.wav", "Inst1.wav", "Inst2.wav", "Inst3.wav"};
        for (const ItemRecord& item : *table) {
            wanted.push_back(AudioRequestName(item.QuestionAudio));
            for (std::size_t k = 0; k < 5; ++k)
                if (AnswerPresent(item.Answers[k]))
                    wanted.push_back(AudioRequestName(item.ChoiceAudio[k]));
        }
        for (const auto& name : wanted)
            EXPECT_TRUE(IsWave(AudioFileName(d.folder, language, name))) << language << ": " << name;
    }
}

TEST(ShippedReportTexts, ItemLinesBelongToTheirItemsAndAnswers) {
    const ShippedInstrument& d = Shipped();
    ASSERT_TRUE(d.loaded.ok()) << d.loaded.message();
    ASSERT_TRUE(d.database.ok()) << d.database.description;
    // The lines' numbers and widths are checked when the data is generated; here, their meaning.
    for (int j = 1; j <= SignificantItemCount; ++j) {
        const std::string& line = d.texts.SignificantItemTexts[Sz(j)];
        const int item = d.tables.SignificantItemNumbers[Sz(j)];
        // No item speaks of the same things as the line more than its own.
        const std::size_t own = SharedStems(line, d.english[Sz(item - 1)].TestQuestion);
        EXPECT_GT(own, 0u) << line;
        for (const ItemRecord& other : d.english)
            EXPECT_LE(SharedStems(line, other.TestQuestion), own) << line << " / item " << other.ID;
    }
    for (int k = 1; k <= 10; ++k) {
        const ItemRecord& item = d.english[Sz(139 + k - 1)];
        for (int q = 1; q <= 4; ++q) {
            const std::string& line = d.texts.AnswerTexts[Sz(4 * (k - 1) + q)];
            const std::size_t own = SharedStems(line, item.Answers[Sz(q - 1)].value_or(""));
            for (int other = 1; other <= 4; ++other)
                EXPECT_LE(SharedStems(line, item.Answers[Sz(other - 1)].value_or("")), own)
                    << line << " reads like answer " << other << " of item " << item.ID;
        }
    }
}

TEST(ShippedParagraphs, EveryScaleHasAParagraphForEveryRangeTheReportLooksUp) {
    const ShippedInstrument& d = Shipped();
    ASSERT_TRUE(d.loaded.ok()) << d.loaded.message();
    std::set<std::string> keys;
    for (int p = 0; p <= 100; ++p)
        keys.insert(RiskRange(p).key);
    // Lines are printed from column 9 (the notice from 8) and must end by column 78.
    auto checkLines = [&](const std::string& bytes, std::size_t indent, const std::string& what) {
        const auto lines = Lines(bytes);
        EXPECT_FALSE(lines.empty()) << what << " is empty";
        for (const auto& line : lines) {
            EXPECT_LE(line.size(), indent + 70) << what << ": " << line;
            EXPECT_FALSE(keys.count(line.substr(std::min(indent, line.size()))))
                << what << " runs into the next entry: its END is missing";
            EXPECT_TRUE(std::none_of(line.begin(), line.end(), [](char c) { return c >= 0 && c < ' '; }))
                << what << ": " << line;
        }
    };
    for (int s = 1; s <= ScaleCount; ++s)
        for (const auto& key : keys) {
            const std::string what = std::string(ParagraphFileNames[Sz(s)]) + " " + key;
            ReportWriter out;
            out.PageLine = 1;
            try {
                PrintScaleParagraph(out, s, key);
            } catch (const ReportFailure& failure) {
                ADD_FAILURE() << failure.what();
                continue;
            }
            checkLines(out.bytes(), 8, what);
        }
    ReportWriter out;
    try {
        PrintInvalidNotice(out, d.folder);
    } catch (const ReportFailure& failure) {
        ADD_FAILURE() << failure.what();
    }
    checkLines(out.bytes(), 7, InvalidNoticeFileName);
}

// The voice files are spoken from the instruction source; the screen must show the same words.
TEST(ShippedDatabase, InstructionsOnScreenAreTheWordsTheVoiceSpeaks) {
    for (const char* language : {"English", "Spanish"})
        for (int k = 0; k <= 3; ++k) {
            std::string spoken;
            for (const auto& line : InstructionLines(language, "[Inst" + std::to_string(k) + "]"))
                spoken += (spoken.empty() ? "" : "\n") + line;
            EXPECT_EQ(InstructionText(k, language), spoken) << language << " Inst" << k;
        }
}
