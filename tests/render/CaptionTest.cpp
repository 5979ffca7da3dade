#include <gtest/gtest.h>

#include <QFontMetrics>
#include <functional>

#include "RasterPixels.h"
#include "model/VelkForm.h"
#include "render/CaptionLayout.h"
#include "render/FaceDrawing.h"
#include "render/TextEngine.h"
#include "render/Typeface.h"
#include "render/VelkPanelFace.h"
#include "render/Windows1252.h"
#include "render/qt/QtText.h"

namespace wendle {
namespace {

using testing::boundsOf;

constexpr Colour kBlack = 0x00000000, kWhite = 0x00FFFFFF, kYellow = 0x0000FFFF;
constexpr Colour kGreen = 0x0000FF00;

// A plain black face without border at the applet's top-left corner, so
// that white pixels are caption pixels.
TVelkPanel captionFace(const std::string& caption, int w = 95, int h = 30) {
    TVelkPanel face(0, 1);
    face.setBounds(0, kToolBarStrip, w, h);
    face.setFade(false);
    face.setBkColor(kBlack);
    face.setBorderWidth(0);
    face.setCaption(caption);
    return face;
}

Raster painted(TVelkPanel& face) {
    Raster target(face.width(), face.height());
    paintFace(face, Raster{}, 0, target);
    return target;
}

Rect textBounds(TVelkPanel& face, Colour colour = kWhite) {
    const Raster target = painted(face);
    return boundsOf(target, colour, target.area());
}

TEST(Caption, EachAlignmentPlacesTheLineAndTheBlockIsCentredVertically) {
    struct Case {
        int alignment;
        std::function<bool(const Rect&)> placed;
        const char* rule;
    };
    const Case cases[] = {
        {1, [](const Rect& r) { return r.left <= 1; }, "left edge at 0"},
        {2, [](const Rect& r) { return std::abs(r.left + r.right - 95) <= 3; }, "centred"},
        {3, [](const Rect& r) { return r.right >= 93; }, "right edge at 95"},
    };
    for (const Case& c : cases) {
        TVelkPanel face = captionFace("Button 1");
        face.setFontAlignment(std::uint8_t(c.alignment));
        const Rect bounds = textBounds(face);
        ASSERT_FALSE(bounds.empty()) << c.rule;
        EXPECT_TRUE(c.placed(bounds)) << c.rule << ": " << bounds.left << ".." << bounds.right;
        EXPECT_LE(std::abs(bounds.top + bounds.bottom - 30), 5) << c.rule;
        EXPECT_GE(bounds.height(), 8) << "Arial at 10 points is 13 pixels high";
    }
}

TEST(Caption, BreaksAtLineBreaksAndBetweenWordsButNeverInsideAWord) {
    // Faces 60 high, so that three lines fit.
    TVelkPanel single = captionFace("Button", 95, 60);
    const Rect one = textBounds(single);
    const int lineHeight = QFontMetrics(previewFont("Arial", 10, kRegular)).height();

    struct Case {
        const char* name;
        std::string caption;
        int width;
        int lines;
    };
    const Case cases[] = {
        {"CR LF", "Button\r\nButton", 95, 2},
        {"LF and CR alone", "Button\nButton\rButton", 95, 3},
        {"word wrap", "Button Button Button", 60, 3},
        {"a word wider than the face stays whole", "Buttonbuttonbutton", 40, 1},
    };
    for (const Case& c : cases) {
        TVelkPanel face = captionFace(c.caption, c.width, 60);
        const Rect bounds = textBounds(face);
        EXPECT_EQ(bounds.height(), one.height() + (c.lines - 1) * lineHeight) << c.name;
        EXPECT_LE(bounds.right, c.width) << c.name;
    }
}

// Greedy wrapping measured word by word, the plain way: the lines the
// layout must give whatever shortcut it takes.
std::vector<QString> greedyLines(const QString& paragraph, const TextMeasure& measure, int width) {
    auto trimmed = [](QString text) {
        while (!text.isEmpty() && text.back() == u' ') text.chop(1);
        return text;
    };
    std::vector<QString> lines;
    qsizetype start = 0;
    do {
        qsizetype fitted = -1, end = start;
        while (end < paragraph.size()) {
            while (end < paragraph.size() && paragraph[end] == u' ') ++end;
            while (end < paragraph.size() && paragraph[end] != u' ') ++end;
            const int candidate = measure.advance(trimmed(paragraph.mid(start, end - start)));
            if (fitted >= 0 && candidate > width)
                break;
            fitted = end;
            if (candidate > width)
                break;
        }
        lines.push_back(trimmed(paragraph.mid(start, std::max<qsizetype>(fitted, 0) - start)));
        start = std::max<qsizetype>(fitted, start);
        while (start < paragraph.size() && paragraph[start] == u' ') ++start;
    } while (start < paragraph.size());
    return lines;
}

TEST(Caption, LinesAreTheGreedyWrapAtEveryWidth) {
    const std::shared_ptr<const CaptionFont> font = textEngine().font("Arial", 10, kRegular);
    const QString captions[] = {"Button 42",
                                "Home",
                                "  Leading spaces stay",
                                "Trailing   ",
                                "About our company and its people",
                                "W i d e  g a p s",
                                "   "};
    for (const QString& caption : captions) {
        for (int width = 1; width <= 200; ++width) {
            std::vector<QString> laidOut;
            for (const CaptionLine& line : layOutCaption(caption, *font, width, 60, kAlignLeft))
                laidOut.push_back(line.text);
            ASSERT_EQ(laidOut, greedyLines(caption, *font, width))
                << caption.toStdString() << " at width " << width;
        }
    }
}

TEST(Caption, TallBlockStartsAboveTheTopTruncatedTowardsZero) {
    // Five lines are taller than 30 pixels: the block's top is
    // (30 - 5 x line height) div 2, negative, truncated towards zero. In a
    // face tall enough the same block starts at (90 - 5 x line height) div 2.
    const std::string caption = "A1\r\nB2\r\nC3\r\nD4\r\nE5";
    const int lineHeight = QFontMetrics(previewFont("Arial", 10, kRegular)).height();
    const int shift = (90 - 5 * lineHeight) / 2 - (30 - 5 * lineHeight) / 2;
    TVelkPanel low = captionFace(caption, 95, 30);
    TVelkPanel tall = captionFace(caption, 95, 90);
    const Raster a = painted(low), b = painted(tall);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 95; ++x) {
            ASSERT_EQ(a.colourAt(x, y), b.colourAt(x, y + shift)) << x << "," << y;
        }
    }
}

