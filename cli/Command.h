#pragma once

#include <string>
#include <vector>

namespace wendle::cli {

// One subcommand of wendle-cli. Each lives in its own file and registers
// itself with a static CommandRegistration.
struct Command {
    std::string name;
    std::string usage;    // e.g. "html DOC.wdf"
    std::string summary;  // one line for --help
    // Arguments after the subcommand's name. Returns the exit status:
    // 0 success, 1 failure (message on standard error), 2 usage error.
    int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Prints "usage: wendle-cli <usage>" to standard error and returns 2.
int usageError(const Command& command, const std::string& problem);

}  // namespace wendle::cli
