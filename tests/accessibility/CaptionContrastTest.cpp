// caption-contrast on faces drawn by the render layer: flat faces at the
// threshold, large text, a gradient, a picture and a shadow under the text.
#include <gtest/gtest.h>

#include <memory>

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
