#include "render/TextEngine.h"

#include <atomic>

#include "render/CaptionCache.h"
#include "render/FreeTypeText.h"

namespace wendle {

namespace {
std::atomic<TextEngine*> installed{nullptr};
}  // namespace

TextEngine& textEngine() {
    if (TextEngine* engine = installed.load(std::memory_order_acquire))
        return *engine;
    return FreeTypeTextEngine::instance();
}

void installTextEngine(TextEngine* engine) {
    installed.store(engine, std::memory_order_release);
    CaptionCache::instance().clear();
}

}  // namespace wendle
