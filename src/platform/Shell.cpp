#include "platform/Shell.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>

extern char** environ;

namespace wendle::platform {

namespace {

// Frees the spawn attributes and file actions however the function ends.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

void collectWhenDone(pid_t child) {
    std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

bool isLocalPath(const std::string& target) {
    return target.find("://") == std::string::npos;
}

bool isChromiumFamily(const std::string& program) {
    const std::string name = program.substr(program.rfind('/') + 1);
    for (const char* browser :
         {"chromium", "chromium-browser", "chrome", "google-chrome", "google-chrome-stable"}) {
        if (name == browser)
            return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> startArguments(const std::string& program, const std::string& argument,
                                        bool runningAsRoot) {
    if (runningAsRoot && isChromiumFamily(program))
        return {program, "--no-sandbox", argument};
    return {program, argument};
}

Shell::Shell(std::string opener) : opener_(std::move(opener)) {}

IoResult Shell::spawnDetached(const std::vector<std::string>& argv,
                              const std::string& workingFolder) {
    if (argv.empty() || argv[0].empty())
        return IoResult::systemFailure("(no program)", ENOENT);
    SpawnSetup setup;

    // The child starts clean: default signal handling, nothing blocked, no
    // descriptors of ours beyond the standard three, a session of its own.
    sigset_t everySignal;
    sigfillset(&everySignal);
    sigset_t noSignal;
    sigemptyset(&noSignal);
    posix_spawnattr_setsigdefault(&setup.attributes, &everySignal);
    posix_spawnattr_setsigmask(&setup.attributes, &noSignal);
    posix_spawnattr_setflags(&setup.attributes,
                             POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSID);
    posix_spawn_file_actions_addclosefrom_np(&setup.actions, 3);
    if (!workingFolder.empty()) {
        posix_spawn_file_actions_addchdir_np(&setup.actions, workingFolder.c_str());
    }

    std::vector<char*> arguments;
    for (const std::string& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    pid_t child = 0;
    const bool searchPath = argv[0].find('/') == std::string::npos;
    int error = searchPath ? posix_spawnp(&child, argv[0].c_str(), &setup.actions,
                                          &setup.attributes, arguments.data(), environ)
                           : posix_spawn(&child, argv[0].c_str(), &setup.actions, &setup.attributes,
                                         arguments.data(), environ);
    if (error != 0) {
        // A folder that cannot be entered fails the same call; name the
        // folder then, not the program.
        if (!workingFolder.empty() && ::access(workingFolder.c_str(), X_OK) != 0) {
            return IoResult::systemFailure(workingFolder, errno);
        }
        return IoResult::systemFailure(argv[0], error);
    }
    collectWhenDone(child);
    return IoResult::success();
}

IoResult Shell::open(const std::string& target) const {
    if (target.empty())
        return IoResult::systemFailure("(no file)", ENOENT);
    std::string argument = target;
    if (isLocalPath(target)) {
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0)
            return IoResult::systemFailure(target, errno);
        // A name starting with "-" must not be taken for an option.
        if (argument.front() == '-')
            argument = "./" + argument;
    }
    return spawnDetached({opener_, argument}, "");
}

IoResult Shell::startProgram(const std::string& program, const std::string& argument,
                             const std::string& workingFolder) const {
    return spawnDetached(startArguments(program, argument, ::geteuid() == 0), workingFolder);
}

}  // namespace wendle::platform
