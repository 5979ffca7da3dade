#pragma once

// The applet the program starts with when no document is given: a new
// applet, four new buttons, a client area of 105 x 156 (an applet of
// 105 x 131), and what its picture must show.

#include <gtest/gtest.h>

#include <QImage>

#include "model/VelkForm.h"

namespace wendle::testing {

inline void buildStartupApplet(TVelkForm& applet) {
    applet.SetDefaults();
    for (int i = 0; i < 4; ++i) applet.CreateMenuItem();
    applet.setClientSize(105, 156);
}

inline Colour colourAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return rgb(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
}

// The frame, the four faces at applet (5, 5 + 30 n) with their gradient
// and border, a caption in captionColour inside each face.
inline void expectStartupPixels(const QImage& image, Colour captionColour) {
    ASSERT_EQ(image.size(), QSize(105, 131));
    struct Probe {
        int x, y;
        Colour colour;
        const char* what;
    };
    const Probe frame[] = {
        {0, 0, 0x00FFFFFF, "frame, outer top-left"},
        {104, 130, 0x007A7A7A, "frame, outer bottom-right"},
        {2, 60, 0x00C0C0C0, "frame band"},
        {50, 125, 0x00000000, "canvas under the last button"},
    };
    for (const Probe& p : frame) EXPECT_EQ(colourAt(image, p.x, p.y), p.colour) << p.what;

    for (int n = 0; n < 4; ++n) {
        const int left = 5, top = 5 + 30 * n;
        const Probe face[] = {
            // Clear of the selection mark on columns 2 and 92, rows 2 and 27.
            {left + 3, top + 3, 0x00040000, "gradient column 3"},
            {left + 3, top + 26, 0x00040000, "gradient column 3, row 26"},
            {left + 91, top + 14, 0x00800000, "gradient column 91"},
            {left, top, 0x00500000, "ring 0 top-left"},
            {left + 94, top + 29, 0x00B03030, "ring 0 bottom-right"},
            {left + 1, top + 1, 0x00680000, "ring 1 top-left"},
            {left + 93, top + 28, 0x00981818, "ring 1 bottom-right"},
        };
        for (const Probe& p : face) {
            EXPECT_EQ(colourAt(image, p.x, p.y), p.colour) << "button " << n + 1 << ": " << p.what;
        }
        int captionPixels = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (colourAt(image, x, y) != captionColour)
                    continue;
                const bool inFace = x >= left + 2 && x < left + 93 && y >= top + 2 && y < top + 28;
                captionPixels += inFace;
                outside += !inFace && y >= top && y < top + 30 && x >= left && x < left + 95;
            }
        }
        EXPECT_GT(captionPixels, 30) << "button " << n + 1 << ": caption";
        EXPECT_EQ(outside, 0) << "button " << n + 1 << ": caption within the border";
    }
}

}  // namespace wendle::testing
