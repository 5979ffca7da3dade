#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "CommandLine.h"

namespace wendle::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> all;
    return all;
}

void printHelp(std::FILE* out) {
    std::fprintf(out,
                 "usage: wendle-cli COMMAND [ARGS...]\n"
                 "Batch tool of Wendle: runs without a display.\n\ncommands:\n");
    for (const auto& command : commands()) {
        std::fprintf(out, "  %-52s %s\n", command.usage.c_str(), command.summary.c_str());
    }
    std::fprintf(out, "\n  --help       show this text\n  --version    show the version\n");
}
}  // namespace

const std::vector<Command>& commands() {
    return registry();
}

CommandRegistration::CommandRegistration(Command command) {
    registry().push_back(std::move(command));
}

int usageError(const Command& command, const std::string& problem) {
    if (!problem.empty())
        std::fprintf(stderr, "wendle-cli %s: %s\n", command.name.c_str(), problem.c_str());
    std::fprintf(stderr, "usage: wendle-cli %s\n", command.usage.c_str());
    return 2;
}

int runCommandLine(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printHelp(stderr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printHelp(stdout);
        return 0;
    }
    if (args[0] == "--version") {
        std::printf("wendle-cli %s\n", WENDLE_VERSION);
        return 0;
    }
    for (const auto& command : commands()) {
        if (command.name == args[0])
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::fprintf(stderr, "wendle-cli: unknown command '%s'\n", args[0].c_str());
    printHelp(stderr);
    return 2;
}

}  // namespace wendle::cli
