#pragma once
#include <functional>

// Ends the program: closes every window and leaves the event loops with `code`. Tests replace the
// ending with a handler so the test program goes on; ProgramEnded() tells whether it was asked for.
void EndProgram(int code = 0);
bool ProgramEnded();
void SetEndProgramHandler(std::function<void(int)> handler);
void ResetProgramEnded();
