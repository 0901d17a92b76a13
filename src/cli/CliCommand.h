#pragma once
// The subcommands of tarvos-cli and what they share. Each cli/*.cpp registers its own with a static
// CliCommand; the help and the man page list every registered command, with its exit codes.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The exit codes every command uses; a command may add its own above these (CliCommandInfo).
constexpr int ExitSuccess = 0;
constexpr int ExitFailed = 1; // the work failed: a file could not be read or written, bad input data
constexpr int ExitUsage = 2;  // unknown command or option, missing or malformed argument

struct CliCommandInfo {
    std::string name;
    std::string usage;   // the arguments after "tarvos-cli", e.g. "list CLIENTFILE"
    std::string summary; // one line for the command list
    std::string help;    // paragraphs for "help COMMAND", lines of at most 80 columns
    std::vector<std::pair<int, std::string>> exitCodes = {}; // codes of this command beyond 0, 1 and 2
};

struct CliCommand {
    using Run = std::function<int(const std::vector<std::string>& args)>;
    CliCommand(CliCommandInfo info, Run run);
    CliCommand(std::string name, std::string usage, Run run);
};

struct CliCommandEntry {
    CliCommandInfo info;
    CliCommand::Run run;
};

// The registered commands, sorted by name.
std::vector<CliCommandEntry>& CliCommands();

// Writes "tarvos-cli: " + message as one line on standard error and returns `code`.
int CliFail(int code, const std::string& message);
// A usage error of `command`: the problem and the command's usage on one line; returns ExitUsage.
int CliUsageError(const std::string& command, const std::string& problem);

// Why `path` cannot be read as an input file (missing, a folder, a pipe or device), in words; nothing
// for a regular file. Checked before opening, so that a named pipe never blocks a command.
std::optional<std::string> InputFileProblem(const std::string& path);

// Flushes standard output; on a failed write (a full disk, a closed pipe) says so and gives ExitFailed.
int FinishStandardOutput(int code = ExitSuccess);
