#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Colour.h"

namespace wendle {

class TVelkForm;

// Six upper-case hexadecimal digits in the order red, green, blue.
std::string getHexColor(Colour colour);

// Every caption line (split at CR LF) followed by " ~ ".
std::string joinCaption(std::string_view caption);

// Splits a text into lines at CR LF, LF or CR; a trailing break gives a last
// empty line.
std::vector<std::string> splitLines(std::string_view text);

// The whole HTML block, one entry per line of the HTML pane. Rebuilding
// writes the placeholders of the parameter text back into the applet.
std::vector<std::string> buildAppletHTML(TVelkForm& applet);

}  // namespace wendle
