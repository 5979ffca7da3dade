#pragma once

#include <string>
#include <vector>

#include "TemplateKit.h"

namespace wendle::content {

// One of the ten documents of the Templates menu.
struct Template {
    std::string file;     // "Toolbar One.wdf", beside the program
    std::string caption;  // its entry in the Templates menu
    std::string slug;     // base name of its pictures on the samples page
    std::string about;    // what it shows, one paragraph of HTML text
    Applet (*build)();
};

// The templates in the order of the Templates menu.
const std::vector<Template>& templates();

// Writes every template into programFolder (ending in "/"). They name the
// ready-made pictures and sounds without the folder, so the same files serve
// every copy of the program. Returns the problems.
std::vector<std::string> writeTemplates(const std::string& programFolder);

// The builders, one per template.
Applet imageButtons();
Applet navigationBar();
Applet colorfulToolbar();
Applet transparentButtons();
Applet verticalToolbar();
Applet roundedButtons();
Applet staggeredButtons();
Applet staggeredImageButtons();
Applet relaxingButtons();
Applet purpleToolbars();

}  // namespace wendle::content
