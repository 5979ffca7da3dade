#include "web/BarStylesheet.h"

#include <cstdio>

namespace wendle::web {

namespace {

std::string px(int value) {
    return value == 0 ? "0" : std::to_string(value) + "px";
}

// A percentage with at most four decimals and no trailing zeros.
std::string percent(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string out = text;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.')
        out.pop_back();
    return out == "-0" ? "0%" : out + "%";
}

struct Writer {
    std::string scope;  // ".wendle-bar--NAME"
    std::string out;

    void rule(const std::string& selectors, const std::string& declarations) {
        out += selectors + "{" + declarations + "}\n";
    }
    std::string of(const std::string& part) const { return scope + " ." + part; }
};

std::string buttonClass(const WebButton& button) {
    return "wendle-bar__b" + std::to_string(button.ordinal);
}

// The place of a picture of the sheet behind a box that shows its part
// from (dx, dy) on, in CSS pixels.
std::string position(const SpriteSpot& spot, int dx = 0, int dy = 0) {
    return "background-position:" + px(-(spot.x + dx)) + " " + px(-(spot.y + dy));
}

// The same for a box scaled to any size: percentages of the free room.
std::string scaledPosition(const SpriteSpot& spot, int w, int h, const QImage& sheet) {
    const int roomX = sheet.width() - w, roomY = sheet.height() - h;
    return "background-position:" + percent(roomX ? 100.0 * spot.x / roomX : 0) + " " +
           percent(roomY ? 100.0 * spot.y / roomY : 0);
}

// Rules for the three states of a button; a state that looks like the one
// before it needs none.
template <typename Place>
void stateRules(Writer& css, const WebButton& button, Place place) {
    const std::string own = css.of(buttonClass(button));
    if (button.faces[1] != button.faces[0])
        css.rule(own + ":hover," + own + ":focus-visible", place(button.faces[1]));
    if (button.faces[2] != button.faces[1])
        css.rule(own + ":active", place(button.faces[2]));
}

std::string colour(unsigned rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb & 0xFFFFFFu);
    return text;
}

}  // namespace

