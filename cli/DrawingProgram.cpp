#include "DrawingProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Command.h"

namespace wendle::cli {

namespace {

// The drawing program beside this one, found through the running program
// itself, so a launcher link elsewhere on the PATH still finds it.
std::string drawingProgramPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return kDrawingProgram;
    return (self.parent_path() / kDrawingProgram).string();
}

std::string cLiteral(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

}  // namespace

int runDrawingCommand(const char* name, const std::vector<std::string>& args) {
    const std::string program = drawingProgramPath();
    std::vector<std::string> words{program, name};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    ::execv(program.c_str(), argv.data());
    std::fprintf(stderr, "wendle-cli %s: cannot start %s: %s\n", name, program.c_str(),
                 std::strerror(errno));
    return 1;
}

void printCommandTable() {
    std::printf(
        "// Written by the build from wendle-cli-draw's own commands.\n"
        "#include \"Command.h\"\n#include \"DrawingProgram.h\"\n\n"
        "namespace wendle::cli {\nnamespace {\n");
    int index = 0;
    for (const Command& command : commands()) {
        const std::string name = cLiteral(command.name);
        std::printf(
            "\nint run%d(const std::vector<std::string>& args) {\n"
            "    return runDrawingCommand(%s, args);\n}\n"
            "const CommandRegistration registration%d{Command{%s, %s, %s, run%d}};\n",
            index, name.c_str(), index, name.c_str(), cLiteral(command.usage).c_str(),
            cLiteral(command.summary).c_str(), index);
        ++index;
    }
    std::printf("\n}  // namespace\n}  // namespace wendle::cli\n");
}

}  // namespace wendle::cli
