#pragma once

#include <chrono>
#include <string>

#include "platform/IoResult.h"

namespace wendle::platform {

// The program that hands documents to the desktop's list.
struct RecentlyUsedApplication {
    std::string name = "Wendle";
    std::string exec = "'wendle' %u";
    std::string mimeType = "application/x-wendle";
};

// The desktop's shared list of recently used documents, the bookmark file
// "recently-used.xbel" in the user's data folder, which file choosers and
// launchers show. Adding a document that is already listed updates its
// times and our use count instead of listing it twice. A file that is not a
// well-formed bookmark file is left exactly as it is and the add fails; the
// file is always replaced atomically.
class RecentlyUsedList {
  public:
    explicit RecentlyUsedList(std::string xbelPath = defaultPath());

    // xdgDataHome() + "recently-used.xbel"
    static std::string defaultPath();

    IoResult add(const std::string& absolutePath, const RecentlyUsedApplication& application = {},
                 std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

    // "2024-05-01T10:20:30.123456Z"
    static std::string timestamp(std::chrono::system_clock::time_point time);

  private:
    std::string path_;
};

}  // namespace wendle::platform
