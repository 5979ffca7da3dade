#pragma once

#include <QString>
#include <optional>

#include "model/Colour.h"

namespace wendle {

// Everything the editor asks the user goes through here, so tests can answer
// without a person.
class UserDialogs {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserDialogs() = default;

    // An information message with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // A message about something that went wrong (a save that failed), with
    // the warning icon and an OK button.
    virtual void showWarning(const QString& text) = 0;
    // A confirmation with Yes and No, or Yes, No and Cancel.
    virtual Answer ask(const QString& text, bool withCancel) = 0;
    // The colour dialog in full mode starting at start; none on Cancel.
    virtual std::optional<Colour> chooseColour(Colour start) = 0;

    struct FileRequest {
        QString title;
        QString filter;         // Qt filter text, e.g. "Wendle File (.wdf) (*.wdf *.wdff)"
        QString folder;         // where the dialog starts
        QString defaultSuffix;  // added when the user types a name without one
    };
    // An existing file to open; empty on Cancel.
    virtual QString chooseOpenFile(const FileRequest& request) = 0;
    // A file to save to (the dialog asks before overwriting); empty on Cancel.
    virtual QString chooseSaveFile(const FileRequest& request) = 0;
    // A folder (it may be made in the dialog); empty on Cancel.
    virtual QString chooseFolder(const QString& title, const QString& start) = 0;

    // The local page showing the help document at a topic (0: its start),
    // made ready for a browser; the editor starts the browser itself.
    struct HelpPage {
        QString path;
        QString error;  // empty when `path` is ready
    };
    virtual HelpPage prepareHelp(int topic) = 0;

    // The desktop: a file, folder or page with its default program, a
    // program started with one argument in a working folder. Each returns an
    // error text, empty when it went well; the caller decides whether to
    // show it.
    virtual QString openExternal(const QString& target) = 0;
    virtual QString startProgram(const QString& program, const QString& argument,
                                 const QString& workingFolder) = 0;
};

}  // namespace wendle
