#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "DrawingModule.h"

namespace wendle::cli {

namespace {

// The module beside this program, found through the running program itself,
// so a launcher link elsewhere on the PATH still finds it.
std::string drawingModulePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return kDrawingModule;
    return (self.parent_path() / kDrawingModule).string();
}

}  // namespace

int runDrawingCommand(const char* name, const std::vector<std::string>& args) {
    const std::string path = drawingModulePath();
    void* module = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    const auto entry =
        module ? reinterpret_cast<DrawingEntry>(dlsym(module, kDrawingEntry)) : nullptr;
    if (!entry) {
        const char* reason = dlerror();
        std::fprintf(stderr, "wendle-cli %s: cannot load %s: %s\n", name, path.c_str(),
                     reason ? reason : "no entry point");
        return 1;
    }
    std::vector<std::string> words{"wendle-cli", name};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return entry(int(words.size()), argv.data());
}

}  // namespace wendle::cli
