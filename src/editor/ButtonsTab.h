#pragma once

#include <QString>
#include <QWidget>

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
// built when it first shows, or when asked for: a start-up that shows
// another tab need not build them.
class ButtonsTab : public QWidget {
    Q_OBJECT

  public:
    explicit ButtonsTab(TmainWindow& main, QWidget* parent = nullptr);

    // Builds the controls now, unless they are built.
    void ensureBuilt();

    // Rename: edits the name of the first selected button in place; the
    // finished name becomes the button's name.
    void renameButton();
    // Lines the selected buttons up on their outermost edge.
    void alignButtons(AlignEdge edge);

    // Built before it first shows, so the controls show with it.
    void setVisible(bool visible) override;

  private:
    void build();
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
