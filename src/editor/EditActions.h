#pragma once

#include <QObject>
#include <optional>

#include "model/ButtonValues.h"

class QAction;
class QMenu;
class QWidget;

namespace wendle {

class AppletDocument;
class UserDialogs;

// The Edit menu's commands on the document: undo and redo, the buttons on
// the clipboard, duplicate, delete, select all, a look carried from one
// button to others, and the arrow-key moves of the preview. The actions'
// shortcuts work in every window of the program; a text field keeps its
// own undo and clipboard keys while it has the focus.
class EditActions : public QObject {
    Q_OBJECT

  public:
    EditActions(AppletDocument& document, UserDialogs& dialogs, QObject* parent = nullptr);

    // Adds the items in menu order.
    void addTo(QMenu* menu);

    QAction* undo() const { return undo_; }
    QAction* redo() const { return redo_; }
    QAction* cutAction() const { return cut_; }
    QAction* copyAction() const { return copy_; }
    QAction* pasteAction() const { return paste_; }
    QAction* duplicateAction() const { return duplicate_; }
    QAction* deleteAction() const { return delete_; }
    QAction* selectAllAction() const { return selectAll_; }
    QAction* copyLookAction() const { return copyLook_; }
    QAction* pasteLookAction() const { return pasteLook_; }

    void newButton();
    // Asks first; nothing selected says so.
    void deleteSelection();
    void duplicateSelection();
    void cutSelection();
    void copySelection();
    void paste();
    void selectAll();
    void copyLook();
    void pasteLook();
    // The selected buttons move by (dx, dy); a run of moves is one edit
    // until endNudging().
    void nudge(int dx, int dy);
    void endNudging();

  private:
    QAction* makeAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                        void (EditActions::*run)());
    void followSelection();
    void followClipboard();

    AppletDocument& document_;
    UserDialogs& dialogs_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* paste_ = nullptr;
    QAction* duplicate_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* selectAll_ = nullptr;
    QAction* copyLook_ = nullptr;
    QAction* pasteLook_ = nullptr;
    // The look Copy Look took; it outlives the document it came from.
    std::optional<ButtonValues> look_;
};

}  // namespace wendle
