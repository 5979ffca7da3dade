#pragma once

#include <string>
#include <vector>

namespace wendle {
class TVelkForm;
class TVelkPanel;
}  // namespace wendle

namespace wendle::document {

// What the document layer needs from the program around it. The editor
// implements it with its windows; AppletDocumentHost is the plain version
// for the batch tool and the tests. Every call is made on the thread that
// reads or writes the document.
class DocumentHost {
  public:
    virtual ~DocumentHost() = default;

    // Replaces the current applet wholesale by a fresh one and returns it.
    // The fresh applet must be what newDocumentApplet() makes (the editor
    // builds its new windows around it and wires its observer); nothing of
    // the previous applet may survive.
    virtual TVelkForm& resetDocument() = 0;

    // Removes the working-folder copies of the current applet's images and
    // sounds before it is replaced.
    virtual void deleteAppletCopies() {}
    // Puts a path at the top of the recent-documents list.
    virtual void addRecentDocument(const std::string& /*path*/) {}
    // Shows a message box with this text.
    virtual void showMessage(const std::string& /*text*/) {}
    // Refills the General tab from the applet. The document layer has already
    // applied the refill's effect on the model (applyGeneralRefill).
    virtual void updateGeneralWindow() {}
    // Names the button-list entry of this ordinal.
    virtual void setButtonListCaption(int /*ordinal*/, const std::string& /*name*/) {}
    // Loads the applet's background picture; a name that is not found at its
    // path is looked for in the fallback folder (ends in a separator).
    virtual void loadAppletImage(TVelkForm& /*applet*/, const std::string& /*fallbackFolder*/) {}
    // Loads the picture of one button state of `applet`, with the same
    // fallback. The applet is the one being read, which need not be the
    // current one yet: its pictures share one budget.
    virtual void loadStateImage(TVelkForm& /*applet*/, TVelkPanel& /*panel*/,
                                const std::string& /*fallbackFolder*/) {}
    // The HTML block was rebuilt by a save; these are the pane's new lines.
    virtual void htmlRebuilt(const std::vector<std::string>& /*lines*/) {}
};

}  // namespace wendle::document
