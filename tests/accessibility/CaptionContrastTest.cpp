// caption-contrast on faces drawn by the render layer: flat faces at the
// threshold, large text, a gradient, a picture and a shadow under the text.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "CheckFixtures.h"
#include "accessibility/CaptionContrast.h"
#include "accessibility/Contrast.h"
#include "accessibility/FaceSnapshot.h"
#include "image/Picture.h"
#include "render/FaceDrawing.h"

namespace wendle::accessibility {
namespace {

using testing::buildApplet;
using testing::check;
using testing::flatFaces;

const Colour kBlack = rgb(0, 0, 0);
const Colour kWhite = rgb(255, 255, 255);

TEST(CaptionContrast, ThresholdsForNormalAndLargeText) {
    struct Case {
        Colour face;
        int fontSize;  // the applet's size; the preview draws it in points
        int fontStyle;
        bool fails;
        const char* what;
    };
    // Black ink: 4.4904 on (153, 103, 103), 4.5003 on (232, 14, 14),
    // 3.02 on (90, 90, 90), 2.88 on (86, 86, 86).
    const Case cases[] = {
        {rgb(153, 103, 103), 14, 0, true, "4.49:1 at 10 pt fails"},
        {rgb(232, 14, 14), 14, 0, false, "4.5:1 at 10 pt passes"},
        {rgb(90, 90, 90), 22, 0, false, "3:1 at 18 pt passes"},
        {rgb(86, 86, 86), 22, 0, true, "2.88:1 at 18 pt fails"},
        {rgb(90, 90, 90), 20, 0, true, "3:1 at 16 pt fails"},
        {rgb(90, 90, 90), 18, 2, false, "3:1 at 14 pt bold passes"},
        {rgb(90, 90, 90), 18, 1, true, "3:1 at 14 pt italic fails"},
        {rgb(90, 90, 90), 16, 2, true, "3:1 at 12 pt bold fails"},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 1);
        flatFaces(applet, 0, c.face, kBlack);
        for (int state = 1; state <= 3; ++state) {
            applet.statePanel(state, 0)->setCaption("Hold");
            applet.statePanel(state, 0)->setFontSize(std::uint8_t(c.fontSize));
            applet.statePanel(state, 0)->setFontStyle(std::uint8_t(c.fontStyle));
        }
        const auto found = check(applet, Rule::CaptionContrast);
        EXPECT_EQ(found.size(), c.fails ? 3u : 0u) << c.what;
        if (c.fails && !found.empty()) {
            EXPECT_NEAR(found[0].measured, contrastRatio(c.face, kBlack), 1e-9) << c.what;
            EXPECT_EQ(found[0].slot, 0);
            EXPECT_EQ(found[0].caption, "Hold");
        }
    }
}

TEST(CaptionContrast, WorstPartOfAGradientDecides) {
    // Black text across a face fading from white to (90, 90, 90): 21:1 at
    // the left end, 3.02:1 at the right; on average it would pass.
    TVelkForm applet;
    buildApplet(applet, 1);
    flatFaces(applet, 0, kWhite, kBlack);
    TVelkPanel& face = *applet.statePanel(1, 0);
    face.setFade(true);
    face.setFadeColor(rgb(90, 90, 90));
    face.setCaption("MMMMMMMMMMMMMMM");
    face.setFontAlignment(1);

    const auto found = check(applet, Rule::CaptionContrast);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].state, 1);
    EXPECT_LT(found[0].measured, 4.5);

    const FaceSnapshot shot = snapshotFace(applet, face);
    const auto left =
        measureCaptionContrast(shot.face, shot.captioned, shot.ink, Rect{0, 0, 30, 30});
    const auto right =
        measureCaptionContrast(shot.face, shot.captioned, shot.ink, Rect{65, 0, 95, 30});
    ASSERT_TRUE(left && right);
    EXPECT_GE(left->worst, 4.5) << "the light end passes";
    EXPECT_LT(right->worst, 4.5) << "the dark end fails";
}

