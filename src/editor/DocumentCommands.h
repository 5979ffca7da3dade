#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "document/Lifecycle.h"
#include "editor/EditorDocumentHost.h"

namespace wendle {

class AppletDocument;
class TVelkForm;
class TmainWindow;

// The File menu's life of the document: start-up, New, Open, Reopen, the
// templates, Save, Save As and the question before closing. The document
// layer decides what happens; this puts each new applet into the one
// AppletDocument, whose views then reset themselves from it, and marks
// what was saved as the undo history's clean state.
class DocumentCommands {
  public:
    // programFolder ends in "/".
    DocumentCommands(TmainWindow& main, AppletDocument& document, const QString& programFolder);

    // The arguments joined by blanks name a document to open; without any,
    // a new applet with four buttons.
    void startUp(const QStringList& arguments);

    void newDocument();
    void openDocument();
    void reopenDocument(const QString& path);
    void saveDocument();
    void saveDocumentAs();
    void openTemplate(int number);
    // Opens a document with the reader, without asking first (a missing
    // file does nothing).
    void openPath(const QString& path);
    // Whether the program may close now: the save question, and the
    // working copies removed when it may.
    bool mayClose();

    // Replaces the applet by a new, empty one (client area 105 x 175).
    void resetDocument();
    // Puts an applet that was read whole in place of the current one.
    void adoptApplet(std::unique_ptr<TVelkForm> applet);

  private:
    // Runs a command that may read a new applet in; the views show it.
    void readingCommand(const std::function<void()>& command);
    void installApplet(std::unique_ptr<TVelkForm> applet);

    AppletDocument& document_;
    EditorDocumentHost host_;
    document::DocumentLifecycle lifecycle_;
};

}  // namespace wendle
