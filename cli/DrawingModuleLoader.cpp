#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "DrawingModule.h"

namespace wendle::cli {

namespace {

// A module beside this program, found through the running program itself,
// so a launcher link elsewhere on the PATH still finds it.
std::string modulePath(const char* module) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return module;
    return (self.parent_path() / module).string();
}

// The module's entry point, or null with dlerror() saying why.
DrawingEntry loadEntry(const std::string& path) {
    void* module = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    return module ? reinterpret_cast<DrawingEntry>(dlsym(module, kDrawingEntry)) : nullptr;
}

}  // namespace

int runDrawingCommand(const char* name, const std::vector<std::string>& args) {
    std::vector<std::string> words{"wendle-cli", name};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = int(words.size());

    if (std::string_view(name) == kRenderCommand) {
        // Without its own module render runs in the drawing module.
        if (const DrawingEntry lean = loadEntry(modulePath(kRenderModule))) {
            const int status = lean(argc, argv.data());
            if (status != kRunWithGuiLibrary)
                return status;
        }
    }
    const std::string path = modulePath(kDrawingModule);
    const DrawingEntry entry = loadEntry(path);
    if (!entry) {
        const char* reason = dlerror();
        std::fprintf(stderr, "wendle-cli %s: cannot load %s: %s\n", name, path.c_str(),
                     reason ? reason : "no entry point");
        return 1;
    }
    return entry(argc, argv.data());
}

}  // namespace wendle::cli
