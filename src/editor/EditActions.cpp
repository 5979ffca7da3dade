#include "editor/EditActions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>

#include "editor/AppletDocument.h"
#include "editor/ButtonClipboardMime.h"
#include "editor/EditTexts.h"
#include "editor/Encoding.h"
#include "editor/Texts.h"
#include "editor/UserDialogs.h"
#include "model/ButtonTransfer.h"
#include "model/Editing.h"

namespace wendle {

namespace t = texts::edit;

namespace {

constexpr const char* kNudgeKey = "nudge";

EditScope selectionScope(const AppletDocument& document, bool order) {
    return {false, document.selectedSlots(), order};
}

}  // namespace

EditActions::EditActions(AppletDocument& document, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), document_(document), dialogs_(dialogs) {
    undo_ = document_.undoStack()->createUndoAction(this, t::kUndo);
    undo_->setObjectName("undoMenuItem");
    undo_->setShortcuts({QKeySequence("Ctrl+Z")});
    redo_ = document_.undoStack()->createRedoAction(this, t::kRedo);
    redo_->setObjectName("redoMenuItem");
    redo_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    for (QAction* action : {undo_, redo_}) action->setShortcutContext(Qt::ApplicationShortcut);

    cut_ = makeAction("cutMenuItem", t::kCut, {QKeySequence("Ctrl+X")}, &EditActions::cutSelection);
    copy_ =
        makeAction("copyMenuItem", t::kCopy, {QKeySequence("Ctrl+C")}, &EditActions::copySelection);
    paste_ = makeAction("pasteMenuItem", t::kPaste, {QKeySequence("Ctrl+V")}, &EditActions::paste);
    duplicate_ = makeAction("duplicateMenuItem", t::kDuplicate, {QKeySequence("Ctrl+D")},
                            &EditActions::duplicateSelection);
    delete_ = makeAction("deleteMenuItem", t::kDelete, {QKeySequence(Qt::Key_Delete)},
                         &EditActions::deleteSelection);
    selectAll_ = makeAction("selectAllMenuItem", t::kSelectAll, {QKeySequence("Ctrl+A")},
                            &EditActions::selectAll);
    copyLook_ = makeAction("copyLookMenuItem", t::kCopyLook, {QKeySequence("Ctrl+Alt+C")},
                           &EditActions::copyLook);
    pasteLook_ = makeAction("pasteLookMenuItem", t::kPasteLook, {QKeySequence("Ctrl+Alt+V")},
                            &EditActions::pasteLook);

    connect(&document_, &AppletDocument::selectionChanged, this, &EditActions::followSelection);
    connect(&document_, &AppletDocument::appletReplaced, this, &EditActions::followSelection);
    connect(&document_, &AppletDocument::buttonListChanged, this, &EditActions::followSelection);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &EditActions::followClipboard);
    followSelection();
    // What the clipboard holds is asked for when the Edit menu opens or the
    // clipboard changes, not at start-up: asking waits on the program that
    // owns the clipboard. Until then Paste is offered, and finds nothing to
    // paste when there is nothing.
}

QAction* EditActions::makeAction(const char* name, const QString& text,
                                 const QList<QKeySequence>& keys, void (EditActions::*run)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, run);
    return action;
}

void EditActions::addTo(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, &EditActions::followClipboard);
    menu->addAction(undo_);
    menu->addAction(redo_);
    menu->addSeparator();
    menu->addAction(cut_);
    menu->addAction(copy_);
    menu->addAction(paste_);
    menu->addAction(duplicate_);
    menu->addAction(delete_);
    menu->addSeparator();
    menu->addAction(selectAll_);
    menu->addSeparator();
    menu->addAction(copyLook_);
    menu->addAction(pasteLook_);
}

void EditActions::followSelection() {
    const bool any = !document_.selectedSlots().empty();
    for (QAction* action : {cut_, copy_, copyLook_}) action->setEnabled(any);
    pasteLook_->setEnabled(any && look_.has_value());
    selectAll_->setEnabled(!document_.applet().usedSlots().empty());
}

