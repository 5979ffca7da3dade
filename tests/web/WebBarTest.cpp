#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "../render/RenderedImage.h"
#include "model/Editing.h"
#include "model/VelkForm.h"
#include "render/AppletPainter.h"
#include "web/BarSnippet.h"
#include "web/BarStylesheet.h"
#include "web/WebBar.h"

namespace wendle::web {
namespace {

// An applet of 300 x 100 with buttons placed at applet positions.
struct Bar {
    TVelkForm applet;
    Bar() {
        applet.SetDefaults();
        applet.setClientSize(300, 100 + kToolBarStrip);
    }
    int add(int left, int top, int width = 60, int height = 20) {
        const int slot = applet.CreateMenuItem().slot;
        SetSizeXY(applet, slot, left, top + kToolBarStrip, width, height);
        return slot;
    }
    TVelkPanel& face(int slot, int state = 1) { return *applet.statePanel(state, slot); }
    WebBar build() {
        auto bar = buildWebBar(applet);
        EXPECT_TRUE(bar.has_value());
        return bar ? std::move(*bar) : WebBar{};
    }
};

std::vector<int> ordinals(const WebBar& bar) {
    std::vector<int> out;
    for (const WebButton& b : bar.buttons) out.push_back(b.ordinal);
    return out;
}

TEST(WebBarTest, ButtonsComeInReadingOrder) {
    Bar t;
    t.add(120, 2);   // 0: first row, right
    t.add(5, 4);     // 1: first row, left (its top lies within the row)
    t.add(5, 50);    // 2: second row
    t.add(60, 3);    // 3: first row, middle
    t.add(200, 40);  // 4: second row, right (it starts the row)
    EXPECT_EQ(ordinals(t.build()), (std::vector<int>{1, 3, 0, 2, 4}));
}

TEST(WebBarTest, EachButtonIsALinkOrASpanNamedByItsCaptionHintOrLink) {
    const struct {
        const char* caption;
        const char* hint;
        const char* link;
        const char* frame;
        const char* expected;
    } cases[] = {
        {"Home", "The front page", "index.html", "_top",
         "<a class=\"wendle-bar__button wendle-bar__b0\" href=\"index.html\" target=\"_top\" "
         "title=\"The front page\"><span class=\"wendle-bar__text\">Home</span></a>"},
        {"", "Our range", "products.html", "",
         "<a class=\"wendle-bar__button wendle-bar__b0\" href=\"products.html\" title=\"Our "
         "range\"><span class=\"wendle-bar__text\">Our range</span></a>"},
        {"", "", "contact.html", "",
         "<a class=\"wendle-bar__button wendle-bar__b0\" href=\"contact.html\"><span "
         "class=\"wendle-bar__text\">contact.html</span></a>"},
        {"Just\r\na label", "", "", "",
         "<span class=\"wendle-bar__button wendle-bar__b0\"><span "
         "class=\"wendle-bar__text\">Just a label</span></span>"},
        {"<b>&", "\"q\"", "a.html?x=1&y=2", "",
         "<a class=\"wendle-bar__button wendle-bar__b0\" href=\"a.html?x=1&amp;y=2\" "
         "title=\"&quot;q&quot;\"><span class=\"wendle-bar__text\">&lt;b&gt;&amp;</span></a>"},
    };
    for (const auto& c : cases) {
        Bar t;
        const int slot = t.add(5, 5);
        t.face(slot).setCaption(c.caption);
        t.face(slot).setHintText(c.hint);
        t.face(slot).setLink(c.link);
        t.face(slot).setFrame(c.frame);
        const std::string html = barElement(t.build(), "bar");
        EXPECT_NE(html.find(c.expected), std::string::npos) << c.caption << "\n" << html;
    }
}

TEST(WebBarTest, AStateThatLooksLikeTheRestNeedsNoRule) {
    Bar t;
    const int same = t.add(5, 5);
    const int other = t.add(100, 5);
    for (int state = 2; state <= 3; ++state) {
        t.face(same, state).duplicateFrom(t.face(same, 1));
        t.face(other, state).setBkColor(0x000000FF * state);
        t.face(other, state).setFade(false);
    }
    const WebBar bar = t.build();
    const std::string css = barStylesheet(bar, "bar", 0);
    EXPECT_EQ(css.find(".wendle-bar__b0:hover"), std::string::npos) << css;
    EXPECT_EQ(css.find(".wendle-bar__b0:active"), std::string::npos) << css;
    EXPECT_NE(css.find(".wendle-bar__b1:hover::before"), std::string::npos) << css;
    EXPECT_NE(css.find(".wendle-bar__b1:active::before"), std::string::npos) << css;
}

// The pixels of the sprite at spot, w x h.
QImage spritePart(const WebBar& bar, const SpriteSpot& spot, int w, int h) {
    return bar.sprite.copy(spot.x, spot.y, w, h).convertToFormat(QImage::Format_RGB32);
}

TEST(WebBarTest, TheSpriteHoldsTheBarAtRestWithoutSelectionAndTheStatesAsPatches) {
    Bar t;
    const int front = t.add(10, 10, 61, 23);
    const int back = t.add(50, 21, 70, 30);  // partly behind the first
    for (int state = 1; state <= 3; ++state) {
        t.face(front, state).setFade(false);
        t.face(back, state).setFade(false);
        t.face(front, state).setBkColor(0x00000010 * state);
        t.face(back, state).setBkColor(0x00100000 * state);
    }
    SelectOneItem(t.applet, back);
    const WebBar bar = t.build();

    // The selection is the editor's own, drawn nowhere on the page, and kept.
    EXPECT_EQ(t.applet.selectedSlots(), std::vector<int>{back});
    EXPECT_TRUE(t.face(back).selected());
    UnselectAll(t.applet);
    const QImage rest =
        wendle::testing::renderedImage(t.applet, 1).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(spritePart(bar, bar.rest, 300, 100), rest);

    const QImage over =
        wendle::testing::renderedImage(t.applet, 2).convertToFormat(QImage::Format_RGB32);
    const WebButton& behind = bar.buttons[1];
    ASSERT_EQ(behind.ordinal, 1);
    // Widened to the grid of four pixels.
    EXPECT_EQ(behind.patch, (Rect{48, 20, 120, 52}));
    ASSERT_TRUE(behind.patches[0]);
    const QImage patch = spritePart(bar, *behind.patches[0], 72, 32);
    for (int y = 20; y < 52; ++y) {
        for (int x = 48; x < 120; ++x) {
            const bool ownPart = x >= 50 && y >= 21 && y < 51 && !(x < 71 && y < 33);
            const QRgb expected = ownPart ? over.pixel(x, y) : rest.pixel(x, y);
            ASSERT_EQ(patch.pixel(x - 48, y - 20), expected) << x << "," << y;
        }
    }
}

TEST(WebBarTest, OnlyPlainSoundNamesReachThePage) {
    const struct {
        const char* name;
        bool kept;
    } cases[] = {
        {"click.au", true}, {"../x.au", false}, {"/etc/passwd", false}, {".htaccess", false},
        {" ", false},       {"a b.wav", true},  {"sub\\x.au", false},   {"..", false},
    };
    for (const auto& c : cases) {
        Bar t;
        const int slot = t.add(5, 5);
        t.face(slot, 2).setSoundName(c.name);
        const std::vector<std::string> sounds = barSounds(t.build());
        EXPECT_EQ(sounds.size(), c.kept ? 1u : 0u) << c.name;
    }
}

}  // namespace
}  // namespace wendle::web
