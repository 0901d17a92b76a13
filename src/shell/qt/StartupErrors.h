#pragma once
#include "shell/FileError.h"

#include <QString>

// The start-up error handler: shows the message for `err` ("Data disk not found!", "Data disk write
// protected!" or the error itself, naming the file). True when the user asks to repeat the failed
// step, false when the program is to end.
bool StartupErrorRetry(const FileError& err);

// "Error n:description" of a failure, followed by a line in words naming the file or disk and what to do.
QString UnexpectedErrorText(const FileError& err);

// "Data disk write protected!" with its OK and Cancel buttons and stop icon; true for OK. Start-up and
// the data-drive set-up both ask it.
bool AskWriteProtectedRetry();
