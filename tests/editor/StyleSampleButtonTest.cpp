#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <memory>

#include "editor/StyleSampleButton.h"

namespace wendle {
namespace {

using Look = StyleSampleButton::Look;

struct Sample {
    QImage pixels;
    int ink = 0;  // pixels darker than the button's face
    QSize hint;
};

Sample drawn(Look look, bool checked = false) {
    QWidget window;
    auto* button = new StyleSampleButton(look, &window);
    button->setChecked(checked);
    // One size for all, so the pictures line up.
    button->resize(40, 26);
    Sample sample;
    sample.hint = button->sizeHint();
    sample.pixels = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < sample.pixels.height(); ++y) {
        for (int x = 3; x < sample.pixels.width() - 3; ++x) {
            sample.ink += qGray(sample.pixels.pixel(x, y)) < 128;
        }
    }
    return sample;
}

// The three samples read as plain, italic and bold: each draws "Aa", the
// italic one leaning (not the plain pixels), the bold one with more ink,
// and each asks for room for what it draws.
TEST(StyleSampleButton, PlainItalicAndBoldLookTheirPart) {
    const Sample plain = drawn(Look::Plain);
    const Sample italic = drawn(Look::Italic);
    const Sample bold = drawn(Look::Bold);
    ASSERT_GT(plain.ink, 10) << "the plain sample drew no text";
    EXPECT_NE(italic.pixels, plain.pixels);
    EXPECT_GT(italic.ink, plain.ink / 2);
    EXPECT_GT(bold.ink, plain.ink + plain.ink / 5);
    EXPECT_GT(italic.hint.width(), plain.hint.width());
    EXPECT_GT(bold.hint.width(), plain.hint.width());
    EXPECT_EQ(italic.hint.height(), plain.hint.height());
}

// Checked, a sample still shows its text (on the pressed face).
TEST(StyleSampleButton, ACheckedSampleStillShowsItsText) {
    for (const Look look : {Look::Plain, Look::Italic, Look::Bold}) {
        const Sample checked = drawn(look, true);
        EXPECT_GT(checked.ink, 10) << int(look);
        EXPECT_NE(checked.pixels, drawn(look).pixels) << int(look);
    }
}

TEST(StyleSampleButton, ReadsAsAaToAssistiveTechnology) {
    const StyleSampleButton button(Look::Italic);
    EXPECT_EQ(button.text(), "Aa");
    EXPECT_TRUE(button.isCheckable());
}

}  // namespace
}  // namespace wendle
