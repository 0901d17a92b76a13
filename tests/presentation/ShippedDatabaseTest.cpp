// The question database and voice files of this build, made from the item sources in data/.
#include "presentation/QuestionDatabase.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <set>

namespace {
const std::string Program = TARVOS_BUILD_DIR;

// Calls `check` with the items of each language table of the built database.
void ForEachLanguage(const std::function<void(const std::string&, const std::vector<ItemRecord>&)>& check) {
    // A copy, so that other tests running at the same time may open the built file.
    TempDir dir;
    std::filesystem::copy_file(Program + "/" + QuestionDatabaseName, dir.file(QuestionDatabaseName));
    QuestionDatabase db;
    const FileError opened = db.Open(dir.file(QuestionDatabaseName));
    ASSERT_TRUE(opened.ok()) << opened.description;
    std::vector<std::string> languages;
    ASSERT_TRUE(LanguageTables(db, languages).ok());
    for (const std::string language : {"English", "Spanish"}) {
        if (std::find(languages.begin(), languages.end(), language) == languages.end()) {
            std::cout << "[  SKIPPED ] no " << language << " table in the built database\n";
            continue;
        }
        std::vector<ItemRecord> items;
        const FileError loaded = LoadItemTable(db, language, items);
        ASSERT_TRUE(loaded.ok()) << loaded.description;
        check(language, items);
    }
}

std::size_t AnswerCount(const ItemRecord& item) {
    return static_cast<std::size_t>(std::count_if(item.Answers.begin(), item.Answers.end(), AnswerPresent));
}

bool IsWave(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    char head[12] = {};
    in.read(head, sizeof head);
    return in && std::string(head, 4) == "RIFF" && std::string(head + 8, 4) == "WAVE";
}
} // namespace

TEST(ShippedDatabaseTest, ItemTablesFollowTheSectionRules) {
    ForEachLanguage([](const std::string& language, const std::vector<ItemRecord>& items) {
        const bool english = language == "English";
        const std::vector<std::string> trueFalse =
            english ? std::vector<std::string>{"True", "False"} : std::vector<std::string>{"Cierto", "Falso"};
        std::set<std::vector<std::string>> ratingSets;
        bool null = false, empty = false;
        for (const auto& item : items) {
            SCOPED_TRACE(language + " item " + std::to_string(item.ID));
            EXPECT_FALSE(item.TestQuestion.empty());
            EXPECT_FALSE(AnswerPresent(item.Answers[4]));
            null |= !item.Answers[4].has_value();
            empty |= item.Answers[4] == std::optional<std::string>("");
            std::vector<std::string> answers;
            for (const auto& answer : item.Answers)
                if (AnswerPresent(answer))
                    answers.push_back(*answer);
            EXPECT_EQ(AnswerCount(item), answers.size()) << "answers must be consecutive";
            if (item.ID <= 108) {
                EXPECT_EQ(answers, trueFalse);
            } else if (item.ID <= 139) {
                ratingSets.insert(answers);
            } else {
                EXPECT_EQ(answers.size(), 4u);
            }
            if (english && item.ID > 108 && answers.size() > 1) {
                const std::string second = answers[1].substr(0, 5);
                const bool typed =
                    second == "False" || second == "Mostl" || second == "Often" || answers[1] == "No";
                EXPECT_FALSE(typed);
                EXPECT_EQ(second == "Somet", item.ID <= 139);
            }
        }
        EXPECT_TRUE(null && empty) << language
                                   << ": absent answers must occur both as Null and as empty text";
        ASSERT_EQ(ratingSets.size(), 1u) << language << ": items 109-139 share one rating scale";
        EXPECT_EQ(ratingSets.begin()->size(), 4u);
        const std::vector<std::string> ratings = {"Rare or Never", "Sometimes", "Often",
                                                  "Very Often or Always"};
        EXPECT_TRUE(!english || *ratingSets.begin() == ratings);
    });
}

// Every audio file the built database names is among the voice files of this build.
TEST(ShippedDatabaseTest, EveryAudioStemHasItsWaveFile) {
    ForEachLanguage([](const std::string& language, const std::vector<ItemRecord>& items) {
        std::vector<std::string> wanted;
        for (const auto& item : items) {
            wanted.push_back(AudioRequestName(item.QuestionAudio));
            for (std::size_t k = 0; k < 5; ++k)
                if (AnswerPresent(item.Answers[k]))
                    wanted.push_back(AudioRequestName(item.ChoiceAudio[k]));
        }
        if (std::filesystem::exists(std::string(TARVOS_SOURCE_DIR) + "/data/instructions/" + language +
                                    ".txt"))
            for (const char* inst : {"Inst0.wav", "Inst1.wav", "Inst2.wav", "Inst3.wav"})
                wanted.push_back(inst);
        for (const auto& name : wanted)
            EXPECT_TRUE(IsWave(AudioFileName(Program, language, name))) << language << ": " << name;
    });
}