TEST(CaptionContrast, PictureUnderTheCaptionCounts) {
    struct Case {
        bool picture;
        bool fails;
    };
    // White text on a white face, with or without a dark picture stretched
    // over the face.
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        TVelkForm applet;
        buildApplet(applet, 1);
        flatFaces(applet, 0, kWhite, kWhite);
        TVelkPanel& face = *applet.statePanel(1, 0);
        if (c.picture) {
            face.setImageName("dark.gif");
            face.setImageStyle(5);
            faceDrawing(face).picture =
                std::make_unique<Picture>(2, 2, std::vector<std::uint32_t>(4, 0xFF3C3C3Cu));
        }
        EXPECT_EQ(check(applet, Rule::CaptionContrast).size(), c.fails ? 3u : 2u)
            << (c.picture ? "with" : "without") << " the picture";
    }
}

TEST(CaptionContrast, ShadowIsNeitherInkNorBackground) {
    struct Case {
        Colour face, ink, shadow;
        bool fails;
        const char* what;
    };
    const Case cases[] = {
        {kBlack, kWhite, rgb(255, 255, 0), false, "white on black with a yellow shadow"},
        {kWhite, kWhite, kBlack, true, "white on white rests on its shadow alone"},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 1);
        flatFaces(applet, 0, c.face, c.ink);
        TVelkPanel& face = *applet.statePanel(1, 0);
        face.setFontShadow(true);
        face.setFontShadowColor(c.shadow);
        const auto found = check(applet, Rule::CaptionContrast);
        const bool stateOneFails =
            std::any_of(found.begin(), found.end(), [](const Finding& f) { return f.state == 1; });
        EXPECT_EQ(stateOneFails, c.fails) << c.what;
    }
}

TEST(CaptionContrast, NothingToMeasureWithoutCaptionPixels) {
    TVelkForm applet;
    buildApplet(applet, 1);
    flatFaces(applet, 0, kWhite, kWhite);
    for (int state = 1; state <= 3; ++state) applet.statePanel(state, 0)->setCaption("");
    EXPECT_TRUE(check(applet, Rule::CaptionContrast).empty());
}

TEST(CaptionContrast, OnlyThePartInsideTheAppletCounts) {
    // The face hangs over the applet's right edge; its caption's light end
    // is inside, its failing end outside, where no one sees it.
    TVelkForm applet;
    buildApplet(applet, 1);
    applet.setClientSize(60, 225);
    flatFaces(applet, 0, kWhite, kBlack);
    for (int state = 1; state <= 3; ++state) {
        TVelkPanel& face = *applet.statePanel(state, 0);
        face.setFade(true);
        face.setFadeColor(rgb(60, 60, 60));
        face.setCaption("MMMMMMMMMMMMMMM");
        face.setFontAlignment(1);
        face.setLeft(0);
    }
    EXPECT_TRUE(check(applet, Rule::CaptionContrast).empty());
    applet.setClientSize(400, 225);
    EXPECT_EQ(check(applet, Rule::CaptionContrast).size(), 3u);
}

// The measure worked out the plain way: every pair's three ratios, each
// list ranked whole. The measure must give these very numbers.
std::optional<CaptionContrast> measuredPlainly(const FaceSnapshot& shot, const Rect& region) {
    std::vector<double> asDrawn, onBlack, onWhite;
    CaptionContrast result;
    for (int y = region.top; y < region.bottom; ++y) {
        for (int x = region.left; x < region.right; ++x) {
            if (!shot.ink.at(x, y))
                continue;
            ++result.inkPixels;
            const double ink = relativeLuminance(colourOf(shot.captioned.pixel(x, y)));
            for (int dy = -kSurroundingReach; dy <= kSurroundingReach; ++dy) {
                for (int dx = -kSurroundingReach; dx <= kSurroundingReach; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (!region.contains(nx, ny) || shot.ink.at(nx, ny) ||
                        shot.captioned.pixel(nx, ny) != shot.face.pixel(nx, ny))
                        continue;
                    const double around = relativeLuminance(colourOf(shot.face.pixel(nx, ny)));
                    asDrawn.push_back(contrastRatio(ink, around));
                    onBlack.push_back(contrastRatio(relativeLuminance(kBlack), around));
                    onWhite.push_back(contrastRatio(relativeLuminance(kWhite), around));
                }
            }
        }
    }
    if (asDrawn.empty())
        return std::nullopt;
    result.worst = worstShareOf(asDrawn);
    result.blackWorst = worstShareOf(onBlack);
    result.whiteWorst = worstShareOf(onWhite);
    return result;
}

