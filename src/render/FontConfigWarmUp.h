#pragma once

#include <functional>
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
    // fontsReady, if given, is what the second core does next once told
    // that the GUI exists (filling the GUI library's font database).
    explicit FontConfigWarmUp(std::function<void()> fontsReady = {});
    ~FontConfigWarmUp() { wait(); }
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Says that the GUI application now exists and that nothing will touch
    // fonts before wait(): the second core then also does fontsReady.
    void guiStarted();

    void wait();

  private:
    std::promise<bool> fillFontDatabase_;
    bool answered_ = false;
    std::thread thread_;
};

}  // namespace wendle
