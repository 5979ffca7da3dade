#include "render/FreeTypeFont.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "render/Raster.h"

namespace wendle {

namespace {

// Glyphs as the GUI library loads them for text drawn one bit a pixel.
constexpr FT_Int32 kLoadFlags =
    FT_LOAD_DEFAULT | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH | FT_LOAD_TARGET_MONO;

// 1/64 pixels of a real number of pixels, cut toward zero as the library
// converts them.
long sixtyFourths(double pixels) {
    return long(pixels * 64.0);
}

// The nearest whole pixel of a 1/64 pixel measure, halves upward.
int roundedPixels(long sixtyFourths) {
    return int((sixtyFourths + 32) >> 6);
}

// Whether a character is drawn by a face's own glyph with nothing around
// it: not a control, format or combining character, and assigned.
bool plainCharacter(QChar c) {
    switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            return false;
        default:
            return true;
    }
}

struct Glyph {
    // False when FreeType could not load or draw it: the GUI library then
    // tries again in ways of its own, so the text is left to it.
    bool drawn = false;
    long advance = 0;          // 1/64 pixels, unhinted
    int left = 0;              // of the bitmap, from the pen
    int top = 0;               // of the bitmap, above the baseline
    std::vector<InkRun> runs;  // relative to the bitmap's top-left corner
};

// Sorted by row, then left edge, with touching runs of a row joined: the
// runs a scan of the drawn pixels would find.
void normalise(std::vector<InkRun>& runs) {
    std::sort(runs.begin(), runs.end(), [](const InkRun& a, const InkRun& b) {
        return a.y != b.y ? a.y < b.y : a.left < b.left;
    });
    std::size_t kept = 0;
    for (const InkRun& run : runs) {
        if (kept > 0 && runs[kept - 1].y == run.y && run.left <= runs[kept - 1].right) {
            runs[kept - 1].right = std::max(runs[kept - 1].right, run.right);
        } else {
            runs[kept++] = run;
        }
    }
    runs.resize(kept);
}

class FreeTypeFont : public CaptionFont {
  public:
    FreeTypeFont(FT_Face face, hb_font_t* shaper, int pixels,
                 std::shared_ptr<const CaptionFont> fallback, FreeTypeTextEngine& engine)
        : face_(face), shaper_(shaper), fallback_(std::move(fallback)), engine_(engine) {
        takeLineMetrics(pixels);
    }
    ~FreeTypeFont() override {
        hb_font_destroy(shaper_);
        FT_Done_Face(face_);
    }
    FreeTypeFont(const FreeTypeFont&) = delete;
    FreeTypeFont& operator=(const FreeTypeFont&) = delete;

    int ascent() const override { return ascent_; }
    int height() const override { return height_; }

    int advance(const QString& text) const override {
        const std::lock_guard lock(mutex_);
        std::vector<unsigned> glyphs;
        if (!shape(text, glyphs))
            return fallback_ ? fallback_->advance(text) : declined();
        long sum = 0;
        for (unsigned id : glyphs) {
            const Glyph& g = glyph(id);
            if (!g.drawn)
                return fallback_ ? fallback_->advance(text) : declined();
            sum += g.advance;
        }
        return roundedPixels(sum);
    }

    bool ink(const std::vector<CaptionLine>& lines, int width, int height,
             std::vector<InkRun>& runs) const override {
        std::vector<InkRun> drawn;
        if (!inkLines(lines, drawn)) {
            if (fallback_)
                return fallback_->ink(lines, width, height, runs);
            declined();
            return false;
        }
        std::size_t kept = 0;
        for (InkRun run : drawn) {
            run.left = std::max(run.left, 0);
            run.right = std::min(run.right, width);
            if (run.y >= 0 && run.y < height && run.left < run.right)
                drawn[kept++] = run;
        }
        drawn.resize(kept);
        normalise(drawn);
        runs.insert(runs.end(), drawn.begin(), drawn.end());
        return true;
    }

    void draw(Raster& raster, const std::vector<CaptionLine>& lines, int x, int y, const Rect& clip,
              Colour colour) const override {
        std::vector<InkRun> drawn;
        if (!inkLines(lines, drawn)) {
            if (fallback_)
                fallback_->draw(raster, lines, x, y, clip, colour);
            else
                declined();
            return;
        }
        const Rect limit = clip.intersected(raster.area());
        for (const InkRun& run : drawn) {
            const int row = y + run.y;
            if (row < limit.top || row >= limit.bottom)
                continue;
            raster.fill(Rect{std::max(x + run.left, limit.left), row,
                             std::min(x + run.right, limit.right), row + 1},
                        colour);
        }
    }

  private:
    int declined() const {
        engine_.noteDeclined();
        return 0;
    }

    void takeLineMetrics(int pixels) {
        // The size's own metrics, overridden by the font's horizontal
        // header, and those by its OS/2 table; whole pixels each.
        double ascent = face_->size->metrics.ascender / 64.0;
        double descent = -face_->size->metrics.descender / 64.0;
        const double unitsPerEm = face_->units_per_EM;
        const auto* header =
            static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
        if (header && (header->Ascender != 0 || header->Descender != 0)) {
            ascent = header->Ascender * pixels / unitsPerEm;
            descent = -(header->Descender * pixels / unitsPerEm);
        }
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
        if (os2 && os2->version != 0xFFFFu) {
            constexpr FT_UShort kUseTypoMetrics = 0x80;
            if (os2->fsSelection & kUseTypoMetrics) {
                if (os2->sTypoAscender != 0 || os2->sTypoDescender != 0) {
                    ascent = os2->sTypoAscender * pixels / unitsPerEm;
                    descent = -(os2->sTypoDescender * pixels / unitsPerEm);
                }
            } else if (os2->usWinAscent != 0 || os2->usWinDescent != 0) {
                ascent = os2->usWinAscent * pixels / unitsPerEm;
                descent = os2->usWinDescent * pixels / unitsPerEm;
            }
        }
        ascent_ = roundedPixels(sixtyFourths(ascent));
        height_ = ascent_ + roundedPixels(sixtyFourths(descent));
    }

