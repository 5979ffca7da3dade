#pragma once

namespace wendle {

// The one program-wide flag that is set while the program itself writes
// values into editor controls (refilling a window, resetting or reading a
// document). Every change handler of every editing window returns at once
// while it is set.
bool updatingControls();
void setUpdatingControls(bool on);

// Sets the flag for a scope and restores the previous value afterwards.
class UpdatingControlsScope {
  public:
    UpdatingControlsScope() : previous_(updatingControls()) { setUpdatingControls(true); }
    ~UpdatingControlsScope() { setUpdatingControls(previous_); }
    UpdatingControlsScope(const UpdatingControlsScope&) = delete;
    UpdatingControlsScope& operator=(const UpdatingControlsScope&) = delete;

  private:
    bool previous_;
};

}  // namespace wendle
