#pragma once

#include <QString>
#include <QWidget>

class QItemSelection;

namespace wendle {

class TmainWindow;
class ButtonListView;
class ButtonListMenu;
enum class AlignEdge;

// The main window's "Buttons" tab: the list of buttons by name and the
// commands on whole buttons. Row i is the button at ordinal i; the list's
// selection and the preview's are one selection seen in two places.
class ButtonsTab : public QWidget {
    Q_OBJECT

  public:
    explicit ButtonsTab(TmainWindow& main, QWidget* parent = nullptr);

    // Called with updatingControls set; they never feed back into the applet.
    void appendRow(const QString& name);
    void removeRow(int ordinal);
    void setRowSelected(int ordinal, bool selected);
    void setRowCaption(int ordinal, const QString& name);
    void clearRows();
    int rowCount() const;

    // Rename: edits the name of the first selected button in place; the
    // finished name becomes the button's name.
    void renameButton();
    // Lines the selected buttons up on their outermost edge.
    void alignButtons(AlignEdge edge);

  private:
    void ItemListBoxSelectItem(const QItemSelection& selected, const QItemSelection& deselected);
    void ItemListBoxEdited(int row, const QString& caption);
    void showThisTab();

    TmainWindow& main_;
    ButtonListView* ItemListBox_ = nullptr;
    ButtonListMenu* ItemPopupMenu_ = nullptr;
};

}  // namespace wendle
