#include "editor/AppletDocument.h"

#include <QUndoStack>
#include <algorithm>

#include "editor/EditCommand.h"
#include "model/Editing.h"
#include "model/UpdatingControls.h"
#include "render/LoadImage.h"

namespace wendle {

namespace {

bool samePicture(const PanelValues& a, const PanelValues& b) {
    return a.imageName == b.imageName && a.imagePath == b.imagePath;
}

}  // namespace

AppletDocument::AppletDocument(QObject* parent)
    : QObject(parent), applet_(std::make_unique<TVelkForm>()), stack_(new QUndoStack(this)) {
    applet_->setObserver(&watcher_);
    connect(stack_, &QUndoStack::cleanChanged, this, [this] { followCleanState(); });
    connect(stack_, &QUndoStack::indexChanged, this, [this] { followCleanState(); });
}

AppletDocument::~AppletDocument() {
    // The commands refer to the document: they go first.
    stack_->clear();
}

void AppletDocument::replaceApplet(std::unique_ptr<TVelkForm> applet) {
    gesture_.reset();
    stack_->clear();
    applet_ = std::move(applet);
    applet_->setObserver(&watcher_);
    reloaded();
}

void AppletDocument::reloaded() {
    stack_->clear();
    ++mergeSession_;
    const bool modified = applet_->modified();
    // An applet that arrives with unsaved changes has no clean state to
    // undo back to.
    if (modified)
        stack_->resetClean();
    else
        stack_->setClean();
    {
        UpdatingControlsScope updating;
        emit appletReplaced();
    }
    announcedModified_ = modified;
    emit modifiedChanged(modified);
}

bool AppletDocument::edit(const QString& text, const EditScope& scope,
                          const std::function<void(TVelkForm&)>& change, const QString& mergeKey) {
    return editNamed([&text](const AppletChange&) { return text; }, scope, change, mergeKey);
}

bool AppletDocument::editNamed(const EditNaming& name, const EditScope& scope,
                               const std::function<void(TVelkForm&)>& change,
                               const QString& mergeKey) {
    const bool wasModified = applet_->modified();
    AppletTransaction transaction(*applet_, scope);
    change(*applet_);
    AppletChange made = transaction.commit();
    if (!made.changed()) {
        // Setters mark the applet modified even when they store the same
        // value; nothing changed, so nothing is unsaved.
        applet_->setModified(wasModified);
        return false;
    }
    announce(made.after, made.before);
    const QString text = name(made);
    stack_->push(new EditCommand(*this, text, std::move(made), mergeKey, mergeSession_));
    followCleanState();
    return true;
}

void AppletDocument::beginGesture(const EditScope& scope) {
    cancelGesture();
    gesture_ = std::make_unique<AppletTransaction>(*applet_, scope);
}

void AppletDocument::gestureStep(const std::function<void(TVelkForm&)>& change) {
    if (!gesture_)
        return;
    change(*applet_);
}

bool AppletDocument::endGesture(const QString& text,
                                const std::function<void(TVelkForm&)>& change) {
    if (!gesture_)
        return false;
    const std::unique_ptr<AppletTransaction> gesture = std::move(gesture_);
    change(*applet_);
    AppletChange made = gesture->commit();
    if (!made.changed()) {
        followCleanState();
        return false;
    }
    announce(made.after, made.before);
    stack_->push(new EditCommand(*this, text, std::move(made), {}, ++mergeSession_));
    followCleanState();
    return true;
}

void AppletDocument::cancelGesture() {
    if (!gesture_)
        return;
    const std::unique_ptr<AppletTransaction> gesture = std::move(gesture_);
    const AppletChange made = gesture->commit();
    restorePart(*applet_, made.before);
    announce(made.before, made.after);
    followCleanState();
}

void AppletDocument::setActiveStates(const std::array<bool, kStateCount>& active) {
    applet_->setActiveStates(active);
    applet_->showActiveStates();
}

void AppletDocument::setGrid(bool on) {
    applet_->setGrid(on);
    applet_->setModif(true);
}

void AppletDocument::setGridStep(int x, int y) {
    applet_->setGridX(x);
    applet_->setGridY(y);
    applet_->setModif(true);
}

bool AppletDocument::editPanels(const QString& text, const std::vector<PanelTarget>& targets,
                                const std::function<void(PanelValues&)>& change,
                                const QString& mergeKey) {
    return editPanels([&text](const AppletChange&) { return text; }, targets, change, mergeKey);
}

bool AppletDocument::editPanels(const EditNaming& name, const std::vector<PanelTarget>& targets,
                                const std::function<void(PanelValues&)>& change,
                                const QString& mergeKey) {
    EditScope scope;
    for (const PanelTarget& target : targets) {
        if (std::find(scope.buttonSlots.begin(), scope.buttonSlots.end(), target.slot) ==
            scope.buttonSlots.end())
            scope.buttonSlots.push_back(target.slot);
    }
    return editNamed(
        name, scope,
        [&](TVelkForm& applet) {
            for (const PanelTarget& target : targets) {
                TVelkPanel* panel = applet.statePanel(target.state, target.slot);
                if (!panel)
                    continue;
                PanelValues values = capturePanel(*panel);
                change(values);
                applyPanel(*panel, values);
            }
        },
        mergeKey);
}

bool AppletDocument::editForm(const QString& text, const std::function<void(FormValues&)>& change,
                              const QString& mergeKey) {
    return editForm([&text](const AppletChange&) { return text; }, change, mergeKey);
}

bool AppletDocument::editForm(const EditNaming& name,
                              const std::function<void(FormValues&)>& change,
                              const QString& mergeKey) {
    return editNamed(
        name, {true, {}, false},
        [&](TVelkForm& applet) {
            FormValues values = captureForm(applet);
            change(values);
            applyForm(applet, values);
        },
        mergeKey);
}

void AppletDocument::applyChange(const AppletPart& part, const AppletPart& other) {
    // What comes after an undo or redo starts a command of its own.
    ++mergeSession_;
    restorePart(*applet_, part);
    announce(part, other);
    emit changeRestored();
}

void AppletDocument::announce(const AppletPart& now, const AppletPart& other) {
    const std::string folder = documentFolder();
    QList<int> changed;
    for (const auto& [slot, values] : now.buttons) {
        if (!values)
            continue;
        changed.append(slot);
        const ButtonValues* before = other.button(slot);
        for (int state = 1; state <= kStateCount; ++state) {
            const auto index = std::size_t(state - 1);
            if (before && samePicture(before->states[index], values->states[index]))
                continue;
            if (TVelkPanel* panel = applet_->statePanel(state, slot))
                pictureReport(LoadImage(*applet_, *panel, folder));
        }
    }
    if (now.form && (!other.form || now.form->imageName != other.form->imageName ||
                     now.form->imagePath != other.form->imagePath)) {
        pictureReport(LoadImage(*applet_, folder));
        applet_->setModif(true);
    }
    UpdatingControlsScope updating;
    if (now.order && !(other.order && *now.order == *other.order))
        emit buttonListChanged();
    if (now.form)
        emit formChanged();
    if (!changed.isEmpty())
        emit buttonsChanged(changed);
    if (now.order)
        emit selectionChanged();
}

void AppletDocument::followCleanState() {
    const bool modified = !stack_->isClean();
    applet_->setModified(modified);
    if (modified == announcedModified_)
        return;
    announcedModified_ = modified;
    emit modifiedChanged(modified);
}

void AppletDocument::markSaved() {
    stack_->setClean();
    followCleanState();
    emit saved();
}

std::string AppletDocument::documentFolder() const {
    const std::string& path = applet_->documentPath();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool AppletDocument::isSelected(int slot) const {
    const auto& selected = applet_->selectedSlots();
    return std::find(selected.begin(), selected.end(), slot) != selected.end();
}

void AppletDocument::select(int slot) {
    if (isSelected(slot) || !applet_->statePanel(1, slot))
        return;
    SelectOneItem(*applet_, slot);
    emit selectionChanged();
}

void AppletDocument::unselect(int slot) {
    if (!isSelected(slot))
        return;
    UnselectOneItem(*applet_, slot);
    emit selectionChanged();
}

void AppletDocument::selectOnly(int slot) {
    selectSlots({slot});
}

void AppletDocument::selectSlots(const std::vector<int>& wanted) {
    if (applet_->selectedSlots() == wanted)
        return;
    UnselectAll(*applet_);
    for (int slot : wanted) {
        if (!isSelected(slot))
            SelectOneItem(*applet_, slot);
    }
    emit selectionChanged();
}

void AppletDocument::selectAll() {
    selectSlots(applet_->usedSlots());
}

void AppletDocument::clearSelection() {
    selectSlots({});
}

}  // namespace wendle
