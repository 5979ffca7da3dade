#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
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

// Reads the system's font configuration (fontconfig's fifty-odd files and
// its caches) on a second core while the module and the GUI library load,
// which takes longer. The library opened here is the very one the GUI
// library links, so what is read here is what it finds. Without the library
// or a thread, nothing is started and the module reads it itself.
class FontConfigReading {
  public:
    FontConfigReading() {
        if (getenv("XX_NOFC"))
            return;
        void* library = dlopen(WENDLE_FONTCONFIG_LIBRARY, RTLD_LAZY | RTLD_LOCAL);
        if (!library)
            return;
        const auto init = reinterpret_cast<int (*)()>(dlsym(library, "FcInit"));
        if (!init)
            return;
        try {
            thread_ = std::thread(init);
        } catch (const std::system_error&) {
        }
    }
    ~FontConfigReading() { wait(); }
    FontConfigReading(const FontConfigReading&) = delete;
    FontConfigReading& operator=(const FontConfigReading&) = delete;

    bool started() const { return thread_.joinable(); }
    void wait() {
        if (thread_.joinable())
            thread_.join();
    }

  private:
    std::thread thread_;
};

FontConfigReading& fontConfigReading() {
    static FontConfigReading reading;
    return reading;
}

void waitForFontConfig() {
    fontConfigReading().wait();
}

}  // namespace

int runDrawingCommand(const char* name, const std::vector<std::string>& args) {
    const bool reading = fontConfigReading().started();
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
    return entry(int(words.size()), argv.data(), reading ? &waitForFontConfig : nullptr);
}

}  // namespace wendle::cli
