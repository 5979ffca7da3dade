#pragma once

#include <string>
#include <string_view>

namespace wendle::web {

// Text for an HTML element or a quoted attribute: &, <, >, " and ' become
// character references, so a caption or a link can never close the tag it
// sits in.
std::string escapeHtml(std::string_view utf8);

// A file name as a relative URL: every byte outside letters, digits and
// "-._~" is percent-encoded, so "a b#.au" stays one file name.
std::string urlForFileName(std::string_view utf8);

// The name the export gives the bar's stylesheet and picture, made from the
// document's file name: ASCII letters and digits in lower case, every other
// run of characters one "-", no "-" at either end; "wendle-bar" when nothing
// is left. Safe as a file name and as a CSS class on every system.
std::string webName(std::string_view documentPath);

// Collapses runs of white space (and caption line breaks) into one blank
// and trims both ends.
std::string singleLine(std::string_view text);

}  // namespace wendle::web
