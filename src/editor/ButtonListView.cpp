#include "editor/ButtonListView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QToolTip>

#include "editor/ButtonListTexts.h"

namespace wendle {

namespace {
constexpr int kColumnWidth = 77;
}

QString ButtonListView::rowToolTip(int row) const {
    const QModelIndex index = model() ? model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return {};
    const QString caption = index.data().toString();
    // The item's own margins eat into the column as well.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int room = columnWidth(0) - margin;
    return fontMetrics().horizontalAdvance(caption) > room ? caption : QString();
}

bool ButtonListView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString tip = index.isValid() ? rowToolTip(index.row()) : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    return true;
}

ButtonListView::ButtonListView(QWidget* parent) : QTreeView(parent) {
    setObjectName("ItemListBox");
    header()->setStretchLastSection(false);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Captions are edited by Rename only (F2 or the menu); a double-click
    // opens the properties instead.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // Just wide enough for the column and a scroll bar.
    setFixedWidth(kColumnWidth + 2 * frameWidth() +
                  style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
}

void ButtonListView::setModel(QAbstractItemModel* model) {
    QTreeView::setModel(model);
    setColumnWidth(0, kColumnWidth);
}

void ButtonListView::startRename(int row) {
    const QModelIndex index = model() ? model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return;
    scrollTo(index);
    edit(index);
}

void ButtonListView::keyReleaseEvent(QKeyEvent* event) {
    // Keys typed into a caption being edited belong to the caption.
    if (isRenaming()) {
        QTreeView::keyReleaseEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deleteRequested();
        return;
    }
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        emit renameRequested();
        return;
    }
    QTreeView::keyReleaseEvent(event);
}

void ButtonListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit propertiesRequested();
    event->accept();
}

}  // namespace wendle
