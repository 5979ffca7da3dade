#include "editor/ButtonsTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "editor/AppletDocument.h"
#include "editor/ButtonListMenu.h"
#include "editor/ButtonListModel.h"
#include "editor/ButtonListTexts.h"
#include "editor/ButtonListView.h"
#include "editor/EditTexts.h"
#include "editor/Encoding.h"
#include "editor/GeneralWidgets.h"
#include "editor/WrappedLabel.h"
#include "editor/main.h"
#include "model/Editing.h"
#include "model/UpdatingControls.h"
#include "platform/HelpTopics.h"

namespace wendle {

namespace {

std::set<int> rowsOf(const QItemSelection& selection) {
    std::set<int> rows;
    for (const QModelIndex& index : selection.indexes()) rows.insert(index.row());
    return rows;
}

QLabel* emphasised(const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// One explanatory line: plain words, a word in quotes, plain words.
QHBoxLayout* explanation(const char* before, const char* word, const char* after, QWidget* parent) {
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(before, parent));
    line->addWidget(emphasised(word, parent));
    auto* rest = new WrappedLabel(after, parent);
    line->addWidget(rest, 1);
    return line;
}

}  // namespace

ButtonsTab::ButtonsTab(TmainWindow& main, QWidget* parent) : LazyPage(parent), main_(main) {}

void ButtonsTab::build() {
    TmainWindow& main = main_;
    namespace t = texts::buttons;
    model_ = new ButtonListModel(main.document(), this);
    ItemListBox_ = new ButtonListView(this);
    ItemListBox_->setModel(model_);
    ItemPopupMenu_ = new ButtonListMenu(main, *this, this);

    auto* newButton = makeCommandButton(this, "bNewButton", t::kNewButton, t::kNewButtonHint);
    auto* deleteButton =
        makeCommandButton(this, "bDeleteButton", t::kDeleteButton, t::kDeleteButtonHint);
    auto* duplicate = makeCommandButton(this, "bDuplicate", t::kDuplicate, t::kDuplicateHint);
    auto* properties = makeCommandButton(this, "bProperties", t::kProperties, t::kPropertiesHint);

    auto* commands = new QVBoxLayout;
    commands->addLayout(explanation(t::kClickThe, t::kNewButtonWord, t::kToAddAButton, this));
    commands->addLayout(explanation(t::kClick, t::kPropertiesWord, t::kToChangeButtons, this));
    commands->addSpacing(12);
    auto* buttons = new QGridLayout;
    buttons->addWidget(newButton, 0, 0);
    buttons->addWidget(deleteButton, 0, 1);
    buttons->addWidget(duplicate, 1, 0);
    buttons->addWidget(properties, 1, 1);
    buttons->setColumnStretch(2, 1);
    commands->addLayout(buttons);
    commands->addStretch(1);
    auto* help = new QHBoxLayout;
    help->addStretch(1);
    help->addWidget(makeHelpButton(this, "bButtonsHelp", main, help_topics::kButtonsTab));
    commands->addLayout(help);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ItemListBox_);
    layout->addLayout(commands, 1);

    connect(newButton, &QPushButton::clicked, this, [this] { main_.newButton(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { main_.deleteButtons(); });
    connect(duplicate, &QPushButton::clicked, this, [this] { main_.duplicateButton(); });
    connect(properties, &QPushButton::clicked, this, [this] { main_.showButtonProperties(); });

    connect(ItemListBox_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ButtonsTab::ItemListBoxSelectItem);
    connect(ItemListBox_, &ButtonListView::deleteRequested, this,
            [this] { main_.deleteButtons(); });
    connect(ItemListBox_, &ButtonListView::renameRequested, this, &ButtonsTab::renameButton);
    connect(ItemListBox_, &ButtonListView::propertiesRequested, this,
            [this] { main_.showButtonProperties(); });
    AppletDocument& document = main.document();
    connect(&document, &AppletDocument::selectionChanged, this, &ButtonsTab::showSelection);
    connect(&document, &AppletDocument::buttonListChanged, this, &ButtonsTab::showSelection);
    connect(&document, &AppletDocument::appletReplaced, this, &ButtonsTab::showSelection);
    connect(ItemListBox_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        ItemPopupMenu_->popup(ItemListBox_->viewport()->mapToGlobal(at));
    });
    showSelection();
}

void ButtonsTab::showSelection() {
    UpdatingControlsScope updating;
    QItemSelection rows;
    for (int slot : main_.document().selectedSlots()) {
        const QModelIndex index = model_->index(model_->rowOf(slot));
        if (index.isValid())
            rows.select(index, index);
    }
    ItemListBox_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void ButtonsTab::ItemListBoxSelectItem(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    if (updatingControls())
        return;
    AppletDocument& document = main_.document();
    for (int row : rowsOf(deselected)) document.unselect(model_->slotAt(row));
    // A button is in the selection once, however the list reports it.
    for (int row : rowsOf(selected)) document.select(model_->slotAt(row));
    main_.updatePropertiesWindow();
    main_.repaintPreview();
}

void ButtonsTab::renameButton() {
    const QModelIndexList rows = ItemListBox_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const auto first = std::min_element(
        rows.begin(), rows.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    showThisTab();
    ItemListBox_->setFocus();
    ItemListBox_->startRename(first->row());
}

void ButtonsTab::alignButtons(AlignEdge edge) {
    AppletDocument& document = main_.document();
    if (updatingControls() || document.selectedSlots().empty())
        return;
    const int count = int(document.selectedSlots().size());
    if (!document.edit(texts::edit::buttons(texts::edit::kAlign, count),
                       {false, document.selectedSlots(), false},
                       [edge](TVelkForm& applet) { alignSelected(applet, edge); }))
        return;
    // The first selected button's position fields show where it went.
    main_.updatePropertiesWindow();
}

void ButtonsTab::showThisTab() {
    for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(ancestor)) {
            tabs->setCurrentWidget(this);
            return;
        }
    }
}

}  // namespace wendle
