#include "render/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <system_error>

namespace wendle {

namespace {
std::atomic<void (*)()> readingElsewhere{nullptr};
}

FontConfigWarmUp::FontConfigWarmUp() {
    if (readingElsewhere.load())
        return;
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the library reads the configuration itself.
    }
}

void FontConfigWarmUp::wait() {
    if (thread_.joinable())
        thread_.join();
    else if (const auto waitUntilRead = readingElsewhere.load())
        waitUntilRead();
}

void FontConfigWarmUp::readElsewhere(void (*waitUntilRead)()) {
    readingElsewhere = waitUntilRead;
}

}  // namespace wendle
