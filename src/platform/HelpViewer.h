#pragma once

#include <string>

#include "platform/IoResult.h"

namespace wendle::platform {

// Makes the help document, an HTML page beside the program, ready to be
// shown in the user's browser. A topic is an anchor "topic-NN" in that page
// (see HelpTopics.h). Starting the browser is left to the caller, so help
// starts the same browser, the same way, as every other page the editor
// shows.
//
// Desktop openers often drop the "#..." part of a file URL, so a topic is
// not opened directly: a tiny page that forwards to the topic's anchor is
// written into the cache folder and that page is handed back instead.
class HelpViewer {
  public:
    static constexpr const char* kHelpFileName = "Wendle Help.html";

    HelpViewer(std::string programFolder, std::string redirectFolder);

    std::string helpDocumentPath() const { return programFolder_ + kHelpFileName; }

    struct Page {
        IoResult result;   // why there is no page to open
        std::string path;  // the local file to open when `result` is ok
    };
    // The page showing a topic: 0 is the help document from its start (the
    // Help menu), any other number the forwarding page to that topic (help
    // buttons, first-use hints).
    Page pageFor(int topic) const;

    // "topic-16"
    static std::string topicAnchor(int topic);
    // The forwarding page for a URL (made safe for HTML and script).
    static std::string redirectPage(const std::string& url);

  private:
    std::string programFolder_;
    std::string redirectFolder_;
};

}  // namespace wendle::platform
