#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>

#include "render/TextEngine.h"

namespace wendle {

// Caption fonts drawn with FreeType directly, the typeface found through
// fontconfig, with the pixels and measures of the GUI library's own text
// drawing: the same face, unhinted advances summed in 1/64 pixels, glyphs
// hinted and drawn one bit a pixel at the floor of their pen position, line
// metrics from the font's tables. It needs neither the GUI library nor a
// display.
//
// What it cannot draw that way goes to the fallback engine: a face that
// would be emboldened or slanted by the library (no bold or italic face of
// its own), bitmap strikes, hinting other than the light kind, characters
// the face lacks (the library would take them from another font) and
// control and format characters. Without a fallback such text is measured
// as empty and drawn as nothing, and declined() says so.
class FreeTypeTextEngine : public TextEngine {
  public:
    static FreeTypeTextEngine& instance();

    std::shared_ptr<const CaptionFont> font(const char* typeface, int points, int style) override;

    // Not owned. Fonts already handed out keep the fallback they had.
    void setFallback(TextEngine* fallback);
    // Whether some text was left undrawn for want of a fallback.
    bool declined() const { return declined_.load(std::memory_order_relaxed); }
    void noteDeclined() { declined_.store(true, std::memory_order_relaxed); }

    FreeTypeTextEngine();
    ~FreeTypeTextEngine() override;
    FreeTypeTextEngine(const FreeTypeTextEngine&) = delete;
    FreeTypeTextEngine& operator=(const FreeTypeTextEngine&) = delete;

  private:
    std::mutex mutex_;
    void* library_ = nullptr;  // FT_Library
    TextEngine* fallback_ = nullptr;
    std::atomic<bool> declined_{false};
    std::map<std::tuple<std::string, int, int>, std::shared_ptr<const CaptionFont>> fonts_;
};

}  // namespace wendle
