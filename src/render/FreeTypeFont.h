#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <memory>

#include "render/FreeTypeText.h"
#include "render/TextEngine.h"

namespace wendle {

// The fonts of the FreeType text engine (see FreeTypeText.h).

// A face set to its size, drawn as the GUI library draws it; the font owns
// face and shaper. Text it cannot draw that way goes to fallback, or, when
// there is none, is left undrawn and the engine told.
std::shared_ptr<const CaptionFont> makeFreeTypeFont(FT_Face face, hb_font_t* shaper, int pixels,
                                                    std::shared_ptr<const CaptionFont> fallback,
                                                    FreeTypeTextEngine& engine);

// A font the engine cannot draw at all, without a fallback: nothing is
// measured or drawn, and the engine hears of it.
std::shared_ptr<const CaptionFont> makeDeclinedFont(FreeTypeTextEngine& engine);

}  // namespace wendle
