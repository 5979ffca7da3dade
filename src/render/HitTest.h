#pragma once

#include "model/VelkPanel.h"
#include "model/velkTextBox.h"

namespace wendle {

// The zones by which the editor moves and resizes a face or the text box,
// named after the window system's hit-test codes.
enum class HitZone {
    HTCLIENT,
    HTLEFT,
    HTRIGHT,
    HTTOP,
    HTTOPLEFT,
    HTTOPRIGHT,
    HTBOTTOM,
    HTBOTTOMLEFT,
    HTBOTTOMRIGHT
};

// Classifies (x, y) on a width x height object: the left and top bands are 5
// pixels deep (0..4), the right and bottom bands 4 (width - 4..width - 1),
// and the corners are tried first.
HitZone hitTestZone(int x, int y, int width, int height);

// The same for a point in preview client coordinates.
HitZone hitTest(const TVelkPanel& face, int clientX, int clientY);
HitZone hitTest(const TvelkTextBox& box, int clientX, int clientY);

// Every zone but HTCLIENT resizes.
inline bool isSizingZone(HitZone zone) {
    return zone != HitZone::HTCLIENT;
}

}  // namespace wendle
