#include "ModuleText.h"
#include "render/FontConfigWarmUp.h"
#include "render/FreeTypeText.h"

namespace wendle::cli {

void prepareModuleText(const std::string&) {}

struct RenderText::Fonts {
    // Read on the second core while the document is read.
    FontConfigWarmUp fontConfig;
};

RenderText::RenderText() : fonts_(std::make_unique<Fonts>()) {}

RenderText::~RenderText() = default;

void RenderText::ready() {
    fonts_->fontConfig.wait();
}

bool RenderText::leftToGuiLibrary() const {
    return FreeTypeTextEngine::instance().declined();
}

}  // namespace wendle::cli
