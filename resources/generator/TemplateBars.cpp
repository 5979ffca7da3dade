// The templates laid out as one horizontal bar.
#include "Templates.h"

namespace wendle::content {

Applet colorfulToolbar() {
    struct Hue {
        Page page;
        Colour from, to;
    };
    // Deep enough for the white and pale yellow captions at both ends.
    const Hue hues[] = {
        {{"Home", "index.html", "The front page", "Back to the front page"},
         rgb(200, 38, 38),
         rgb(175, 90, 0)},
        {{"Products", "products.html", "Everything we make", "See the whole range of products"},
         rgb(176, 84, 0),
         rgb(142, 108, 34)},
        {{"Services", "services.html", "What we can do for you",
          "Repairs, installation and advice"},
         rgb(35, 128, 44),
         rgb(88, 124, 41)},
        {{"Support", "support.html", "Help with your purchase", "Manuals, downloads and answers"},
         rgb(20, 96, 192),
         rgb(39, 120, 146)},
        {{"Contact", "contact.html", "Write or call us", "Addresses, telephone and e-mail"},
         rgb(110, 40, 170),
         rgb(188, 60, 137)},
    };
    Applet a;
    a.width = 488;
    a.height = 40;
    a.background = rgb(32, 32, 36);
    a.border = {Edge::RaisedBevel, 2, rgb(90, 90, 100)};
    a.hint = {Typeface::Arial, 12, Style::Plain, kBlack, rgb(255, 250, 210), rgb(60, 60, 60)};
    a.alternativeHTML =
        "<a href=\"index.html\">Home</a> - <a href=\"products.html\">Products</a> - "
        "<a href=\"services.html\">Services</a> - <a href=\"support.html\">Support</a> - "
        "<a href=\"contact.html\">Contact</a>";
    for (int i = 0; i < 5; ++i) {
        const Hue& hue = hues[i];
        const Font font = Font().shadowed(darker(hue.from, 0.6));
        // Under the pointer the gradient turns round; pressed, it darkens.
        const Face load =
            Face().fade(hue.from, hue.to).edge({Edge::RaisedBevel, 2, hue.from}).text(font);
        const Face over = load.fade(hue.to, hue.from)
                              .edge({Edge::RaisedBevel, 2, hue.to})
                              .text(font.coloured(rgb(255, 255, 210)))
                              .lit(kWhite)
                              .plays("tick.au");
        const Face click = load.fade(darker(hue.from, 0.25), darker(hue.to, 0.25))
                               .edge({Edge::LoweredBevel, 2, hue.from})
                               .plays("click.au");
        a.buttons.push_back(button(hue.page, 5 + i * 96, 5, 94, 30, {load, over, click}));
    }
    return a;
}

Applet transparentButtons() {
    const Page pages[] = {
        {"Home", "index.html", "The front page", "Back to the front page"},
        {"Gallery", "gallery.html", "Photographs from our travels", "Photographs from our travels"},
        {"Journal", "journal.html", "Notes from the road", "Read the travel journal"},
        {"Maps", "maps.html", "Where we have been", "Every route on a map"},
        {"Contact", "contact.html", "Write to us", "Send us a message"},
    };
    Applet a;
    a.width = 480;
    a.height = 40;
    a.background = rgb(96, 150, 214);
    a.picture = {"background-sky.jpg", Place::Resize};
    a.border = {Edge::RaisedBevel, 1, rgb(90, 140, 200)};
    a.loadingBackground = rgb(96, 150, 214);
    a.hint = {Typeface::Arial,  12, Style::Plain, rgb(20, 50, 100), rgb(235, 245, 255),
              rgb(60, 100, 160)};
    // Dark captions with a pale glow read over sky and clouds alike.
    const Font font = Font().coloured(rgb(10, 30, 70)).shadowed(rgb(235, 245, 255));
    const Colour rim = rgb(60, 100, 160);
    const Face load = Face().seeThrough().text(font);
    const Face over = load.edge({Edge::RaisedBevel, 1, rim})
                          .text(font.coloured(rgb(110, 0, 60)))
                          .plays("tick.au");
    const Face click = load.edge({Edge::LoweredBevel, 1, rim}).plays("click.au");
    for (int i = 0; i < 5; ++i) {
        a.buttons.push_back(button(pages[i], 6 + i * 94, 6, 90, 28, {load, over, click}));
    }
    return a;
}

Applet imageButtons() {
    const Page pages[] = {
        {"Home", "index.html", "The front page", "Back to the front page"},
        {"Products", "products.html", "What we make", "Browse the products"},
        {"Downloads", "downloads.html", "Programs and manuals", "Programs, drivers and manuals"},
        {"Forum", "forum.html", "Ask other users", "Questions and answers from other users"},
        {"Contact", "contact.html", "Write or call us", "How to reach us"},
    };
    Applet a;
    a.width = 578;
    a.height = 42;
    a.background = rgb(16, 20, 24);
    a.border = {Edge::LoweredBevel, 1, rgb(70, 76, 84)};
    a.loadingBackground = a.background;
    a.hint = {Typeface::Arial, 12, Style::Plain, kWhite, rgb(40, 44, 52), rgb(120, 160, 220)};
    const Font font = Font().shadowed(kBlack);
    const Font onBlue = font.shadowed(rgb(10, 40, 100));
    const Face load = Face().fill(a.background).image({"glossy-black.jpg"}).text(font);
    const Face over = load.image({"glossy-blue.jpg"}).text(onBlue).plays("tick.au");
    const Face click = load.image({"glossy-blue-down.jpg"})
                           .text(onBlue.coloured(rgb(220, 230, 255)))
                           .plays("click.au");
    for (int i = 0; i < 5; ++i) {
        a.buttons.push_back(button(pages[i], 6 + i * 114, 6, 110, 30, {load, over, click}));
    }
    return a;
}

Applet navigationBar() {
    const Page pages[] = {
        {"Back", "previous.html", "The page before this one", "Go back one page",
         "Go back one page"},
        {"Home", "index.html", "The front page", "Start again from the front page",
         "Start again from the front page"},
        {"Site Map", "sitemap.html", "Every page at a glance", "Every page of the site at a glance",
         "Every page of the site at a glance"},
        {"Search", "search.html", "Find a page", "Find a page by a word on it",
         "Find a page by a word on it"},
        {"Help", "help.html", "Answers to common questions", "Answers to common questions",
         "Answers to common questions"},
        {"Next", "next.html", "The page after this one", "On to the next page",
         "On to the next page"},
    };
    Applet a;
    a.width = 680;
    a.height = 32;
    a.background = rgb(22, 32, 64);
    a.gradient = true;
    a.fadeTo = rgb(44, 66, 120);
    a.border = {Edge::RaisedBevel, 1, rgb(60, 80, 130)};
    a.loadingBackground = a.background;
    a.loadingTextColour = rgb(220, 230, 255);
    a.hint = {Typeface::Arial, 12, Style::Plain, kWhite, rgb(30, 44, 88), rgb(140, 180, 255)};
    a.textBox = {true,
                 500,
                 4,
                 176,
                 24,
                 Typeface::Arial,
                 12,
                 Style::Plain,
                 rgb(220, 230, 255),
                 rgb(14, 20, 44),
                 rgb(60, 80, 130)};
    const Font font(Typeface::Arial, 12);
    for (int i = 0; i < 6; ++i) {
        // Back and Next show which way they go; pressed, the arrow moves in.
        Picture arrow, pushed;
        if (i == 0) {
            arrow = {"arrow-left-white.gif", Place::Free, 6, 4};
            pushed = {"arrow-left-white.gif", Place::Free, 7, 5};
        } else if (i == 5) {
            arrow = {"arrow-right-white.gif", Place::Free, 58, 4};
            pushed = {"arrow-right-white.gif", Place::Free, 59, 5};
        }
        const Face load = Face().fill(rgb(30, 44, 88)).image(arrow).text(font);
        const Face over = load.fill(rgb(56, 84, 160)).lit(rgb(140, 180, 255)).plays("tick.au");
        const Face click = load.fill(rgb(18, 26, 54))
                               .edge({Edge::LoweredBevel, 1, rgb(56, 84, 160)})
                               .image(pushed)
                               .text(font.coloured(rgb(200, 215, 255)))
                               .plays("click.au");
        a.buttons.push_back(button(pages[i], 4 + i * 82, 4, 80, 24, {load, over, click}));
    }
    return a;
}

Applet roundedButtons() {
    struct Coloured {
        Page page;
        const char* picture;
        Colour shadow;
    };
    const Coloured buttons[] = {
        {{"Home", "index.html", "The front page", "Back to the front page"},
         "rounded-blue",
         rgb(20, 50, 110)},
        {{"Recipes", "recipes.html", "Something to cook tonight", "Three hundred tried recipes"},
         "rounded-green",
         rgb(20, 70, 20)},
        {{"Kitchen Tips", "tips.html", "Little tricks that save time",
          "Little tricks that save time"},
         "rounded-orange",
         rgb(120, 60, 0)},
        {{"Shop", "shop.html", "Pans, knives and spices", "Pans, knives and spices"},
         "rounded-purple",
         rgb(60, 20, 100)},
        {{"Contact", "contact.html", "Send us your own recipe", "Send us your own recipe"},
         "rounded-teal",
         rgb(0, 60, 60)},
    };
    Applet a;
    a.width = 590;
    a.height = 46;
    a.background = kWhite;
    a.border = {Edge::RaisedFrame, 1, rgb(220, 224, 230)};
    a.loadingBackground = kWhite;
    a.loadingTextColour = rgb(60, 60, 60);
    a.hint = {Typeface::Arial,   12, Style::Plain, rgb(50, 50, 50), rgb(255, 252, 235),
              rgb(150, 150, 150)};
    for (int i = 0; i < 5; ++i) {
        const Coloured& b = buttons[i];
        const std::string stem = b.picture;
        // The corners of the pictures are transparent: the face's own
        // colour, the applet's white, shows there.
        const Face load =
            Face().fill(kWhite).image({stem + ".gif"}).text(Font().shadowed(b.shadow));
        const Face over = load.image({stem + "-over.gif"});
        const Face click = load.image({stem + "-down.gif"}).plays("pop.au");
        a.buttons.push_back(button(b.page, 8 + i * 116, 8, 110, 30, {load, over, click}));
    }
    return a;
}

}  // namespace wendle::content
