#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include "render/FontConfigWarmUp.h"
#include "render/Typeface.h"
#include "render/qt/QtText.h"

namespace wendle {
namespace {

// However a warm-up ends, it ends: a thread left waiting to be told of the
// GUI would hang the program that made it.
TEST(FontConfigWarmUp, EndsWhetherOrNotItFillsTheFontDatabase) {
    { FontConfigWarmUp neverToldOfTheGui; }
    {
        FontConfigWarmUp waitedWithoutTheGui;
        waitedWithoutTheGui.wait();
        waitedWithoutTheGui.wait();
    }
    FontConfigWarmUp filling;
    filling.guiStarted();
    filling.guiStarted();
    filling.wait();
    // Text measured afterwards on this thread is measured as usual.
    const QFont caption = previewFont("Arial", 12, kRegular);
    EXPECT_GT(QFontMetrics(caption).horizontalAdvance(QStringLiteral("Button 1")), 0);
    EXPECT_FALSE(QFontInfo(caption).family().isEmpty());
}

}  // namespace
}  // namespace wendle
