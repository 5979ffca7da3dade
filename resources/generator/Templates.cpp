#include "Templates.h"

namespace wendle::content {

const std::vector<Template>& templates() {
    static const std::vector<Template> all{
        {"Toolbar Five.wdf", "Image Buttons", "image-buttons",
         "Five buttons whose faces are pictures from the Button Images folder: a black glass "
         "face at rest, a blue one under the pointer and a pressed blue one on a click. Each "
         "state names its own picture, shown with the image alignment Center.",
         imageButtons},
        {"Toolbar Seven.wdf", "Navigation Bar", "navigation-bar",
         "A slim bar for moving through a series of pages: Back and Next carry arrow pictures "
         "placed freely beside their captions, the buttons light up with a highlight box under "
         "the pointer, and a text box at the end of the bar explains each button.",
         navigationBar},
        {"Toolbar One.wdf", "Colorful Toolbar", "colorful-toolbar",
         "A row of five buttons, each with its own two-colour gradient fill and a raised bevel. "
         "Under the pointer the gradient turns round and a white highlight box appears; a click "
         "shows the button lowered.",
         colorfulToolbar},
        {"Toolbar Two.wdf", "Transparent Buttons", "transparent-buttons",
         "Buttons without a background of their own: the applet's sky picture shows through "
         "them. Only the caption shows at rest; a raised edge appears under the pointer and a "
         "lowered one on a click.",
         transparentButtons},
        {"Toolbar Four.wdf", "Vertical Toolbar", "vertical-toolbar",
         "Six buttons in a column with a text box beneath them. A round bullet sits before each "
         "caption and turns into an arrow under the pointer; the text box tells the visitor "
         "where each button leads.",
         verticalToolbar},
        {"Toolbar Eight.wdf", "Rounded Buttons", "rounded-buttons",
         "Five buttons with rounded corners, made of transparent GIF pictures on a white "
         "applet. Each colour comes in three pictures: at rest, lighter under the pointer and "
         "darker when pressed.",
         roundedButtons},
        {"Toolbar Three.wdf", "Staggered Buttons", "staggered-buttons",
         "Five gradient buttons set like a flight of steps on a dark teal applet with a bumped "
         "border. Buttons can be placed anywhere in the applet, not only in rows and columns.",
         staggeredButtons},
        {"Toolbar Six.wdf", "Staggered Image Buttons", "staggered-image-buttons",
         "Capsule-shaped picture buttons in a zigzag, each in its own colour. The pictures are "
         "transparent GIFs whose corners show the applet's background colour.",
         staggeredImageButtons},
        {"Toolbar Ten.wdf", "Relaxing Buttons", "relaxing-buttons",
         "Soft, pale buttons with italic Times Roman captions over a tiled water picture. The "
         "pointer brings the sound of a water drop, a click a quiet chime, and the text box "
         "below speaks in the same calm voice.",
         relaxingButtons},
        {"Toolbar Nine.wdf", "Purple Toolbars", "purple-toolbars",
         "Two toolbars in one applet: a main row of purple gradient buttons and a second row "
         "of picture buttons beside a text box, all over a dotted purple tile.",
         purpleToolbars},
    };
    return all;
}

std::vector<std::string> writeTemplates(const std::string& programFolder) {
    std::vector<std::string> problems;
    for (const Template& entry : templates()) {
        const std::string problem = writeTemplate(entry.build(), programFolder + entry.file);
        if (!problem.empty())
            problems.push_back(problem);
    }
    return problems;
}

}  // namespace wendle::content
