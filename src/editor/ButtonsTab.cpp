#include "editor/ButtonsTab.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/main.h"

namespace wendle {

ButtonsTab::ButtonsTab(TmainWindow& main, QWidget* parent) : QWidget(parent), main_(main) {
    auto* layout = new QVBoxLayout(this);
    ItemListBox_ = new QTreeWidget(this);
    ItemListBox_->setObjectName("ItemListBox");
    ItemListBox_->setHeaderLabels({"Buttons"});
    ItemListBox_->setRootIsDecorated(false);
    ItemListBox_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(ItemListBox_);
}

void ButtonsTab::appendRow(const QString& name) {
    ItemListBox_->addTopLevelItem(new QTreeWidgetItem({name}));
}

void ButtonsTab::removeRow(int ordinal) {
    delete ItemListBox_->takeTopLevelItem(ordinal);
}

void ButtonsTab::setRowSelected(int ordinal, bool selected) {
    if (QTreeWidgetItem* item = ItemListBox_->topLevelItem(ordinal))
        item->setSelected(selected);
}

void ButtonsTab::setRowCaption(int ordinal, const QString& name) {
    if (QTreeWidgetItem* item = ItemListBox_->topLevelItem(ordinal))
        item->setText(0, name);
}

void ButtonsTab::clearRows() {
    ItemListBox_->clear();
}

int ButtonsTab::rowCount() const {
    return ItemListBox_->topLevelItemCount();
}

}  // namespace wendle
