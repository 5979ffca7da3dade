#pragma once

#include <QImage>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/VelkForm.h"
#include "render/Geometry.h"
#include "web/SpriteSheet.h"

namespace wendle::web {

inline constexpr int kPatchGrid = 4;

// One button as the page shows it. Texts are UTF-8.
struct WebButton {
    int ordinal = 0;
    Rect bounds;    // the whole face, applet coordinates
    Rect shown;     // the part inside the applet; empty when none shows
    int layer = 0;  // 1 for the back-most face, higher in front
    // The face of each state (1, 2, 3), drawn whole, in the sprite.
    std::array<SpriteSpot, 3> faces;
    // Under the pointer and pressed, the bar changes within patch: the
    // button's box widened to the grid of kPatchGrid CSS pixels, so that
    // its edges fall on whole device pixels at ratios such as 1.25, 1.5 and
    // 2.5. The patch is the bar at rest with the part of the button that
    // shows in "On MouseOver" (patches[0]) or "On Click" (patches[1]); none
    // when that state looks as the bar at rest does.
    Rect patch;
    std::array<std::optional<SpriteSpot>, 2> patches;
    std::string link;
    std::string frame;
    std::string name;  // caption, else hint, else link
    std::string hint;
    // Status text and sound of "On MouseOver" and "On Click".
    std::array<std::string, 2> status;
    std::array<std::string, 2> sounds;  // file names the page may load
    int message = -1;                   // index into WebBar::messages, or none
    std::string messageText;
};

// The bar as the web export writes it: its buttons in reading order (top to
// bottom, then left to right) and one picture holding everything it shows.
struct WebBar {
    int width = 0;
    int height = 0;
    SpriteSpot rest;  // the applet at rest, nothing selected
    std::vector<WebButton> buttons;
    // The text box where the applet shows one, and its look with each
    // button's message in it.
    std::optional<Rect> textBox;
    Rect textBoxPatch;                 // where a message shows, widened to the grid
    std::vector<SpriteSpot> messages;  // one per button with a message
    QImage sprite;
};

// Draws the applet through the render layer and lays out its buttons. The
// applet is drawn with nothing selected; the selection is put back after.
// Sound names that could reach outside a folder, or that start with a dot,
// are left out. None when the applet is too large to be drawn.
std::optional<WebBar> buildWebBar(TVelkForm& applet);

// The sound files a bar plays, each once.
std::vector<std::string> barSounds(const WebBar& bar);

}  // namespace wendle::web
