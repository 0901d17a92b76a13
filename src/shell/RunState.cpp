#include "shell/RunState.h"

bool EditExisting = false;
bool ScannedAnswers = false;
bool Proceed = false;
bool PrintToDosPort = false;
std::string SoundPath;
std::string QuestionDatabasePath;

void ClearRunState() {
    EditExisting = false;
    ScannedAnswers = false;
    Proceed = false;
}
