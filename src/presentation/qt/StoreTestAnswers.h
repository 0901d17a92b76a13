#pragma once
// Storing the answers of a completed onscreen test.
#include <string>

// Stores `responses` as the current client's answers and writes the slot to the client file; a new
// client is counted in by the write. While the write fails, the client file's failure is shown with a
// retry (a data disk put back in, say); the answers are given up only by a deliberate second choice.
// Returns true once they are stored.
bool StoreTestAnswers(const std::string& responses);