std::string barStylesheet(const WebBar& bar, const std::string& name, unsigned backgroundRgb) {
    Writer css{".wendle-bar--" + name, {}};
    const std::string picture = "url(\"" + name + ".png\")";
    const std::string sheetSize =
        "background-size:" + px(bar.sprite.width()) + " " + px(bar.sprite.height());
    const int focusLayer = int(bar.buttons.size()) + 1;

    css.out += "/* The button bar \"" + name + "\", made by Wendle. Its pictures are in " + name +
               ".png. */\n";
    // The bar is exactly the applet's area: its top-left corner is the
    // picture's, and one picture pixel is one CSS pixel. Pixelated scaling
    // keeps every pixel one colour at any whole device-pixel ratio.
    css.rule(css.scope,
             "position:relative;display:block;box-sizing:content-box;width:" + px(bar.width) +
                 ";height:" + px(bar.height) +
                 ";padding:0;border:0;overflow:visible;background:" + picture + " " +
                 px(-bar.rest.x) + " " + px(-bar.rest.y) + "/" + px(bar.sprite.width()) + " " +
                 px(bar.sprite.height()) + " no-repeat;image-rendering:pixelated;line-height:0");
    css.rule(css.of("wendle-bar__button"),
             "position:absolute;display:block;box-sizing:border-box;margin:0;padding:0;border:0;"
             "color:transparent;text-decoration:none;outline:none;"
             "-webkit-tap-highlight-color:transparent");
    // At rest the bar's own picture shows through the buttons. A state is
    // a patch laid over it, on the grid of whole device pixels.
    css.rule(css.of("wendle-bar__button::before"),
             "content:\"\";position:absolute;display:none;pointer-events:none;background-image:" +
                 picture + ";background-repeat:no-repeat;" + sheetSize);
    css.rule(css.scope + " a.wendle-bar__button", "cursor:pointer");
    // Two rings, white in black, outside the face: seen on any colour.
    css.rule(css.of("wendle-bar__button:focus-visible"),
             "z-index:" + std::to_string(focusLayer) +
                 ";outline:2px solid #fff;outline-offset:1px;box-shadow:0 0 0 4px #000");
    // The caption as text: read, found, translated and indexed, not seen.
    css.rule(css.of("wendle-bar__text"),
             "position:absolute;width:1px;height:1px;margin:-1px;padding:0;border:0;"
             "overflow:hidden;clip-path:inset(50%);white-space:nowrap");
    if (bar.textBox) {
        // Empty at rest (the bar's picture holds the text box); a message
        // is a patch like a button's state.
        const Rect& box = bar.textBoxPatch;
        css.rule(css.of("wendle-bar__box"),
                 "position:absolute;display:block;left:" + px(box.left) + ";top:" + px(box.top) +
                     ";width:" + px(box.width()) + ";height:" + px(box.height()) +
                     ";z-index:" + std::to_string(focusLayer + 1) +
                     ";pointer-events:none;background-repeat:no-repeat;" + sheetSize);
        for (std::size_t n = 0; n < bar.messages.size(); ++n) {
            css.rule(css.of("wendle-bar__box.wendle-bar__m" + std::to_string(n)),
                     "background-image:" + picture + ";" + position(bar.messages[n]));
        }
    } else {
        css.rule(css.of("wendle-bar__box"), "display:none");
    }

    for (const WebButton& button : bar.buttons) {
        const std::string own = css.of(buttonClass(button));
        if (button.shown.empty()) {
            css.rule(own, "display:none");
            continue;
        }
        css.rule(own, "left:" + px(button.shown.left) + ";top:" + px(button.shown.top) + ";width:" +
                          px(button.shown.width()) + ";height:" + px(button.shown.height()) +
                          ";z-index:" + std::to_string(button.layer));
        const Rect& patch = button.patch;
        css.rule(own + "::before", "left:" + px(patch.left - button.shown.left) +
                                       ";top:" + px(patch.top - button.shown.top) + ";width:" +
                                       px(patch.width()) + ";height:" + px(patch.height()));
        const auto& [over, pressed] = button.patches;
        if (over) {
            css.rule(own + ":hover::before," + own + ":focus-visible::before",
                     "display:block;" + position(*over));
        }
        if (pressed)
            css.rule(own + ":active::before", "display:block;" + position(*pressed));
        else if (over)
            css.rule(own + ":active::before", "display:none");
    }

    // Narrower than the bar: one face under the other in reading order, each
    // at its own size and centred, a face wider than the page scaled down.
    css.out += "@media (width < " + px(bar.width) + "){\n";
    css.rule(css.scope,
             "width:auto;height:auto;max-width:100%;display:flex;"
             "flex-direction:column;align-items:center;gap:4px;padding:4px 0;"
             "background:" +
                 colour(backgroundRgb));
    css.rule(css.of("wendle-bar__button"),
             "position:relative;left:auto;top:auto;z-index:auto;flex:none;max-width:100%;"
             "height:auto;background-image:" +
                 picture + ";background-repeat:no-repeat");
    css.rule(css.of("wendle-bar__button::before"), "display:none!important");
    css.rule(css.of("wendle-bar__box"), "display:none");
    for (const WebButton& button : bar.buttons) {
        if (button.shown.empty())
            continue;
        const int w = button.bounds.width(), h = button.bounds.height();
        const auto place = [&](const SpriteSpot& spot) {
            return scaledPosition(spot, w, h, bar.sprite);
        };
        css.rule(css.of(buttonClass(button)),
                 "width:" + px(w) + ";aspect-ratio:" + std::to_string(w) + "/" + std::to_string(h) +
                     ";background-size:" + percent(100.0 * bar.sprite.width() / w) + " " +
                     percent(100.0 * bar.sprite.height() / h) + ";" + place(button.faces[0]));
        stateRules(css, button, place);
    }
    css.out += "}\n";

    // High contrast and paper: the words, as the system shows links.
    css.out += "@media (forced-colors:active),print{\n";
    css.rule(css.scope,
             "width:auto!important;height:auto!important;display:block!important;"
             "padding:0!important;background:none!important;line-height:normal");
    css.rule(css.of("wendle-bar__button"),
             "position:static!important;display:inline!important;width:auto!important;"
             "height:auto!important;aspect-ratio:auto!important;background:none!important;"
             "box-shadow:none!important;margin-right:1em;color:CanvasText");
    css.rule(css.scope + " a.wendle-bar__button", "color:LinkText;text-decoration:underline");
    css.rule(css.of("wendle-bar__button:focus-visible"), "outline:2px solid Highlight");
    css.rule(css.of("wendle-bar__text"),
             "position:static;width:auto;height:auto;margin:0;overflow:visible;clip-path:none;"
             "white-space:normal");
    css.rule(css.of("wendle-bar__box") + "," + css.of("wendle-bar__button::before"),
             "display:none!important");
    css.out += "}\n";
    return css.out;
}

}  // namespace wendle::web
