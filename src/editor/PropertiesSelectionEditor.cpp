#include "editor/PropertiesSelectionEditor.h"

#include "editor/Encoding.h"
#include "editor/PropertiesTexts.h"
#include "editor/main.h"
#include "model/VelkForm.h"

namespace wendle {

SelectionEditor::SelectionEditor(TmainWindow& main) : main_(main) {}

TVelkForm& SelectionEditor::applet() {
    return main_.applet();
}

TVelkPanel* SelectionEditor::firstSelected(int state) {
    const auto& selected = applet().selectedSlots();
    if (selected.empty())
        return nullptr;
    return applet().statePanel(state, selected.front());
}

bool SelectionEditor::requireSelection() {
    if (!applet().selectedSlots().empty())
        return true;
    main_.dialogs().showMessage(texts::properties::kNoSelection);
    return false;
}

void SelectionEditor::markModified() {
    applet().setModified(true);
}

bool SelectionEditor::startEdit() {
    if (!requireSelection())
        return false;
    markModified();
    return true;
}

void SelectionEditor::forEachActivePanel(const PanelEdit& edit) {
    TVelkForm& form = applet();
    // A copy: an edit must not be able to disturb the walk.
    const std::vector<int> selected = form.selectedSlots();
    for (int slot : selected) {
        for (int state = 1; state <= kStateCount; ++state) {
            if (!form.activeStates()[std::size_t(state - 1)])
                continue;
            if (TVelkPanel* panel = form.statePanel(state, slot))
                edit(*panel);
        }
    }
}

bool SelectionEditor::applyToActiveStates(const PanelEdit& edit) {
    if (!startEdit())
        return false;
    forEachActivePanel(edit);
    repaint();
    return true;
}

bool SelectionEditor::applyToButtonState(int state, const PanelEdit& edit) {
    if (!startEdit())
        return false;
    TVelkForm& form = applet();
    const std::vector<int> selected = form.selectedSlots();
    for (int slot : selected) {
        if (TVelkPanel* panel = form.statePanel(state, slot))
            edit(*panel);
    }
    return true;
}

bool SelectionEditor::applyGeometry(const std::function<void(TVelkForm&, int)>& edit) {
    if (!startEdit())
        return false;
    TVelkForm& form = applet();
    const std::vector<int> selected = form.selectedSlots();
    for (int slot : selected) {
        if (form.statePanel(1, slot))
            edit(form, slot);
    }
    // The preview draws every button itself, so a moved button is redrawn
    // too, not only a resized one.
    repaint();
    return true;
}

Colour SelectionEditor::chooseColour(Colour start) {
    return main_.getColor(start);
}

bool SelectionEditor::refuses(Check check, const QString& text) {
    return check == Check::Characters ? main_.checkCharacters(text) : main_.checkCharacters2(text);
}

void SelectionEditor::discardCopies(const std::string& oldName) {
    if (oldName.empty() || oldName == " ")
        return;
    main_.deleteReplacedCopies(oldName);
}

void SelectionEditor::reloadImage(TVelkPanel& panel) {
    main_.reloadStateImage(panel);
}

void SelectionEditor::repaint() {
    main_.repaintPreview();
}

QString shownText(const std::string& modelText) {
    if (modelText == " ")
        return {};
    return toQString(modelText);
}

std::string storedText(const QString& fieldText) {
    return fromQString(fieldText);
}

}  // namespace wendle
