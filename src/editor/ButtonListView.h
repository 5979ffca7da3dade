#pragma once

#include <QPersistentModelIndex>
#include <QTreeWidget>

namespace wendle {

// The button list (`ItemListBox`): one row per button, several rows
// selectable at once, captions edited in place. It turns the keys and the
// mouse into requests; the Buttons tab decides what they do.
class ButtonListView : public QTreeWidget {
    Q_OBJECT

  public:
    explicit ButtonListView(QWidget* parent = nullptr);

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
    // A caption edit was committed (Enter or leaving the field).
    void captionEdited(int row, const QString& caption);

  protected:
    bool viewportEvent(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    QPersistentModelIndex renamed_;
};

}  // namespace wendle
