#pragma once

#include <optional>
#include <string>
#include <vector>

#include "browser/DriveMap.h"
#include "browser/FindEvents.h"
#include "browser/ThreadPriority.h"

namespace wendle {

// Everything a search needs, copied from its component when it starts, so
// that the worker shares nothing with the user-interface thread but its
// stop flag.
struct FindDefinition {
    std::string fileMask = "*.exe";
    std::vector<std::string> directories;
    std::string drives = "C";
    std::vector<std::string> files;
    std::string containingText;
    bool caseSensitive = false;
    TThreadPriority threadPriority = TThreadPriority::tpNormal;
    DriveMap driveMap;
    // Whether each find's size, time and read-only flag are read (a status
    // per find); without them a record holds the name and the type only.
    bool fileDetails = true;
    // Threads that scan folders ahead of the walk; none when empty, and the
    // machine's number when not given.
    std::optional<unsigned> scanHelpers;

    TMatchEvent onFileFound;
    TNotifyEvent onCompleted;
    TChangeDirEvent onChangeDirectory;
    TSkipEvent onSkipped;
};

}  // namespace wendle
