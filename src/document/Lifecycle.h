#pragma once

#include <string>

#include "document/DocumentHost.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"

namespace wendle {
class TVelkForm;
}

namespace wendle::document {

inline constexpr const char* kSaveChangesQuestion = "Save changes to the current Applet?";

// What the life of a document asks of the program beyond DocumentHost: the
// current applet and the user's answers.
class LifecycleHost : public DocumentHost {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual TVelkForm& currentApplet() = 0;
    // "Save changes to the current Applet?" with Yes, No and Cancel.
    virtual Answer askSaveChanges() = 0;
    // The open and save dialogs, starting in folder; empty when cancelled.
    virtual std::string chooseOpenPath(const std::string& folder) = 0;
    virtual std::string chooseSavePath(const std::string& folder) = 0;
};

// The ten templates beside the program, by the number their menu item
// carries: 0 to 7 are "Toolbar One" to "Toolbar Eight", 8 is "Toolbar Ten"
// and 9 is "Toolbar Nine".
std::string templateFileName(int number);

// New, Open, Reopen, Save, Save As, the templates and closing, around the
// one current applet. programFolder ends in a separator.
class DocumentLifecycle {
  public:
    DocumentLifecycle(LifecycleHost& host, std::string programFolder);

    // The guard before the applet is replaced: true to go on. Yes saves
    // first (a cancelled Save As still goes on), Cancel stops.
    bool askSaveChanges();

    void newDocument();
    void open();
    void reopen(const std::string& path);
    // Save: to documentPath, or Save As when the applet has none. True when
    // the document was written.
    bool save();
    bool saveAs();
    void openTemplate(int number);
    // Whether the program may close now; runs the save prompt and removes
    // the working copies when it may.
    bool close();

  private:
    enum class Guard { GoOnUnasked, GoOnAsked, Stop, SaveFailed };
    enum class SaveStatus { Saved, Cancelled, Failed };
    Guard guard();
    SaveStatus saveDocument();
    SaveStatus saveDocumentAs();

    LifecycleHost& host_;
    std::string programFolder_;
};

}  // namespace wendle::document
