// wendle-cli find ROOT MASK [--containing TEXT] [--case-sensitive]
// Runs the editor's file search from a shell: every find is printed, one
// path a line, as the search reports it. A folder or file that could not be
// searched is named on standard error, and the exit status is then 1: the
// list may be incomplete.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "browser/DirectDispatcher.h"
#include "browser/DriveMap.h"
#include "browser/Messages.h"
#include "browser/RspFind.h"

namespace wendle::cli {

namespace {

int runFind(const std::vector<std::string>& args);

const Command kFind{"find", "find ROOT MASK [--containing TEXT] [--case-sensitive]",
                    "search the folder ROOT for files matching MASK (one path a line)", &runFind};

std::string absoluteFolder(const std::string& root) {
    if (!root.empty() && root[0] == '/')
        return root;
    std::unique_ptr<char, decltype(&std::free)> here(getcwd(nullptr, 0), &std::free);
    if (!here)
        return {};
    return joinBelowRoot(here.get(), root);
}

int runFind(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::string containing;
    bool caseSensitive = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--containing") {
            if (i + 1 >= args.size())
                return usageError(kFind, "--containing needs a text");
            containing = args[++i];
            if (containing.empty())
                return usageError(kFind, "the text to look for is empty");
        } else if (args[i] == "--case-sensitive") {
            caseSensitive = true;
        } else if (args[i].size() > 1 && args[i][0] == '-' && args[i] != "-") {
            return usageError(kFind, "unknown option " + args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2)
        return usageError(kFind, "expected ROOT and MASK");

    const std::string root = absoluteFolder(positional[0]);
    struct stat info;
    if (root.empty() || stat(root.c_str(), &info) != 0) {
        std::fprintf(stderr, "wendle-cli find: %s: %s\n", positional[0].c_str(),
                     std::strerror(errno));
        return 1;
    }
    if (!S_ISDIR(info.st_mode)) {
        std::fprintf(stderr, "wendle-cli find: %s: not a folder\n", positional[0].c_str());
        return 1;
    }

    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    DirectDispatcher dispatcher;
    TRspFind find(dispatcher);
    // ROOT is searched as a drive of its own, so that any folder name works.
    DriveMap drives;
    drives.setRoot('C', root);
    find.setDriveMap(drives);
    find.SetDrives("C");
    find.SetFileMask(positional[1]);
    find.SetContainingText(containing);
    find.SetCaseSensitive(caseSensitive);
    find.SetFileDetails(false);  // only names are printed
    find.OnFileFound = [](TFindThread&, const std::string& directory, const TSearchRec& fileinfo) {
        const std::string path = pathInFolder(directory, fileinfo.Name);
        std::fwrite(path.data(), 1, path.size(), stdout);
        std::fputc('\n', stdout);
    };
    find.OnSkipped = [](TFindThread&, const std::string& path, int error) {
        std::fprintf(stderr, "wendle-cli find: %s: %s\n", path.c_str(), skipReason(error).c_str());
    };
    find.StartSearch();
    find.WaitFor();
    const bool written = std::fflush(stdout) == 0;
    return written && find.Skipped() == 0 ? 0 : 1;
}

static CommandRegistration registration(kFind);

}  // namespace

}  // namespace wendle::cli
