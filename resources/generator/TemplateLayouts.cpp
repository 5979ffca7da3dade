// The templates whose buttons stand in a column, in steps or in two bars.
#include "Templates.h"

namespace wendle::content {

Applet verticalToolbar() {
    const Page pages[] = {
        {"Home", "index.html", "The front page", "Back to the front page",
         "Back to the front page"},
        {"About Us", "about.html", "Who we are", "Who we are and how we started",
         "Who we are and how we started"},
        {"Portfolio", "portfolio.html", "Work we are proud of", "Work we are proud of",
         "A selection of our recent work"},
        {"Services", "services.html", "What we offer", "Design, printing and web pages",
         "Design, printing and web pages"},
        {"Blog", "blog.html", "News from the studio", "News from the studio",
         "News and notes from the studio"},
        {"Contact", "contact.html", "Write or call us", "Write, call or visit us",
         "Write, call or visit us"},
    };
    Applet a;
    a.width = 148;
    a.height = 206;
    a.background = rgb(43, 52, 64);
    a.border = {Edge::RaisedBevel, 2, rgb(90, 100, 115)};
    a.loadingBackground = a.background;
    a.hint = {Typeface::Arial, 12, Style::Plain, kBlack, rgb(235, 240, 248), rgb(90, 100, 115)};
    a.textBox = {true,
                 4,
                 166,
                 140,
                 36,
                 Typeface::Arial,
                 12,
                 Style::Plain,
                 rgb(230, 235, 240),
                 rgb(30, 36, 46),
                 rgb(90, 100, 115)};
    // A bullet before the caption turns into an arrow under the pointer.
    const Face load = Face()
                          .fade(rgb(62, 74, 92), rgb(86, 100, 122))
                          .edge({Edge::RaisedBevel, 1, rgb(86, 100, 122)})
                          .image({"bullet-blue.gif", Place::Free, 8, 7})
                          .text(Font(Typeface::Arial, 12));
    const Face over = load.fade(rgb(70, 96, 144), rgb(92, 116, 154))
                          .edge({Edge::RaisedBevel, 1, rgb(120, 150, 200)})
                          .image({"arrow-right-white.gif", Place::Free, 6, 5})
                          .plays("tick.au");
    const Face click = load.fill(rgb(40, 50, 64))
                           .edge({Edge::LoweredBevel, 1, rgb(86, 100, 122)})
                           .image({"arrow-right-white.gif", Place::Free, 7, 6})
                           .plays("click.au");
    for (int i = 0; i < 6; ++i) {
        a.buttons.push_back(button(pages[i], 4, 4 + i * 26, 140, 26, {load, over, click}));
    }
    return a;
}

Applet staggeredButtons() {
    const Page pages[] = {
        {"Welcome", "index.html", "Welcome to the Green Door", "Welcome to the Green Door",
         "A small kitchen with a big garden"},
        {"Our Story", "story.html", "How it all began", "How it all began",
         "Three friends, one old farmhouse"},
        {"The Menu", "menu.html", "What is cooking this week", "What is cooking this week",
         "Seasonal dishes, changed every week"},
        {"Reservations", "reservations.html", "Book a table", "Book a table online",
         "Book a table for tonight or later"},
        {"Find Us", "directions.html", "Map and directions", "Map, directions and parking",
         "Map, directions and parking"},
    };
    Applet a;
    a.width = 256;
    a.height = 172;
    a.background = rgb(8, 40, 48);
    a.gradient = true;
    a.fadeTo = rgb(0, 96, 104);
    a.border = {Edge::RaisedBump, 3, rgb(0, 110, 120), 30};
    a.loadingBackground = a.background;
    a.hint = {Typeface::Arial, 12, Style::Plain, rgb(0, 50, 50), rgb(220, 250, 240),
              rgb(0, 110, 120)};
    a.textBox = {true,
                 8,
                 140,
                 110,
                 24,
                 Typeface::Arial,
                 12,
                 Style::Plain,
                 rgb(210, 250, 240),
                 rgb(4, 30, 36),
                 rgb(0, 110, 120)};
    const Font font = Font().shadowed(rgb(0, 60, 60));
    const Face load = Face()
                          .fade(rgb(0, 90, 82), rgb(0, 126, 105))
                          .edge({Edge::RaisedBevel, 2, rgb(0, 140, 130)})
                          .text(font);
    // Under the pointer the step lights up and its caption turns dark.
    const Face over = load.fade(rgb(0, 170, 150), rgb(120, 230, 200))
                          .edge({Edge::RaisedBevel, 2, rgb(0, 190, 170)})
                          .text(font.coloured(rgb(0, 40, 40)).shadowed(rgb(150, 240, 220)))
                          .plays("tick.au");
    const Face click = load.fade(rgb(0, 80, 74), rgb(0, 130, 110))
                           .edge({Edge::LoweredBevel, 2, rgb(0, 140, 130)})
                           .plays("click.au");
    // Each step a little further right and down.
    for (int i = 0; i < 5; ++i) {
        a.buttons.push_back(button(pages[i], 8 + i * 30, 8 + i * 32, 120, 28, {load, over, click}));
    }
    return a;
}

Applet staggeredImageButtons() {
    struct Coloured {
        Page page;
        const char* picture;
        Colour shadow;
    };
    const Coloured buttons[] = {
        {{"Start Here", "index.html", "New to the course? Begin here", "Begin the course here"},
         "pill-blue",
         rgb(20, 50, 110)},
        {{"Lessons", "lessons.html", "Twelve lessons, one a week", "Twelve lessons, one a week"},
         "pill-purple",
         rgb(60, 20, 100)},
        {{"Exercises", "exercises.html", "Practise what you learned", "Practise what you learned"},
         "pill-green",
         rgb(20, 70, 20)},
        {{"Quizzes", "quizzes.html", "Test yourself", "A short quiz for every lesson"},
         "pill-orange",
         rgb(120, 60, 0)},
        {{"Forum", "forum.html", "Talk to other students", "Talk to other students"},
         "pill-blue",
         rgb(20, 50, 110)},
        {{"Help", "help.html", "Stuck? Ask a teacher", "Ask a teacher for help"},
         "pill-purple",
         rgb(60, 20, 100)},
    };
    const Colour ground = rgb(246, 242, 234);
    Applet a;
    a.width = 194;
    a.height = 220;
    a.background = ground;
    a.border = {Edge::RaisedFrame, 2, rgb(200, 188, 166)};
    a.loadingBackground = ground;
    a.loadingTextColour = rgb(80, 70, 60);
    a.hint = {Typeface::Arial,   12, Style::Plain, rgb(60, 50, 40), rgb(255, 250, 235),
              rgb(200, 188, 166)};
    for (int i = 0; i < 6; ++i) {
        const Coloured& b = buttons[i];
        const std::string stem = b.picture;
        const Face load =
            Face().fill(ground).image({stem + ".gif"}).text(Font().shadowed(b.shadow));
        const Face over = load.image({stem + "-over.gif"}).plays("swish.au");
        const Face click = load.image({stem + "-down.gif"}).plays("click.au");
        // A zigzag: every other button sits further right.
        a.buttons.push_back(
            button(b.page, 10 + (i % 2) * 64, 10 + i * 34, 110, 30, {load, over, click}));
    }
    return a;
}

Applet relaxingButtons() {
    const Page pages[] = {
        {"Welcome", "index.html", "Welcome to Still Waters", "Welcome to Still Waters",
         "Slow down. You have arrived."},
        {"Gardens", "gardens.html", "A walk among the lilies", "A walk among the lilies",
         "Wander among the lilies and the old willows"},
        {"Spa Retreat", "spa.html", "Time for yourself", "Warm stones and soft music",
         "Warm stones, soft music and time for yourself"},
        {"Stay With Us", "rooms.html", "Quiet rooms by the lake", "Quiet rooms by the lake",
         "Quiet rooms looking out over the lake"},
    };
    Applet a;
    a.width = 534;
    a.height = 88;
    a.background = rgb(120, 180, 190);
    a.picture = {"tile-water.jpg", Place::Tile};
    a.border = {Edge::RaisedBump, 2, rgb(150, 200, 200), 16};
    a.loadingText = "One moment...";
    a.loadingBackground = rgb(200, 230, 228);
    a.loadingTextColour = rgb(40, 90, 96);
    a.hint = {Typeface::TimesRoman, 12, Style::Italic, rgb(30, 80, 90), rgb(240, 250, 246),
              rgb(150, 200, 196)};
    a.textBox = {true,
                 12,
                 56,
                 510,
                 22,
                 Typeface::TimesRoman,
                 12,
                 Style::Italic,
                 rgb(30, 80, 90),
                 rgb(226, 242, 240),
                 rgb(150, 200, 196)};
    const Font font(Typeface::TimesRoman, 16, Style::Italic, rgb(40, 90, 96));
    const Face load = Face()
                          .fade(rgb(210, 236, 230), rgb(170, 214, 220))
                          .edge({Edge::RaisedBump, 2, rgb(150, 200, 196), 12})
                          .text(font);
    const Face over = load.fade(rgb(236, 248, 240), rgb(200, 232, 236))
                          .edge({Edge::RaisedBump, 2, rgb(170, 215, 210), 12})
                          .text(font.coloured(rgb(20, 70, 80)))
                          .plays("water-drop.au");
    const Face click = load.fade(rgb(170, 214, 220), rgb(210, 236, 230))
                           .edge({Edge::LoweredBump, 2, rgb(150, 200, 196), 12})
                           .text(font.coloured(rgb(20, 70, 80)))
                           .plays("chime.au");
    for (int i = 0; i < 4; ++i) {
        a.buttons.push_back(button(pages[i], 12 + i * 130, 12, 120, 34, {load, over, click}));
    }
    return a;
}

Applet purpleToolbars() {
    const Page main[] = {
        {"Home", "index.html", "The band's front page", "Back to the front page",
         "Back to the front page"},
        {"Music", "music.html", "Listen to every album", "Listen to every album",
         "Every album, with samples of every song"},
        {"Videos", "videos.html", "Live and in the studio", "Live and in the studio",
         "Concert films and studio sessions"},
        {"Tour Dates", "tour.html", "Come and see us play", "Come and see us play",
         "Where we play this summer"},
        {"Shop", "shop.html", "Records, shirts and posters", "Records, shirts and posters",
         "Records, shirts and posters"},
    };
    const Page more[] = {
        {"News", "news.html", "What the band is up to", "What the band is up to",
         "What the band is up to"},
        {"Photos", "photos.html", "Pictures from the road", "Pictures from the road",
         "Pictures from the road"},
        {"Mailing List", "mailing.html", "Hear about new songs first", "Join the mailing list",
         "Hear about new songs first"},
    };
    const Colour ground = rgb(72, 36, 110);
    Applet a;
    a.width = 500;
    a.height = 76;
    a.background = ground;
    a.picture = {"tile-dots-purple.gif", Place::Tile};
    a.border = {Edge::RaisedBump, 3, rgb(120, 80, 170), 24};
    a.loadingBackground = ground;
    a.hint = {Typeface::Arial,  12, Style::Plain, rgb(60, 20, 90), rgb(245, 235, 255),
              rgb(120, 80, 170)};
    a.textBox = {true,
                 346,
                 43,
                 148,
                 24,
                 Typeface::Arial,
                 12,
                 Style::Italic,
                 rgb(245, 230, 255),
                 rgb(48, 20, 76),
                 rgb(120, 80, 170)};

    // The main bar: gradient buttons.
    const Font font = Font().shadowed(rgb(40, 0, 60));
    const Face load = Face()
                          .fade(rgb(90, 40, 140), rgb(160, 100, 210))
                          .edge({Edge::RaisedBevel, 2, rgb(130, 80, 180)})
                          .text(font);
    const Face over = load.fade(rgb(137, 78, 196), rgb(124, 94, 142))
                          .edge({Edge::RaisedBevel, 2, rgb(170, 120, 220)})
                          .text(font.coloured(rgb(255, 235, 255)))
                          .plays("tick.au");
    const Face click = load.fade(rgb(60, 20, 100), rgb(100, 50, 150))
                           .edge({Edge::LoweredBevel, 2, rgb(130, 80, 180)})
                           .plays("click.au");
    for (int i = 0; i < 5; ++i) {
        a.buttons.push_back(button(main[i], 6 + i * 98, 6, 96, 28, {load, over, click}));
    }

    // The second bar: picture buttons beside the text box.
    const Face plain =
        Face().fill(ground).image({"plain-purple.gif"}).text(Font(Typeface::Arial, 12));
    const Face plainOver = plain.image({"plain-purple-over.gif"}).plays("tick.au");
    const Face plainDown = plain.image({"plain-purple-down.gif"}).plays("click.au");
    for (int i = 0; i < 3; ++i) {
        a.buttons.push_back(
            button(more[i], 6 + i * 112, 40, 110, 30, {plain, plainOver, plainDown}));
    }
    return a;
}

}  // namespace wendle::content
