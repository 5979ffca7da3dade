#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "editor/StateTab.h"

class QCheckBox;
class QTabWidget;

namespace wendle {

class TmainWindow;
class SelectionEditor;
class ButtonWideGroups;

// "Button Properties": edits the selected buttons, one tab per state. Every
// change is applied at once to each selected button, in every state that
// edits go to (activeStates); the window shows the first selected button.
class TPropertiesWindow : public QWidget, private StateTabHost {
    Q_OBJECT

  public:
    explicit TPropertiesWindow(TmainWindow& main, QWidget* parent = nullptr);
    ~TPropertiesWindow() override;

    // Refills every control from the first selected button; nothing to do
    // with an empty selection.
    void updatePropertiesWindow();
    // Ticks or clears "Apply all changes to ..." (CheckBox3) without
    // touching the applet.
    void setApplyToAllStates(bool on);

    // The tab of a state (1, 2 or 3).
    StateTab& stateTab(int state) const { return *tabs_[std::size_t(state - 1)]; }

  protected:
    void showEvent(QShowEvent* event) override;
    // Escape that no control took (an open list takes its own) closes the
    // window, as it closes a dialog: every change is already made.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // StateTabHost.
    void forEachActiveTab(const std::function<void(StateTab&)>& show) override;
    int shownState() const override;
    void refill() override;

    void placeGroups();
    void stateTabChanged();
    void applyToAllStatesClicked(bool on);
    // Edits go to the shown tab's state alone, or to all three; the preview
    // shows the first of them.
    void followActiveStates();

    TmainWindow& main_;
    std::unique_ptr<SelectionEditor> editor_;
    QTabWidget* pages_ = nullptr;
    QCheckBox* applyToAll_ = nullptr;
    std::array<StateTab*, 3> tabs_{};
    ButtonWideGroups* buttonWide_ = nullptr;
};

}  // namespace wendle
