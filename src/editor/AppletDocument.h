#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/AppletChange.h"
#include "model/ButtonValues.h"
#include "model/FormValues.h"
#include "model/VelkForm.h"
#include "render/LoadImage.h"

class QUndoStack;

namespace wendle {

// The one open document: the current applet and the undo stack of the
// edits made to it. Windows are views of it: they read the applet, follow
// its signals, and change it only through edit() (or the selection calls),
// never through the model's setters.
//
// An edit names what it may change (EditScope) and runs a model edit
// function; the document keeps the values before and after as one command
// on the stack. Undo and redo put those values back and send the same
// signals as the edit did, so a view cannot tell them apart.
class AppletDocument : public QObject {
    Q_OBJECT

  public:
    explicit AppletDocument(QObject* parent = nullptr);
    ~AppletDocument() override;

    TVelkForm& applet() { return *applet_; }
    const TVelkForm& applet() const { return *applet_; }
    QUndoStack* undoStack() const { return stack_; }

    // New, Open, Reopen and templates: the applet is replaced whole, the
    // undo history goes with the old one, and every view resets itself
    // from the new applet (appletReplaced).
    void replaceApplet(std::unique_ptr<TVelkForm> applet);
    // The current applet was filled in place (a read into the applet the
    // last replaceApplet gave): the history is dropped and views reset.
    void reloaded();

    // Runs change on the applet as one undoable edit named text ("Move 3
    // Buttons"). Edits that change nothing leave no command. With a merge
    // key, an edit joins the command on top of the stack when that one has
    // the same key and scope and no endMerging() came between: a field's
    // typing or a run of arrow presses is then undone in one step.
    // Returns whether anything changed.
    bool edit(const QString& text, const EditScope& scope,
              const std::function<void(TVelkForm&)>& change, const QString& mergeKey = {});
    // One state of one button.
    struct PanelTarget {
        int slot;
        int state;
    };
    // An edit of button states as values: change runs on each target's
    // values, which the applet then takes back. Used by the properties
    // window's funnel, so many buttons and states are one edit.
    bool editPanels(const QString& text, const std::vector<PanelTarget>& targets,
                    const std::function<void(PanelValues&)>& change, const QString& mergeKey = {});
    // The same, named after the change is made: the name can tell what
    // changed ("Change Border Width").
    using EditNaming = std::function<QString(const AppletChange&)>;
    bool editNamed(const EditNaming& name, const EditScope& scope,
                   const std::function<void(TVelkForm&)>& change, const QString& mergeKey = {});
    bool editPanels(const EditNaming& name, const std::vector<PanelTarget>& targets,
                    const std::function<void(PanelValues&)>& change, const QString& mergeKey = {});
    // An edit of the applet's own values the same way.
    bool editForm(const QString& text, const std::function<void(FormValues&)>& change,
                  const QString& mergeKey = {});
    bool editForm(const EditNaming& name, const std::function<void(FormValues&)>& change,
                  const QString& mergeKey = {});

    // A gesture of the pointer (a drag that moves or sizes): its steps
    // show at once, and it becomes one edit when it ends. A new applet or
    // cancelGesture puts the values of its start back.
    void beginGesture(const EditScope& scope);
    void gestureStep(const std::function<void(TVelkForm&)>& change);
    bool endGesture(const QString& text, const std::function<void(TVelkForm&)>& change);
    void cancelGesture();
    bool inGesture() const { return gesture_ != nullptr; }

    // The states edits go to (the properties window's choice); the preview
    // shows the first of them. Not an edit.
    void setActiveStates(const std::array<bool, kStateCount>& active);

    // The alignment grid: the editor's, not the document's, so not an edit.
    void setGrid(bool on);
    void setGridStep(int x, int y);

    // The field lost focus, the arrow run ended: the next edit starts a
    // command of its own.
    void endMerging() { ++mergeSession_; }

    // The selection (selection order kept). These are not edits.
    const std::vector<int>& selectedSlots() const { return applet_->selectedSlots(); }
    bool isSelected(int slot) const;
    void select(int slot);
    void unselect(int slot);
    void selectOnly(int slot);
    void selectSlots(const std::vector<int>& wanted);
    void selectAll();
    void clearSelection();

    // The document differs from its file. Follows the stack's clean state,
    // so undoing back to the saved state makes it unmodified.
    bool isModified() const { return applet_->modified(); }
    // The applet was just saved (or read): this state is the clean one.
    void markSaved();
    // The folder of the document, ending in "/", or empty when untitled:
    // where pictures named without a path are looked for.
    std::string documentFolder() const;

    // Hears what became of each picture an undo or redo loads again (a
    // refused picture is reported to the user like one read from a file).
    void setPictureReporter(std::function<void(const LoadImageReport&)> reporter) {
        pictureReporter_ = std::move(reporter);
    }

    // Puts one side of a change in place; used by the commands.
    void applyChange(const AppletPart& part, const AppletPart& other);

  signals:
    // A new applet is in place: views refill every control from it.
    void appletReplaced();
    // The applet's own values, the text box or the client size changed.
    void formChanged();
    // Values of these buttons changed (look, place, size, texts, name).
    void buttonsChanged(const QList<int>& changed);
    // Buttons came, went, or changed places in the list or stacking order.
    void buttonListChanged();
    void selectionChanged();
    void modifiedChanged(bool modified);
    // The document was written to its file (its name may be new).
    void saved();
    // Undo or redo put values back (after the finer signals above): views
    // that show values they keep no signal for refresh them all.
    void changeRestored();

  private:
    // Changes made by the model's own functions (a read, a selection made
    // outside the document) reach the views too.
    class Watcher : public AppletObserver {
      public:
        explicit Watcher(AppletDocument& document) : document_(document) {}
        void buttonAdded(TVelkForm&, int) override { emit document_.buttonListChanged(); }
        void buttonRemoved(TVelkForm&, int, int) override { emit document_.buttonListChanged(); }
        void selectionChanged(TVelkForm&, int, bool) override { emit document_.selectionChanged(); }

      private:
        AppletDocument& document_;
    };
    Watcher watcher_{*this};

    // Tells the views what a change touched, and reloads pictures whose
    // name or path changed.
    void announce(const AppletPart& now, const AppletPart& other);
    void followCleanState();
    void pictureReport(const LoadImageReport& report) {
        if (pictureReporter_)
            pictureReporter_(report);
    }

    std::unique_ptr<TVelkForm> applet_;
    QUndoStack* stack_;
    std::function<void(const LoadImageReport&)> pictureReporter_;
    std::unique_ptr<AppletTransaction> gesture_;
    unsigned mergeSession_ = 0;
    bool announcedModified_ = false;
    friend class EditCommand;
};

}  // namespace wendle