TEST(CaptionContrast, TheMeasureIsThePlainOnesToTheLastBit) {
    struct Case {
        const char* what;
        Colour face, ink, fade;
        bool shadow;
        const char* caption;
        bool noisyPicture = false;  // every pixel of the face its own colour
    };
    const Case cases[] = {
        {"flat", rgb(153, 103, 103), kBlack, 0, false, "Hold"},
        {"a gradient", kWhite, kBlack, rgb(90, 90, 90), false, "MMMMMMMMMMMMMMM"},
        {"a shadow", kBlack, kWhite, 0, true, "Home page"},
        {"ink in the face's colour", kWhite, kWhite, rgb(20, 40, 200), false, "Two\r\nlines"},
        {"a picture of noise", kWhite, rgb(200, 30, 30), 0, false, "Noise under", true},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 1);
        flatFaces(applet, 0, c.face, c.ink);
        TVelkPanel& face = *applet.statePanel(1, 0);
        face.setCaption(c.caption);
        face.setFade(c.fade != 0);
        face.setFadeColor(c.fade);
        face.setFontShadow(c.shadow);
        face.setFontShadowColor(rgb(255, 255, 0));
        if (c.noisyPicture) {
            std::vector<std::uint32_t> noise(95 * 30);
            std::uint32_t seed = 12345;
            for (std::uint32_t& pixel : noise) {
                seed = seed * 1103515245u + 12345u;
                pixel = 0xFF000000u | (seed >> 8 & 0xFFFFFFu);
            }
            face.setImageName("noise.gif");
            face.setImageStyle(5);
            faceDrawing(face).picture = std::make_unique<Picture>(95, 30, std::move(noise));
        }
        const FaceSnapshot shot = snapshotFace(applet, face);
        for (const Rect& region : {shot.region, Rect{0, 0, 30, 30}, Rect{40, 3, 95, 20}}) {
            SCOPED_TRACE(std::string(c.what) + ", region from x " + std::to_string(region.left));
            const auto plain = measuredPlainly(shot, region);
            const auto measured =
                measureCaptionContrast(shot.face, shot.captioned, shot.ink, region);
            ASSERT_EQ(measured.has_value(), plain.has_value());
            if (region == shot.region) {
                EXPECT_TRUE(measured) << "the whole face shows its caption";
            }
            if (!measured)
                continue;
            EXPECT_EQ(measured->worst, plain->worst);
            EXPECT_EQ(measured->blackWorst, plain->blackWorst);
            EXPECT_EQ(measured->whiteWorst, plain->whiteWorst);
            EXPECT_EQ(measured->inkPixels, plain->inkPixels);
        }
    }

    // Faces repeat their surroundings across pairs, so neighbouring ranks
    // tie; here one ink pixel has 24 surroundings, each its own grey, and
    // the worst twentieth is the second darkest and second lightest.
    FaceSnapshot handMade;
    handMade.region = Rect{0, 0, 5, 5};
    handMade.face.setSize(5, 5);
    for (int i = 0; i < 25; ++i) handMade.face.setPixel(i % 5, i / 5, rgb(i * 10, i * 10, i * 10));
    handMade.captioned = handMade.face;
    handMade.captioned.setPixel(2, 2, rgb(200, 30, 30));
    handMade.ink = InkMask(handMade.region);
    handMade.ink.set(2, 2);
    const auto plain = measuredPlainly(handMade, handMade.region);
    const auto measured =
        measureCaptionContrast(handMade.face, handMade.captioned, handMade.ink, handMade.region);
    ASSERT_TRUE(measured && plain);
    EXPECT_EQ(measured->worst, plain->worst);
    EXPECT_EQ(measured->blackWorst, contrastRatio(kBlack, rgb(10, 10, 10)));
    EXPECT_EQ(measured->whiteWorst, contrastRatio(kWhite, rgb(230, 230, 230)));
    EXPECT_EQ(measured->blackWorst, plain->blackWorst);
    EXPECT_EQ(measured->whiteWorst, plain->whiteWorst);
}

TEST(CaptionContrast, WorstShareIsTheNearestRank) {
    struct Case {
        std::vector<double> values;
        double worst;
    };
    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i) hundred.push_back(i);
    const Case cases[] = {
        {{7.0}, 7.0},
        {{9.0, 3.0, 5.0}, 3.0},
        {hundred, 5.0},
    };
    for (Case c : cases) EXPECT_EQ(worstShareOf(c.values), c.worst);
}

}  // namespace
}  // namespace wendle::accessibility
