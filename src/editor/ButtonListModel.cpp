#include "editor/ButtonListModel.h"

#include <algorithm>

#include "editor/AppletDocument.h"
#include "editor/ButtonListTexts.h"
#include "editor/EditTexts.h"
#include "editor/Encoding.h"
#include "model/AppletEdits.h"

namespace wendle {

ButtonListModel::ButtonListModel(AppletDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document) {
    auto reset = [this] {
        beginResetModel();
        endResetModel();
    };
    connect(&document_, &AppletDocument::appletReplaced, this, reset);
    connect(&document_, &AppletDocument::buttonListChanged, this, reset);
    connect(&document_, &AppletDocument::buttonsChanged, this, &ButtonListModel::buttonsChanged);
}

int ButtonListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(document_.applet().usedSlots().size());
}

int ButtonListModel::slotAt(int row) const {
    const auto& used = document_.applet().usedSlots();
    return row >= 0 && row < int(used.size()) ? used[std::size_t(row)] : -1;
}

int ButtonListModel::rowOf(int slot) const {
    const auto& used = document_.applet().usedSlots();
    const auto found = std::find(used.begin(), used.end(), slot);
    return found == used.end() ? -1 : int(found - used.begin());
}

QVariant ButtonListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int slot = slotAt(index.row());
    if (slot < 0)
        return {};
    return toQString(document_.applet().statePanel(1, slot)->itemName());
}

bool ButtonListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int slot = slotAt(index.row());
    if (role != Qt::EditRole || slot < 0)
        return false;
    // A name is one line.
    QString name = value.toString();
    name.replace('\r', ' ').replace('\n', ' ');
    const std::string stored = fromQString(name);
    return document_.edit(
        texts::edit::kRenameButton, {false, {slot}, false},
        [slot, &stored](TVelkForm& applet) { renameButton(applet, slot, stored); });
}

Qt::ItemFlags ButtonListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant ButtonListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section != 0 || orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return QString(texts::buttons::kListColumn);
}

void ButtonListModel::buttonsChanged(const QList<int>& changed) {
    for (int slot : changed) {
        const int row = rowOf(slot);
        if (row >= 0)
            emit dataChanged(index(row), index(row), {Qt::DisplayRole, Qt::EditRole});
    }
}

}  // namespace wendle
