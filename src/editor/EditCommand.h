#pragma once

#include <QString>
#include <QUndoCommand>

#include "model/AppletChange.h"

namespace wendle {

class AppletDocument;

// One user gesture on the document, as the values it changed: a property
// set on many buttons and states, a drag, a delete, a paste. Typing in one
// field, or a run of arrow presses, merges into the command on top while
// the key, the scope and the merge session are the same.
class EditCommand : public QUndoCommand {
  public:
    EditCommand(AppletDocument& document, const QString& text, AppletChange change,
                const QString& mergeKey, unsigned mergeSession);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    const AppletChange& change() const { return change_; }

  private:
    AppletDocument& document_;
    AppletChange change_;
    QString mergeKey_;
    unsigned mergeSession_;
    // The edit is already in the applet when the command is pushed.
    bool done_ = true;
};

}  // namespace wendle
