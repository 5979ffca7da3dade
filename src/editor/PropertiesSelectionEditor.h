#pragma once

#include <QString>
#include <functional>
#include <string>

#include "model/ButtonValues.h"
#include "model/Colour.h"

namespace wendle {

class TmainWindow;
class TVelkForm;
class TVelkPanel;

// How the button properties window writes one edit into the document: every
// selected button, and for look settings every active state, as one edit of
// the document (a typed field's keys merge into one until the focus leaves
// it). Each edit starts the same way: nothing selected shows a message and
// changes nothing.
class SelectionEditor {
  public:
    using PanelEdit = std::function<void(PanelValues&)>;
    enum class Check { Characters, Characters2 };

    explicit SelectionEditor(TmainWindow& main);

    TmainWindow& main() { return main_; }
    TVelkForm& applet();

    // The first selected button's panel of a state, or null with nothing
    // selected.
    TVelkPanel* firstSelected(int state);

    // False (after the message) when nothing is selected.
    bool requireSelection();
    // The start of every edit: requireSelection.
    bool startEdit();

    // The look family: the edit goes to every active state of every
    // selected button, which is then redrawn. False when nothing was
    // selected.
    bool applyToActiveStates(const PanelEdit& edit);
    // Button-wide settings live on one state's panel (1, or 2 for the
    // status text) whatever states are active; no redraw is needed.
    bool applyToButtonState(int state, const PanelEdit& edit);
    // Size and position are the same on all three panels of a button.
    bool applyGeometry(const std::function<void(TVelkForm&, int slot)>& edit);

    // The edit on every active state of every selected button, without the
    // selection check (for edits that already did it).
    void editActiveStates(const PanelEdit& edit);

    // The colour dialog from start; Cancel gives start back.
    Colour chooseColour(Colour start);

    // True when the text is refused (the message has then been shown).
    bool refuses(Check check, const QString& text);

    // The stale copies of a replaced image or sound name leave the working
    // folders.
    void discardCopies(const std::string& oldName);
    void repaint();

  private:
    // The key that merges the keys typed into one field.
    QString typingKey() const;
    bool applyTo(const std::vector<int>& states, const PanelEdit& edit);

  private:
    TmainWindow& main_;
};

// The model keeps one space for an empty text; fields show it as empty.
QString shownText(const std::string& modelText);
// What a field's text is stored as: Windows-1252, unrepresentable
// characters as "?".
std::string storedText(const QString& fieldText);

}  // namespace wendle
