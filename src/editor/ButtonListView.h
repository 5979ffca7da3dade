#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

namespace wendle {

// The button list (`ItemListBox`), a view of ButtonListModel: one row per
// button, several rows selectable at once, names edited in place (the model
// makes that an edit of the document). It turns the keys and the mouse into
// requests; the Buttons tab decides what they do.
class ButtonListView : public QTreeView {
    Q_OBJECT

  public:
    explicit ButtonListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // Starts editing the caption of this row in place.
    void startRename(int row);
    bool isRenaming() const { return state() == EditingState; }
    // What the row's tool tip shows: its whole caption when the list cuts
    // it, else nothing.
    QString rowToolTip(int row) const;

  signals:
    void deleteRequested();
    void renameRequested();
    void propertiesRequested();

  protected:
    bool viewportEvent(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
};

}  // namespace wendle
