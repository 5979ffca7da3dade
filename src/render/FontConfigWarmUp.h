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

    void wait();

    // The program that loaded this code is already reading the configuration
    // on a thread of its own, and waitUntilRead returns once it is read: a
    // warm-up then starts no thread, and its wait() calls that instead.
    static void readElsewhere(void (*waitUntilRead)());

  private:
    std::thread thread_;
};

}  // namespace wendle
