#include <gtest/gtest.h>

#include "model/VelkPanel.h"
#include "render/HitTest.h"

namespace wendle {
namespace {

TEST(HitTest, ZonesOfA95By30Face) {
    struct Case {
        int x, y;
        HitZone zone;
    };
    const Case cases[] = {
        {4, 4, HitZone::HTTOPLEFT},       {5, 4, HitZone::HTTOP},
        {90, 10, HitZone::HTCLIENT},      {91, 10, HitZone::HTRIGHT},
        {94, 29, HitZone::HTBOTTOMRIGHT}, {0, 26, HitZone::HTBOTTOMLEFT},
        {2, 25, HitZone::HTLEFT},         {91, 0, HitZone::HTTOPRIGHT},
        {50, 26, HitZone::HTBOTTOM},      {50, 25, HitZone::HTCLIENT},
        {5, 5, HitZone::HTCLIENT},        {4, 25, HitZone::HTLEFT},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hitTestZone(c.x, c.y, 95, 30), c.zone) << c.x << "," << c.y;
    }
}

TEST(HitTest, ClientPointsAreTakenRelativeToTheFaceOrTheTextBox) {
    TVelkPanel face(0, 1);
    face.setBounds(100, 60, 95, 30);
    EXPECT_EQ(hitTest(face, 104, 64), HitZone::HTTOPLEFT);
    EXPECT_EQ(hitTest(face, 150, 75), HitZone::HTCLIENT);
    EXPECT_EQ(hitTest(face, 194, 89), HitZone::HTBOTTOMRIGHT);

    TvelkTextBox box;  // 95 x 20 at (5, 150)
    EXPECT_EQ(hitTest(box, 9, 154), HitZone::HTTOPLEFT);
    EXPECT_EQ(hitTest(box, 50, 160), HitZone::HTCLIENT);
    EXPECT_EQ(hitTest(box, 50, 166), HitZone::HTBOTTOM);
    EXPECT_TRUE(isSizingZone(HitZone::HTBOTTOM));
    EXPECT_FALSE(isSizingZone(HitZone::HTCLIENT));
}

}  // namespace
}  // namespace wendle
