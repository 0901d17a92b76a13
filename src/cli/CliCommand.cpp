#include "cli/CliCommand.h"

#include "clients/FileErrorInWords.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

std::vector<CliCommandEntry>& CliCommands() {
    static std::vector<CliCommandEntry> commands;
    return commands;
}

CliCommand::CliCommand(CliCommandInfo info, Run run) {
    auto& commands = CliCommands();
    commands.push_back({std::move(info), std::move(run)});
    std::sort(commands.begin(), commands.end(),
              [](const CliCommandEntry& a, const CliCommandEntry& b) { return a.info.name < b.info.name; });
}

CliCommand::CliCommand(std::string name, std::string usage, Run run)
    : CliCommand(CliCommandInfo{name, std::move(usage), {}, {}}, std::move(run)) {}

int CliFail(int code, const std::string& message) {
    std::fprintf(stderr, "tarvos-cli: %s\n", message.c_str());
    return code;
}

int CliUsageError(const std::string& command, const std::string& problem) {
    std::string usage = command;
    for (const auto& c : CliCommands())
        if (c.info.name == command)
            usage = c.info.usage;
    return CliFail(ExitUsage,
                   problem + "; usage: tarvos-cli " + usage + " (see tarvos-cli help " + command + ")");
}

std::optional<std::string> InputFileProblem(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return FileErrorInWords(path.empty() ? MakeFileError(52, path) : FileErrorFromErrno(errno, path));
    if (!S_ISREG(st.st_mode))
        return FileErrorInWords(MakeFileError(52, path));
    return std::nullopt;
}

int FinishStandardOutput(int code) {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int err = errno;
        return CliFail(ExitFailed, std::string("cannot write to standard output: ") +
                                       (err ? std::strerror(err) : "write error"));
    }
    return code;
}
