#pragma once

#include <QString>

#include "editor/LazyPage.h"

class QItemSelection;

namespace wendle {

class TmainWindow;
class ButtonListView;
class ButtonListModel;
class ButtonListMenu;
enum class AlignEdge;

// The main window's "Buttons" tab: the list of buttons by name (a view of
// the document through ButtonListModel) and the commands on whole buttons.
// Row i is the button at ordinal i; the list's selection and the preview's
// are the document's one selection seen in two places. Its controls are
// built when it first shows, or when asked for.
class ButtonsTab : public LazyPage {
    Q_OBJECT

  public:
    explicit ButtonsTab(TmainWindow& main, QWidget* parent = nullptr);

    // Rename: edits the name of the first selected button in place; the
    // finished name becomes the button's name.
    void renameButton();
    // Lines the selected buttons up on their outermost edge.
    void alignButtons(AlignEdge edge);

  protected:
    void build() override;

  private:
    void ItemListBoxSelectItem(const QItemSelection& selected, const QItemSelection& deselected);
    // The list's rows show the document's selection.
    void showSelection();
    void showThisTab();

    TmainWindow& main_;
    ButtonListModel* model_ = nullptr;
    ButtonListView* ItemListBox_ = nullptr;
    ButtonListMenu* ItemPopupMenu_ = nullptr;
};

}  // namespace wendle
