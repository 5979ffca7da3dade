#include <gtest/gtest.h>

#include "accessibility/Contrast.h"

namespace wendle::accessibility {
namespace {

TEST(Contrast, RatiosOfKnownPairs) {
    struct Case {
        Colour a, b;
        double ratio;
    };
    const Case cases[] = {
        {rgb(0, 0, 0), rgb(255, 255, 255), 21.0},
        {rgb(255, 255, 255), rgb(0, 0, 0), 21.0},  // order does not matter
        {rgb(0, 0, 0xEE), rgb(0, 0, 0), 2.2346},   // a browser's default link on black
        {rgb(118, 118, 118), rgb(255, 255, 255), 4.5422},
        {rgb(119, 119, 119), rgb(255, 255, 255), 4.4781},
        {rgb(128, 128, 128), rgb(128, 128, 128), 1.0},
        // Each channel's own weight: pure red, green and blue against black.
        {rgb(255, 0, 0), rgb(0, 0, 0), 5.252},
        {rgb(0, 255, 0), rgb(0, 0, 0), 15.304},
        {rgb(0, 0, 255), rgb(0, 0, 0), 2.444},
        // Dark channels below the linear segment's end (10 / 255 < 0.04045).
        {rgb(10, 10, 10), rgb(0, 0, 0), 1.0607},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.0005) << std::hex << c.a << " on " << c.b;
    }
}

TEST(Contrast, RatioTextNeverRoundsUpToAThreshold) {
    struct Case {
        double ratio;
        const char* text;
    };
    const Case cases[] = {
        {4.4999, "4.49"}, {4.5, "4.5"}, {4.4999999999, "4.5"}, {2.2346, "2.23"}, {21.0, "21"},
        {1.0, "1"},       {3.0, "3"},   {2.1, "2.1"},          {2.105, "2.1"},   {12.349, "12.34"},
    };
    for (const Case& c : cases) EXPECT_EQ(ratioText(c.ratio), c.text) << c.ratio;
}

TEST(Contrast, BlackOrWhiteTakesTheStrongerOne) {
    EXPECT_EQ(blackOrWhiteAgainst(rgb(255, 255, 0)), rgb(0, 0, 0));
    EXPECT_EQ(blackOrWhiteAgainst(rgb(0, 0, 128)), rgb(255, 255, 255));
    // Mid grey: black 5.32, white 3.95.
    EXPECT_EQ(blackOrWhiteAgainst(rgb(128, 128, 128)), rgb(0, 0, 0));
}

}  // namespace
}  // namespace wendle::accessibility
