#pragma once

#include <string>

#include "platform/IoResult.h"
#include "platform/Shell.h"

namespace wendle::platform {

// Shows the help document, an HTML page beside the program, in the user's
// browser. A topic is an anchor "topic-NN" in that page (see HelpTopics.h).
//
// Desktop openers often drop the "#..." part of a file URL, so a topic is
// not opened directly: a tiny page that forwards to the topic's anchor is
// written into the cache folder and that page is opened instead.
class HelpViewer {
  public:
    static constexpr const char* kHelpFileName = "Wendle Help.html";

    HelpViewer(const Shell& shell, std::string programFolder, std::string redirectFolder);

    std::string helpDocumentPath() const { return programFolder_ + kHelpFileName; }

    // The help document from its start (the Help menu).
    IoResult openContents() const;
    // The help document at a numbered topic (help buttons, first-use hints).
    IoResult openTopic(int topic) const;

    // "topic-16"
    static std::string topicAnchor(int topic);
    // The forwarding page for a URL (made safe for HTML and script).
    static std::string redirectPage(const std::string& url);

  private:
    const Shell& shell_;
    std::string programFolder_;
    std::string redirectFolder_;
};

}  // namespace wendle::platform
