#pragma once

#include <memory>
#include <string>

#include "document/DocumentHost.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"

namespace wendle {
class TVelkForm;
}

namespace wendle::document {

inline constexpr const char* kSaveChangesQuestion = "Save changes to the current Applet?";
// Asked before a save would write over one of the program's own files.
inline constexpr const char* kOverwriteProgramFileQuestion =
    "'%1' is one of the program's own files. Saving over it changes it for every applet "
    "made from it. Save over it anyway?";

// What the life of a document asks of the program beyond DocumentHost: the
// current applet and the user's answers.
class LifecycleHost : public DocumentHost {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual TVelkForm& currentApplet() = 0;
    // Puts an applet that was read whole in place of the current one.
    virtual void adoptApplet(std::unique_ptr<TVelkForm> applet) = 0;
    // "Save changes to the current Applet?" with Yes, No and Cancel.
    virtual Answer askSaveChanges() = 0;
    // kOverwriteProgramFileQuestion about path, with Yes and No: true for Yes.
    virtual bool confirmOverwriteProgramFile(const std::string& path) = 0;
    // The open and save dialogs, starting in folder; empty when cancelled.
    virtual std::string chooseOpenPath(const std::string& folder) = 0;
    virtual std::string chooseSavePath(const std::string& folder) = 0;
    // The user's documents folder, ending in a separator.
    virtual std::string documentsFolder() = 0;
    // A message about a failure (a save that wrote nothing).
    virtual void showError(const std::string& text) { showMessage(text); }
};

// The ten templates beside the program, by the number their menu item
// carries: 0 to 7 are "Toolbar One" to "Toolbar Eight", 8 is "Toolbar Ten"
// and 9 is "Toolbar Nine".
std::string templateFileName(int number);

// New, Open, Reopen, Save, Save As, the templates and closing, around the
// one current applet. programFolder ends in a separator.
//
// A document is read into a fresh applet, which replaces the current one
// only when the whole file was read: a broken file leaves the user's work
// as it was and never enters the recent documents.
class DocumentLifecycle {
  public:
    DocumentLifecycle(LifecycleHost& host, std::string programFolder);

    // The guard before the applet is replaced: true to go on. Yes saves
    // first; a cancelled or failed save stops, like Cancel.
    bool askSaveChanges();

    void newDocument();
    void open();
    void reopen(const std::string& path);
    // Reads the document at path without asking first (start-up). True when
    // it was read and is now the current applet.
    bool openFile(const std::string& path);
    // Save: to documentPath, or Save As when the applet has none. True when
    // the document was written.
    bool save();
    bool saveAs();
    void openTemplate(int number);
    // Whether the program may close now; runs the save prompt and removes
    // the working copies when it may.
    bool close();

    // Where the open dialog starts: the folder of the last document opened,
    // else the program folder. Where Save As starts: the current document's
    // folder, else the user's documents folder.
    std::string openFolder() const;
    std::string saveFolder();

  private:
    enum class Guard { GoOnUnasked, GoOnAsked, Stop };
    enum class SaveStatus { Saved, Cancelled, Failed };
    Guard guard();
    SaveStatus saveDocument();
    SaveStatus saveDocumentAs();
    SaveStatus write(TVelkForm& applet);
    bool liesInProgramFolder(const std::string& path) const;
    ReadResult readIntoFreshApplet(const std::string& path);

    LifecycleHost& host_;
    std::string programFolder_;
    std::string lastOpenFolder_;
};

}  // namespace wendle::document
