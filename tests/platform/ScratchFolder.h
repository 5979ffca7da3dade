#pragma once

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace wendle::testing {

// A fresh folder for one test, removed afterwards. While it lives, the
// user's config, data and cache folders point inside it, so no test ever
// touches the real user's settings or desktop lists.
class ScratchFolder {
  public:
    ScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/wendle-test-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data()))
            std::abort();
        path_ = std::string(name.data()) + "/";
        redirect("XDG_CONFIG_HOME", "config");
        redirect("XDG_DATA_HOME", "data");
        redirect("XDG_CACHE_HOME", "cache");
    }
    ~ScratchFolder() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
        ::nftw(
            path_.c_str(),
            [](const char* file, const struct stat*, int, FTW*) { return ::remove(file); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, ending in "/".
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    static void writeFile(const std::string& file, const std::string& contents) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << contents;
    }
    static std::string readFile(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }
    static bool exists(const std::string& file) {
        struct stat info {};
        return ::stat(file.c_str(), &info) == 0;
    }
    // Writes an executable shell script.
    static void writeScript(const std::string& file, const std::string& body) {
        writeFile(file, "#!/bin/sh\n" + body);
        ::chmod(file.c_str(), 0755);
    }
    // Waits for a condition that another process makes true; false when it
    // never does within a generous bound (the test then fails, it is not a
    // measure of speed).
    static bool eventually(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

  private:
    void redirect(const char* variable, const std::string& sub) {
        const char* old = std::getenv(variable);
        saved_.emplace_back(variable, old ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(variable, (path_ + sub).c_str(), 1);
    }

    std::string path_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace wendle::testing
