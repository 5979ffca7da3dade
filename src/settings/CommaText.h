#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wendle {

// The comma text of a string list: items separated by commas; an item that
// holds a blank, a comma, a double quote or a control character is enclosed
// in double quotes with its inner quotes doubled. A list of one empty item
// is written as two double quotes, an empty list as nothing.
std::string toCommaText(const std::vector<std::string>& items);

// The list back from its comma text. Blanks and control characters around
// an item are skipped; an unclosed quote runs to the end of the text.
// fromCommaText(toCommaText(list)) == list for every list.
std::vector<std::string> fromCommaText(std::string_view text);

}  // namespace wendle
