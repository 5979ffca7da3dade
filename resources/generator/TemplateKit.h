#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model/Colour.h"

// A small vocabulary for writing the template documents: an applet and its
// buttons described as plain values, then built through the model's own
// setters and saved by the document writer.
namespace wendle::content {

inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kBlack = rgb(0, 0, 0);

// The colour t of the way from a to b (t from 0 to 1).
constexpr Colour blend(Colour a, Colour b, double t) {
    auto channel = [t](int x, int y) { return std::uint8_t(x + (y - x) * t + 0.5); };
    return rgb(channel(redOf(a), redOf(b)), channel(greenOf(a), greenOf(b)),
               channel(blueOf(a), blueOf(b)));
}
constexpr Colour lighter(Colour c, double t) {
    return blend(c, kWhite, t);
}
constexpr Colour darker(Colour c, double t) {
    return blend(c, kBlack, t);
}

// Border styles and image alignments by their names in the editors.
enum class Edge {
    None,
    RaisedFrame,
    LoweredFrame,
    RaisedBevel,
    LoweredBevel,
    RaisedBump,
    LoweredBump
};
enum class Place { Free = 0, Center = 1, Left = 2, Right = 3, Tile = 4, Resize = 5 };
enum class Typeface { TimesRoman = 0, Courier = 1, Arial = 2 };
enum class Style { Plain = 0, Italic = 1, Bold = 2 };
enum class Align { Left = 1, Centre = 2, Right = 3 };

struct Border {
    Border(Edge edge = Edge::None, int width = 0, Colour colour = rgb(128, 128, 128),
           int shading = 24)
        : edge(edge), width(width), colour(colour), shading(shading) {}
    Edge edge;
    int width;
    Colour colour;
    int shading;
};

struct Picture {
    Picture(std::string name = {}, Place place = Place::Center, int x = 0, int y = 0)
        : name(std::move(name)), place(place), x(x), y(y) {}
    std::string name;  // a file of "Button Images"; empty for none
    Place place;
    int x;
    int y;
};

struct Font {
    Font(Typeface face = Typeface::Arial, int size = 14, Style style = Style::Bold,
         Colour colour = kWhite)
        : face(face), size(size), style(style), colour(colour) {}
    // The same font with a shadow of this colour.
    Font shadowed(Colour shade) const {
        Font f = *this;
        f.shadow = true;
        f.shadowColour = shade;
        return f;
    }
    Font coloured(Colour c) const {
        Font f = *this;
        f.colour = c;
        return f;
    }
    Typeface face;
    int size;  // one of the applet's sizes (8, 10, 12, ... 72)
    Style style;
    Colour colour;
    Align align = Align::Centre;
    bool shadow = false;
    Colour shadowColour = kBlack;
};

// The look of a button in one state. Each call returns a changed copy, so a
// state's look reads as the look it is based on plus what differs.
struct Face {
    Face fill(Colour c) const {
        Face f = *this;
        f.background = c;
        f.gradient = false;
        f.transparent = false;
        return f;
    }
    Face fade(Colour from, Colour to) const {
        Face f = fill(from);
        f.gradient = true;
        f.fadeTo = to;
        return f;
    }
    // No background of its own: the applet shows through (and no picture).
    Face seeThrough() const {
        Face f = *this;
        f.transparent = true;
        return f;
    }
    Face edge(const Border& b) const {
        Face f = *this;
        f.border = b;
        return f;
    }
    Face image(const Picture& p) const {
        Face f = *this;
        f.picture = p;
        return f;
    }
    Face text(const Font& font) const {
        Face f = *this;
        f.font = font;
        return f;
    }
    Face lit(Colour c) const {
        Face f = *this;
        f.highlight = true;
        f.highlightColour = c;
        return f;
    }
    Face plays(std::string sound) const {
        Face f = *this;
        f.soundName = std::move(sound);
        return f;
    }

    Colour background = kBlack;
    bool gradient = false;
    Colour fadeTo = kBlack;
    bool transparent = false;
    Border border;
    Picture picture;
    Font font;
    bool highlight = false;
    Colour highlightColour = rgb(255, 255, 0);
    std::string soundName;  // a file of "Sounds"; empty for none
    std::string caption;    // empty: the button's caption
};

struct HintLook {
    Typeface face = Typeface::Arial;
    int size = 12;
    Style style = Style::Plain;
    Colour text = kBlack;
    Colour background = rgb(255, 255, 225);
    Colour border = kBlack;
};

// A button: where it lies in the applet (not counting the preview's tool
// bar), its texts, and its three faces.
struct Button {
    std::string caption;  // lines separated by "\r\n"
    int left = 0;
    int top = 0;
    int width = 95;
    int height = 30;
    std::string link;
    std::string frame = "_self";
    std::string hint;
    std::string status;
    std::string message;        // shown in the text box
    std::array<Face, 3> faces;  // "On Load", "On MouseOver", "On Click"
};

struct TextBox {
    bool shown = false;
    int left = 0;
    int top = 0;
    int width = 95;
    int height = 20;
    Typeface face = Typeface::Arial;
    int size = 12;
    Style style = Style::Plain;
    Colour text = kWhite;
    Colour background = kBlack;
    Colour border = rgb(128, 128, 128);
};

struct Applet {
    int width = 300;
    int height = 100;
    Colour background = kBlack;
    bool gradient = false;
    Colour fadeTo = kBlack;
    Border border;
    Picture picture;
    std::string loadingText = "Loading...";
    Colour loadingBackground = kBlack;
    Colour loadingTextColour = kWhite;
    std::string alternativeHTML;
    HintLook hint;
    TextBox textBox;
    std::vector<Button> buttons;
};

// What a button says and where it leads, apart from its looks.
struct Page {
    const char* caption;
    const char* link;
    const char* hint;
    const char* status;
    const char* message = "";
};

// A button for a page at (left, top) of the given size with three faces.
inline Button button(const Page& page, int left, int top, int width, int height,
                     const std::array<Face, 3>& faces) {
    Button b;
    b.caption = page.caption;
    b.left = left;
    b.top = top;
    b.width = width;
    b.height = height;
    b.link = page.link;
    b.hint = page.hint;
    b.status = page.status;
    b.message = page.message;
    b.faces = faces;
    return b;
}

// Writes the applet as a document at path. Pictures and sounds are named by
// their bare file names, their paths are "Button Images/<name>" and
// "Sounds/<name>", which the program finds in its own folders wherever it
// lies. Returns the problem, or empty. Every text is checked as the editors
// check typed text.
std::string writeTemplate(const Applet& applet, const std::string& path);

}  // namespace wendle::content
