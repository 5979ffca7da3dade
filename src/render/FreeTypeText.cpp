#include "render/FreeTypeText.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include <algorithm>

#include "render/FreeTypeFont.h"
#include "render/Typeface.h"

namespace wendle {

namespace {

// Faces of more pixels than this are drawn by the GUI library as outlines,
// not glyph by glyph.
constexpr int kLargestGlyphPixels = 64;

bool hasTable(FT_Face face, FT_ULong tag) {
    FT_ULong length = 0;
    return FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) == 0 && length > 0;
}

// The face fontconfig gives for a typeface, with the settings it asks that
// face to be drawn with.
struct FaceChoice {
    std::string file;
    int index = 0;
    bool lightHinting = false;  // hinting on, the light kind, no autohinter
};

bool chooseFace(const char* typeface, int pixels, int style, FaceChoice& choice) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(typeface));
    FcPatternAddInteger(pattern, FC_WEIGHT, style == kBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, style == kItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;
    FcChar8* file = nullptr;
    bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (found) {
        choice.file = reinterpret_cast<const char*>(file);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &choice.index) != FcResultMatch)
            choice.index = 0;
        FcBool hinting = FcTrue, autohint = FcFalse;
        int hintStyle = FC_HINT_SLIGHT;
        FcPatternGetBool(match, FC_HINTING, 0, &hinting);
        FcPatternGetBool(match, FC_AUTOHINT, 0, &autohint);
        FcPatternGetInteger(match, FC_HINT_STYLE, 0, &hintStyle);
        choice.lightHinting = hinting && !autohint && hintStyle == FC_HINT_SLIGHT;
    }
    FcPatternDestroy(match);
    return found;
}

// The face drawn as the GUI library would draw it, or null.
FT_Face openFace(FT_Library library, const FaceChoice& choice, int pixels, int style) {
    if (!choice.lightHinting || pixels > kLargestGlyphPixels)
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, choice.file.c_str(), choice.index, &face) != 0)
        return nullptr;
    const bool drawnAsIs =
        FT_IS_SCALABLE(face) && face->num_fixed_sizes == 0 && !hasTable(face, TTAG_EBLC) &&
        !hasTable(face, FT_MAKE_TAG('C', 'B', 'L', 'C')) &&
        !hasTable(face, FT_MAKE_TAG('b', 'd', 'a', 't')) &&
        // A face without a bold or italic style of its own would be
        // emboldened or slanted.
        (style != kBold || (face->style_flags & FT_STYLE_FLAG_BOLD)) &&
        (style != kItalic || (face->style_flags & FT_STYLE_FLAG_ITALIC)) && face->charmap &&
        face->charmap->encoding == FT_ENCODING_UNICODE &&
        FT_Set_Char_Size(face, FT_F26Dot6(pixels) * 64, FT_F26Dot6(pixels) * 64, 0, 0) == 0;
    if (!drawnAsIs) {
        FT_Done_Face(face);
        return nullptr;
    }
    return face;
}

}  // namespace

FreeTypeTextEngine& FreeTypeTextEngine::instance() {
    static FreeTypeTextEngine engine;
    return engine;
}

FreeTypeTextEngine::FreeTypeTextEngine() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0)
        library_ = library;
}

FreeTypeTextEngine::~FreeTypeTextEngine() {
    fonts_.clear();
    if (library_)
        FT_Done_FreeType(static_cast<FT_Library>(library_));
}

void FreeTypeTextEngine::setFallback(TextEngine* fallback) {
    const std::lock_guard lock(mutex_);
    fallback_ = fallback;
}

std::shared_ptr<const CaptionFont> FreeTypeTextEngine::font(const char* typeface, int points,
                                                            int style) {
    const std::lock_guard lock(mutex_);
    const auto key = std::make_tuple(std::string(typeface), points, style);
    if (const auto found = fonts_.find(key); found != fonts_.end())
        return found->second;
    std::shared_ptr<const CaptionFont> fallback =
        fallback_ ? fallback_->font(typeface, points, style) : nullptr;
    const int pixels = std::max(1, pixelSizeForPoints(points));
    std::shared_ptr<const CaptionFont> made;
    FaceChoice choice;
    FT_Face face = library_ && chooseFace(typeface, pixels, style, choice)
                       ? openFace(static_cast<FT_Library>(library_), choice, pixels, style)
                       : nullptr;
    if (face) {
        hb_blob_t* blob = hb_blob_create_from_file(choice.file.c_str());
        hb_face_t* shapingFace = hb_face_create(blob, unsigned(choice.index));
        hb_blob_destroy(blob);
        hb_font_t* shaper = hb_font_create(shapingFace);
        hb_face_destroy(shapingFace);
        made = makeFreeTypeFont(face, shaper, pixels, fallback, *this);
    } else if (fallback) {
        made = fallback;
    } else {
        made = makeDeclinedFont(*this);
    }
    fonts_.emplace(key, made);
    return made;
}

}  // namespace wendle
