#pragma once

#include <memory>

class QGuiApplication;

namespace wendle {

// Caption text needs a QGuiApplication. A tool or test without one creates
// this first: it starts one on the offscreen platform (unless a platform is
// already chosen) and leaves an existing one alone.
class HeadlessGui {
  public:
    HeadlessGui();
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

  private:
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace wendle
