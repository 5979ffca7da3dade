#include "editor/PropertiesSelectionEditor.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "editor/AppletDocument.h"
#include "editor/EditNames.h"
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

bool SelectionEditor::startEdit() {
    return requireSelection();
}

QString SelectionEditor::typingKey() const {
    // Keys typed into one field are one edit; a click is one of its own.
    QWidget* focus = QApplication::focusWidget();
    const bool typing = qobject_cast<QLineEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus) ||
                        qobject_cast<QPlainTextEdit*>(focus) || qobject_cast<QTextEdit*>(focus);
    if (!typing)
        return {};
    // An editable list's line edit is named after its list.
    QWidget* named = focus->objectName().isEmpty() ? focus->parentWidget() : focus;
    return named ? named->objectName() : QString();
}

bool SelectionEditor::applyTo(const std::vector<int>& states, const PanelEdit& edit) {
    AppletDocument& document = main_.document();
    std::vector<AppletDocument::PanelTarget> targets;
    for (int slot : document.selectedSlots()) {
        for (int state : states) targets.push_back({slot, state});
    }
    return document.editPanels(buttonChangeName, targets, edit, typingKey());
}

void SelectionEditor::editActiveStates(const PanelEdit& edit) {
    std::vector<int> states;
    for (int state = 1; state <= kStateCount; ++state) {
        if (applet().activeStates()[std::size_t(state - 1)])
            states.push_back(state);
    }
    applyTo(states, edit);
}

bool SelectionEditor::applyToActiveStates(const PanelEdit& edit) {
    if (!startEdit())
        return false;
    editActiveStates(edit);
    repaint();
    return true;
}

bool SelectionEditor::applyToButtonState(int state, const PanelEdit& edit) {
    if (!startEdit())
        return false;
    applyTo({state}, edit);
    return true;
}

bool SelectionEditor::applyGeometry(const std::function<void(TVelkForm&, int)>& edit) {
    if (!startEdit())
        return false;
    AppletDocument& document = main_.document();
    const std::vector<int> selected = document.selectedSlots();
    document.editNamed(
        buttonChangeName, {false, selected, false},
        [&](TVelkForm& form) {
            for (int slot : selected) {
                if (form.statePanel(1, slot))
                    edit(form, slot);
            }
        },
        typingKey());
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
