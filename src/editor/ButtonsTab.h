#pragma once

#include <QString>
#include <QWidget>

class QTreeWidget;

namespace wendle {

class TmainWindow;

// The main window's "Buttons" tab: the list of buttons by name and the
// commands on whole buttons. Row i is the button at ordinal i.
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

  private:
    TmainWindow& main_;
    QTreeWidget* ItemListBox_ = nullptr;
};

}  // namespace wendle
