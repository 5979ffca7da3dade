#include "platform/Folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/AtomicFile.h"

namespace wendle::platform {

namespace {

struct FolderState {
    std::mutex lock;
    std::optional<std::string> program;
    std::optional<WorkingFolderLocation> location;
};

FolderState& state() {
    static FolderState folders;
    return folders;
}

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string readProgramFolder() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return withSlash(".");  // no /proc: the current folder
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string exe(buffer.data(), static_cast<std::size_t>(length));
            return withSlash(folderOf(exe));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
        return entry->pw_dir;
    }
    return "/tmp";
}

// An XDG base folder: the variable when it holds an absolute path (relative
// ones are invalid and ignored), otherwise the home-relative default.
std::string xdgBase(const char* variable, const char* homeRelativeDefault) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return withSlash(value);
    return withSlash(withSlash(homeFolder()) + homeRelativeDefault);
}

}  // namespace

std::string programFolder() {
    FolderState& folders = state();
    std::lock_guard guard(folders.lock);
    if (!folders.program)
        folders.program = readProgramFolder();
    return *folders.program;
}

void overrideProgramFolder(const std::string& folder) {
    FolderState& folders = state();
    std::lock_guard guard(folders.lock);
    if (folder.empty()) {
        folders.program.reset();
    } else {
        folders.program = withSlash(folder);
    }
    folders.location.reset();
}

WorkingFolderLocation workingFolderLocation() {
    const std::string program = programFolder();
    FolderState& folders = state();
    std::lock_guard guard(folders.lock);
    if (!folders.location) {
        folders.location = ::access(program.c_str(), W_OK | X_OK) == 0
                               ? WorkingFolderLocation::ProgramFolder
                               : WorkingFolderLocation::UserDataFolder;
    }
    return *folders.location;
}

std::string workingFolderBase() {
    if (workingFolderLocation() == WorkingFolderLocation::ProgramFolder)
        return programFolder();
    std::string folder = userDataFolder();
    // A failure here shows up when the working folders themselves are made.
    makeFolders(folder);
    return folder;
}

std::string userConfigFolder() {
    return xdgBase("XDG_CONFIG_HOME", ".config") + "wendle/";
}

std::string userDataFolder() {
    return xdgDataHome() + "wendle/";
}

std::string userCacheFolder() {
    return xdgBase("XDG_CACHE_HOME", ".cache") + "wendle/";
}

std::string xdgDataHome() {
    return xdgBase("XDG_DATA_HOME", ".local/share");
}

}  // namespace wendle::platform