    // The glyphs of text, or false when it holds a character this font does
    // not draw as the GUI library would. Under mutex_.
    bool shape(const QString& text, std::vector<unsigned>& glyphs) const {
        for (QChar c : text) {
            if (!plainCharacter(c))
                return false;
        }
        hb_buffer_t* buffer = hb_buffer_create();
        hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.utf16()),
                            int(text.size()), 0, int(text.size()));
        hb_buffer_guess_segment_properties(buffer);
        const hb_feature_t noKerning{HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START,
                                     HB_FEATURE_GLOBAL_END};
        hb_shape(shaper_, buffer, &noKerning, 1);
        unsigned count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        bool complete = true;
        glyphs.clear();
        for (unsigned i = 0; i < count; ++i) {
            if (infos[i].codepoint == 0)
                complete = false;  // the library would take it from another font
            glyphs.push_back(infos[i].codepoint);
        }
        hb_buffer_destroy(buffer);
        return complete;
    }

    // Under mutex_.
    const Glyph& glyph(unsigned id) const {
        if (const auto found = glyphs_.find(id); found != glyphs_.end())
            return found->second;
        Glyph made;
        if (FT_Load_Glyph(face_, id, kLoadFlags) == 0) {
            FT_GlyphSlot slot = face_->glyph;
            made.advance = slot->linearHoriAdvance >> 10;
            // A blank glyph (a space) may come without a bitmap mode.
            made.drawn = FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0 &&
                         (slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO || slot->bitmap.rows == 0 ||
                          slot->bitmap.width == 0);
            if (made.drawn && slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                made.left = slot->bitmap_left;
                made.top = slot->bitmap_top;
                const FT_Bitmap& bits = slot->bitmap;
                for (unsigned row = 0; row < bits.rows; ++row) {
                    const unsigned char* line = bits.buffer + std::ptrdiff_t(row) * bits.pitch;
                    unsigned x = 0;
                    while (x < bits.width) {
                        if (!(line[x >> 3] & (0x80 >> (x & 7)))) {
                            ++x;
                            continue;
                        }
                        const unsigned start = x;
                        while (x < bits.width && (line[x >> 3] & (0x80 >> (x & 7)))) ++x;
                        made.runs.push_back(InkRun{int(row), int(start), int(x)});
                    }
                }
            }
        }
        return glyphs_.emplace(id, std::move(made)).first->second;
    }

    // Every line's runs, relative to the box, unclipped and unsorted; false
    // when a line holds text this font leaves to another.
    bool inkLines(const std::vector<CaptionLine>& lines, std::vector<InkRun>& runs) const {
        const std::lock_guard lock(mutex_);
        std::vector<unsigned> glyphs;
        for (const CaptionLine& line : lines) {
            if (!shape(line.text, glyphs))
                return false;
            long pen = long(line.x) * 64;
            const int baseline = line.top + ascent_;
            for (unsigned id : glyphs) {
                const Glyph& g = glyph(id);
                if (!g.drawn)
                    return false;
                const int left = int(pen >> 6) + g.left;  // the floor of the pen
                const int top = baseline - g.top;
                for (const InkRun& run : g.runs)
                    runs.push_back(InkRun{top + run.y, left + run.left, left + run.right});
                pen += g.advance;
            }
        }
        return true;
    }

    FT_Face face_;
    hb_font_t* shaper_;
    std::shared_ptr<const CaptionFont> fallback_;
    FreeTypeTextEngine& engine_;
    int ascent_ = 0;
    int height_ = 0;
    mutable std::mutex mutex_;
    mutable std::unordered_map<unsigned, Glyph> glyphs_;
};

// A font this engine cannot draw at all, without a fallback: nothing is
// measured or drawn, and the engine hears of it.
class DeclinedFont : public CaptionFont {
  public:
    explicit DeclinedFont(FreeTypeTextEngine& engine) : engine_(engine) {}
    int ascent() const override { return 0; }
    int height() const override { return 0; }
    int advance(const QString&) const override {
        engine_.noteDeclined();
        return 0;
    }
    bool ink(const std::vector<CaptionLine>& lines, int, int, std::vector<InkRun>&) const override {
        if (!lines.empty())
            engine_.noteDeclined();
        return false;
    }
    void draw(Raster&, const std::vector<CaptionLine>& lines, int, int, const Rect&,
              Colour) const override {
        if (!lines.empty())
            engine_.noteDeclined();
    }

  private:
    FreeTypeTextEngine& engine_;
};

}  // namespace

std::shared_ptr<const CaptionFont> makeFreeTypeFont(FT_Face face, hb_font_t* shaper, int pixels,
                                                    std::shared_ptr<const CaptionFont> fallback,
                                                    FreeTypeTextEngine& engine) {
    return std::make_shared<FreeTypeFont>(face, shaper, pixels, std::move(fallback), engine);
}

std::shared_ptr<const CaptionFont> makeDeclinedFont(FreeTypeTextEngine& engine) {
    return std::make_shared<DeclinedFont>(engine);
}

}  // namespace wendle
