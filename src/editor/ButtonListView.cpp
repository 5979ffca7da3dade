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
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return {};
    const QString caption = item->text(0);
    // The item's own margins eat into the column as well.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int room = columnWidth(0) - margin;
    return fontMetrics().horizontalAdvance(caption) > room ? caption : QString();
}

bool ButtonListView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QTreeWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString tip = index.isValid() ? rowToolTip(index.row()) : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    return true;
}

ButtonListView::ButtonListView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("ItemListBox");
    setColumnCount(1);
    setHeaderLabels({texts::buttons::kListColumn});
    header()->setStretchLastSection(false);
    setColumnWidth(0, kColumnWidth);
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

void ButtonListView::startRename(int row) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    scrollToItem(item);
    renamed_ = QPersistentModelIndex(indexFromItem(item));
    editItem(item, 0);
}

void ButtonListView::keyReleaseEvent(QKeyEvent* event) {
    // Keys typed into a caption being edited belong to the caption.
    if (isRenaming()) {
        QTreeWidget::keyReleaseEvent(event);
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
    QTreeWidget::keyReleaseEvent(event);
}

void ButtonListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit propertiesRequested();
    event->accept();
}

void ButtonListView::commitData(QWidget* editor) {
    QTreeWidget::commitData(editor);
    if (renamed_.isValid())
        emit captionEdited(renamed_.row(), renamed_.data().toString());
}

void ButtonListView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTreeWidget::closeEditor(editor, hint);
    renamed_ = QPersistentModelIndex();
}

}  // namespace wendle
