#include "DrawingModule.h"
#include "ModuleText.h"
#include "render/FontConfigWarmUp.h"
#include "render/qt/HeadlessGui.h"

namespace wendle::cli {

void prepareModuleText(const std::string& moduleFolder) {
    // Laid out by the build and the installation beside the module.
    if (!moduleFolder.empty())
        HeadlessGui::usePluginFolder(moduleFolder + "/" + kHeadlessPluginFolder);
}

struct RenderText::Fonts {
    // Read on the second core while the headless platform starts and the
    // document is read; the font database is filled there too.
    FontConfigWarmUp fontConfig{&HeadlessGui::fillFontDatabase};
};

RenderText::RenderText() : fonts_(std::make_unique<Fonts>()) {
    // Left standing for the process: main ends it without taking it down.
    static HeadlessGui gui;
    fonts_->fontConfig.guiStarted();
}

RenderText::~RenderText() = default;

void RenderText::ready() {
    fonts_->fontConfig.wait();
}

bool RenderText::leftToGuiLibrary() const {
    return false;
}

}  // namespace wendle::cli
