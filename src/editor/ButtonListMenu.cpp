#include "editor/ButtonListMenu.h"

#include "editor/ButtonListTexts.h"
#include "editor/ButtonsTab.h"
#include "editor/main.h"
#include "model/Editing.h"

namespace wendle {

ButtonListMenu::ButtonListMenu(TmainWindow& main, ButtonsTab& tab, QWidget* parent)
    : QMenu(parent), main_(main) {
    namespace t = texts::buttons;
    setObjectName("ItemPopupMenu");
    // Separators never collapse on their own: they follow the selection
    // rule like every other entry.
    setSeparatorsCollapsible(false);

    connect(addCommand(this, "ButtonProperties1", t::kMenuProperties), &QAction::triggered, this,
            [this] { main_.showButtonProperties(); });
    addSeparator();
    newButton_ = addCommand(this, "NewButton1", t::kMenuNewButton);
    connect(newButton_, &QAction::triggered, this, [this] { main_.newButton(); });
    connect(addCommand(this, "DeleteButton1", t::kMenuDeleteButton), &QAction::triggered, this,
            [this] { main_.deleteButtons(); });
    connect(addCommand(this, "DuplicateButton1", t::kMenuDuplicateButton), &QAction::triggered,
            this, [this] { main_.duplicateButton(); });
    addSeparator();
    connect(addCommand(this, "RenameButton1", t::kMenuRenameButton), &QAction::triggered, &tab,
            &ButtonsTab::renameButton);
    addSeparator();

    QMenu* align = addMenu(t::kMenuAlign);
    align->setObjectName("AlignMenu");
    align->menuAction()->setObjectName("Align1");
    const std::pair<const char*, const char*> names[] = {{"LeftSides1", t::kMenuLeftSides},
                                                         {"RightSides1", t::kMenuRightSides},
                                                         {"Tops1", t::kMenuTops},
                                                         {"Bottoms1", t::kMenuBottoms}};
    const AlignEdge edges[] = {AlignEdge::LeftSides, AlignEdge::RightSides, AlignEdge::Tops,
                               AlignEdge::Bottoms};
    for (std::size_t i = 0; i < std::size(edges); ++i) {
        const AlignEdge edge = edges[i];
        connect(addCommand(align, names[i].first, names[i].second), &QAction::triggered, &tab,
                [&tab, edge] { tab.alignButtons(edge); });
    }

    connect(this, &QMenu::aboutToShow, this, &ButtonListMenu::showEntriesForSelection);
}

QAction* ButtonListMenu::addCommand(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void ButtonListMenu::showEntriesForSelection() {
    const bool anySelected = !main_.applet().selectedSlots().empty();
    for (QAction* action : actions()) {
        if (action != newButton_)
            action->setVisible(anySelected);
    }
}

}  // namespace wendle
