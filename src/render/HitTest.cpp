#include "render/HitTest.h"

namespace wendle {

HitZone hitTestZone(int x, int y, int width, int height) {
    const bool left = x < 5;
    const bool top = y < 5;
    const bool right = x > width - 5;
    const bool bottom = y > height - 5;
    if (left && top)
        return HitZone::HTTOPLEFT;
    if (right && top)
        return HitZone::HTTOPRIGHT;
    if (right && bottom)
        return HitZone::HTBOTTOMRIGHT;
    if (left && bottom)
        return HitZone::HTBOTTOMLEFT;
    if (left)
        return HitZone::HTLEFT;
    if (top)
        return HitZone::HTTOP;
    if (right)
        return HitZone::HTRIGHT;
    if (bottom)
        return HitZone::HTBOTTOM;
    return HitZone::HTCLIENT;
}

HitZone hitTest(const TVelkPanel& face, int clientX, int clientY) {
    return hitTestZone(clientX - face.left(), clientY - face.top(), face.width(), face.height());
}

HitZone hitTest(const TvelkTextBox& box, int clientX, int clientY) {
    return hitTestZone(clientX - box.left, clientY - box.top, box.width, box.height);
}

}  // namespace wendle
