#pragma once

#include <string>
#include <vector>

#include "platform/IoResult.h"

namespace wendle::platform {

// Starts other programs the way a desktop user expects: straight away,
// without a shell in between (so no text is ever interpreted as a command),
// and without waiting for them. A started program runs in its own session,
// so it outlives the editor; its end is collected in the background, so it
// never lingers as a zombie. Failure to start (a missing program, a folder
// that cannot be entered) is returned with the system's error text.
class Shell {
  public:
    // `opener` is the desktop's program for opening files, folders and pages.
    explicit Shell(std::string opener = "xdg-open");

    // Opens a file, a folder or a page ("https://...", "file://...") with the
    // desktop's default handler. A local path that does not exist is
    // reported as such instead of being handed on.
    IoResult open(const std::string& target) const;

    // Starts `program` with one argument and the given working folder (the
    // current folder when empty). See startArguments for what it is given.
    IoResult startProgram(const std::string& program, const std::string& argument,
                          const std::string& workingFolder) const;

    // Starts a program with these arguments (argv[0] is the program).
    static IoResult spawnDetached(const std::vector<std::string>& argv,
                                  const std::string& workingFolder);

  private:
    std::string opener_;
};

// The command line of startProgram: the program and its one argument. A
// Chromium-family browser refuses to start for the superuser unless its
// sandbox is switched off, so for root (and only then) it is also given
// "--no-sandbox"; it then shows the page as it would for anyone else.
std::vector<std::string> startArguments(const std::string& program, const std::string& argument,
                                        bool runningAsRoot);

}  // namespace wendle::platform
