#pragma once

#include <memory>
#include <string>

class QGuiApplication;

namespace wendle {

// The GUI library's text drawing needs a QGuiApplication. A tool or test
// without one creates this first: it starts one on the offscreen platform
// (unless a platform is already chosen) and leaves an existing one alone.
// Captions are then drawn by the GUI library (installQtTextEngine).
class HeadlessGui {
  public:
    HeadlessGui();
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

    // A folder of Qt plugins holding just the offscreen platform
    // (platforms/<its library>), for a program that ships one: the GUI
    // library then reads that one plugin rather than every platform plugin
    // on the system to find it. Called before the first HeadlessGui; a
    // folder without the plugin, or another platform asked for, is passed
    // over.
    static void usePluginFolder(const std::string& folder);

    // Fills the GUI library's font database, as its first text would.
    static void fillFontDatabase();

  private:
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace wendle
