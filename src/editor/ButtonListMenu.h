#pragma once

#include <QMenu>

namespace wendle {

class TmainWindow;
class ButtonsTab;

// The button list's context menu (`ItemPopupMenu`). With no button selected
// it offers only "&New Button".
class ButtonListMenu : public QMenu {
    Q_OBJECT

  public:
    ButtonListMenu(TmainWindow& main, ButtonsTab& tab, QWidget* parent = nullptr);

  private:
    QAction* addCommand(QMenu* menu, const char* name, const char* caption);
    // Runs each time the menu opens.
    void showEntriesForSelection();

    TmainWindow& main_;
    QAction* newButton_ = nullptr;
};

}  // namespace wendle
