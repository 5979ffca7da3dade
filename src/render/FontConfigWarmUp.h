#pragma once

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

    void wait() {
        if (thread_.joinable())
            thread_.join();
    }

  private:
    std::thread thread_;
};

}  // namespace wendle