TEST(Caption, ShadowLiesOnePixelUpAndLeftBeneathTheText) {
    TVelkPanel face = captionFace("Button 1");
    face.setFontShadowColor(kYellow);
    EXPECT_TRUE(textBounds(face, kYellow).empty()) << "no shadow unless asked for";

    face.setFontShadow(true);
    const Rect text = textBounds(face, kWhite);
    const Rect shadow = textBounds(face, kYellow);
    EXPECT_EQ(shadow.left, text.left - 1);
    EXPECT_EQ(shadow.top, text.top - 1);
    // Where both fall on a pixel, the main text is on top.
    const Raster target = painted(face);
    const Raster& captioned = findFaceDrawing(face)->shown();
    EXPECT_EQ(target.colourAt(text.left, text.top), captioned.colourAt(text.left, text.top));
}

TEST(Caption, ValuesOutsideTheTablesKeepTheLayersPreviousSettings) {
    TVelkPanel face = captionFace("Hg", 400, 100);
    face.setFontSize(72);  // 48 points
    face.setFontAlignment(3);
    const Rect large = textBounds(face);

    face.setFontSize(13);
    face.setFontName(9);
    face.setFontStyle(7);
    face.setFontAlignment(0);
    EXPECT_EQ(textBounds(face), large) << "size, typeface, style and alignment kept";

    // A new layer starts with the preview window's font, left-aligned.
    TVelkPanel fresh = captionFace("Hg", 400, 100);
    fresh.setFontSize(13);
    fresh.setFontAlignment(0);
    const Rect small = textBounds(fresh);
    EXPECT_LT(small.height(), large.height() / 3);
    EXPECT_LE(small.left, 1);
}

TEST(Caption, NeverPaintsOutsideItsFace) {
    TVelkPanel face = captionFace("Wide\r\ncaption\r\nlines", 30, 12);
    face.setBounds(10, kToolBarStrip + 10, 30, 12);
    face.setFontSize(48);
    face.setFontShadow(true);
    Raster target(60, 40);
    target.fill(kGreen);
    paintFace(face, Raster{}, 0, target);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (Rect{10, 10, 40, 22}.contains(x, y))
                continue;
            ASSERT_EQ(target.colourAt(x, y), kGreen) << x << "," << y;
        }
    }
}

TEST(Typeface, PointsBecomePixelsAt96Dpi) {
    const std::pair<int, int> table[] = {{4, 5},   {6, 8},   {8, 11},  {10, 13}, {12, 16},
                                         {14, 19}, {16, 21}, {18, 24}, {20, 27}, {22, 29},
                                         {24, 32}, {26, 35}, {36, 48}, {48, 64}};
    for (auto [points, pixels] : table) EXPECT_EQ(pixelSizeForPoints(points), pixels) << points;
    EXPECT_EQ(previewFont("Courier New", 10, kBold).pixelSize(), 13);
    EXPECT_TRUE(previewFont("Arial", 10, kBold).bold());
    EXPECT_TRUE(previewFont("Arial", 10, kItalic).italic());
}

TEST(Windows1252, CaptionBytesBecomeTheirCharacters) {
    EXPECT_EQ(fromWindows1252("\x80\x9F\xE9\x81 A"),
              QString::fromUtf8("\u20AC\u0178\u00E9\u0081 A"));
    EXPECT_EQ(windows1252ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
}

}  // namespace
}  // namespace wendle
