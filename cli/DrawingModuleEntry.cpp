#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "Command.h"
#include "CommandLine.h"
#include "DrawingModule.h"
#include "ModuleText.h"

namespace wendle::cli {

namespace {

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

// The folder this module was loaded from.
std::string moduleFolder() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&printCommandTable), &info) || !info.dli_fname)
        return {};
    const std::string path = info.dli_fname;
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

void printCommandTable() {
    std::printf(
        "// Written by the build from the drawing module's own commands.\n"
        "#include \"Command.h\"\n#include \"DrawingModule.h\"\n\n"
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

// The one symbol the module shows (see DrawingModule.h). Nothing thrown
// inside may leave it: the caller has a C++ library of its own.
extern "C" __attribute__((visibility("default"))) int wendleDrawingMain(int argc, char** argv) {
    using namespace wendle;
    if (argc == 2 && std::strcmp(argv[1], "--command-table") == 0) {
        cli::printCommandTable();
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    cli::prepareModuleText(cli::moduleFolder());
    const char* command = argc > 1 ? argv[1] : "";
    try {
        return cli::runCommandLine(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wendle-cli %s: %s\n", command, error.what());
    } catch (...) {
        std::fprintf(stderr, "wendle-cli %s: failed\n", command);
    }
    return 1;
}
