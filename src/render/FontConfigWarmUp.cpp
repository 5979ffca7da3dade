#include "render/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace wendle {

FontConfigWarmUp::FontConfigWarmUp(std::function<void()> fontsReady) {
    try {
        thread_ = std::thread(
            [fill = fillFontDatabase_.get_future(), then = std::move(fontsReady)]() mutable {
                FcInit();
                if (fill.get() && then)
                    then();
            });
    } catch (const std::system_error&) {
        // No thread to be had: the library reads the configuration itself.
    }
}

void FontConfigWarmUp::guiStarted() {
    if (!answered_) {
        answered_ = true;
        fillFontDatabase_.set_value(true);
    }
}

void FontConfigWarmUp::wait() {
    if (!answered_) {
        answered_ = true;
        fillFontDatabase_.set_value(false);
    }
    if (thread_.joinable())
        thread_.join();
}

}  // namespace wendle
