#pragma once
// Program-wide run state shared by the windows, cleared at start-up.
#include <string>

extern bool EditExisting;     // true while the current client was opened with "Edit Current Client"
extern bool ScannedAnswers;   // set by scanning; cleared by the main menu before each action
extern bool Proceed;          // set by a window whose OK completes; the opener continues only then
extern bool PrintToDosPort;   // mirror of [Settings] PrintDOS
extern std::string SoundPath; // [Path] SndPath
extern std::string QuestionDatabasePath; // program folder + QuestionDatabaseName

void ClearRunState();