void EditActions::followClipboard() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    paste_->setEnabled(data && data->hasFormat(kButtonsMimeType));
}

void EditActions::newButton() {
    QString refused;
    document_.edit(t::buttons(t::kNew, 1), {false, {}, true}, [&refused](TVelkForm& applet) {
        const CreateMenuItemResult created = applet.CreateMenuItem();
        if (!created.ok())
            refused = toQString(created.message);
    });
    if (!refused.isEmpty())
        dialogs_.showMessage(refused);
}

void EditActions::deleteSelection() {
    if (document_.selectedSlots().empty()) {
        dialogs_.showMessage(texts::kNoSelectionDelete);
        return;
    }
    if (dialogs_.ask(texts::kConfirmDelete, false) != UserDialogs::Answer::Yes)
        return;
    const int count = int(document_.selectedSlots().size());
    document_.edit(t::buttons(t::kDeleteVerb, count), selectionScope(document_, true),
                   [](TVelkForm& applet) { deleteSelected(applet); });
}

void EditActions::duplicateSelection() {
    if (document_.selectedSlots().empty()) {
        dialogs_.showMessage(texts::kNoSelectionDuplicate);
        return;
    }
    QString refused;
    document_.edit(t::buttons(t::kDuplicateVerb, 1), {false, {}, true},
                   [&refused](TVelkForm& applet) {
                       const CreateMenuItemResult copy = duplicateSelected(applet);
                       if (!copy.ok())
                           refused = toQString(copy.message);
                   });
    if (!refused.isEmpty())
        dialogs_.showMessage(refused);
}

void EditActions::copySelection() {
    if (document_.selectedSlots().empty())
        return;
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setMimeData(
            buttonsMimeData(copyButtons(document_.applet(), document_.selectedSlots())));
    }
}

void EditActions::cutSelection() {
    if (document_.selectedSlots().empty())
        return;
    copySelection();
    const int count = int(document_.selectedSlots().size());
    document_.edit(t::buttons(t::kCutVerb, count), selectionScope(document_, true),
                   [](TVelkForm& applet) { deleteSelected(applet); });
}

void EditActions::paste() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const auto buttons = buttonsFromMimeData(clipboard ? clipboard->mimeData() : nullptr);
    if (!buttons)
        return;
    PasteResult pasted;
    document_.edit(t::buttons(t::kPasteVerb, int(buttons->size())), {false, {}, true},
                   [&](TVelkForm& applet) { pasted = pasteButtons(applet, *buttons); });
    if (!pasted.ok()) {
        dialogs_.showMessage(toQString(pasted.message));
        return;
    }
    document_.selectSlots(pasted.created);
}

void EditActions::selectAll() {
    document_.selectAll();
}

void EditActions::copyLook() {
    const auto& selected = document_.selectedSlots();
    if (selected.empty())
        return;
    look_ = captureButton(document_.applet(), selected.front());
    followSelection();
}

void EditActions::pasteLook() {
    if (!look_ || document_.selectedSlots().empty())
        return;
    const int count = int(document_.selectedSlots().size());
    const ButtonValues look = *look_;
    document_.edit(
        t::buttons(t::kPasteLookVerb, count), selectionScope(document_, false),
        [&look](TVelkForm& applet) { wendle::pasteLook(applet, applet.selectedSlots(), look); });
}

void EditActions::nudge(int dx, int dy) {
    const auto& selected = document_.selectedSlots();
    if (selected.empty())
        return;
    document_.edit(
        t::buttons(t::kMove, int(selected.size())), selectionScope(document_, false),
        [dx, dy](TVelkForm& applet) { nudgeButtons(applet, applet.selectedSlots(), dx, dy); },
        kNudgeKey);
}

void EditActions::endNudging() {
    document_.endMerging();
}

}  // namespace wendle
