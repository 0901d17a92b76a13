#pragma once
// The fixed texts of the onscreen test in English and Spanish, as Windows-1252 bytes. A line break
// is "\n".
#include <string>

struct PresentationTexts {
    std::string caption;
    std::string instructionsStatus; // while an instruction text has the focus
    std::string questionStatus;     // while the item has the focus
    std::string answerStatus;       // while an answer has the focus and the voice is on
    std::string answerStatusSilent; // the same without a voice
    std::string noteTitle;
    std::string partCompleted;
    std::string testCompleted;
};

// The texts of the language presented: Spanish when `language` is "Spanish" in any case, else English.
const PresentationTexts& TextsFor(const std::string& language);
bool IsSpanish(const std::string& language);

// Instruction text `which`: 0 general, 1..3 the sections.
std::string InstructionText(int which, const std::string& language);
