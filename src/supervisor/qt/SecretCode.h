#pragma once
// The supervisor's secret code, asked with the program's input box.

// Asks for the secret code until the right one is typed (true) or the prompt is cancelled (false).
// The code is compared in upper case; a wrong one gets a message and a new, empty prompt.
bool AskSecretCode();
