#pragma once

#include <memory>
#include <string>

namespace wendle::cli {

// What a drawing module draws captions with. wendle-cli-draw.so draws them
// with the GUI library's text drawing, on its headless platform;
// wendle-cli-render.so, which draws for render alone, with FreeType through
// the FreeType text engine, and never loads the GUI library.

// Called once as the module starts, with the folder it was loaded from.
void prepareModuleText(const std::string& moduleFolder);

// Render's fonts. Made before the document is read: the font configuration
// is read on the second core meanwhile. ready() before the first text.
class RenderText {
  public:
    RenderText();
    ~RenderText();
    RenderText(const RenderText&) = delete;
    RenderText& operator=(const RenderText&) = delete;

    void ready();
    // Whether some text could not be drawn here as the GUI library draws it:
    // the command is then run again in the module that has the library.
    bool leftToGuiLibrary() const;

  private:
    struct Fonts;
    std::unique_ptr<Fonts> fonts_;
};

}  // namespace wendle::cli
