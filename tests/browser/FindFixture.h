#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "browser/PumpedDispatcher.h"
#include "browser/RspFind.h"

namespace wendle::test {

// A folder of its own for one test, removed afterwards. It lies on a local
// disk, since a search never crosses into a memory file system.
class TempTree {
  public:
    TempTree();
    // In `parent` instead: a memory file system, say, where a tree of tens
    // of thousands of folders is made and removed in a moment. A search
    // starting there walks it; it only never crosses into one.
    explicit TempTree(const std::filesystem::path& parent);
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::string path(const std::string& relative) const;

    // Creates the file (and its folders) holding `contents`.
    std::string file(const std::string& relative, const std::string& contents = "x",
                     bool executable = false) const;
    std::string folder(const std::string& relative) const;
    void link(const std::string& relative, const std::string& target) const;
    static bool writeFile(const std::string& path, const std::string& contents);

  private:
    std::filesystem::path root_;
};

// A folder for fixtures in memory when the machine has one, else on disk.
std::filesystem::path memoryFolderForFixtures();

// What a search's events reported, in order, as the pumping thread saw them.
struct SearchLog {
    std::vector<std::string> found;           // folder + "/" + name
    std::vector<std::string> enteredFolders;  // OnChangeDirectory
    int completed = 0;
    bool eventOffPumpingThread = false;

    // Hooks the three events of `find` up to this log.
    void attach(TRspFind& find);
};

// Runs the queued events until the search's worker has ended and nothing is
// left in the queue. Fails the test after a generous time.
void pumpToEnd(PumpedDispatcher& dispatcher, TRspFind& find,
               std::chrono::milliseconds timeout = std::chrono::seconds(60));

std::vector<std::string> sorted(std::vector<std::string> items);

}  // namespace wendle::test
