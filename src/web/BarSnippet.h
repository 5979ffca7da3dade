#pragma once

#include <string>

#include "web/WebBar.h"

namespace wendle::web {

// The lines a user pastes into a page: the stylesheet link, the bar as a
// <nav> of real links (a <span> for a button without one) in reading order,
// and the script that adds the text box and sounds.
std::string barSnippet(const WebBar& bar, const std::string& name);

// The same without the stylesheet link, for a page that links it in <head>.
std::string barElement(const WebBar& bar, const std::string& name);

inline constexpr const char* kPlayerScript = "velkbutton.js";

}  // namespace wendle::web
