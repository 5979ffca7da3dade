#include "editor/EditCommand.h"

#include "editor/AppletDocument.h"

namespace wendle {

namespace {

constexpr int kMergeableId = 1;

bool sameScope(const AppletPart& a, const AppletPart& b) {
    if (a.form.has_value() != b.form.has_value() || a.order.has_value() != b.order.has_value() ||
        a.buttons.size() != b.buttons.size())
        return false;
    for (std::size_t i = 0; i < a.buttons.size(); ++i) {
        if (a.buttons[i].first != b.buttons[i].first)
            return false;
    }
    return true;
}

}  // namespace

EditCommand::EditCommand(AppletDocument& document, const QString& text, AppletChange change,
                         const QString& mergeKey, unsigned mergeSession)
    : QUndoCommand(text),
      document_(document),
      change_(std::move(change)),
      mergeKey_(mergeKey),
      mergeSession_(mergeSession) {}

void EditCommand::undo() {
    document_.applyChange(change_.before, change_.after);
}

void EditCommand::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    document_.applyChange(change_.after, change_.before);
}

int EditCommand::id() const {
    return mergeKey_.isEmpty() ? -1 : kMergeableId;
}

bool EditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const EditCommand*>(other);
    if (!next || next->mergeKey_ != mergeKey_ || next->mergeSession_ != mergeSession_ ||
        next->change_.changesOrder() || !sameScope(change_.before, next->change_.before))
        return false;
    change_.after = next->change_.after;
    setObsolete(!change_.changed());
    return true;
}

}  // namespace wendle
