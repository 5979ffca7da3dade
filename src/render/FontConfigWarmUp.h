#pragma once

#include <future>
#include <thread>

namespace wendle {

// Reads the system's font configuration (fontconfig's files and caches, some
// ten milliseconds) on a second core while the program goes on starting.
// Created before the GUI library starts; wait() before the first text is
// measured, so the library finds the configuration read rather than read it
// a second time.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp() { wait(); }
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Says that the GUI application now exists and that nothing will touch
    // fonts before wait(): the second core then also fills the GUI library's
    // font database from the configuration it read.
    void guiStarted();

    void wait();

  private:
    std::promise<bool> fillFontDatabase_;
    bool answered_ = false;
    std::thread thread_;
};

}  // namespace wendle
