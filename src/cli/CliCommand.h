#pragma once
// The subcommands of tarvos-cli. Each cli/*.cpp registers its own with a static CliCommand.
#include <functional>
#include <string>
#include <vector>

struct CliCommand {
    using Run = std::function<int(const std::vector<std::string>& args)>;
    CliCommand(std::string name, std::string usage, Run run);
};

struct CliCommandEntry {
    std::string name;
    std::string usage;
    CliCommand::Run run;
};

std::vector<CliCommandEntry>& CliCommands();
